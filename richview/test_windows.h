// Windows for tests: a hidden top-level parent, a bare rich edit control on it, and RTF streamed
// into a control from memory.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/core/handle.h"
#include "richview/richedit_library.h"

namespace ov {

// A hidden top-level window of the STATIC class.
class TestWindow {
public:
    TestWindow()
        : window_(::CreateWindowExW(0, L"STATIC", L"test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr))
    {
    }
    [[nodiscard]] HWND handle() const { return window_.get(); }

private:
    UniqueWindow window_;
};

// A bare control of the class our views use, as a child of `parent`.
class RichEditWindow {
public:
    explicit RichEditWindow(HWND parent, DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE)
        : window_(::CreateWindowExW(0, RichEditClassName(RichEditLevel()), L"", style, 0, 0, 300, 200, parent, nullptr,
                                    nullptr, nullptr))
    {
    }
    [[nodiscard]] HWND handle() const { return window_.get(); }
    void reset() { window_.reset(); }

private:
    UniqueWindow window_;
};

struct MemorySource {
    std::string_view bytes;
    std::size_t position = 0;

    static DWORD CALLBACK Read(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read)
    {
        auto* source = reinterpret_cast<MemorySource*>(cookie);
        std::size_t count =
            std::min<std::size_t>(static_cast<std::size_t>(size), source->bytes.size() - source->position);
        std::memcpy(buffer, source->bytes.data() + source->position, count);
        source->position += count;
        *read = static_cast<LONG>(count);
        return 0;
    }
};

// Loads `rtf` into a bare control the plain way; returns EM_STREAMIN's result.
inline LRESULT StreamInRtf(HWND edit, std::string_view rtf)
{
    MemorySource source{rtf};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &MemorySource::Read};
    return ::SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

// The control's whole text as UTF-16.
inline std::wstring WholeText(HWND edit)
{
    GETTEXTLENGTHEX lengthQuery{GTL_DEFAULT | GTL_NUMCHARS, 1200};
    LRESULT length = ::SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GETTEXTEX query{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    LRESULT copied =
        ::SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

}  // namespace ov
