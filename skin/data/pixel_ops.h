// Cutting, turning and recolouring skin images, pixel by pixel. These run once per skin load, so
// plain loops over single pixels are enough.
#pragma once

#include "skin/data/pixels.h"

namespace ov {

// The index-th (1-based) of `count` equal cells side by side: cell width = width div count, full
// height. Columns beyond count x cell width belong to no cell. Empty for a count or index out of range.
PixelBuffer CopyCell(const PixelView& source, int count, int index);

// 90 degrees counter-clockwise: the top row becomes the left column, its right end at the top.
PixelBuffer RotateLeft(const PixelView& source);

// 90 degrees clockwise: the left column becomes the top row, its bottom end at the left.
PixelBuffer RotateRight(const PixelView& source);

// 180 degrees, in place.
void Rotate180(const PixelView& image);

// Every pixel of colour `from` becomes `to` (colours 0x00BBGGRR; the top byte is ignored).
void ReplaceColor(const PixelView& image, uint32_t from, uint32_t to);

}  // namespace ov
