// TCustomControl: a windowed control that paints itself (Paint on Canvas), like a panel.
#pragma once

#include <memory>

#include "framework/forms/win_control.h"

namespace ov {

class TCanvas;
class TControlCanvas;

class TCustomControl : public TWinControl {
    OV_CLASS(TCustomControl, TWinControl)

    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    [[nodiscard]] TCanvas* Canvas() const;
    void WndProc(TMessage& message) override;

protected:
    // Draws the client area on Canvas (in WM_PAINT, before the windowless children).
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;
    void DestroyWnd() override;

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

}  // namespace ov
