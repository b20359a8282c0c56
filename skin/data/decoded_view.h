// A pixel view over a decoded skin bitmap (bottom-up 24-bit rows, as a DIB section holds them).
#pragma once

#include "skin/data/bmp_decoder.h"
#include "skin/data/pixels.h"

namespace ov {

inline PixelView ViewOf(DecodedBitmap& bitmap)
{
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.pixels.empty())
        return {};
    return {bitmap.Row(0), bitmap.width, bitmap.height, -static_cast<std::ptrdiff_t>(bitmap.Stride()), 3};
}

// Read-only use: the view does not carry constness (like std::span), so callers must not write.
inline PixelView ViewOf(const DecodedBitmap& bitmap) { return ViewOf(const_cast<DecodedBitmap&>(bitmap)); }

}  // namespace ov
