// Loads RICHED20.DLL (else RICHED32.DLL) when the program starts and keeps it until it ends.
#include "richview/richedit_library.h"

#include <vector>

#include "framework/core/handle.h"
#include "richview/clipboard_formats.h"

namespace ov {

namespace {

constexpr int kMaxLevel = 6;

// A failed load leaves no error box: the error mode is switched for the call only.
HMODULE LoadQuietly(const wchar_t* name)
{
    UINT previous = ::SetErrorMode(SEM_NOOPENFILEERRORBOX);
    HMODULE module = ::LoadLibraryW(name);
    ::SetErrorMode(previous);
    // Handles below 32 are the error codes of the 16-bit loader; treat them as failure too.
    if (reinterpret_cast<UINT_PTR>(module) < 32)
        return nullptr;
    return module;
}

struct RichEditLibrary {
    UniqueModule module;
    int level = 1;

    RichEditLibrary()
    {
        module.reset(LoadQuietly(L"RICHED20.DLL"));
        if (module) {
            level = RichEditLevelForVersion(ModuleFileVersionMS(module.get()));
            return;
        }
        module.reset(LoadQuietly(L"RICHED32.DLL"));
    }
};

RichEditLibrary& Library()
{
    static RichEditLibrary library;
    return library;
}

// The library and the clipboard formats are part of the program's start-up, before any view.
const bool kStartedUp = [] {
    Library();
    ClipboardFormats();
    return true;
}();

}  // namespace

int RichEditLevelForVersion(DWORD fileVersionMS) noexcept
{
    unsigned major = HIWORD(fileVersionMS);
    unsigned minor = LOWORD(fileVersionMS);
    if (major == 12)
        return kMaxLevel;
    if (major != 5)
        return 2;
    int level = static_cast<int>(minor / 10);
    if (level == 0)
        return 2;
    return level < 2 ? 2 : (level > kMaxLevel ? kMaxLevel : level);
}

DWORD ModuleFileVersionMS(HMODULE module)
{
    wchar_t path[MAX_PATH * 2];
    DWORD length = ::GetModuleFileNameW(module, path, static_cast<DWORD>(std::size(path)));
    if (length == 0 || length >= std::size(path))
        return 0;
    DWORD ignored = 0;
    DWORD size = ::GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0)
        return 0;
    std::vector<BYTE> data(size);
    if (!::GetFileVersionInfoW(path, 0, size, data.data()))
        return 0;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoLength = 0;
    if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &infoLength) || !info ||
        infoLength < sizeof(VS_FIXEDFILEINFO))
        return 0;
    return info->dwFileVersionMS;
}

int RichEditLevel() noexcept { return Library().level; }

HMODULE RichEditModule() noexcept { return Library().module.get(); }

const wchar_t* RichEditClassName(int level) noexcept { return level <= 1 ? L"RICHEDIT" : L"RichEdit20W"; }

}  // namespace ov
