// The owning pixel buffer and plain block copies between pixel views.
#include "skin/data/pixels.h"

#include <algorithm>

namespace ov {

PixelBuffer::PixelBuffer(int width, int height, uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0))
{
    pixels_.resize(static_cast<size_t>(width_) * height_ * 3);
    if (fill != 0) {
        PixelView view = View();
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                view.Set(x, y, fill);
    }
}

PixelBuffer CopyBlock(const PixelView& source, PixelRect area)
{
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, source.IsEmpty() ? 0 : source.width);
    area.bottom = std::min(area.bottom, source.IsEmpty() ? 0 : source.height);
    if (area.IsEmpty())
        return {};
    PixelBuffer block(area.Width(), area.Height());
    PixelView out = block.View();
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.Set(x, y, source.At(area.left + x, area.top + y));
    return block;
}

void PasteBlock(const PixelView& source, const PixelView& target, int x, int y)
{
    if (source.IsEmpty() || target.IsEmpty())
        return;
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + source.width, target.width), y1 = std::min(y + source.height, target.height);
    for (int ty = y0; ty < y1; ++ty)
        for (int tx = x0; tx < x1; ++tx)
            target.Set(tx, ty, source.At(tx - x, ty - y));
}

}  // namespace ov
