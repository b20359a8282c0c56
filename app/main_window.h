// The reader's main window.
#pragma once

#include <windows.h>

namespace ov {

inline constexpr wchar_t kAppTitle[] = L"Zelvo健康咨询系列——Ovalune（科普版）";

// Registers the window class on first use and creates the main window, hidden.
HWND CreateMainWindow(HINSTANCE instance);

}  // namespace ov
