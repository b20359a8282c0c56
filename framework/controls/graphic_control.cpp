// TGraphicControl: painting on the DC its parent hands over.
#include "framework/controls/graphic_control.h"

#include "framework/controls/control_canvas.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TGraphicControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGraphicControl>(L"TGraphicControl", TControl::StaticClass()).Build();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TControlCanvas>(this))
{
}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const { return canvas_.get(); }

void TGraphicControl::WndProc(TMessage& message)
{
    if (message.Msg != WM_PAINT) {
        TControl::WndProc(message);
        return;
    }
    canvas_->FreeHandle();
    canvas_->SetHandle(reinterpret_cast<HDC>(message.WParam));
    try {
        canvas_->Font()->Assign(*Font());
        Paint();
    } catch (...) {
        canvas_->SetHandle(nullptr);
        throw;
    }
    canvas_->SetHandle(nullptr);
}

}  // namespace ov
