// Windows version flags from GetVersionEx.
#include "skin/data/windows_version_win.h"

#include <windows.h>

namespace ov {

WindowsVersionFlags ClassifyWindowsVersion(unsigned long platformId, unsigned long major, unsigned long minor)
{
    WindowsVersionFlags flags;
    flags.isNT = platformId == VER_PLATFORM_WIN32_NT;
    flags.isWin95 = platformId == VER_PLATFORM_WIN32_WINDOWS && major == 4 && minor == 0;
    // "XP or later". Testing "major above 4 and minor not 0" instead would leave out Vista (6.0)
    // and Windows 10 and 11 (10.0), which need the XP behaviour as much as XP does.
    flags.isWinXP = flags.isNT && (major > 5 || (major == 5 && minor >= 1));
    flags.isVista = flags.isNT && major == 6 && minor == 0;
    return flags;
}

const WindowsVersionFlags& WindowsVersion()
{
    static const WindowsVersionFlags flags = [] {
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof(info);
        if (!::GetVersionExW(&info))
            return WindowsVersionFlags{};
        return ClassifyWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
    }();
    return flags;
}

}  // namespace ov
