// The outline of a skinned window whose title bar or bottom frame has key-colour (transparent)
// pixels, as a list of rectangles: whole rows where the band is solid, and one-pixel-high runs of
// non-key pixels in the rows the skin asks to be scanned. The Windows layer makes a region of them.
#pragma once

#include <vector>

#include "skin/data/pixels.h"

namespace ov {

// One band of the frame (title bar or bottom frame) as drawn for the window.
struct SkinRegionBand {
    PixelView image;           // the drawn band, as wide as the window
    bool needsRegion = false;  // the band shapes the region; otherwise it is not looked at
    int minRow = -1;           // first scanned row; -1: row 0
    int maxRow = -1;           // last scanned row; not above minRow (both -1): to the last row
};

// Adds the rows of `band` placed at y = `top`: rows outside the scanned range whole (`width` wide),
// scanned rows as maximal runs of pixels that differ from `key`.
void AddBandRects(const SkinRegionBand& band, uint32_t key, int top, int width, std::vector<PixelRect>& rects);

// The whole window: the title band at the top, the bottom band at the bottom (each only when it
// needs the region), and everything between them whole.
std::vector<PixelRect> SkinRegionRects(const SkinRegionBand& title, const SkinRegionBand& bottom, uint32_t key,
                                       int windowWidth, int windowHeight);

}  // namespace ov
