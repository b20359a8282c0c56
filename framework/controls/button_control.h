// TButtonControl: the base of the two-state buttons over the system BUTTON class (check box,
// radio button): the side the caption stands on, word wrap, and a Checked state that each
// descendant keeps itself (the system control only shows it).
#pragma once

#include "framework/forms/win_control.h"

namespace ov {

class TButtonControl : public TWinControl {
    OV_CLASS(TButtonControl, TWinControl)

    explicit TButtonControl(TComponent* owner);

    // taRightJustify (the default): the caption right of the box; taLeftJustify: left of it.
    [[nodiscard]] TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment value);
    [[nodiscard]] bool WordWrap() const noexcept { return wordWrap_; }
    void SetWordWrap(bool value);
    [[nodiscard]] virtual bool Checked() const = 0;
    virtual void SetChecked(bool value) = 0;

protected:
    // BUTTON with the given button style and the caption's side.
    void CreateButtonParams(TCreateParams& params, DWORD buttonStyle);
    // The user clicked the button (BN_CLICKED, from the mouse or the space bar).
    virtual void Toggle() = 0;
    // Shows a check state (BST_*) in the window.
    void ShowCheck(UINT state);
    void WndProc(TMessage& message) override;

private:
    TAlignment alignment_ = taRightJustify;
    bool wordWrap_ = false;
};

}  // namespace ov
