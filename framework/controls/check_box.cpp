// TCustomCheckBox: a three-state BUTTON whose state the control keeps and shows.
#include "framework/controls/check_box.h"

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TCustomCheckBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomCheckBox>(L"TCustomCheckBox", TButtonControl::StaticClass())
            .Property(L"AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed)
            .Property(L"State", &TCustomCheckBox::State, &TCustomCheckBox::SetState)
            .Build();
    return info;
}

const TClassInfo& TCheckBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCheckBox>(L"TCheckBox", TCustomCheckBox::StaticClass()).Creatable().Build();
    return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

// BS_3STATE: the system control shows what it is told and never changes the state itself.
void TCustomCheckBox::CreateParams(TCreateParams& params) { CreateButtonParams(params, BS_3STATE); }

void TCustomCheckBox::CreateWnd()
{
    TButtonControl::CreateWnd();
    ShowCheck(static_cast<UINT>(checkState_));  // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
}

void TCustomCheckBox::SetState(TCheckBoxState value)
{
    if (checkState_ == value)
        return;
    checkState_ = value;
    ShowCheck(static_cast<UINT>(value));
    if (!ComponentState().Contains(csLoading))
        Click();
}

void TCustomCheckBox::Toggle()
{
    switch (checkState_) {
    case cbUnchecked:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(allowGrayed_ ? cbGrayed : cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbUnchecked);
        break;
    }
}

}  // namespace ov
