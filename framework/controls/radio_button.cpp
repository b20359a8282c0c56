// TRadioButton: a manual radio BUTTON; the group is kept by the framework, not the system.
#include "framework/controls/radio_button.h"

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TRadioButton::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TRadioButton>(L"TRadioButton", TButtonControl::StaticClass()).Creatable().Build();
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& params) { CreateButtonParams(params, BS_RADIOBUTTON); }

void TRadioButton::CreateWnd()
{
    TButtonControl::CreateWnd();
    ShowCheck(checked_ ? BST_CHECKED : BST_UNCHECKED);
}

void TRadioButton::SetChecked(bool value)
{
    if (checked_ == value)
        return;
    checked_ = value;
    SetTabStop(value);
    ShowCheck(value ? BST_CHECKED : BST_UNCHECKED);
    if (!value)
        return;
    UncheckSiblings();
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TRadioButton::UncheckSiblings()
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this)
            other->SetChecked(false);
}

}  // namespace ov
