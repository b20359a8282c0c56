// TCustomControl: every WM_PAINT goes through Paint.
#include "framework/controls/custom_control.h"

#include "framework/controls/control_canvas.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TCustomControl::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomControl>(L"TCustomControl", TWinControl::StaticClass()).Build();
    return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>(this))
{
}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() const { return canvas_.get(); }

void TCustomControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_PAINT && HandleAllocated()) {
        PaintHandler(message);
        return;
    }
    TWinControl::WndProc(message);
}

void TCustomControl::PaintWindow(HDC dc)
{
    canvas_->FreeHandle();
    canvas_->SetHandle(dc);
    try {
        canvas_->Font()->Assign(*Font());
        canvas_->Brush()->SetColor(Color());
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        throw;
    }
    canvas_->SetHandle(nullptr);
}

void TCustomControl::DestroyWnd()
{
    canvas_->FreeHandle();
    TWinControl::DestroyWnd();
}

}  // namespace ov
