// Run-time lookups in "User32.dll" and the wrappers over them.
#include "skin/data/user32_entries_win.h"

#include <algorithm>
#include <vector>

#include "skin/data/windows_version_win.h"

namespace ov {

FARPROC RuntimeUser32::Lookup(const char* name)
{
    if (!module_)
        module_.reset(::LoadLibraryW(moduleName_));
    return module_ ? ::GetProcAddress(module_.get(), name) : nullptr;
}

template <typename Fn>
bool RuntimeUser32::Resolve(Fn& entry, const char* name)
{
    if (failed_)
        return false;
    if (!entry) {
        entry = reinterpret_cast<Fn>(Lookup(name));
        if (!entry)
            failed_ = true;
    }
    return entry != nullptr;
}

BOOL RuntimeUser32::GetScrollBarInfo(HWND window, LONG idObject, PSCROLLBARINFO info)
{
    return Resolve(getScrollBarInfo_, "GetScrollBarInfo") ? getScrollBarInfo_(window, idObject, info) : FALSE;
}

BOOL RuntimeUser32::GetComboBoxInfo(HWND window, PCOMBOBOXINFO info)
{
    return Resolve(getComboBoxInfo_, "GetComboBoxInfo") ? getComboBoxInfo_(window, info) : FALSE;
}

HWND RuntimeUser32::GetAncestor(HWND window, UINT flags)
{
    return Resolve(getAncestor_, "GetAncestor") ? getAncestor_(window, flags) : nullptr;
}

std::wstring RuntimeUser32::InternalWindowText(HWND window)
{
    if (!internalGetWindowText_)
        internalGetWindowText_ = reinterpret_cast<InternalGetWindowTextFn>(Lookup("InternalGetWindowText"));
    if (!internalGetWindowText_)
        return {};
    const int capacity = ::GetWindowTextLengthW(window) + 1;
    std::vector<wchar_t> buffer(capacity, L'\0');
    const int length = internalGetWindowText_(window, buffer.data(), capacity);
    return std::wstring(buffer.data(), length > 0 ? std::min(length, capacity - 1) : 0);
}

RuntimeUser32& User32Entries()
{
    static RuntimeUser32 entries;
    return entries;
}

BOOL SkinGetScrollBarInfo(HWND window, LONG idObject, PSCROLLBARINFO info)
{
    return User32Entries().GetScrollBarInfo(window, idObject, info);
}

BOOL SkinGetComboBoxInfo(HWND window, PCOMBOBOXINFO info) { return User32Entries().GetComboBoxInfo(window, info); }

HWND SkinGetAncestor(HWND window, UINT flags) { return User32Entries().GetAncestor(window, flags); }

std::wstring GetWindowCaptionW(HWND window)
{
    if (!WindowsVersion().isNT)
        return {};
    return User32Entries().InternalWindowText(window);
}

}  // namespace ov
