// BMP decoding: reads the headers with bounds checks, then converts row by row into 24-bit BGR.
#include "skin/data/bmp_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>

#include "skin/data/byte_order.h"
#include "skin/data/skin_error.h"

namespace ov {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitFields = 3;
constexpr int kMaxSide = 65535;

[[noreturn]] void Refuse(const std::string& why) { throw SkinFileError("Bad bitmap: " + why); }

// One colour channel of a bit-field pixel: where it sits and how wide it is.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    [[nodiscard]] uint8_t Extract(uint32_t pixel) const
    {
        if (bits == 0)
            return 0;
        const uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<uint8_t>(value >> (bits - 8));
        return static_cast<uint8_t>(value * 255 / ((1u << bits) - 1));
    }
};

Channel MakeChannel(uint32_t mask)
{
    Channel c;
    if (mask == 0)
        return c;
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    c.bits = std::popcount(mask);
    if ((mask >> c.shift) != (c.bits == 32 ? ~0u : (1u << c.bits) - 1))
        Refuse("colour mask is not contiguous");
    return c;
}

// Everything the headers say that the pixel conversion needs.
struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::array<Channel, 3> channels;      // red, green, blue for 16 and 32 bits
    std::array<uint32_t, 256> palette{};  // blue in the low byte, as BGR memory reads
    size_t pixelOffset = 0;
    size_t sourceStride = 0;
};

void ReadPalette(std::span<const uint8_t> file, size_t offset, size_t entrySize, uint32_t used, Layout& layout)
{
    const size_t count = std::min<size_t>(used == 0 ? (1u << layout.bitsPerPixel) : used, 256);
    if (offset + count * entrySize > file.size())
        Refuse("palette lies outside the file");
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = file.data() + offset + i * entrySize;
        layout.palette[i] = static_cast<uint32_t>(e[0]) | e[1] << 8 | e[2] << 16;
    }
}

