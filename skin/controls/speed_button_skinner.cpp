// The speed button skinner.
#include "skin/controls/speed_button_skinner.h"

#include "framework/controls/speed_button.h"
#include "framework/forms/win_control.h"
#include "skin/controls/button_glyph.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

namespace {

constexpr TColor kDisabledCaption = 0x808080;

}  // namespace

TkrvSpeedButtonLook SpeedButtonLook(bool pressed, bool hot, bool down, bool enabled)
{
    if ((pressed && enabled) || down)
        return TkrvSpeedButtonLook::Down;
    return hot && enabled ? TkrvSpeedButtonLook::Hot : TkrvSpeedButtonLook::Normal;
}

TSpeedButton& TkrvSkinSpeedButton::Button() const { return static_cast<TSpeedButton&>(*FControl); }

bool TkrvSkinSpeedButton::PreMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return false;
    case WM_PAINT:
        FPaintDC = reinterpret_cast<HDC>(message.WParam);
        Paint();
        return FControl->Tag() == kSelfPaintedTag;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetState(kPressed, true);
        Paint();
        return true;
    default:
        return true;
    }
}

void TkrvSkinSpeedButton::AfterMessage(TMessage& message)
{
    TkrvSkinControlVCL::AfterMessage(message);
    if (message.Msg == WM_PAINT)
        FPaintDC = nullptr;
}

// On the parent's paint DC (already moved to the button) while painting, else on a DC of the parent.
void TkrvSkinSpeedButton::Paint()
{
    if (!FControl->Visible())
        return;
    if (FPaintDC) {
        PaintOn(FPaintDC, {0, 0});
        return;
    }
    TWinControl* parent = FControl->Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    if (UniqueWindowDC dc = WindowAreaDC(parent->WindowHandle(), WindowArea::Client))
        PaintOn(dc.get(), {FControl->Left(), FControl->Top()});
}

void TkrvSkinSpeedButton::PaintOn(HDC dc, POINT origin)
{
    const int width = FControl->Width(), height = FControl->Height();
    if (width <= 0 || height <= 0)
        return;
    if (FControl->Tag() == kSelfPaintedTag) {
        FrameControlBorder(dc, {origin.x, origin.y, origin.x + width, origin.y + height}, clBtnFace,
                           FEngine->GetColor(SKIN2_CONTROLBORDERCOLOR));
        return;
    }
    TBitmap picture(width, height);
    PaintPicture(picture);
    CopyPicture(picture, dc, origin);
}

void TkrvSkinSpeedButton::PaintPicture(TBitmap& picture)
{
    TSpeedButton& button = Button();
    TCanvas& canvas = *picture.Canvas();
    const RECT client{0, 0, picture.Width(), picture.Height()};
    bool enabled = button.Enabled();
    TkrvSpeedButtonLook look = SpeedButtonLook(Pressed(), Hovered(), button.Down(), enabled);
    if (look == TkrvSpeedButtonLook::Normal) {
        FillRectColor(canvas.Handle(), client, FEngine->FormColor());
    } else {
        canvas.Pen()->SetColor(FEngine->GetColor(SKIN2_TOOLBARBORDERCOLOR));
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(
            FEngine->GetColor(look == TkrvSpeedButtonLook::Down ? SKIN2_TOOLBARDOWNCOLOR : SKIN2_TOOLBARONCOLOR));
        canvas.Rectangle(client);
    }

    canvas.SetFont(*button.Font());
    std::wstring caption = button.Caption();
    TBitmap* glyph = button.Glyph();
    SIZE glyphSize = glyph ? GlyphCellSize(*glyph, button.NumGlyphs()) : SIZE{0, 0};
    SIZE text = MeasureCaption(canvas, caption, client.right);
    TkrvGlyphPlacement placed =
        PlaceGlyphAndText({client, button.Layout(), false, glyphSize, text, button.Margin(), button.Spacing()});
    if (glyph)
        DrawButtonGlyph(canvas, *glyph, button.NumGlyphs(), placed.glyph, enabled, Pressed());
    if (caption.empty())
        return;
    RECT box = placed.text;
    if (Pressed())
        ::OffsetRect(&box, 1, 1);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(enabled ? button.Font()->Color() : kDisabledCaption);
    canvas.DrawText(caption, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

}  // namespace ov
