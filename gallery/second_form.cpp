// TSecondForm: only its class information; everything else is in its layout.
#include "gallery/second_form.h"

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TSecondForm::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TSecondForm>(L"TSecondForm", TForm::StaticClass()).Creatable().Build();
    return info;
}

}  // namespace ov
