// Checking device-independent bitmap data (BMP files, packed DIBs from resources) before GDI or
// our own code reads it: every size and offset is validated against the bytes actually present.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ov {

// A checked DIB. `info` is a BITMAPINFO ready for SetDIBits: a 40-byte header (the file's own
// header, whatever its version, reduced to the classic fields), then the three colour masks for
// BI_BITFIELDS, then the colour table. `bits` covers exactly the pixel data GDI will read.
struct DibImage {
    std::vector<std::uint8_t> info;
    std::span<const std::uint8_t> bits;
    int width = 0;
    int height = 0;  // positive; see topDown
    bool topDown = false;
    int bitCount = 0;
    DWORD compression = BI_RGB;
    std::uint32_t masks[3] = {};  // red, green, blue for BI_BITFIELDS
    size_t end = 0;               // offset just past the pixel data, from the start of the parsed bytes

    [[nodiscard]] const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(info.data()); }
    [[nodiscard]] size_t Stride() const { return ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4; }
};

// The largest picture we accept: each side and the pixel count, so that a corrupt header cannot
// ask for gigabytes.
inline constexpr int kMaxDibSide = 32768;
inline constexpr std::int64_t kMaxDibPixels = std::int64_t{1} << 26;

// `dib` starts with the info header; `bitsOffset` (from the start of `dib`) is the file header's
// offset when there was one, else the bits follow the colour table. Raises Exception
// "Bitmap image is not valid" for anything it cannot vouch for.
DibImage ParseDib(std::span<const std::uint8_t> dib, std::optional<size_t> bitsOffset = std::nullopt);

// A BMP file (BITMAPFILEHEADER first); `end` then counts from the file header.
DibImage ParseBmpFile(std::span<const std::uint8_t> file);

}  // namespace ov
