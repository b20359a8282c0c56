// TUtilityWindow: a hidden window of class TPUtilWindow dispatching to its handler.
#include "framework/forms/utility_window.h"

#include "framework/forms/application.h"

namespace ov {

namespace {

constexpr wchar_t kClassName[] = L"TPUtilWindow";

void RegisterUtilityClass(WNDPROC procedure)
{
    static const bool registered = [procedure] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

TUtilityWindow::TUtilityWindow(THandler handler) : handler_(std::move(handler))
{
    RegisterUtilityClass(Procedure);
    window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_)
        throw Exception(L"Cannot create a utility window");
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TUtilityWindow::~TUtilityWindow()
{
    if (window_)
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK TUtilityWindow::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto self = reinterpret_cast<TUtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->handler_.Assigned())
        return DefWindowProcW(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
        if (self->handler_(message))
            return message.Result;
    } catch (...) {
        Application->HandleException(nullptr);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace ov
