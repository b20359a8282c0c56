// RAII owners for Win32 handles: one move-only template, and one small traits struct per way a
// handle is given back to the system (DeleteObject, DeleteDC, ReleaseDC, DestroyMenu, ...).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace ov {

// Traits describe a handle kind: its type, its "no handle" value and how to give it back.
// A traits object is stored with the handle, so a kind that needs context to close (a DC from
// GetDC needs its window) keeps that context in its traits; the others are empty.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle, Traits traits = {}) noexcept : handle_(handle), traits_(traits) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()), traits_(other.traits_) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Traits traits = other.traits_;
            reset(other.release(), traits);
        }
        return *this;
    }

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }
    [[nodiscard]] const Traits& traits() const noexcept { return traits_; }

    // Gives up ownership without closing; the caller now owns the handle.
    Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    // Closes the current handle (if any) and takes ownership of `handle`.
    void reset(Handle handle = Traits::Invalid()) noexcept { reset(handle, traits_); }
    void reset(Handle handle, Traits traits) noexcept
    {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid() && old != handle)
            traits_.Close(old);
        traits_ = traits;
    }

private:
    Handle handle_ = Traits::Invalid();
    [[no_unique_address]] Traits traits_{};
};

namespace handle_traits {

// HBITMAP, HFONT, HPEN, HBRUSH, HRGN, HPALETTE, HGDIOBJ. Must not be selected into a DC when
// closed (DeleteObject then fails and the object leaks): deselect first.
template <typename T>
struct GdiObject {
    using Handle = T;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::DeleteObject(h); }
};

// DCs from CreateCompatibleDC / CreateDC / CreateIC.
struct CreatedDC {
    using Handle = HDC;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::DeleteDC(h); }
};

// DCs from GetDC / GetWindowDC / GetDCEx: given back to the window they came from.
struct WindowDC {
    using Handle = HDC;
    HWND window = nullptr;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::ReleaseDC(window, h); }
};

struct Menu {
    using Handle = HMENU;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::DestroyMenu(h); }
};

// Icons and cursors we created (CreateIconIndirect, CreateIconFromResourceEx, CopyIcon,
// LoadImage without LR_SHARED). Shared icons from LoadIcon must not be owned.
struct Icon {
    using Handle = HICON;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::DestroyIcon(h); }
};

struct ImageList {
    using Handle = HIMAGELIST;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::ImageList_Destroy(h); }
};

// A window we created and nobody else destroys.
struct Window {
    using Handle = HWND;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::DestroyWindow(h); }
};

struct Hook {
    using Handle = HHOOK;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::UnhookWindowsHookEx(h); }
};

struct Module {
    using Handle = HMODULE;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::FreeLibrary(h); }
};

// Kernel handles whose failure value is null (events, threads, mappings, processes).
struct Kernel {
    using Handle = HANDLE;
    static constexpr Handle Invalid() noexcept { return nullptr; }
    void Close(Handle h) const noexcept { ::CloseHandle(h); }
};

// Files from CreateFile, whose failure value is INVALID_HANDLE_VALUE.
struct File {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    void Close(Handle h) const noexcept { ::CloseHandle(h); }
};

}  // namespace handle_traits

using UniqueGdiObject = UniqueHandle<handle_traits::GdiObject<HGDIOBJ>>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<HPEN>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniqueRegion = UniqueHandle<handle_traits::GdiObject<HRGN>>;
using UniquePalette = UniqueHandle<handle_traits::GdiObject<HPALETTE>>;
using UniqueDC = UniqueHandle<handle_traits::CreatedDC>;
using UniqueWindowDC = UniqueHandle<handle_traits::WindowDC>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueImageList = UniqueHandle<handle_traits::ImageList>;
using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniqueHook = UniqueHandle<handle_traits::Hook>;
using UniqueModule = UniqueHandle<handle_traits::Module>;
using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueFile = UniqueHandle<handle_traits::File>;

// GetDC(window) with its ReleaseDC; window may be null for the screen.
inline UniqueWindowDC GetWindowDCOwned(HWND window)
{
    return UniqueWindowDC(::GetDC(window), handle_traits::WindowDC{window});
}

// Selects a GDI object into a DC for one scope and selects the previous one back at its end,
// so the selected object can be deleted afterwards.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(object ? ::SelectObject(dc, object) : nullptr) {}
    ~ScopedSelect()
    {
        if (old_)
            ::SelectObject(dc_, old_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace ov
