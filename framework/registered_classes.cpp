// The list of framework classes that a layout can name. Building each class's information
// registers it by name; listing them here also keeps the linker from dropping classes that only
// layouts refer to.
#include "framework/application.h"
#include "framework/component.h"
#include "framework/form.h"
#include "framework/menus.h"

namespace ov {

void RegisterFrameworkClasses()
{
    static const bool registered = [] {
        const TClassInfo& (*const classes[])() = {
            &TComponent::StaticClass,
            &TForm::StaticClass,
            &TMainMenu::StaticClass,
            &TPopupMenu::StaticClass,
            &TMenuItem::StaticClass,
            &TApplicationEvents::StaticClass,
        };
        for (auto staticClass : classes)
            staticClass();
        return true;
    }();
    (void)registered;
}

}  // namespace ov
