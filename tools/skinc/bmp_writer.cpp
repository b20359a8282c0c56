// Canonical 24-bit BMP encoding.
#include "tools/skinc/bmp_writer.h"

#include <cassert>

#include "tools/skinc/le_bytes.h"

namespace ov::skinc {
namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;

}  // namespace

std::vector<uint8_t> EncodeBmp(const DecodedBitmap& bitmap)
{
    // Decoded pixels are already laid out as the file stores them: bottom-up, rows padded.
    const auto imageSize = static_cast<uint32_t>(bitmap.Stride() * bitmap.height);
    assert(bitmap.pixels.size() == imageSize);
    std::vector<uint8_t> out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, kFileHeaderSize + kInfoHeaderSize + imageSize);
    PutLe32(out, 0);  // two reserved words
    PutLe32(out, kFileHeaderSize + kInfoHeaderSize);
    PutLe32(out, kInfoHeaderSize);
    PutLe32(out, static_cast<uint32_t>(bitmap.width));
    PutLe32(out, static_cast<uint32_t>(bitmap.height));
    PutLe16(out, 1);   // planes
    PutLe16(out, 24);  // bits per pixel
    PutLe32(out, kBiRgb);
    PutLe32(out, imageSize);
    for (int i = 0; i < 4; ++i)
        PutLe32(out, 0);  // resolution, colours used, colours important
    out.insert(out.end(), bitmap.pixels.begin(), bitmap.pixels.end());
    return out;
}

}  // namespace ov::skinc
