// TRadioButton: one choice of a group over the system BUTTON class; the radio buttons with the
// same parent form one group, of which at most one is checked.
#pragma once

#include "framework/controls/button_control.h"

namespace ov {

// Checking a radio button (by a click or by code) unchecks the other radio buttons of its parent
// and fires OnClick; unchecking fires nothing.
class TRadioButton : public TButtonControl {
    OV_CLASS(TRadioButton, TButtonControl)

    explicit TRadioButton(TComponent* owner);

    [[nodiscard]] bool Checked() const override { return checked_; }
    void SetChecked(bool value) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Toggle() override { SetChecked(true); }

private:
    void UncheckSiblings();

    bool checked_ = false;
};

}  // namespace ov
