// TButton: a push button (the system BUTTON class). A Default button is pressed by Enter, a
// Cancel button by Escape; a button with a ModalResult closes its modal form with that result.
#pragma once

#include "framework/forms/form.h"
#include "framework/forms/win_control.h"

namespace ov {

class TButton : public TWinControl {
    OV_CLASS(TButton, TWinControl)

    explicit TButton(TComponent* owner);

    [[nodiscard]] bool Default() const noexcept { return default_; }
    void SetDefault(bool value);
    [[nodiscard]] bool Cancel() const noexcept { return cancel_; }
    void SetCancel(bool value) noexcept { cancel_ = value; }
    [[nodiscard]] TModalResult ModalResult() const noexcept { return modalResult_; }
    void SetModalResult(TModalResult value) noexcept { modalResult_ = value; }

    // Sets the form's ModalResult (when the button has one), then fires OnClick.
    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    // Enter presses this button: it has the focus, or it is the default and no other button has.
    [[nodiscard]] bool TakesEnter() const;
    void HandleDialogKey(TMessage& message);
    void HandleDialogChar(TMessage& message);

    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

// The accelerator character of a caption ("&OK" has 'O'), 0 when it has none.
wchar_t AcceleratorOf(const std::wstring& caption);

}  // namespace ov
