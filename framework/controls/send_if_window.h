// Sending a message to a control's window only while the window exists: the controls that keep
// their state themselves and mirror it into their window use it for every change, which may come
// before the window is made (the state then reaches the window when it is created).
#pragma once

#include <windows.h>

namespace ov {

inline LRESULT SendIfWindow(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return window ? SendMessageW(window, msg, wParam, lParam) : 0;
}

}  // namespace ov
