// Live GDI object and window counts of this process, for leak tests ("creating and freeing this
// 100 times leaves the counts where they were"). Header-only; used by tests only.
#pragma once

#include <windows.h>

#include <cstdint>

namespace ov::testing {

// GetGuiResources answers 0 under Wine, so the count is taken from the process's GDI handle table
// (PEB::GdiSharedHandleTable, 64K entries of 24 bytes whose Type byte is 0 when the entry is free),
// which both Wine and Windows map into the process. Falls back to GetGuiResources without it.
inline int LiveGdiObjects()
{
    struct Entry {
        std::uint64_t object;
        std::uint32_t owner;
        std::uint16_t unique;
        std::uint8_t type;
        std::uint8_t flags;
        std::uint64_t user;
    };
    static_assert(sizeof(Entry) == 24);
    constexpr size_t kTableOffsetInPeb = 0xF8, kEntries = 0x10000;
    const std::uint8_t* peb = nullptr;
    asm("movq %%gs:0x60, %0" : "=r"(peb));  // TEB::ProcessEnvironmentBlock (64-bit)
    auto table = *reinterpret_cast<const Entry* const*>(peb + kTableOffsetInPeb);
    if (!table)
        return static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    int count = 0;
    for (size_t i = 0; i < kEntries; ++i)
        count += table[i].type != 0;
    return count;
}

// Windows of this thread, top-level and child, hidden or not.
inline int LiveThreadWindows()
{
    struct Counter {
        static BOOL CALLBACK Child(HWND, LPARAM data)
        {
            ++*reinterpret_cast<int*>(data);
            return TRUE;
        }
        static BOOL CALLBACK Top(HWND window, LPARAM data)
        {
            ++*reinterpret_cast<int*>(data);
            ::EnumChildWindows(window, Child, data);
            return TRUE;
        }
    };
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), Counter::Top, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace ov::testing
