// A minimal PNG encoder: one IDAT chunk of unfiltered rows compressed with zlib.
#include "tools/skinpaint/png_writer.h"

#include <zlib.h>

#include <fstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "skin/data/crc32.h"

namespace ov::skinpaint {
namespace {

void PutBe32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data)
{
    PutBe32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutBe32(out, Crc32(std::span(out).subspan(start)));
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
        throw std::runtime_error("zlib could not compress the picture");
    }
    packed.resize(size);
    return packed;
}

}  // namespace

void SavePng(const Image& image, const std::filesystem::path& file)
{
    std::vector<uint8_t> raw;
    raw.reserve((size_t{3} * image.Width() + 1) * image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            raw.insert(raw.end(), {c.r, c.g, c.b});
        }
    }
    std::vector<uint8_t> header;
    PutBe32(header, static_cast<uint32_t>(image.Width()));
    PutBe32(header, static_cast<uint32_t>(image.Height()));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, no interlace

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", Compress(raw));
    PutChunk(png, "IEND", {});
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace ov::skinpaint
