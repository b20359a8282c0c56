// Writing skin bitmaps as BMP files in one canonical form, whatever form they were read from.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/data/bmp_decoder.h"

namespace ov::skinc {

// The canonical file: 14-byte file header, 40-byte BITMAPINFOHEADER, 24 bits per pixel, BI_RGB,
// bottom-up rows padded to four bytes, no colour table, resolution fields 0. Its size is
// 54 + padded row size x height, which is what the built-in skin's file size is made of.
std::vector<uint8_t> EncodeBmp(const DecodedBitmap& bitmap);

}  // namespace ov::skinc
