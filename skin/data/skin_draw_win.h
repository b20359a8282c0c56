// Drawing skin bitmaps onto a device context: stretched whole, in three slices, with end caps, or
// in nine slices. Nothing is tiled: every piece of variable length is stretched.
#pragma once

#include <windows.h>

#include "skin/data/pixels.h"

namespace ov {

// The whole bitmap stretched into `rect` with halftone smoothing.
void StretchBitmap(const PixelView& bitmap, HDC dc, const RECT& rect);

// Three equal cells (left, middle, right) across `rect` at the bitmap's height; with `useKey`,
// pixels of `key` are left out.
void DrawThreeSliceH(const PixelView& bitmap, HDC dc, const RECT& rect, COLORREF key, bool useKey);

// End caps `capWidth` columns wide at both ends of `rect`, the columns between stretched.
void DrawCapsH(const PixelView& bitmap, HDC dc, const RECT& rect, int capWidth);

// End caps `capHeight` rows high (0: a third of the bitmap) at the top and bottom of `rect`.
void DrawCapsV(const PixelView& bitmap, HDC dc, const RECT& rect, int capHeight);

// A button face in nine slices; corners leave out `key` pixels with `useKey`, edges always do.
void DrawNineSlice(const PixelView& bitmap, HDC dc, const RECT& rect, COLORREF key, bool useKey);

}  // namespace ov
