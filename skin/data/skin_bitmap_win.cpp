// Framework bitmaps and canvases in and out of the portable pixel operations.
#include "skin/data/skin_bitmap_win.h"

#include <span>

#include "skin/data/pixel_ops.h"
#include "skin/data/skin_draw_win.h"

namespace ov {

PixelView PixelsOf(TBitmap& bitmap)
{
    if (bitmap.Empty())
        return {};
    return {bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), bitmap.BytesPerScanLine(), bitmap.BytesPerPixel()};
}

PixelView PixelsOf(const TBitmap& bitmap) { return PixelsOf(const_cast<TBitmap&>(bitmap)); }

void AssignPixels(TBitmap& bitmap, const PixelBuffer& pixels)
{
    const PixelView view = pixels.View();
    const size_t size = static_cast<size_t>(view.stride) * pixels.Height();
    bitmap.LoadFromPixels(pixels.Width(), pixels.Height(), std::span<const uint8_t>(view.data, size),
                          static_cast<int>(view.stride), pf24bit);
}

void CopyCell(const TBitmap* source, TBitmap& destination, int count, int index)
{
    if (!source)
        return;
    AssignPixels(destination, CopyCell(PixelsOf(*source), count, index));
}

void RotateLeft(TBitmap& bitmap) { AssignPixels(bitmap, RotateLeft(PixelsOf(bitmap))); }

void RotateRight(TBitmap& bitmap) { AssignPixels(bitmap, RotateRight(PixelsOf(bitmap))); }

void Rotate180(TBitmap& bitmap) { Rotate180(PixelsOf(bitmap)); }

void ReplaceColor(TBitmap& bitmap, TColor from, TColor to)
{
    bitmap.SetPixelFormat(pf24bit);
    if (from == -1 || to == -1)
        return;
    ReplaceColor(PixelsOf(bitmap), ColorToRGB(from), ColorToRGB(to));
}

void StretchBitmap(const TBitmap& bitmap, TCanvas& canvas, const RECT& rect)
{
    StretchBitmap(PixelsOf(bitmap), canvas.Handle(), rect);
}

void StretchInto(TCanvas& canvas, const TBitmap* bitmap, const RECT& rect)
{
    if (WidthOf(bitmap) > 0 && rect.right > rect.left && rect.bottom > rect.top)
        StretchBitmap(*bitmap, canvas, rect);
}

void DrawThreeSliceH(const TBitmap& bitmap, TCanvas& canvas, const RECT& rect, TColor key, bool useKey)
{
    DrawThreeSliceH(PixelsOf(bitmap), canvas.Handle(), rect, ColorToRGB(key), useKey);
}

void DrawCapsH(TBitmap& bitmap, TCanvas& canvas, const RECT& rect, int capWidth)
{
    bitmap.SetPixelFormat(pf24bit);
    DrawCapsH(PixelsOf(bitmap), canvas.Handle(), rect, capWidth);
}

void DrawCapsV(TBitmap& bitmap, TCanvas& canvas, const RECT& rect, int capHeight)
{
    bitmap.SetPixelFormat(pf24bit);
    DrawCapsV(PixelsOf(bitmap), canvas.Handle(), rect, capHeight);
}

void DrawNineSlice(const TBitmap& bitmap, TCanvas& canvas, const RECT& rect, TColor key, bool useKey)
{
    DrawNineSlice(PixelsOf(bitmap), canvas.Handle(), rect, ColorToRGB(key), useKey);
}

}  // namespace ov
