// The skin primitives on framework bitmaps and canvases: cutting cells, turning and recolouring a
// TBitmap in place, and drawing one onto a TCanvas stretched, in three slices, with caps or in nine
// slices. The pixel work is the portable code's; these only adapt the framework objects to it.
#pragma once

#include <windows.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/data/pixels.h"

namespace ov {

// The size of a skin bitmap that may be missing; 0 for none.
inline int WidthOf(const TBitmap* bitmap) { return bitmap ? bitmap->Width() : 0; }
inline int HeightOf(const TBitmap* bitmap) { return bitmap ? bitmap->Height() : 0; }

// The bitmap's pixel memory (24 or 32 bits, top row first). Valid until its size or format changes.
PixelView PixelsOf(TBitmap& bitmap);
// For reading only: the view does not carry constness.
PixelView PixelsOf(const TBitmap& bitmap);

// The bitmap takes `pixels` as its picture, 24 bits per pixel; its transparency settings stay.
void AssignPixels(TBitmap& bitmap, const PixelBuffer& pixels);

// Nothing when `source` is null; otherwise `destination` becomes the index-th (1-based) of `count`
// equal cells side by side (cell width = width div count, full height).
void CopyCell(const TBitmap* source, TBitmap& destination, int count, int index);

// Turns in place: counter-clockwise, clockwise, half a turn.
void RotateLeft(TBitmap& bitmap);
void RotateRight(TBitmap& bitmap);
void Rotate180(TBitmap& bitmap);

// Converts the bitmap to 24 bits per pixel and sets every pixel of colour `from` to `to`. A colour
// the skin does not set (-1) replaces nothing.
void ReplaceColor(TBitmap& bitmap, TColor from, TColor to);

void StretchBitmap(const TBitmap& bitmap, TCanvas& canvas, const RECT& rect);
// The same for a skin bitmap that may be missing: nothing for no bitmap, an empty one or an empty
// rectangle.
void StretchInto(TCanvas& canvas, const TBitmap* bitmap, const RECT& rect);
void DrawThreeSliceH(const TBitmap& bitmap, TCanvas& canvas, const RECT& rect, TColor key, bool useKey);
// Both convert the bitmap to 24 bits per pixel first.
void DrawCapsH(TBitmap& bitmap, TCanvas& canvas, const RECT& rect, int capWidth);
void DrawCapsV(TBitmap& bitmap, TCanvas& canvas, const RECT& rect, int capHeight);
void DrawNineSlice(const TBitmap& bitmap, TCanvas& canvas, const RECT& rect, TColor key, bool useKey);

}  // namespace ov
