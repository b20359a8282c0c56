// The desktop compositor's own rendering of a window's non-client area. While a skinned frame is
// on, the compositor must not draw native chrome over it; switched off, the window gets it back.
#pragma once

#include <windows.h>

namespace ov {

// Asks the compositor (dwmapi.dll, looked up at run time) to leave the window's non-client area to
// the program (`ownFrame`) or to draw it as the window style says. Nothing happens where the
// compositor or the function is missing (older systems, Wine without it). True when it answered.
bool SetCompositorFrame(HWND window, bool ownFrame);

}  // namespace ov
