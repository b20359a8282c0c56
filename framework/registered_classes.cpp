// The list of framework classes that a layout can name. Building each class's information
// registers it by name; listing them here also keeps the linker from dropping classes that only
// layouts refer to.
#include "framework/application.h"
#include "framework/button.h"
#include "framework/component.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/image.h"
#include "framework/image_list.h"
#include "framework/label.h"
#include "framework/memo.h"
#include "framework/menus.h"
#include "framework/page_control.h"
#include "framework/panel.h"
#include "framework/tab_control.h"
#include "framework/timer.h"
#include "framework/tool_bar.h"

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
            &TButton::StaticClass,
            &TPanel::StaticClass,
            &TLabel::StaticClass,
            &TImage::StaticClass,
            &TTimer::StaticClass,
            &TEdit::StaticClass,
            &TMemo::StaticClass,
            &TImageList::StaticClass,
            &TTabControl::StaticClass,
            &TPageControl::StaticClass,
            &TTabSheet::StaticClass,
            &TToolBar::StaticClass,
            &TToolButton::StaticClass,
        };
        for (auto staticClass : classes)
            staticClass();
        return true;
    }();
    (void)registered;
}

}  // namespace ov
