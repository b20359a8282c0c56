// TScrollBox: a bordered box whose children scroll when they do not fit (TScrollingWinControl).
#pragma once

#include "framework/forms/form.h"
#include "framework/controls/scrolling_win_control.h"

namespace ov {

class TScrollBox : public TScrollingWinControl {
    OV_CLASS(TScrollBox, TScrollingWinControl)

    explicit TScrollBox(TComponent* owner);

    [[nodiscard]] TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TBorderStyle borderStyle_ = bsSingle;
};

}  // namespace ov