void ReadMasks(std::span<const uint8_t> file, uint32_t compression, Layout& layout)
{
    std::array<uint32_t, 3> masks{};
    if (compression == kBiBitFields) {
        // The masks follow a plain info header, or sit inside a V4/V5 header at the same place.
        const size_t at = kFileHeaderSize + kInfoHeaderSize;
        if (at + 12 > file.size())
            Refuse("colour masks lie outside the file");
        for (int i = 0; i < 3; ++i)
            masks[i] = LoadLe32(file.data() + at + size_t{4} * i);
    } else if (layout.bitsPerPixel == 16) {
        masks = {0x7C00, 0x03E0, 0x001F};
    } else {
        masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    for (int i = 0; i < 3; ++i)
        layout.channels[i] = MakeChannel(masks[i]);
}

void CheckBitsPerPixel(int bpp, uint32_t compression)
{
    const bool paletted = bpp == 1 || bpp == 4 || bpp == 8;
    if (compression == kBiRgb && (paletted || bpp == 16 || bpp == 24 || bpp == 32))
        return;
    if (compression == kBiBitFields && (bpp == 16 || bpp == 32))
        return;
    Refuse("unsupported format (" + std::to_string(bpp) + " bits, compression " + std::to_string(compression) + ")");
}

Layout ReadLayout(std::span<const uint8_t> file)
{
    if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M')
        Refuse("no BMP file header");
    Layout layout;
    layout.pixelOffset = LoadLe32(file.data() + 10);
    const uint32_t headerSize = LoadLe32(file.data() + kFileHeaderSize);
    const uint8_t* h = file.data() + kFileHeaderSize;
    int64_t height = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    size_t paletteEntrySize = 4;
    if (headerSize == kCoreHeaderSize) {
        if (file.size() < kFileHeaderSize + kCoreHeaderSize)
            Refuse("header lies outside the file");
        layout.width = LoadLe16(h + 4);
        height = static_cast<int16_t>(LoadLe16(h + 6));
        layout.bitsPerPixel = LoadLe16(h + 10);
        paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize) {
        if (file.size() < kFileHeaderSize + kInfoHeaderSize)
            Refuse("header lies outside the file");
        const int32_t width = static_cast<int32_t>(LoadLe32(h + 4));
        layout.width = width < 0 || width > kMaxSide ? -1 : width;
        height = static_cast<int32_t>(LoadLe32(h + 8));
        layout.bitsPerPixel = LoadLe16(h + 14);
        compression = LoadLe32(h + 16);
        colorsUsed = LoadLe32(h + 32);
    } else {
        Refuse("unknown header size " + std::to_string(headerSize));
    }
    layout.topDown = height < 0;
    if (height < 0)
        height = -height;
    if (layout.width <= 0 || height == 0 || height > kMaxSide)
        Refuse("bad dimensions");
    layout.height = static_cast<int>(height);
    CheckBitsPerPixel(layout.bitsPerPixel, compression);

    if (layout.bitsPerPixel <= 8) {
        ReadPalette(file, kFileHeaderSize + headerSize, paletteEntrySize, colorsUsed, layout);
    } else if (layout.bitsPerPixel != 24) {
        ReadMasks(file, compression, layout);
    }
    layout.sourceStride = ((static_cast<size_t>(layout.width) * layout.bitsPerPixel + 31) / 32) * 4;
    const uint64_t pixelBytes = static_cast<uint64_t>(layout.sourceStride) * layout.height;
    if (layout.pixelOffset > file.size() || pixelBytes > file.size() - layout.pixelOffset) {
        Refuse("pixel data lies outside the file");
    }
    return layout;
}

void StoreBgr(uint8_t* to, uint32_t rgb)
{
    to[0] = static_cast<uint8_t>(rgb);
    to[1] = static_cast<uint8_t>(rgb >> 8);
    to[2] = static_cast<uint8_t>(rgb >> 16);
}

// Converts one source row of any supported depth into 24-bit BGR.
void ConvertRow(const Layout& layout, const uint8_t* from, uint8_t* to)
{
    const int bpp = layout.bitsPerPixel;
    if (bpp == 24) {
        std::copy(from, from + static_cast<size_t>(layout.width) * 3, to);
    } else if (bpp <= 8) {
        const int perByte = 8 / bpp;
        const uint32_t mask = (1u << bpp) - 1;
        for (int x = 0; x < layout.width; ++x) {
            const int shift = 8 - bpp * (x % perByte + 1);  // the leftmost pixel is in the high bits
            StoreBgr(to + std::ptrdiff_t{3} * x, layout.palette[(from[x / perByte] >> shift) & mask]);
        }
    } else {
        const int bytes = bpp / 8;
        for (int x = 0; x < layout.width; ++x) {
            const uint32_t pixel =
                bytes == 2 ? LoadLe16(from + std::ptrdiff_t{2} * x) : LoadLe32(from + std::ptrdiff_t{4} * x);
            to[3 * x + 0] = layout.channels[2].Extract(pixel);
            to[3 * x + 1] = layout.channels[1].Extract(pixel);
            to[3 * x + 2] = layout.channels[0].Extract(pixel);
        }
    }
}

}  // namespace

uint32_t DecodedBitmap::Pixel(int x, int y) const
{
    const uint8_t* p = Row(y) + std::ptrdiff_t{3} * x;
    return static_cast<uint32_t>(p[2]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[0]) << 16;
}

DecodedBitmap DecodeBmp(std::span<const uint8_t> file)
{
    const Layout layout = ReadLayout(file);
    DecodedBitmap bitmap;
    bitmap.width = layout.width;
    bitmap.height = layout.height;
    bitmap.bitsPerPixel = layout.bitsPerPixel;
    bitmap.topDown = layout.topDown;
    bitmap.pixels.assign(bitmap.Stride() * bitmap.height, 0);
    for (int stored = 0; stored < layout.height; ++stored) {
        const uint8_t* from = file.data() + layout.pixelOffset + stored * layout.sourceStride;
        const int y = layout.topDown ? stored : layout.height - 1 - stored;
        ConvertRow(layout, from, bitmap.Row(y));
    }
    return bitmap;
}

}  // namespace ov
