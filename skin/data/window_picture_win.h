// Putting a finished picture onto a window: the one way the painters get a device context of a
// window, and the one copy of an off-screen picture onto it. Every painter builds its whole picture
// off-screen and copies it with a single BitBlt, so nothing half-drawn ever shows.
#pragma once

#include <windows.h>

#include "framework/core/handle.h"
#include "framework/graphics/bitmap.h"

namespace ov {

// The surface of a window a painter draws on.
enum class WindowArea {
    Client,  // the client area (GetDC)
    Whole,   // the whole window with its frame, origin at the window's top-left corner (GetWindowDC)
};

// A device context of that surface, given back to the window when it goes; empty when the window
// gives none. A null window stands for the screen.
UniqueWindowDC WindowAreaDC(HWND window, WindowArea area);

// Copies the whole picture onto `target`, its top-left corner at `at`.
void CopyPicture(const TBitmap& picture, HDC target, POINT at = {0, 0});
// Copies the `part` of the picture onto the same place of `target`.
void CopyPicturePart(const TBitmap& picture, HDC target, const RECT& part);

// Copies the whole picture onto that surface of `window` at `at`; nothing for a null window or one
// that gives no device context.
void CopyToWindow(const TBitmap& picture, HWND window, WindowArea area, POINT at = {0, 0});

}  // namespace ov
