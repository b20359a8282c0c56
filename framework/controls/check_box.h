// TCustomCheckBox / TCheckBox: a box that is checked, unchecked or (with AllowGrayed) grayed, over
// the system BUTTON class.
#pragma once

#include "framework/controls/button_control.h"

namespace ov {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
OV_ENUM_TYPE(TCheckBoxState, L"cbUnchecked", L"cbChecked", L"cbGrayed")

// A click moves State on: unchecked, checked, then grayed when AllowGrayed, then unchecked again.
// Every change of State, by the user or by code, fires OnClick (not while a layout is read).
class TCustomCheckBox : public TButtonControl {
    OV_CLASS(TCustomCheckBox, TButtonControl)

    explicit TCustomCheckBox(TComponent* owner);

    [[nodiscard]] TCheckBoxState State() const noexcept { return checkState_; }
    void SetState(TCheckBoxState value);
    [[nodiscard]] bool AllowGrayed() const noexcept { return allowGrayed_; }
    void SetAllowGrayed(bool value) noexcept { allowGrayed_ = value; }
    [[nodiscard]] bool Checked() const override { return checkState_ == cbChecked; }
    void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Toggle() override;

private:
    TCheckBoxState checkState_ = cbUnchecked;
    bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox {
    OV_CLASS(TCheckBox, TCustomCheckBox)

    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

}  // namespace ov
