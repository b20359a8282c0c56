// TSizeConstraints: the smallest and largest size a control may take (0 = no limit).
#pragma once

#include "framework/core/component.h"

namespace ov {

class TSizeConstraints : public TPersistent {
    OV_CLASS(TSizeConstraints, TPersistent)

    [[nodiscard]] int MinWidth() const noexcept { return minWidth_; }
    [[nodiscard]] int MinHeight() const noexcept { return minHeight_; }
    [[nodiscard]] int MaxWidth() const noexcept { return maxWidth_; }
    [[nodiscard]] int MaxHeight() const noexcept { return maxHeight_; }
    void SetMinWidth(int value) { Change(minWidth_, value); }
    void SetMinHeight(int value) { Change(minHeight_, value); }
    void SetMaxWidth(int value) { Change(maxWidth_, value); }
    void SetMaxHeight(int value) { Change(maxHeight_, value); }

    // Limits a width / height to the constraints.
    [[nodiscard]] int ConstrainWidth(int width) const noexcept { return Constrain(width, minWidth_, maxWidth_); }
    [[nodiscard]] int ConstrainHeight(int height) const noexcept { return Constrain(height, minHeight_, maxHeight_); }

    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

private:
    static int Constrain(int value, int low, int high) noexcept
    {
        if (high > 0 && value > high)
            value = high;
        if (low > 0 && value < low)
            value = low;
        return value;
    }
    void Change(int& field, int value)
    {
        if (field == value)
            return;
        field = value < 0 ? 0 : value;
        OnChange.Fire(this);
    }

    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

}  // namespace ov
