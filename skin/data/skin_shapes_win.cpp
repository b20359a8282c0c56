// Gradients, frames, lines and arrow glyphs with GDI pens and brushes.
#include "skin/data/skin_shapes_win.h"

#include <array>

#include "framework/core/handle.h"
#include "skin/data/skin_color.h"
#include "skin/data/window_picture_win.h"

namespace ov {
namespace {

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF color)
{
    UniquePen pen(::CreatePen(PS_SOLID, 1, color));
    const ScopedSelect select(dc, pen.get());
    ::MoveToEx(dc, x0, y0, nullptr);
    ::LineTo(dc, x1, y1);
}

}  // namespace

void FillGradientV(HDC dc, const RECT& rect, TColor top, TColor bottom)
{
    const auto colors = GradientColors(ColorToRGB(top), ColorToRGB(bottom), rect.bottom - rect.top);
    for (int i = 0; i < static_cast<int>(colors.size()); ++i)
        Line(dc, rect.left, rect.top + i, rect.right, rect.top + i, colors[i]);
}

void FillGradientH(HDC dc, const RECT& rect, TColor left, TColor right)
{
    const auto colors = GradientColors(ColorToRGB(left), ColorToRGB(right), rect.right - rect.left);
    for (int i = 0; i < static_cast<int>(colors.size()); ++i)
        Line(dc, rect.left + i, rect.top, rect.left + i, rect.bottom, colors[i]);
}

void FrameRectColor(HDC dc, const RECT& rect, TColor color)
{
    UniqueBrush brush(::CreateSolidBrush(ColorToRGB(color)));
    ::FrameRect(dc, &rect, brush.get());
}

void FillRectColor(HDC dc, const RECT& rect, TColor color)
{
    UniqueBrush brush(::CreateSolidBrush(ColorToRGB(color)));
    ::FillRect(dc, &rect, brush.get());
}

void DrawSeparatorLine(HDC dc, const RECT& rect, TColor color, bool indentOnLeft, int indent)
{
    const int y = rect.top + 2;
    if (indentOnLeft)
        Line(dc, rect.left + indent + 4, y, rect.right - 2, y, ColorToRGB(color));
    else
        Line(dc, rect.left + 2, y, rect.right - indent - 4, y, ColorToRGB(color));
}

void FrameWindow(HWND window, TColor outer, TColor inner, bool drawInner)
{
    RECT bounds;
    if (!::GetWindowRect(window, &bounds))
        return;
    UniqueWindowDC dc = WindowAreaDC(window, WindowArea::Whole);
    if (!dc)
        return;
    RECT frame{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    FrameRectColor(dc.get(), frame, outer);
    if (drawInner) {
        ::InflateRect(&frame, -1, -1);
        FrameRectColor(dc.get(), frame, inner);
    }
}

void FrameControlBorder(HDC dc, const RECT& r, TColor color, TColor borderColor)
{
    FillRectColor(dc, {r.left, r.top, r.left + 2, r.bottom}, color);
    FillRectColor(dc, {r.left, r.bottom - 2, r.right, r.bottom}, color);
    FillRectColor(dc, {r.right - 2, r.top, r.right, r.bottom}, color);
    FillRectColor(dc, {r.left, r.top, r.right, r.top + 2}, color);
    Line(dc, r.left, r.top, r.left, r.bottom, ColorToRGB(borderColor));
}

void FrameControlBorder(HWND control, TColor color, TColor borderColor)
{
    RECT client;
    if (!::GetClientRect(control, &client))
        return;
    UniqueWindowDC dc = WindowAreaDC(control, WindowArea::Client);
    if (dc)
        FrameControlBorder(dc.get(), client, color, borderColor);
}

namespace {

std::array<POINT, 3> ArrowCorners(ArrowDirection direction, int x, int y)
{
    switch (direction) {
    case ArrowDirection::Down:
        return {{{x, y}, {x + 6, y}, {x + 3, y + 3}}};
    case ArrowDirection::Up:
        return {{{x, y}, {x - 3, y + 3}, {x + 3, y + 3}}};
    case ArrowDirection::Left:
        return {{{x, y}, {x + 3, y + 3}, {x + 3, y - 3}}};
    case ArrowDirection::Right:
        return {{{x, y}, {x, y + 6}, {x + 3, y + 3}}};
    }
    return {};
}

void Triangle(HDC dc, ArrowDirection direction, int x, int y, COLORREF color)
{
    UniquePen pen(::CreatePen(PS_SOLID, 1, color));
    UniqueBrush brush(::CreateSolidBrush(color));
    const ScopedSelect selectPen(dc, pen.get());
    const ScopedSelect selectBrush(dc, brush.get());
    const auto corners = ArrowCorners(direction, x, y);
    ::Polygon(dc, corners.data(), static_cast<int>(corners.size()));
}

}  // namespace

void DrawArrowGlyph(HDC dc, ArrowDirection direction, int x, int y, bool enabled)
{
    if (enabled)
        return Triangle(dc, direction, x, y, RGB(0, 0, 0));
    Triangle(dc, direction, x + 1, y + 1, RGB(255, 255, 255));
    Triangle(dc, direction, x, y, RGB(0x80, 0x80, 0x80));
}

}  // namespace ov
