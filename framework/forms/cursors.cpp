// TCursor values: the system cursor each stands for, and their names in layouts.
#include <array>
#include <atomic>
#include <string_view>

#include "framework/forms/control.h"

namespace ov {

namespace {

struct CursorEntry {
    TCursor cursor;
    std::wstring_view name;
    const wchar_t* system;  // IDC_* resource, null for none
};

const std::array kCursors = {
    CursorEntry{crDefault, L"crDefault", nullptr},
    CursorEntry{crNone, L"crNone", nullptr},
    CursorEntry{crArrow, L"crArrow", IDC_ARROW},
    CursorEntry{crCross, L"crCross", IDC_CROSS},
    CursorEntry{crIBeam, L"crIBeam", IDC_IBEAM},
    CursorEntry{crSizeNESW, L"crSizeNESW", IDC_SIZENESW},
    CursorEntry{crSizeNS, L"crSizeNS", IDC_SIZENS},
    CursorEntry{crSizeNWSE, L"crSizeNWSE", IDC_SIZENWSE},
    CursorEntry{crSizeWE, L"crSizeWE", IDC_SIZEWE},
    CursorEntry{crUpArrow, L"crUpArrow", IDC_UPARROW},
    CursorEntry{crHourGlass, L"crHourGlass", IDC_WAIT},
    CursorEntry{crDrag, L"crDrag", IDC_ARROW},
    CursorEntry{crNoDrop, L"crNoDrop", IDC_NO},
    CursorEntry{crHSplit, L"crHSplit", IDC_SIZEWE},
    CursorEntry{crVSplit, L"crVSplit", IDC_SIZENS},
    CursorEntry{crMultiDrag, L"crMultiDrag", IDC_ARROW},
    CursorEntry{crSQLWait, L"crSQLWait", IDC_WAIT},
    CursorEntry{crNo, L"crNo", IDC_NO},
    CursorEntry{crAppStart, L"crAppStart", IDC_APPSTARTING},
    CursorEntry{crHelp, L"crHelp", IDC_HELP},
    CursorEntry{crHandPoint, L"crHandPoint", IDC_HAND},
    CursorEntry{crSizeAll, L"crSizeAll", IDC_SIZEALL},
};

}  // namespace

// System cursors are shared and live as long as the process, so each is loaded once: loading one
// is slow enough (well over 100 µs under Wine) to show when every window class and every
// WM_SETCURSOR asks again.
HCURSOR CursorHandle(TCursor cursor)
{
    static std::array<std::atomic<HCURSOR>, kCursors.size()> loaded{};
    for (size_t i = 0; i < kCursors.size(); ++i) {
        const CursorEntry& e = kCursors[i];
        if (e.cursor != cursor)
            continue;
        if (!e.system)
            return nullptr;
        HCURSOR handle = loaded[i].load(std::memory_order_relaxed);
        if (!handle) {
            handle = LoadCursorW(nullptr, e.system);
            loaded[i].store(handle, std::memory_order_relaxed);
        }
        return handle;
    }
    return nullptr;
}

const TTypeInfo& CursorType()
{
    static const TTypeInfo type = [] {
        TTypeInfo t;
        t.Kind = TTypeKind::Integer;
        t.Name = L"TCursor";
        t.IdentToInt = [](std::wstring_view ident) -> std::optional<std::int64_t> {
            for (const CursorEntry& e : kCursors)
                if (SameIdent(e.name, ident))
                    return e.cursor;
            return std::nullopt;
        };
        t.IntToIdent = [](std::int64_t value) -> std::optional<std::wstring> {
            for (const CursorEntry& e : kCursors)
                if (e.cursor == value)
                    return std::wstring(e.name);
            return std::nullopt;
        };
        return t;
    }();
    return type;
}

}  // namespace ov
