// Push buttons painted from the skin's button face (SKIN2_BUTTON: normal, hot, pressed side by
// side). The skinners take the button over completely: the left button and the Enter and Space
// keys never reach the button's own procedure, so the skinner paints the face for each state and
// clicks the button itself. TkrvSkinButton serves framework buttons, TkrvSkinWndButton the plain
// push buttons of message boxes and system dialogs (which get no mouse-leave notification and so
// poll the pointer with a timer to lose their hot face).
#pragma once

#include <memory>

#include "framework/forms/timer.h"
#include "skin/engine/skin_control.h"

namespace ov {

class TkrvSkinEngine;

// The face drawn for a state of the base's hover/pressed bits: 3 pressed, 2 hot, 1 normal.
int ButtonFaceState(unsigned char state);

// The picture of a push button without its caption: `background` everywhere, the skin's face for
// `state` in nine sections over the whole picture, and, when focused, a focus rectangle 5 pixels
// inside (one pixel lower and to the right while pressed).
void PaintButtonFace(const TkrvSkinEngine& engine, TBitmap& picture, TColor background, unsigned char state,
                     bool focused);

class TkrvSkinButton : public TkrvSkinControlVCL {
public:
    TkrvSkinButton(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    bool PreMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;
    void MouseDown() override;
    void MouseUp() override;
    void KeyDown(WORD key) override;
    void KeyUp(WORD key) override;
    void Initialize() override;

private:
    [[nodiscard]] TColor BackgroundColor() const;
    [[nodiscard]] bool WordWrap() const;
    bool HasFocus();
    // Draws the glyph the button publishes (if any) and gives the rectangle its caption goes in.
    RECT DrawGlyph(TBitmap& picture);

    bool FClickPending = false;  // a press on the button, waiting for its release
    bool FKeyPending = false;    // a key went down on the button, waiting for Space to come up
};

class TkrvSkinWndButton : public TkrvSkinControlWnd {
public:
    static constexpr unsigned kHoverPollMs = 138;

    TkrvSkinWndButton(HWND window, TkrvSkinWindow* owner) : TkrvSkinControlWnd(window, owner) {}

    bool PreMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;
    void MouseDown() override;
    void MouseUp() override;
    void Initialize() override;
    void Detach() override;

    // Whether the pointer is polled (not in dialogs with an animation or a progress bar).
    [[nodiscard]] bool PollsPointer() const noexcept { return FHoverTimer != nullptr; }

private:
    void HoverTimerTick(TObject* sender);

    bool FClickPending = false;
    std::unique_ptr<TTimer> FHoverTimer;
    bool FPaintedOnce = false;
};

}  // namespace ov
