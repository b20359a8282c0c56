// The Windows version flags the painters branch on, read once from GetVersionEx.
#pragma once

namespace ov {

struct WindowsVersionFlags {
    bool isNT = false;     // the NT platform
    bool isWin95 = false;  // 9x platform, version 4.0
    bool isWinXP = false;  // NT, XP (5.1) or later
    bool isVista = false;  // NT, version 6.0
};

// Computed on first use and kept for the life of the process.
const WindowsVersionFlags& WindowsVersion();

// The flags from a platform id and version numbers, as GetVersionEx reports them.
WindowsVersionFlags ClassifyWindowsVersion(unsigned long platformId, unsigned long major, unsigned long minor);

inline bool IsWin95() { return WindowsVersion().isWin95; }
inline bool IsWinXP() { return WindowsVersion().isWinXP; }
inline bool IsVista() { return WindowsVersion().isVista; }

}  // namespace ov
