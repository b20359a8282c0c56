// TCustomGroupBox / TGroupBox: a captioned frame around a group of controls; it paints itself.
#pragma once

#include "framework/controls/custom_control.h"

namespace ov {

// The etched frame runs through the middle of the caption's first line; the caption stands 8
// pixels from the left edge on the group box's Color. Aligned children stay inside the frame.
class TCustomGroupBox : public TCustomControl {
    OV_CLASS(TCustomGroupBox, TCustomControl)

    explicit TCustomGroupBox(TComponent* owner);

    void AdjustClientRect(RECT& rect) const override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;

private:
    [[nodiscard]] int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
    OV_CLASS(TGroupBox, TCustomGroupBox)

    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

}  // namespace ov
