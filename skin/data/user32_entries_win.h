// User-interface functions that older Windows versions lack, looked up in "User32.dll" at run time
// so that the program still starts there: GetScrollBarInfo, GetComboBoxInfo, GetAncestor and
// InternalGetWindowText. A missing function makes its wrapper answer 0 (or empty text).
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/handle.h"

namespace ov {

// The entry points of one module, each resolved once on its first successful lookup. The first
// three share one failure flag: they arrived in the same Windows versions, so when one of them is
// missing the others are not looked for again. InternalGetWindowText is looked up again on each
// call while it is unknown. The module is loaded on the first need and freed with the object.
class RuntimeUser32 {
public:
    explicit RuntimeUser32(const wchar_t* moduleName = L"User32.dll") : moduleName_(moduleName) {}

    BOOL GetScrollBarInfo(HWND window, LONG idObject, PSCROLLBARINFO info);
    BOOL GetComboBoxInfo(HWND window, PCOMBOBOXINFO info);
    HWND GetAncestor(HWND window, UINT flags);
    // The window's text read through InternalGetWindowText; empty when the function is missing.
    std::wstring InternalWindowText(HWND window);

    [[nodiscard]] bool LookupFailed() const { return failed_; }

private:
    using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
    using GetComboBoxInfoFn = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
    using GetAncestorFn = HWND(WINAPI*)(HWND, UINT);
    using InternalGetWindowTextFn = int(WINAPI*)(HWND, LPWSTR, int);

    FARPROC Lookup(const char* name);
    // Resolves `entry` once; false (and the shared flag set) when the function is missing.
    template <typename Fn>
    bool Resolve(Fn& entry, const char* name);

    const wchar_t* moduleName_;
    UniqueModule module_;
    bool failed_ = false;
    GetScrollBarInfoFn getScrollBarInfo_ = nullptr;
    GetComboBoxInfoFn getComboBoxInfo_ = nullptr;
    GetAncestorFn getAncestor_ = nullptr;
    InternalGetWindowTextFn internalGetWindowText_ = nullptr;
};

// The process-wide instance over "User32.dll" that the wrappers below use.
RuntimeUser32& User32Entries();

BOOL SkinGetScrollBarInfo(HWND window, LONG idObject, PSCROLLBARINFO info);
BOOL SkinGetComboBoxInfo(HWND window, PCOMBOBOXINFO info);
HWND SkinGetAncestor(HWND window, UINT flags);

// On the NT platform, the window's text as wide text through InternalGetWindowText; otherwise, or
// when that function is missing, empty.
std::wstring GetWindowCaptionW(HWND window);

}  // namespace ov
