// TCustomPanel / TPanel: a container with an outer and an inner bevel and a centred caption.
#pragma once

#include "framework/controls/custom_control.h"
#include "framework/forms/form.h"

namespace ov {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using TPanelBevel = TBevelCut;
OV_ENUM_TYPE(TBevelCut, L"bvNone", L"bvLowered", L"bvRaised", L"bvSpace")

// Draws `width` rings of a 3-D frame inside rect (top and left in topColor, bottom and right in
// bottomColor) and shrinks rect by them.
void Frame3D(HDC dc, RECT& rect, TColor topColor, TColor bottomColor, int width);

class TCustomPanel : public TCustomControl {
    OV_CLASS(TCustomPanel, TCustomControl)

    explicit TCustomPanel(TComponent* owner);

    [[nodiscard]] TBevelCut BevelInner() const noexcept { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    [[nodiscard]] TBevelCut BevelOuter() const noexcept { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    [[nodiscard]] int BevelWidth() const noexcept { return bevelWidth_; }
    void SetBevelWidth(int value);
    [[nodiscard]] int BorderWidth() const noexcept { return borderWidth_; }
    void SetBorderWidth(int value);
    [[nodiscard]] TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    [[nodiscard]] TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment value);

    // Aligned children stay inside the bevels and the border.
    void AdjustClientRect(RECT& rect) const override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    void Changed();

    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
    OV_CLASS(TPanel, TCustomPanel)

    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

}  // namespace ov
