// Moving pictures between the painter's images and BMP files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/skinpaint/raster.h"

namespace ov::skinpaint {

// The image as a canonical 24-bit BMP file.
std::vector<uint8_t> EncodeImage(const Image& image);

// Writes the image as a canonical 24-bit BMP file; throws std::runtime_error when it cannot.
void SaveBmp(const Image& image, const std::filesystem::path& file);

// Reads a BMP file of any depth the skin reader accepts; throws when it cannot.
Image LoadBmp(const std::filesystem::path& file);

}  // namespace ov::skinpaint
