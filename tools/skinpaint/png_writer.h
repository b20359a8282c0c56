// Saving an image as a PNG file (8-bit RGB), for looking at the skin.
#pragma once

#include <filesystem>

#include "tools/skinpaint/raster.h"

namespace ov::skinpaint {

// Throws std::runtime_error when the file cannot be written.
void SavePng(const Image& image, const std::filesystem::path& file);

}  // namespace ov::skinpaint
