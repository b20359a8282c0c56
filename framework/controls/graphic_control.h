// TGraphicControl: a windowless control (label, image, speed button). Its parent paints it (in
// the parent's WM_PAINT, through Paint on Canvas) and routes the mouse messages over it to it.
#pragma once

#include <memory>

#include "framework/forms/control.h"

namespace ov {

class TCanvas;
class TControlCanvas;

class TGraphicControl : public TControl {
    OV_CLASS(TGraphicControl, TControl)

    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    [[nodiscard]] TCanvas* Canvas() const;
    void WndProc(TMessage& message) override;

protected:
    // Draws the control on Canvas, whose origin is the control's top-left corner.
    virtual void Paint() {}

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

}  // namespace ov
