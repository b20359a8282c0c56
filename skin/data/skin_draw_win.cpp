// Carries out the slice layouts with GDI.
#include "skin/data/skin_draw_win.h"

#include "skin/data/dib_surface_win.h"
#include "skin/data/slice_layout.h"

namespace ov {
namespace {

PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void Draw(const std::vector<SliceBlit>& blits, const PixelView& bitmap, HDC dc, COLORREF key, bool useKey)
{
    for (const SliceBlit& blit : blits) {
        BlitMode mode = BlitMode::Plain;
        if (blit.mode == SliceMode::Halftone)
            mode = BlitMode::Halftone;
        if (blit.mode == SliceMode::KeyAlways || (blit.mode == SliceMode::KeyWhenAsked && useKey))
            mode = BlitMode::Keyed;
        BlitPixels(dc, bitmap, blit.source, blit.target, mode, key);
    }
}

}  // namespace

void StretchBitmap(const PixelView& bitmap, HDC dc, const RECT& rect)
{
    BlitPixels(dc, bitmap, {0, 0, bitmap.width, bitmap.height}, ToPixelRect(rect), BlitMode::Halftone);
}

void DrawThreeSliceH(const PixelView& bitmap, HDC dc, const RECT& rect, COLORREF key, bool useKey)
{
    if (bitmap.IsEmpty())
        return;
    Draw(ThreeSliceLayout(bitmap.width, bitmap.height, ToPixelRect(rect)), bitmap, dc, key, useKey);
}

void DrawCapsH(const PixelView& bitmap, HDC dc, const RECT& rect, int capWidth)
{
    if (bitmap.IsEmpty())
        return;
    Draw(CapsLayoutH(bitmap.width, bitmap.height, ToPixelRect(rect), capWidth), bitmap, dc, 0, false);
}

void DrawCapsV(const PixelView& bitmap, HDC dc, const RECT& rect, int capHeight)
{
    if (bitmap.IsEmpty())
        return;
    Draw(CapsLayoutV(bitmap.width, bitmap.height, ToPixelRect(rect), capHeight), bitmap, dc, 0, false);
}

void DrawNineSlice(const PixelView& bitmap, HDC dc, const RECT& rect, COLORREF key, bool useKey)
{
    if (bitmap.IsEmpty())
        return;
    Draw(NineSliceLayout(bitmap.width, bitmap.height, ToPixelRect(rect)), bitmap, dc, key, useKey);
}

}  // namespace ov
