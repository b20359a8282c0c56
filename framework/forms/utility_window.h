// TUtilityWindow: a hidden window whose messages go to a handler (timers, the popup menus' owner
// window, the hint's timer). The handler answers whether it handled a message; the others go to
// DefWindowProc. The window lives as long as the object.
#pragma once

#include <windows.h>

#include "framework/core/handle.h"
#include "framework/forms/messages.h"

namespace ov {

class TUtilityWindow {
public:
    using THandler = TEvent<bool(TMessage&)>;

    explicit TUtilityWindow(THandler handler);
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    [[nodiscard]] HWND Handle() const noexcept { return window_.get(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    THandler handler_;
    UniqueWindow window_;
};

}  // namespace ov
