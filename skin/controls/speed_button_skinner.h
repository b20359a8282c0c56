// Speed buttons (windowless) in the skin's tool bar colours: a plain form-coloured face, the hot
// face under the pointer, the down face while pressed or down, with the glyph and caption laid out
// as the button asks. A speed button tagged kSelfPaintedTag paints itself and only gets the
// skin's control border around it.
#pragma once

#include "skin/engine/skin_control.h"

namespace ov {

class TSpeedButton;

enum class TkrvSpeedButtonLook { Normal, Hot, Down };

// Down when pressed (enabled) or held down, hot when under the pointer (enabled), else normal.
TkrvSpeedButtonLook SpeedButtonLook(bool pressed, bool hot, bool down, bool enabled);

class TkrvSkinSpeedButton : public TkrvSkinControlVCL {
public:
    static constexpr int kSelfPaintedTag = 999999;

    TkrvSkinSpeedButton(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    bool PreMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;

private:
    [[nodiscard]] TSpeedButton& Button() const;
    // Draws the face, glyph and caption into `picture`.
    void PaintPicture(TBitmap& picture);
    void PaintOn(HDC dc, POINT origin);

    HDC FPaintDC = nullptr;  // the parent's paint DC, moved to the button, during WM_PAINT
};

}  // namespace ov
