// The window outline from the key-colour pixels of the drawn title bar and bottom frame.
#include "skin/data/region_scan.h"

#include <algorithm>

namespace ov {
namespace {

int BandHeight(const SkinRegionBand& band) { return band.needsRegion && !band.image.IsEmpty() ? band.image.height : 0; }

void AddRuns(const PixelView& image, int row, uint32_t key, int top, int width, std::vector<PixelRect>& rects)
{
    const int end = std::min(image.width, width);
    key &= kRgbMask;
    int x = 0;
    while (x < end) {
        while (x < end && image.At(x, row) == key)
            ++x;
        const int runStart = x;
        while (x < end && image.At(x, row) != key)
            ++x;
        if (x > runStart)
            rects.push_back({runStart, top + row, x, top + row + 1});
    }
}

}  // namespace

void AddBandRects(const SkinRegionBand& band, uint32_t key, int top, int width, std::vector<PixelRect>& rects)
{
    const int height = BandHeight(band);
    if (height == 0 || width <= 0)
        return;
    // Limits beyond the image are held to it: a skin's row limits must not make us read outside it.
    const int first = std::clamp(band.minRow == -1 ? 0 : band.minRow, 0, height);
    const int end = std::clamp(band.minRow >= band.maxRow ? height : band.maxRow + 1, first, height);
    if (first > 0)
        rects.push_back({0, top, width, top + first});
    for (int row = first; row < end; ++row)
        AddRuns(band.image, row, key, top, width, rects);
    if (end < height)
        rects.push_back({0, top + end, width, top + height});
}

std::vector<PixelRect> SkinRegionRects(const SkinRegionBand& title, const SkinRegionBand& bottom, uint32_t key,
                                       int windowWidth, int windowHeight)
{
    std::vector<PixelRect> rects;
    const int titleHeight = BandHeight(title);
    const int bottomHeight = BandHeight(bottom);
    AddBandRects(title, key, 0, windowWidth, rects);
    const PixelRect middle{0, titleHeight, windowWidth, windowHeight - bottomHeight};
    if (!middle.IsEmpty())
        rects.push_back(middle);
    AddBandRects(bottom, key, windowHeight - bottomHeight, windowWidth, rects);
    return rects;
}

}  // namespace ov
