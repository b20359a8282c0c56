// A 3x5 pixel font for labels in the preview sheet: capitals, digits and a few signs.
#pragma once

#include <string_view>

#include "tools/skinpaint/raster.h"

namespace ov::skinpaint {

// Draws the text with its top-left corner at (x, y), each font pixel a scale x scale square.
// Characters the font lacks are drawn as spaces; lower case is drawn as capitals.
void DrawLabel(Image& image, int x, int y, std::string_view text, Rgb colour, int scale);

// Width in pixels of the text as DrawLabel draws it.
int LabelWidth(std::string_view text, int scale);

}  // namespace ov::skinpaint
