// Colour helpers that need the system: colours may be system colours (0xFF0000nn, the index of a
// GetSysColor entry in the low byte), which are resolved to their current value first.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/data/skin_color.h"

namespace ov {

// The RGB value (0x00BBGGRR) of a colour, resolving system colours.
COLORREF ResolveColor(uint32_t color);

// The red, green and blue bytes of a colour after resolving system colours.
inline Rgb SplitColor(uint32_t color) { return SplitRgb(ResolveColor(color)); }

// 255 minus each component.
inline COLORREF InvertColor(uint32_t color) { return InvertRgb(ResolveColor(color)); }

}  // namespace ov
