// TCustomPanel: bevels, border and caption drawn on its own canvas.
#include "framework/controls/panel.h"

#include "framework/graphics/canvas.h"
#include "framework/core/properties.h"

namespace ov {

namespace {

void BevelColors(TBevelCut bevel, TColor& top, TColor& bottom)
{
    top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
}

void Line(HDC dc, HBRUSH brush, int left, int top, int right, int bottom)
{
    RECT r{left, top, right, bottom};
    FillRect(dc, &r, brush);
}

}  // namespace

void Frame3D(HDC dc, RECT& rect, TColor topColor, TColor bottomColor, int width)
{
    UniqueBrush top(CreateSolidBrush(ColorToRGB(topColor)));
    UniqueBrush bottom(CreateSolidBrush(ColorToRGB(bottomColor)));
    for (int i = 0; i < width && rect.right > rect.left && rect.bottom > rect.top; ++i) {
        Line(dc, top.get(), rect.left, rect.top, rect.right - 1, rect.top + 1);
        Line(dc, top.get(), rect.left, rect.top, rect.left + 1, rect.bottom - 1);
        Line(dc, bottom.get(), rect.right - 1, rect.top, rect.right, rect.bottom);
        Line(dc, bottom.get(), rect.left, rect.bottom - 1, rect.right, rect.bottom);
        InflateRect(&rect, -1, -1);
    }
}

const TClassInfo& TCustomPanel::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomPanel>(L"TCustomPanel", TCustomControl::StaticClass())
            .Property(L"Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment)
            .Property(L"BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner)
            .Property(L"BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
            .Property(L"BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
            .Property(L"BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth)
            .Property(L"BorderStyle", BorderStyleType(), &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle)
            .Build();
    return info;
}

const TClassInfo& TPanel::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPanel>(L"TPanel", TCustomPanel::StaticClass()).Creatable().Build();
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks});
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    SetParentColor(false);
}

void TCustomPanel::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle)
        params.Style |= WS_BORDER;
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::Changed()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    if (bevelInner_ != value) {
        bevelInner_ = value;
        Changed();
    }
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    if (bevelOuter_ != value) {
        bevelOuter_ = value;
        Changed();
    }
}

void TCustomPanel::SetBevelWidth(int value)
{
    if (value >= 1 && bevelWidth_ != value) {
        bevelWidth_ = value;
        Changed();
    }
}

void TCustomPanel::SetBorderWidth(int value)
{
    if (value >= 0 && borderWidth_ != value) {
        borderWidth_ = value;
        Changed();
    }
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    if (borderStyle_ != value) {
        borderStyle_ = value;
        RecreateWnd();
    }
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    if (alignment_ != value) {
        alignment_ = value;
        Invalidate();
    }
}

void TCustomPanel::AdjustClientRect(RECT& rect) const
{
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::WndProc(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;  // Paint covers the whole client area
        return;
    }
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED)
        Invalidate();
    TCustomControl::WndProc(message);
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = *Canvas();
    HDC dc = canvas.Handle();
    RECT r = ClientRect();
    TColor top, bottom;
    if (bevelOuter_ != bvNone) {
        BevelColors(bevelOuter_, top, bottom);
        Frame3D(dc, r, top, bottom, bevelWidth_);
    }
    Frame3D(dc, r, Color(), Color(), borderWidth_);
    if (bevelInner_ != bvNone) {
        BevelColors(bevelInner_, top, bottom);
        Frame3D(dc, r, top, bottom, bevelWidth_);
    }
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    std::wstring caption = Caption();
    if (caption.empty())
        return;
    canvas.Brush()->SetStyle(bsClear);
    int height = canvas.TextHeight(L"W");
    r.top = (r.top + r.bottom - height) / 2;
    r.bottom = r.top + height;
    UINT align = alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    canvas.RequireFont();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    DrawTextW(dc, caption.c_str(), -1, &r, DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | align);
}

}  // namespace ov
