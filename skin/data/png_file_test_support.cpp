// A minimal PNG encoder: IHDR, one IDAT holding a zlib stream of stored blocks, IEND.
#include "skin/data/png_file_test_support.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

#include "skin/data/crc32.h"

namespace ov::testing {
namespace {

using Bytes = std::vector<uint8_t>;

void PutBigEndian(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(Bytes& out, const char type[4], const Bytes& data)
{
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(std::span(out).subspan(typeAt)));
}

// Zlib header, stored blocks of at most 65535 bytes, Adler-32.
Bytes StoredZlib(const Bytes& raw)
{
    Bytes out = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(raw.size() - at, 65535);
        out.push_back(at + n == raw.size() ? 1 : 0);
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(n >> 8));
        out.push_back(static_cast<uint8_t>(~n));
        out.push_back(static_cast<uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, b << 16 | a);
    return out;
}

}  // namespace

bool WritePng(const PixelView& image, const std::string& path)
{
    if (image.IsEmpty())
        return false;
    Bytes header;
    PutBigEndian(header, static_cast<uint32_t>(image.width));
    PutBigEndian(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filter 0, no interlace
    Bytes raw;
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < image.width; ++x) {
            const uint32_t c = image.At(x, y);
            raw.insert(raw.end(),
                       {static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c >> 16)});
        }
    }
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", StoredZlib(raw));
    PutChunk(file, "IEND", {});
    const std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), std::fclose);
    return out && std::fwrite(file.data(), 1, file.size(), out.get()) == file.size();
}

}  // namespace ov::testing
