// TCanvas: attaching and restoring DCs, selecting font, pen and brush on demand, drawing.
#include "framework/graphics/canvas.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphic.h"

namespace ov {

const TClassInfo& TCanvas::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCanvas>(L"TCanvas", TPersistent::StaticClass()).Build();
    return info;
}

TCanvas::TCanvas()
{
    font_.OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
    pen_.OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
    brush_.OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
}

TCanvas::TCanvas(HDC dc) : TCanvas() { SetHandle(dc); }

TCanvas::~TCanvas() { DetachHandle(); }

HDC TCanvas::Handle()
{
    if (!dc_)
        CreateHandle();
    return dc_;
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == dc_)
        return;
    DetachHandle();
    if (!dc)
        return;
    dc_ = dc;
    savedState_ = ::SaveDC(dc);
    ::MoveToEx(dc_, penPos_.x, penPos_.y, nullptr);
}

HDC TCanvas::DetachHandle()
{
    HDC dc = dc_;
    if (!dc)
        return nullptr;
    ::GetCurrentPositionEx(dc, &penPos_);
    if (savedState_ > 0)
        ::RestoreDC(dc, savedState_);
    dc_ = nullptr;
    savedState_ = 0;
    fontSelected_ = penSelected_ = brushSelected_ = false;
    return dc;
}

void TCanvas::RequireFont()
{
    if (!Handle() || fontSelected_)
        return;
    ::SelectObject(dc_, font_.Handle());
    ::SetTextColor(dc_, ColorToRGB(font_.Color()));
    fontSelected_ = true;
}

void TCanvas::RequirePen()
{
    if (!Handle() || penSelected_)
        return;
    ::SelectObject(dc_, pen_.Handle());
    ::SetROP2(dc_, pen_.Rop2());
    penSelected_ = true;
}

void TCanvas::RequireBrush()
{
    if (!Handle() || brushSelected_)
        return;
    ::SelectObject(dc_, brush_.Handle());
    ::SetBkColor(dc_, ColorToRGB(brush_.Color()));
    ::SetBkMode(dc_, brush_.Style() == bsSolid ? OPAQUE : TRANSPARENT);
    brushSelected_ = true;
}

void TCanvas::Deselect(bool& selected, int stockObject)
{
    if (selected && dc_)
        ::SelectObject(dc_, ::GetStockObject(stockObject));
    selected = false;
}

// A changed font, pen or brush is deselected before its old handle is deleted (see TFont).
void TCanvas::FontChanged(TObject*) { Deselect(fontSelected_, SYSTEM_FONT); }
void TCanvas::PenChanged(TObject*) { Deselect(penSelected_, BLACK_PEN); }
void TCanvas::BrushChanged(TObject*) { Deselect(brushSelected_, HOLLOW_BRUSH); }

void TCanvas::Refresh()
{
    Deselect(fontSelected_, SYSTEM_FONT);
    Deselect(penSelected_, BLACK_PEN);
    Deselect(brushSelected_, HOLLOW_BRUSH);
}

POINT TCanvas::PenPos()
{
    if (dc_)
        ::GetCurrentPositionEx(dc_, &penPos_);
    return penPos_;
}

RECT TCanvas::ClipRect()
{
    RECT rect{};
    if (Handle())
        ::GetClipBox(dc_, &rect);
    return rect;
}

void TCanvas::MoveTo(int x, int y)
{
    penPos_ = {x, y};
    if (Handle())
        ::MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    RequirePen();
    if (dc_)
        ::LineTo(dc_, x, y);
    penPos_ = {x, y};
}

void TCanvas::Polyline(std::span<const POINT> points)
{
    RequirePen();
    if (dc_ && !points.empty())
        ::Polyline(dc_, points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polygon(std::span<const POINT> points)
{
    RequirePen();
    RequireBrush();
    if (dc_ && !points.empty())
        ::Polygon(dc_, points.data(), static_cast<int>(points.size()));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    RequirePen();
    RequireBrush();
    if (dc_)
        ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    RequirePen();
    RequireBrush();
    if (dc_)
        ::RoundRect(dc_, left, top, right, bottom, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    RequirePen();
    RequireBrush();
    if (dc_)
        ::Ellipse(dc_, left, top, right, bottom);
}

void TCanvas::FillRect(const RECT& rect)
{
    RequireBrush();
    if (dc_)
        ::FillRect(dc_, &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect)
{
    RequireBrush();
    if (dc_)
        ::FrameRect(dc_, &rect, brush_.Handle());
}

void TCanvas::TextOut(int x, int y, std::wstring_view text)
{
    RequireFont();
    RequireBrush();
    if (!dc_)
        return;
    ::ExtTextOutW(dc_, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
    MoveTo(x + TextWidth(text), y);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, std::wstring_view text)
{
    RequireFont();
    RequireBrush();
    if (!dc_)
        return;
    UINT options = ETO_CLIPPED | (brush_.Style() != bsClear ? ETO_OPAQUE : 0);
    ::ExtTextOutW(dc_, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(std::wstring_view text, RECT& rect, UINT format)
{
    RequireFont();
    RequireBrush();
    if (!dc_)
        return 0;
    return ::DrawTextW(dc_, text.data(), static_cast<int>(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(std::wstring_view text)
{
    SIZE size{};
    RequireFont();
    if (dc_)
        ::GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    if (!graphic.Empty())
        StretchDraw(RECT{x, y, x + graphic.Width(), y + graphic.Height()}, graphic);
}

void TCanvas::StretchDraw(const RECT& rect, const TGraphic& graphic)
{
    if (graphic.Empty() || !Handle())
        return;
    PrepareStretch();
    graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const RECT& rect, TCanvas& source, const RECT& sourceRect)
{
    CopyRectFrom(rect, source.Handle(), sourceRect);
}

void TCanvas::CopyRect(const RECT& rect, const TBitmap& source, const RECT& sourceRect)
{
    CopyRectFrom(rect, source.SourceDC(), sourceRect);
}

void TCanvas::CopyRectFrom(const RECT& rect, HDC sourceDC, const RECT& sourceRect)
{
    RequireBrush();  // pattern raster operations use the brush
    if (!dc_ || !sourceDC)
        return;
    PrepareStretch();
    ::StretchBlt(dc_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, sourceDC, sourceRect.left,
                 sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, copyMode_);
}

void TCanvas::PrepareStretch()
{
    if (Handle() && ::GetStretchBltMode(dc_) == BLACKONWHITE)
        ::SetStretchBltMode(dc_, COLORONCOLOR);
}

TColor TCanvas::Pixels(int x, int y)
{
    if (!Handle())
        return -1;
    return static_cast<TColor>(::GetPixel(dc_, x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    if (Handle())
        ::SetPixel(dc_, x, y, ColorToRGB(color));
}

}  // namespace ov
