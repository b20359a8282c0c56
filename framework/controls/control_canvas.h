// TControlCanvas: the canvas of a control. While the control paints it wraps the paint DC; at
// other times it makes its own DC on first use: the control's window DC, or for a windowless
// control the parent's DC moved and clipped to the control's rectangle.
#pragma once

#include "framework/graphics/canvas.h"

namespace ov {

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl* control) : control_(control) {}
    ~TControlCanvas() override;

    // Releases a DC made by the canvas (call when the control's window goes away).
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TControl* control_;
    HWND window_ = nullptr;  // whose DC the canvas made, null when it made none
};

}  // namespace ov
