// TProgressBar: the range, position and step sent to msctls_progress32.
#include "framework/controls/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TProgressBar::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TProgressBar>(L"TProgressBar", TWinControl::StaticClass())
            .Creatable()
            .Property(L"Min", &TProgressBar::Min, &TProgressBar::SetMin)
            .Property(L"Max", &TProgressBar::Max, &TProgressBar::SetMax)
            .Property(L"Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation)
            .Property(L"Position", &TProgressBar::Position, &TProgressBar::SetPosition)
            .Property(L"Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
            .Property(L"Step", &TProgressBar::Step, &TProgressBar::SetStep)
            .Build();
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, PROGRESS_CLASSW);
    if (orientation_ == pbVertical)
        params.Style |= PBS_VERTICAL;
    if (smooth_)
        params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd()
{
    TWinControl::CreateWnd();
    HWND window = WindowHandle();
    SendMessageW(window, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageW(window, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
    SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetRange(int min, int max)
{
    if (min > max || (min == min_ && max == max_))
        return;
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
    if (HWND window = WindowHandle())
        SendMessageW(window, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

int TProgressBar::Position() const
{
    if (HWND window = WindowHandle())
        return static_cast<int>(SendMessageW(window, PBM_GETPOS, 0, 0));
    return position_;
}

void TProgressBar::SetPosition(int value)
{
    position_ = std::clamp(value, min_, max_);
    if (HWND window = WindowHandle())
        SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetStep(int value)
{
    step_ = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value)
{
    if (orientation_ == value)
        return;
    orientation_ = value;
    RecreateWnd();
}

void TProgressBar::SetSmooth(bool value)
{
    if (smooth_ == value)
        return;
    smooth_ = value;
    RecreateWnd();
}

}  // namespace ov
