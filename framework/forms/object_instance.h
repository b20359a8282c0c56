// TObjectInstance: a window procedure made from a TWndMethod, for subclassing a window that is
// not a framework control (a message box, a dialog's child) through GWLP_WNDPROC:
//
//     TObjectInstance instance(TWndMethod(this, &TMySkinner::Handler));
//     saved = SetWindowLongPtrW(window, GWLP_WNDPROC, (LONG_PTR)instance.Procedure());
//     ...  // Handler calls CallWindowProcW(saved, window, ...) for what it does not consume
//     SetWindowLongPtrW(window, GWLP_WNDPROC, saved);  // before the instance goes
//
// The method gets the message without the window handle (the owner knows its window) and sets
// Result, which the procedure returns. An exception leaving the method is handed to the
// application's handler and the procedure returns 0.
#pragma once

#include <windows.h>

#include "framework/forms/messages.h"

namespace ov {

class TObjectInstance {
public:
    explicit TObjectInstance(TWndMethod method);
    ~TObjectInstance();
    TObjectInstance(const TObjectInstance&) = delete;
    TObjectInstance& operator=(const TObjectInstance&) = delete;

    // A procedure that calls the method; valid until the instance is destroyed.
    [[nodiscard]] WNDPROC Procedure() const noexcept { return procedure_; }

private:
    static LRESULT Dispatch(TObjectInstance* self, UINT msg, WPARAM wParam, LPARAM lParam);

    TWndMethod method_;
    WNDPROC procedure_ = nullptr;
};

}  // namespace ov
