// TOvExCustomMemo: the extension layer over the framework's memo that the rich text view builds
// on: a hint colour, the set of clipboard commands the control passes on, and one overridable
// operation per control notification.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/graphics/color.h"
#include "framework/controls/memo.h"
#include "richview/rich_edit_types.h"

namespace ov {

class TOvExCustomMemo : public TCustomMemo {
    OV_CLASS(TOvExCustomMemo, TCustomMemo)

    explicit TOvExCustomMemo(TComponent* owner);

    // The background of this control's tool tips; clDefault leaves the application's.
    [[nodiscard]] TColor HintColor() const noexcept { return hintColor_; }
    void SetHintColor(TColor value) noexcept { hintColor_ = value; }
    [[nodiscard]] TOvClipboardCommands ClipboardCommands() const noexcept { return clipboardCommands_; }
    void SetClipboardCommands(TOvClipboardCommands value) { DoSetClipboardCommands(value); }

protected:
    void WndProc(TMessage& message) override;

    // The operations, in their slot order. Each runs where the framework's notification arrives;
    // the defaults leave the message's handling as it was.
    virtual void DoTextChanged() {}
    // Whether the control wants a dialog character (an accelerator of the form) itself.
    virtual bool WantsDialogChar(wchar_t character, TShiftState shift, const std::wstring& text) { return false; }
    // Whether a client point belongs to the control; by default every point does.
    virtual bool DoHitTest(int x, int y) { return true; }
    // After every WM_SIZE.
    virtual void DoBoundsChanged() {}
    // After WM_GETDLGCODE: may change the answer.
    virtual void DoDialogCode(LRESULT& code) {}
    virtual void DoFocusSet() {}
    virtual void DoFocusKilled() {}
    // WM_ERASEBKGND with the DC wrapped in a canvas (the DC's state is saved around it); answers
    // whether it erased. The default lets the window class erase.
    virtual bool DoEraseBackground(TCanvas& canvas) { return false; }
    virtual void DoSetClipboardCommands(TOvClipboardCommands value) { clipboardCommands_ = value; }

private:
    // Offers the erase to DoEraseBackground first; the memo erases when nobody did.
    void OfferEraseBackground(TMessage& message);

    TColor hintColor_ = clDefault;
    TOvClipboardCommands clipboardCommands_ = kAllClipboardCommands;
};

}  // namespace ov
