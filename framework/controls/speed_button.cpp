// TSpeedButton: face, glyph and caption painted on the parent's DC; the group kept among siblings.
#include "framework/controls/speed_button.h"

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/core/filer.h"
#include "framework/graphics/font.h"
#include "framework/core/properties.h"
#include "framework/core/streams.h"
#include "framework/forms/win_control.h"

namespace ov {

namespace {

// The glyph as a layout stores it, `Glyph.Data = {...}`: a 4-byte little-endian size, then a BMP
// file.
class TGlyphBitmap : public TBitmap {
public:
    void DefineProperties(TFiler& filer) override
    {
        TBitmap::DefineProperties(filer);
        filer.DefineBinaryProperty(L"Data", [this](TStream& stream) {
            std::uint32_t size = 0;
            stream.ReadBuffer(&size, sizeof size);
            LoadFromStream(stream);
        });
    }
};

}  // namespace

const TClassInfo& TSpeedButton::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TSpeedButton>(L"TSpeedButton", TGraphicControl::StaticClass())
            .Creatable()
            .Property(L"AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
            .Property(L"Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
            .Property(L"Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
            .Property(L"Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph)
            .Property(L"GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
            .Property(L"Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout)
            .Property(L"Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin)
            .Property(L"NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs)
            .Property(L"Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing)
            .Build();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TGlyphBitmap>())
{
    SetBounds(0, 0, 23, 22);
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csSetCaption});
    glyph_->OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
}

void TSpeedButton::GlyphChanged(TObject*) { Invalidate(); }

void TSpeedButton::SetGlyph(TBitmap* value)
{
    if (value)
        glyph_->Assign(*value);
    else
        glyph_->SetSize(0, 0);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int value)
{
    numGlyphs_ = std::clamp(value, 1, 4);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value)
{
    layout_ = value;
    Invalidate();
}

void TSpeedButton::SetMargin(int value)
{
    margin_ = std::max(value, -1);
    Invalidate();
}

void TSpeedButton::SetSpacing(int value)
{
    spacing_ = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value)
{
    flat_ = value;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int value)
{
    groupIndex_ = value;
    UpdateGroup();
}

void TSpeedButton::SetAllowAllUp(bool value)
{
    allowAllUp_ = value;
    // The whole group shares the setting.
    if (TWinControl* parent = Parent(); parent && groupIndex_ != 0)
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
                other && other->groupIndex_ == groupIndex_)
                other->allowAllUp_ = value;
}

// Only a grouped button stays down; the last one of a group may go up only with AllowAllUp.
void TSpeedButton::SetDown(bool value)
{
    if (groupIndex_ == 0)
        value = false;
    if (value == down_)
        return;
    if (down_ && !allowAllUp_ && !ComponentState().Contains(csLoading))
        return;
    down_ = value;
    Invalidate();
    if (down_)
        UpdateGroup();
}

void TSpeedButton::UpdateGroup()
{
    TWinControl* parent = Parent();
    if (!parent || groupIndex_ == 0 || !down_)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto other = dynamic_cast<TSpeedButton*>(parent->Controls(i));
            other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
            other->down_ = false;
            other->Invalidate();
        }
}

void TSpeedButton::Click()
{
    if (groupIndex_ != 0) {
        if (!down_)
            SetDown(true);
        else if (allowAllUp_)
            SetDown(false);
    }
    TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    dragging_ = true;
    pressed_ = true;
    Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!dragging_)
        return;
    RECT client = ClientRect();
    bool inside = PtInRect(&client, POINT{x, y}) != FALSE;
    if (inside != pressed_) {
        pressed_ = inside;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && dragging_) {
        dragging_ = false;
        pressed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::WndProc(TMessage& message)
{
    if (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) {
        mouseInControl_ = message.Msg == CM_MOUSEENTER;
        if (flat_ && Enabled())
            Invalidate();
    }
    TGraphicControl::WndProc(message);
}

// --- painting ----------------------------------------------------------------------------------------

SIZE TSpeedButton::GlyphSize() const
{
    if (glyph_->Empty())
        return {0, 0};
    return {glyph_->Width() / numGlyphs_, glyph_->Height()};
}

// A raised edge, a sunken one while pressed or down; a flat button shows an edge only when the
// mouse is over it (or it is pressed or down).
void TSpeedButton::PaintFace(RECT& rect)
{
    TCanvas& canvas = *Canvas();
    bool sunken = pressed_ || down_;
    canvas.Brush()->SetColor(down_ && !pressed_ ? clBtnHighlight : clBtnFace);
    canvas.FillRect(rect);
    if (flat_ && !sunken && !(mouseInControl_ && Enabled()))
        return;
    UINT edge = sunken ? (flat_ ? BDR_SUNKENOUTER : EDGE_SUNKEN) : (flat_ ? BDR_RAISEDINNER : EDGE_RAISED);
    DrawEdge(canvas.Handle(), &rect, edge, BF_RECT | BF_ADJUST);
}

void TSpeedButton::DrawGlyph(HDC dc, int x, int y)
{
    SIZE size = GlyphSize();
    if (size.cx == 0)
        return;
    // Images in the strip: 0 up, 1 disabled, 2 pressed, 3 down.
    int index = !Enabled() ? 1 : pressed_ ? 2 : down_ ? 3 : 0;
    if (index >= numGlyphs_)
        index = 0;
    HDC source = glyph_->Canvas()->Handle();
    // gdi32's own transparent copy: no further library is loaded for it.
    GdiTransparentBlt(dc, x, y, size.cx, size.cy, source, index * size.cx, 0, size.cx, size.cy,
                      ColorToRGB(glyph_->TransparentColor()));
}

void TSpeedButton::PaintGlyphAndCaption(const RECT& rect, int offset)
{
    TCanvas& canvas = *Canvas();
    std::wstring caption = Caption();
    SIZE glyph = GlyphSize();
    RECT measured{0, 0, rect.right - rect.left, 0};
    if (!caption.empty())
        canvas.DrawText(caption, measured, DT_CALCRECT | DT_SINGLELINE);
    SIZE text{measured.right, caption.empty() ? 0 : measured.bottom};
    int gap = glyph.cx > 0 && text.cx > 0 ? spacing_ : 0;
    bool across = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    int room = across ? rect.right - rect.left : rect.bottom - rect.top;
    int glyphLength = across ? glyph.cx : glyph.cy, textLength = across ? text.cx : text.cy;
    int start = margin_ >= 0 ? margin_ : (room - glyphLength - gap - textLength) / 2;
    bool glyphFirst = layout_ == blGlyphLeft || layout_ == blGlyphTop;
    int glyphAt, textAt;
    if (margin_ >= 0 && !glyphFirst) {
        glyphAt = room - margin_ - glyphLength;
        textAt = glyphAt - gap - textLength;
    } else {
        glyphAt = glyphFirst ? start : start + textLength + gap;
        textAt = glyphFirst ? start + glyphLength + gap : start;
    }
    POINT glyphPos = across ? POINT{glyphAt, (rect.bottom - rect.top - glyph.cy) / 2}
                            : POINT{(rect.right - rect.left - glyph.cx) / 2, glyphAt};
    POINT textPos = across ? POINT{textAt, (rect.bottom - rect.top - text.cy) / 2}
                           : POINT{(rect.right - rect.left - text.cx) / 2, textAt};
    HDC dc = canvas.Handle();
    DrawGlyph(dc, rect.left + glyphPos.x + offset, rect.top + glyphPos.y + offset);
    if (caption.empty())
        return;
    RECT textRect{rect.left + textPos.x + offset, rect.top + textPos.y + offset, 0, 0};
    textRect.right = textRect.left + text.cx;
    textRect.bottom = textRect.top + text.cy;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    canvas.DrawText(caption, textRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TSpeedButton::Paint()
{
    RECT rect = ClientRect();
    PaintFace(rect);
    PaintGlyphAndCaption(rect, pressed_ || down_ ? 1 : 0);
}

}  // namespace ov
