// Writes pixel memory as a PNG file, uncompressed (stored deflate blocks), for pictures that tests
// leave behind for people to look at.
#pragma once

#include <string>

#include "skin/data/pixels.h"

namespace ov::testing {

// False when the file cannot be written.
bool WritePng(const PixelView& image, const std::string& path);

}  // namespace ov::testing
