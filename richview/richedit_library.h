// The platform's rich edit library, loaded once per process, and the feature level (1 to 6) that
// its file version gives; the level decides the window class and gates many features.
#pragma once

#include <windows.h>

namespace ov {

// The level for a RICHED20.DLL whose VS_FIXEDFILEINFO::dwFileVersionMS is `fileVersionMS`:
// 5.x gives x / 10 (5.30 -> 3, 5.41 -> 4, 5.50 -> 5; below 5.10 -> 2), 12.x gives 6, anything
// else 2.
int RichEditLevelForVersion(DWORD fileVersionMS) noexcept;

// dwFileVersionMS of a loaded module's version resource, or 0 when it has none.
DWORD ModuleFileVersionMS(HMODULE module);

// Level of the library loaded at start-up: 1 with RICHED32.DLL (or with no library at all),
// 2 to 6 with RICHED20.DLL.
int RichEditLevel() noexcept;

// The loaded library (null when neither could be loaded).
HMODULE RichEditModule() noexcept;

// The window class our views are created with at a level. Above level 1 this is the Unicode
// class of RICHED20.DLL: the very same control as "RichEdit20A" (RTF streams stay 8-bit), but
// every text message (EM_GETLINE, EM_GETTEXTRANGE, WM_GETTEXT, EM_REPLACESEL) carries UTF-16,
// so Chinese text reads back intact whatever the system's ANSI code page is.
const wchar_t* RichEditClassName(int level) noexcept;

}  // namespace ov
