// Decoding of the BMP files that skins carry as bitmap entries into plain 24-bit pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/data/pixels.h"

namespace ov {

enum class TransparentMode { Auto, Fixed };

// A decoded bitmap. Whatever the file held, the pixels are 24-bit BGR laid out exactly as a
// bottom-up device-independent bitmap: the bottom row first, each row padded to a multiple of
// 4 bytes. That is the memory of a 24-bit DIB section, so a Windows adapter copies it in one go.
struct DecodedBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;  // of the BMP file: 1, 4, 8, 16, 24 or 32
    bool topDown = false;   // the file stored its rows top-down (negative height)
    std::vector<uint8_t> pixels;

    // Set for the whole skin by Tsk2SkinFileReader::SetBitmapsTransparentColor.
    TransparentMode transparentMode = TransparentMode::Auto;
    uint32_t transparentColor = 0;  // 0x00BBGGRR

    [[nodiscard]] size_t Stride() const { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }
    // Row y counted from the top of the picture.
    [[nodiscard]] const uint8_t* Row(int y) const
    {
        return pixels.data() + static_cast<size_t>(height - 1 - y) * Stride();
    }
    uint8_t* Row(int y) { return pixels.data() + static_cast<size_t>(height - 1 - y) * Stride(); }
    // The pixel at (x, y) from the top left as a Windows colour value 0x00BBGGRR.
    [[nodiscard]] uint32_t Pixel(int x, int y) const;
    // The pixels as the drawing code takes them (top row first, negative stride).
    PixelView View() { return {Row(0), width, height, -static_cast<std::ptrdiff_t>(Stride()), 3}; }
};

// Decodes a whole BMP file ("BM" file header, then a core, info, V4 or V5 header): 1, 4 and 8 bits
// per pixel with a palette, 16 and 32 bits plain or with bit fields, 24 bits. Compressed (RLE,
// JPEG, PNG) and malformed files raise SkinFileError.
DecodedBitmap DecodeBmp(std::span<const uint8_t> file);

}  // namespace ov
