// The built-in skin's pictures, drawn in code so that the theme can be redrawn and changed; each
// function draws one family of bitmaps at the sizes the skin's readers cut them by.
#pragma once

#include <vector>

#include "skin/data/skin2_define.h"
#include "tools/skinpaint/raster.h"

namespace ov::skinpaint {

struct Artwork {
    Skin2Bitmap id;
    Image image;
};

// Title bar pieces, the minimised title, the 18 title button frames and the frame edges.
std::vector<Artwork> DrawFrameArt();
// Push button, check boxes, radio buttons and the menu check mark.
std::vector<Artwork> DrawButtonArt();
// Progress bar, track bar, scroll bar, tabs and the side channel pieces.
std::vector<Artwork> DrawBarArt();

// Everything above, in bitmap id order.
std::vector<Artwork> DrawBuiltinSkin();

// The title bar's colour in row y (0..26), shared by the title pieces and the title buttons that
// sit on them.
Rgb TitleRow(int y);
inline constexpr int kTitleHeight = 27;

}  // namespace ov::skinpaint
