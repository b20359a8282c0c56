// The two ways the skin engine sees another window's messages, each removable in any order:
// TWindowProcHook replaces a framework control's WindowProc slot, TSubclassHook a plain window's
// GWLP_WNDPROC. Several hooks may stack on one window; removing one that is no longer on top
// hands its saved procedure to the hook above it, so the chain stays whole whichever goes first.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/forms/control.h"
#include "framework/forms/object_instance.h"

namespace ov {

class TWindowProcHook {
public:
    // Saves the control's current WindowProc and installs `handler` in its place.
    TWindowProcHook(TControl* control, TWndMethod handler);
    // Removes the hook unless it was removed or abandoned already.
    ~TWindowProcHook();
    TWindowProcHook(const TWindowProcHook&) = delete;
    TWindowProcHook& operator=(const TWindowProcHook&) = delete;

    // Passes a message on to what the hook replaced.
    void CallPrevious(TMessage& message) const { previous_(message); }
    // Puts the replaced procedure back (or hands it to the hook above this one).
    void Remove();
    [[nodiscard]] TControl* Control() const noexcept { return control_; }

private:
    TControl* control_;
    TWndMethod handler_;
    TWndMethod previous_;
};

class TSubclassHook {
public:
    // Subclasses `window` with a procedure that calls `handler`.
    TSubclassHook(HWND window, TWndMethod handler);
    ~TSubclassHook();
    TSubclassHook(const TSubclassHook&) = delete;
    TSubclassHook& operator=(const TSubclassHook&) = delete;

    [[nodiscard]] LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const
    {
        return ::CallWindowProcW(previous_, window_, msg, wParam, lParam);
    }
    [[nodiscard]] LRESULT CallPrevious(const TMessage& message) const
    {
        return CallPrevious(message.Msg, message.WParam, message.LParam);
    }
    // Puts the saved procedure back while the window exists; the instance is freed either way.
    void Remove();
    [[nodiscard]] HWND Window() const noexcept { return window_; }

private:
    HWND window_;
    std::unique_ptr<TObjectInstance> instance_;
    WNDPROC previous_ = nullptr;
};

}  // namespace ov
