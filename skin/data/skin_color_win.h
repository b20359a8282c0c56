// Colour helpers on framework colours: system colours (0xFF0000nn) are resolved to their current
// value first.
#pragma once

#include <windows.h>

#include "framework/graphics/color.h"
#include "skin/data/skin_color.h"

namespace ov {

// The red, green and blue bytes of a colour after resolving system colours.
inline Rgb SplitColor(TColor color) { return SplitRgb(ColorToRGB(color)); }

// 255 minus each component.
inline TColor InvertColor(TColor color) { return static_cast<TColor>(InvertRgb(ColorToRGB(color))); }

}  // namespace ov
