// Window classes of framework controls and the one window procedure they all share.
//
// Every TWinControl's window class is registered under the control's class name ("TButton",
// "TForm1"). A class built on a system class (BUTTON, RichEdit20A, SysTabControl32, ...) is a
// superclass: a copy of the system class whose procedure is ours, with the system procedure kept
// as the control's default. A window is bound to its control at its very first message (the
// control being created is known to this thread) and unbound at WM_NCDESTROY, so no message of the
// window's life bypasses the control's WindowProc.
#include "framework/forms/window_class.h"

#include <commctrl.h>

#include <map>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>

#include "framework/forms/application.h"
#include "framework/forms/win_control.h"

namespace ov {

namespace {

// The control whose window CreateWindowEx is making on this thread right now.
thread_local TWinControl* creatingControl = nullptr;

std::map<std::wstring, WNDPROC>& RegisteredClasses()
{
    static std::map<std::wstring, WNDPROC> classes;
    return classes;
}

bool FindSystemClass(const std::wstring& name, WNDCLASSEXW& info)
{
    info = {};
    info.cbSize = sizeof(info);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &info))
        return true;
    info.cbSize = sizeof(info);
    return GetClassInfoExW(nullptr, name.c_str(), &info) != FALSE;
}

void InitCommonControlsOnce()
{
    static const bool done = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                  ICC_TAB_CLASSES | ICC_COOL_CLASSES | ICC_DATE_CLASSES |
                                                  ICC_USEREX_CLASSES | ICC_HOTKEY_CLASS};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

// The procedure a window falls back on when no control is bound to it (a window whose control has
// already let it go).
WNDPROC FallbackProcedure(HWND window)
{
    wchar_t name[256];
    int length = GetClassNameW(window, name, 256);
    auto& classes = RegisteredClasses();
    auto it = classes.find(std::wstring(name, length > 0 ? length : 0));
    return it == classes.end() ? DefWindowProcW : it->second;
}

// Which control each window belongs to. Every message looks this up, so it is a table of our own:
// a window property would cost a round trip to the window server (tens of microseconds under
// Wine) per message. Windows may be made on more than one thread, hence the lock.
class WindowBindings {
public:
    void Bind(HWND window, TWinControl* control)
    {
        std::unique_lock lock(mutex_);
        controls_[window] = control;
    }
    void Unbind(HWND window)
    {
        std::unique_lock lock(mutex_);
        controls_.erase(window);
    }
    TWinControl* Find(HWND window) const
    {
        std::shared_lock lock(mutex_);
        auto it = controls_.find(window);
        return it == controls_.end() ? nullptr : it->second;
    }

private:
    mutable std::shared_mutex mutex_;
    std::unordered_map<HWND, TWinControl*> controls_;
};

// Never destroyed: windows still come and go while static objects are being torn down at exit.
WindowBindings& Bindings()
{
    static WindowBindings* bindings = new WindowBindings;
    return *bindings;
}

}  // namespace

void PrepareSystemClass(TCreateParams& params, const wchar_t* systemClassName)
{
    InitCommonControlsOnce();
    WNDCLASSEXW info;
    if (!FindSystemClass(systemClassName, info))
        throw Exception(L"Window class %s is not available", {systemClassName});
    params.SystemClassName = systemClassName;
    params.WindowClass.style = info.style & ~CS_GLOBALCLASS;
    params.WindowClass.cbClsExtra = info.cbClsExtra;
    params.WindowClass.cbWndExtra = info.cbWndExtra;
    params.WindowClass.hCursor = info.hCursor;
    params.WindowClass.hbrBackground = info.hbrBackground;
    params.WindowClass.hIcon = info.hIcon;
    params.WindowClass.hIconSm = info.hIconSm;
}

WNDPROC RegisterControlClass(const TCreateParams& params)
{
    auto& classes = RegisteredClasses();
    if (auto it = classes.find(params.WinClassName); it != classes.end())
        return it->second;
    WNDPROC defaultProc = DefWindowProcW;
    if (!params.SystemClassName.empty()) {
        WNDCLASSEXW system;
        if (!FindSystemClass(params.SystemClassName, system))
            throw Exception(L"Window class %s is not available", {params.SystemClassName});
        defaultProc = system.lpfnWndProc;
    }
    WNDCLASSEXW wc = params.WindowClass;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = StandardWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception(L"Cannot register window class %s", {params.WinClassName});
    classes[params.WinClassName] = defaultProc;
    return defaultProc;
}

HWND CreateControlWindow(TWinControl* control, const TCreateParams& params)
{
    TWinControl* outer = creatingControl;
    creatingControl = control;
    HWND window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                  params.X, params.Y, params.Width, params.Height, params.WndParent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(params.ControlId)),
                                  GetModuleHandleW(nullptr), params.Param);
    creatingControl = outer;
    return window;
}

void BindWindow(HWND window, TWinControl* control) { Bindings().Bind(window, control); }
void UnbindWindow(HWND window) { Bindings().Unbind(window); }

TWinControl* ControlOfWindow(HWND window) { return window ? Bindings().Find(window) : nullptr; }

LRESULT CALLBACK StandardWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = ControlOfWindow(window);
    if (!control && creatingControl && !creatingControl->HandleAllocated()) {
        control = creatingControl;
        control->AttachHandle(window);
    }
    if (!control)
        return CallWindowProcW(FallbackProcedure(window), window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    ++control->dispatchDepth_;
    control->MainWndProc(message);
    if (--control->dispatchDepth_ == 0 && control->freeAfterDispatch_) {
        control->freeAfterDispatch_ = false;  // the window's last messages come during Free
        control->Free();
    }
    return message.Result;
}

}  // namespace ov
