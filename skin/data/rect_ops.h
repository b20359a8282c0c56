// Hit tests on rectangles whose right and bottom edges count as inside; works with any rectangle
// type that has left, top, right and bottom (PixelRect, or RECT in the Windows layer).
#pragma once

namespace ov {

template <typename Rect>
constexpr bool PointInRectInclusive(int x, int y, const Rect& r)
{
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

// The same for any point type with x and y (POINT in the Windows layer).
template <typename Point, typename Rect>
constexpr bool PointInRectInclusive(const Point& p, const Rect& r)
{
    return PointInRectInclusive(p.x, p.y, r);
}

}  // namespace ov
