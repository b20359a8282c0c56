// Where each piece of a skin bitmap goes when it is drawn in three slices, with end caps, or in nine
// slices: a list of (source block, target rectangle, how to draw) in drawing order. The Windows
// layer only carries the list out; keeping the arithmetic here lets it be tested without GDI.
#pragma once

#include <vector>

#include "skin/data/pixels.h"

namespace ov {

enum class SliceMode {
    Plain,         // copied, stretched when the target differs in size
    Halftone,      // stretched with halftone smoothing
    KeyWhenAsked,  // copied or stretched; key-colour pixels left out when the caller asks for it
    KeyAlways,     // stretched; key-colour pixels always left out
};

struct SliceBlit {
    PixelRect source;
    PixelRect target;
    SliceMode mode = SliceMode::Plain;
    bool operator==(const SliceBlit&) const = default;
};

// A bitmap of three equal cells (left, middle, right) across `target`, at the bitmap's own height:
// the end cells at the ends, the middle cell stretched between. A target narrower than one cell
// gets only as much of the left cell as fits.
std::vector<SliceBlit> ThreeSliceLayout(int bitmapWidth, int bitmapHeight, PixelRect target);

// End caps `capWidth` columns wide kept at their width (stretched only across the bar), the
// columns between stretched with halftone. Nothing for a target whose left edge is negative.
std::vector<SliceBlit> CapsLayoutH(int bitmapWidth, int bitmapHeight, PixelRect target, int capWidth);

// The same along rows; a cap height of 0 means a third of the bitmap's height.
std::vector<SliceBlit> CapsLayoutV(int bitmapWidth, int bitmapHeight, PixelRect target, int capHeight);

// A button face in nine slices: four corners kept at their size (cropped on the side away from
// their corner when the target is smaller), then the edges and the centre stretched from thin
// strips between the corners. Corners are KeyWhenAsked, edges and centre KeyAlways.
std::vector<SliceBlit> NineSliceLayout(int bitmapWidth, int bitmapHeight, PixelRect target);

}  // namespace ov
