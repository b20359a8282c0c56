// Density lookups: the per-monitor functions of user32 found by name once, and the system-wide
// fallbacks for Windows without them.
#include "framework/graphics/density.h"

namespace ov {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// The user32 function of that name, or null on Windows without it.
template <typename Fn>
Fn User32Function(const char* name)
{
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(user32, name))) : nullptr;
}

struct TDpiFunctions {
    GetDpiForWindowFn getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    GetSystemMetricsForDpiFn getSystemMetricsForDpi =
        User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    AdjustWindowRectExForDpiFn adjustWindowRectExForDpi =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    SystemParametersInfoForDpiFn systemParametersInfoForDpi =
        User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
};

const TDpiFunctions& DpiFunctions()
{
    static const TDpiFunctions functions;
    return functions;
}

}  // namespace

int ScaleToDpi(int value, int dpi) { return dpi == kDefaultDpi ? value : ::MulDiv(value, dpi, kDefaultDpi); }

int UnscaleFromDpi(int value, int dpi)
{
    return dpi == kDefaultDpi || dpi <= 0 ? value : ::MulDiv(value, kDefaultDpi, dpi);
}

int SystemDpi()
{
    static const int dpi = [] {
        HDC screen = ::GetDC(nullptr);
        int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen)
            ::ReleaseDC(nullptr, screen);
        return value > 0 ? value : kDefaultDpi;
    }();
    return dpi;
}

int WindowDpi(HWND window)
{
    if (window && DpiFunctions().getDpiForWindow) {
        UINT dpi = DpiFunctions().getDpiForWindow(window);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi)
{
    if (DpiFunctions().getSystemMetricsForDpi)
        return DpiFunctions().getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

bool AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi)
{
    if (DpiFunctions().adjustWindowRectExForDpi)
        return DpiFunctions().adjustWindowRectExForDpi(&rect, style, menu, exStyle, static_cast<UINT>(dpi)) != 0;
    return ::AdjustWindowRectEx(&rect, style, menu, exStyle) != 0;
}

bool SystemParametersForDpi(UINT action, UINT param, void* data, int dpi)
{
    if (DpiFunctions().systemParametersInfoForDpi)
        return DpiFunctions().systemParametersInfoForDpi(action, param, data, 0, static_cast<UINT>(dpi)) != 0;
    return ::SystemParametersInfoW(action, param, data, 0) != 0;
}

TDpiChange ReadDpiChange(WPARAM wParam, LPARAM lParam)
{
    TDpiChange change;
    change.dpi = HIWORD(wParam);  // the same in both halves: square pixels
    if (lParam)
        change.suggested = *reinterpret_cast<const RECT*>(lParam);
    return change;
}

}  // namespace ov
