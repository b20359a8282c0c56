// Cutting, turning and recolouring skin images.
#include "skin/data/pixel_ops.h"

#include <utility>

namespace ov {

PixelBuffer CopyCell(const PixelView& source, int count, int index)
{
    if (source.IsEmpty() || count <= 0 || index < 1 || index > count)
        return {};
    const int cellWidth = source.width / count;
    const int left = (index - 1) * cellWidth;
    return CopyBlock(source, {left, 0, left + cellWidth, source.height});
}

PixelBuffer RotateLeft(const PixelView& source)
{
    if (source.IsEmpty())
        return {};
    PixelBuffer turned(source.height, source.width);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x)
            turned.Set(y, source.width - 1 - x, source.At(x, y));
    return turned;
}

PixelBuffer RotateRight(const PixelView& source)
{
    if (source.IsEmpty())
        return {};
    PixelBuffer turned(source.height, source.width);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x)
            turned.Set(source.height - 1 - y, x, source.At(x, y));
    return turned;
}

void Rotate180(const PixelView& image)
{
    if (image.IsEmpty())
        return;
    // Swap each pixel of the first half (in reading order) with its mirror in the second half.
    const long long total = static_cast<long long>(image.width) * image.height;
    for (long long i = 0; i < total / 2; ++i) {
        const int x = static_cast<int>(i % image.width), y = static_cast<int>(i / image.width);
        const int mx = image.width - 1 - x, my = image.height - 1 - y;
        const uint32_t a = image.At(x, y);
        image.Set(x, y, image.At(mx, my));
        image.Set(mx, my, a);
    }
}

void ReplaceColor(const PixelView& image, uint32_t from, uint32_t to)
{
    if (image.IsEmpty())
        return;
    from &= kRgbMask;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) == from)
                image.Set(x, y, to);
}

}  // namespace ov
