// The private window messages every skinner of the engine answers or sends. The numbers are fixed:
// a window skinned by one module is recognised by any other.
#pragma once

#include <windows.h>

namespace ov {

// Any window or control skinner answers 1; an unskinned window answers 0.
inline constexpr UINT WM_KRV_QUERYSKINNED = 0x2AAA;
// A frame skinner answers 1 while its window is active, 2 while inactive.
inline constexpr UINT WM_KRV_QUERYACTIVE = 0x2AAB;
// A control skinner repaints its control.
inline constexpr UINT WM_KRV_CONTROLREPAINT = 0x2AAC;
// Posted to the main form while an MDI child is maximised; an MDI parent repaints its frame.
inline constexpr UINT WM_KRV_MAXIMIZEDCHILD = 0x2AAD;
// To the main form: wParam is the activated MDI child form, lParam its main menu.
inline constexpr UINT WM_KRV_MDIMENUCHANGED = WM_APP + 1000;
// A frame skinner answers the height of its menu bar.
inline constexpr UINT WM_KRV_MENUBARHEIGHT = WM_APP + 1001;
// The MDI parent rebuilds its Window menu list.
inline constexpr UINT WM_KRV_REBUILDWINDOWMENU = WM_APP + 1002;
// The MDI client answers the parent's top, side and bottom insets.
inline constexpr UINT WM_KRV_CLIENTTOP = WM_APP + 1003;
inline constexpr UINT WM_KRV_CLIENTLEFT = WM_APP + 1004;
inline constexpr UINT WM_KRV_CLIENTBOTTOM = WM_APP + 1005;
// An MDI child answers 1 while it is shown hidden (left out of the Window menu).
inline constexpr UINT WM_KRV_HIDDENCHILD = WM_APP + 1006;
// Posted to an MDI parent when a child window (lParam) was created: the parent skins it.
inline constexpr UINT WM_KRV_SKINMDICHILD = WM_APP + 1007;

static_assert(WM_KRV_MDIMENUCHANGED == 0x83E8 && WM_KRV_HIDDENCHILD == 0x83EE);

// Whether a window says it is skinned already (0 from any other window).
inline bool IsWindowSkinned(HWND window) { return ::SendMessageW(window, WM_KRV_QUERYSKINNED, 0, 0) == 1; }

}  // namespace ov
