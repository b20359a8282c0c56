// TSpeedButton: a windowless button with a glyph and a caption, flat or raised, that can stay down
// as one of a group (GroupIndex), like the buttons of a tool palette.
#pragma once

#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/controls/graphic_control.h"

namespace ov {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
OV_ENUM_TYPE(TButtonLayout, L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom")

// Glyph holds NumGlyphs images side by side: up, disabled, pressed, down (those missing fall back
// on the first); its bottom-left pixel's colour is transparent. A layout gives it as Glyph.Data. Margin is the glyph's
// distance from the edge it stands at (-1: glyph and caption centred together); Spacing the gap between glyph and
// caption.
//
// Buttons of one parent with the same GroupIndex other than 0 form a group in which at most one
// is Down: a click puts a button down and the others up; a click on the down button puts it up
// only when AllowAllUp. A button with GroupIndex 0 springs back after every click.
class TSpeedButton : public TGraphicControl {
    OV_CLASS(TSpeedButton, TGraphicControl)

    explicit TSpeedButton(TComponent* owner);

    [[nodiscard]] TBitmap* Glyph() const noexcept { return glyph_.get(); }
    void SetGlyph(TBitmap* value);
    [[nodiscard]] int NumGlyphs() const noexcept { return numGlyphs_; }
    void SetNumGlyphs(int value);
    [[nodiscard]] TButtonLayout Layout() const noexcept { return layout_; }
    void SetLayout(TButtonLayout value);
    [[nodiscard]] int Margin() const noexcept { return margin_; }
    void SetMargin(int value);
    [[nodiscard]] int Spacing() const noexcept { return spacing_; }
    void SetSpacing(int value);
    [[nodiscard]] bool Flat() const noexcept { return flat_; }
    void SetFlat(bool value);
    [[nodiscard]] int GroupIndex() const noexcept { return groupIndex_; }
    void SetGroupIndex(int value);
    [[nodiscard]] bool Down() const noexcept { return down_; }
    void SetDown(bool value);
    [[nodiscard]] bool AllowAllUp() const noexcept { return allowAllUp_; }
    void SetAllowAllUp(bool value);
    // Pressed by the mouse right now (the left button went down on it and is over it).
    [[nodiscard]] bool Pressed() const noexcept { return pressed_; }
    [[nodiscard]] bool MouseInControl() const noexcept { return mouseInControl_; }

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void PaintFace(RECT& rect);
    void PaintGlyphAndCaption(const RECT& rect, int offset);
    void DrawGlyph(HDC dc, int x, int y);
    [[nodiscard]] SIZE GlyphSize() const;
    void UpdateGroup();
    void GlyphChanged(TObject* sender);

    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool flat_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool pressed_ = false;
    bool dragging_ = false;
    bool mouseInControl_ = false;
};

}  // namespace ov
