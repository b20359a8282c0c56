// The window region of a skinned frame whose title bar or bottom frame has key-colour pixels.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/core/handle.h"
#include "skin/data/pixels.h"

namespace ov {

// A region made of the given rectangles (empty for none).
UniqueRegion MakeRegion(const std::vector<PixelRect>& rects);

// Builds the region from the drawn title bar and bottom frame (see SkinRegionRects) and hands it to
// the window with SetWindowRgn, redrawing; the window owns it from then on.
void SetSkinWindowRegion(HWND window, const PixelView& titleBar, const PixelView& bottomFrame, bool titleNeedsRegion,
                         bool bottomNeedsRegion, int titleMinRow, int titleMaxRow, int bottomMinRow, int bottomMaxRow,
                         COLORREF keyColor, int windowHeight, int windowWidth);

}  // namespace ov
