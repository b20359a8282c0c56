// Screen density: the dots per inch of a window, and lengths scaled to it from 96 DPI, the density
// every length of a layout and a skin is written for. The per-monitor functions exist only on
// newer Windows (10, version 1607 and later); each is looked up at run time and falls back to
// the system-wide answer where it is missing.
#pragma once

#include <windows.h>

namespace ov {

// The density every stored length is written for.
inline constexpr int kDefaultDpi = 96;

// The one rounding rule for every scaled length: value × dpi / 96, rounded to the nearest whole
// pixel, halves away from zero (as MulDiv rounds). At 96 DPI it gives value back unchanged.
int ScaleToDpi(int value, int dpi);
// The other way: a length at dpi back to its 96-DPI length, by the same rule.
int UnscaleFromDpi(int value, int dpi);

// The density of the system (the primary monitor at start-up, LOGPIXELSY of the screen).
int SystemDpi();
// The density of the monitor a window is on, as the window sees it: GetDpiForWindow where it
// exists, else the system density. A window that is not per-monitor aware always gets the system
// density, as the platform scales it.
int WindowDpi(HWND window);

// GetSystemMetricsForDpi, else GetSystemMetrics scaled from the system density.
int SystemMetricForDpi(int index, int dpi);
// AdjustWindowRectExForDpi, else AdjustWindowRectEx (which answers at the system density).
bool AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi);
// SystemParametersInfoForDpi, else SystemParametersInfoW (which answers at the system density).
bool SystemParametersForDpi(UINT action, UINT param, void* data, int dpi);

// The new density and the suggested window rectangle of a WM_DPICHANGED message.
struct TDpiChange {
    int dpi = kDefaultDpi;
    RECT suggested{};
};
TDpiChange ReadDpiChange(WPARAM wParam, LPARAM lParam);

}  // namespace ov
