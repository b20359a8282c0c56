// Mouse capture and the control under the pointer.
#include "framework/forms/mouse.h"

#include <windows.h>

#include "framework/forms/win_control.h"

namespace ov {

namespace {

TControl* captureControl = nullptr;
TControl* mouseControl = nullptr;

}  // namespace

TControl* GetCaptureControl()
{
    TControl* result = TWinControl::FindControl(GetCapture());
    if (result && captureControl && captureControl->Parent() == result)
        result = captureControl;
    return result;
}

void SetCaptureControl(TControl* control)
{
    captureControl = nullptr;
    ReleaseCapture();
    if (!control)
        return;
    auto windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed) {
        if (!control->Parent())
            return;
        captureControl = control;
        windowed = control->Parent();
    }
    SetCapture(windowed->Handle());
}

TControl* MouseControl() { return mouseControl; }

void SetMouseControl(TControl* control)
{
    if (control == mouseControl)
        return;
    TControl* old = mouseControl;
    mouseControl = control;
    if (old)
        old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
    if (control && control == mouseControl)
        control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
}

void ForgetMouseControl(TControl* control)
{
    if (mouseControl == control)
        mouseControl = nullptr;
    if (captureControl == control)
        captureControl = nullptr;
}

void RefreshCursor()
{
    POINT p;
    if (!GetCursorPos(&p))
        return;
    HWND window = WindowFromPoint(p);
    if (!TWinControl::FindControl(window))
        return;
    LPARAM screen = MAKELPARAM(p.x, p.y);
    auto hit = static_cast<WORD>(SendMessageW(window, WM_NCHITTEST, 0, screen));
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(hit, WM_MOUSEMOVE));
}

}  // namespace ov
