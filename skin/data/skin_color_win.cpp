// Resolving system colours.
#include "skin/data/skin_color_win.h"

namespace ov {

COLORREF ResolveColor(uint32_t color) {
    if ((color & 0xFF000000u) == 0xFF000000u) return ::GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFFu;
}

}  // namespace ov
