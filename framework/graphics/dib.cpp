// DIB validation: header versions, colour tables, masks and pixel data sizes.
#include "framework/graphics/dib.h"

#include <algorithm>
#include <cstring>

#include "framework/core/exception.h"

namespace ov {

namespace {

[[noreturn]] void Invalid() { throw Exception(L"Bitmap image is not valid"); }

template <typename T>
T ReadAt(std::span<const std::uint8_t> bytes, size_t offset)
{
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
        Invalid();
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

// The classic 40-byte header from an OS/2 core header (12 bytes) or any Windows header version.
BITMAPINFOHEADER ReadHeader(std::span<const std::uint8_t> dib, DWORD headerSize)
{
    BITMAPINFOHEADER header{};
    if (headerSize == sizeof(BITMAPCOREHEADER)) {
        auto core = ReadAt<BITMAPCOREHEADER>(dib, 0);
        header.biWidth = core.bcWidth;
        header.biHeight = core.bcHeight;
        header.biPlanes = core.bcPlanes;
        header.biBitCount = core.bcBitCount;
        header.biCompression = BI_RGB;
    } else if (headerSize >= sizeof(BITMAPINFOHEADER) && headerSize <= 1024) {
        header = ReadAt<BITMAPINFOHEADER>(dib, 0);
    } else {
        Invalid();
    }
    header.biSize = sizeof(BITMAPINFOHEADER);
    return header;
}

bool ValidFormat(int bitCount, DWORD compression)
{
    switch (compression) {
    case BI_RGB:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
    case BI_BITFIELDS:
        return bitCount == 16 || bitCount == 32;
    case BI_RLE8:
        return bitCount == 8;
    case BI_RLE4:
        return bitCount == 4;
    default:
        return false;
    }
}

}  // namespace

DibImage ParseDib(std::span<const std::uint8_t> dib, std::optional<size_t> bitsOffset)
{
    DWORD headerSize = ReadAt<DWORD>(dib, 0);
    BITMAPINFOHEADER header = ReadHeader(dib, headerSize);
    DibImage image;
    image.bitCount = header.biBitCount;
    image.compression = header.biCompression;
    image.width = header.biWidth;
    image.topDown = header.biHeight < 0;
    // Negated in 64 bits (a height of INT_MIN has no positive int), then held within what is checked.
    const std::int64_t height = image.topDown ? -std::int64_t{header.biHeight} : header.biHeight;
    image.height = static_cast<int>(std::clamp<std::int64_t>(height, 0, std::int64_t{kMaxDibSide} + 1));
    bool compressed = image.compression == BI_RLE8 || image.compression == BI_RLE4;
    if (header.biPlanes != 1 || !ValidFormat(image.bitCount, image.compression) || image.width <= 0 ||
        image.height <= 0 || image.width > kMaxDibSide || image.height > kMaxDibSide ||
        std::int64_t{image.width} * image.height > kMaxDibPixels || (compressed && image.topDown))
        Invalid();

    // Masks: after a 40-byte header, or inside the V2..V5 headers at the same offset.
    size_t position = headerSize;
    if (image.compression == BI_BITFIELDS) {
        for (int i = 0; i < 3; ++i)
            image.masks[i] = ReadAt<std::uint32_t>(dib, sizeof(BITMAPINFOHEADER) + size_t{4} * i);
        if (headerSize == sizeof(BITMAPINFOHEADER))
            position += 12;
    }
    size_t colors = 0;
    if (image.bitCount <= 8) {
        size_t maximum = size_t{1} << image.bitCount;
        colors = header.biClrUsed == 0 || header.biClrUsed > maximum ? maximum : header.biClrUsed;
    }
    header.biClrUsed = static_cast<DWORD>(colors);
    header.biClrImportant = 0;

    image.info.resize(sizeof(BITMAPINFOHEADER) + (image.compression == BI_BITFIELDS ? 12 : 0) + colors * 4);
    std::memcpy(image.info.data(), &header, sizeof(header));
    if (image.compression == BI_BITFIELDS)
        std::memcpy(image.info.data() + sizeof(header), image.masks, 12);
    std::uint8_t* table = image.info.data() + image.info.size() - colors * 4;
    for (size_t i = 0; i < colors; ++i) {
        if (headerSize == sizeof(BITMAPCOREHEADER)) {  // RGBTRIPLE entries
            auto entry = ReadAt<RGBTRIPLE>(dib, position + 3 * i);
            table[4 * i] = entry.rgbtBlue;
            table[4 * i + 1] = entry.rgbtGreen;
            table[4 * i + 2] = entry.rgbtRed;
            table[4 * i + 3] = 0;
        } else {
            auto entry = ReadAt<std::uint32_t>(dib, position + 4 * i);
            std::memcpy(table + 4 * i, &entry, 4);
        }
    }
    position += colors * (headerSize == sizeof(BITMAPCOREHEADER) ? 3 : 4);

    size_t offset = bitsOffset.value_or(position);
    if (offset < position || offset > dib.size())
        Invalid();
    size_t available = dib.size() - offset;
    size_t needed = compressed ? header.biSizeImage : image.Stride() * static_cast<size_t>(image.height);
    if (needed == 0 || needed > available)
        Invalid();
    image.bits = dib.subspan(offset, needed);
    image.end = offset + needed;
    auto stored = reinterpret_cast<BITMAPINFOHEADER*>(image.info.data());
    stored->biSizeImage = static_cast<DWORD>(needed);
    return image;
}

DibImage ParseBmpFile(std::span<const std::uint8_t> file)
{
    auto fileHeader = ReadAt<BITMAPFILEHEADER>(file, 0);
    if (fileHeader.bfType != 0x4D42)  // "BM"
        Invalid();
    size_t headerBytes = sizeof(BITMAPFILEHEADER);
    if (fileHeader.bfOffBits < headerBytes)
        Invalid();
    DibImage image = ParseDib(file.subspan(headerBytes), fileHeader.bfOffBits - headerBytes);
    image.end += headerBytes;
    return image;
}

}  // namespace ov
