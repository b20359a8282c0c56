// TProgressBar: how far a piece of work has come, over the system progress bar (msctls_progress32):
// Min, Max, Position, Step, Orientation and Smooth.
#pragma once

#include <algorithm>

#include "framework/forms/win_control.h"

namespace ov {

enum TProgressBarOrientation { pbHorizontal, pbVertical };
OV_ENUM_TYPE(TProgressBarOrientation, L"pbHorizontal", L"pbVertical")

// The values live in the control and in the window alike; Position is kept within Min..Max; a Min above Max
// (or a Max below Min) moves the other end along.
// Changing Orientation or Smooth re-creates the window.
class TProgressBar : public TWinControl {
    OV_CLASS(TProgressBar, TWinControl)

    explicit TProgressBar(TComponent* owner);

    [[nodiscard]] int Min() const noexcept { return min_; }
    void SetMin(int value) { SetRange(value, std::max(value, max_)); }
    [[nodiscard]] int Max() const noexcept { return max_; }
    void SetMax(int value) { SetRange(std::min(min_, value), value); }
    [[nodiscard]] int Position() const;
    void SetPosition(int value);
    [[nodiscard]] int Step() const noexcept { return step_; }
    void SetStep(int value);
    [[nodiscard]] TProgressBarOrientation Orientation() const noexcept { return orientation_; }
    void SetOrientation(TProgressBarOrientation value);
    [[nodiscard]] bool Smooth() const noexcept { return smooth_; }
    void SetSmooth(bool value);

    void StepIt() { SetPosition(Position() + step_); }
    void StepBy(int delta) { SetPosition(Position() + delta); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void SetRange(int min, int max);

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
    TProgressBarOrientation orientation_ = pbHorizontal;
    bool smooth_ = false;
};

}  // namespace ov
