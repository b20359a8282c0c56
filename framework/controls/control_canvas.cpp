// TControlCanvas: a window DC on demand, positioned for windowless controls.
#include "framework/controls/control_canvas.h"

#include "framework/forms/win_control.h"

namespace ov {

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle()
{
    auto windowed = dynamic_cast<TWinControl*>(control_);
    TWinControl* host = windowed ? windowed : control_->Parent();
    if (!host || !host->HandleAllocated())
        return;
    HWND window = host->WindowHandle();
    HDC dc = GetDCEx(window, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc)
        return;
    if (!windowed) {
        SetViewportOrgEx(dc, control_->Left(), control_->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, control_->Width(), control_->Height());
    }
    window_ = window;
    SetHandle(dc);
}

void TControlCanvas::FreeHandle()
{
    if (!window_)
        return;
    HDC dc = DetachHandle();
    ReleaseDC(window_, dc);
    window_ = nullptr;
}

}  // namespace ov
