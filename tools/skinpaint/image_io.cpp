// BMP files for the painter, through the skin reader's decoder and the compiler's canonical writer.
#include "tools/skinpaint/image_io.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "skin/data/bmp_decoder.h"
#include "tools/skinc/bmp_writer.h"

namespace ov::skinpaint {

std::vector<uint8_t> EncodeImage(const Image& image)
{
    DecodedBitmap bitmap;
    bitmap.width = image.Width();
    bitmap.height = image.Height();
    bitmap.pixels.assign(bitmap.Stride() * bitmap.height, 0);
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = bitmap.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            uint8_t* pixel = row + std::ptrdiff_t{3} * x;
            pixel[0] = c.b, pixel[1] = c.g, pixel[2] = c.r;
        }
    }
    return skinc::EncodeBmp(bitmap);
}

void SaveBmp(const Image& image, const std::filesystem::path& file)
{
    const std::vector<uint8_t> bytes = EncodeImage(image);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

Image LoadBmp(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const DecodedBitmap bitmap = DecodeBmp(bytes);
    Image image(bitmap.width, bitmap.height, {});
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x)
            image.Set(x, y, FromColorRef(bitmap.Pixel(x, y)));
    }
    return image;
}

}  // namespace ov::skinpaint
