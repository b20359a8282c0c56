// TTrackBar: values sent to msctls_trackbar32; the position read back on every scroll request.
#include "framework/controls/track_bar.h"

#include <commctrl.h>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TTrackBar::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TTrackBar>(L"TTrackBar", TWinControl::StaticClass())
            .Creatable()
            .Property(L"Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
            .Property(L"LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize)
            .Property(L"Max", &TTrackBar::Max, &TTrackBar::SetMax)
            .Property(L"Min", &TTrackBar::Min, &TTrackBar::SetMin)
            .Property(L"Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation)
            .Property(L"PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize)
            .Property(L"Position", &TTrackBar::Position, &TTrackBar::SetPosition)
            .Property(L"SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd)
            .Property(L"SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart)
            .Property(L"SliderVisible", &TTrackBar::SliderVisible, &TTrackBar::SetSliderVisible)
            .Property(L"TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks)
            .Property(L"TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle)
            .Event(L"OnChange", &TTrackBar::OnChange)
            .Build();
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, TRACKBAR_CLASSW);
    params.Style |= TBS_ENABLESELRANGE;
    params.Style |= orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
    if (tickStyle_ == tsNone)
        params.Style |= TBS_NOTICKS;
    else if (tickStyle_ == tsAuto)
        params.Style |= TBS_AUTOTICKS;
    static constexpr DWORD kMarks[] = {TBS_BOTTOM, TBS_TOP, TBS_BOTH};  // TBS_RIGHT, TBS_LEFT alike
    params.Style |= kMarks[tickMarks_];
    if (!sliderVisible_)
        params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateWnd()
{
    TWinControl::CreateWnd();
    Send(TBM_SETRANGEMIN, FALSE, min_);
    Send(TBM_SETRANGEMAX, FALSE, max_);
    Send(TBM_SETLINESIZE, 0, lineSize_);
    Send(TBM_SETPAGESIZE, 0, pageSize_);
    Send(TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    SendSelection();
    Send(TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetRange(int min, int max)
{
    if (min == min_ && max == max_)
        return;
    min_ = min;
    max_ = max;
    Send(TBM_SETRANGEMIN, FALSE, min_);
    Send(TBM_SETRANGEMAX, TRUE, max_);
    SetPosition(position_);
}

void TTrackBar::SetPosition(int value)
{
    value = std::clamp(value, min_, max_);
    Send(TBM_SETPOS, TRUE, value);
    if (position_ == value)
        return;
    position_ = value;
    if (!ComponentState().Contains(csLoading))
        Changed();
}

void TTrackBar::SetLineSize(int value)
{
    lineSize_ = value;
    Send(TBM_SETLINESIZE, 0, value);
}

void TTrackBar::SetPageSize(int value)
{
    pageSize_ = value;
    Send(TBM_SETPAGESIZE, 0, value);
}

void TTrackBar::SetFrequency(int value)
{
    frequency_ = value;
    Send(TBM_SETTICFREQ, static_cast<WPARAM>(value), 0);
}

void TTrackBar::SendSelection()
{
    if (selEnd_ > selStart_) {
        Send(TBM_SETSELSTART, FALSE, selStart_);
        Send(TBM_SETSELEND, TRUE, selEnd_);
    } else {
        Send(TBM_CLEARSEL, TRUE, 0);
    }
}

void TTrackBar::SetSelStart(int value)
{
    selStart_ = value;
    SendSelection();
}

void TTrackBar::SetSelEnd(int value)
{
    selEnd_ = value;
    SendSelection();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value)
{
    if (orientation_ == value)
        return;
    orientation_ = value;
    // The slider turns with its bounds (as it would when placed the other way round).
    if (!ComponentState().Contains(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value)
{
    if (tickStyle_ == value)
        return;
    tickStyle_ = value;
    RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value)
{
    if (tickMarks_ == value)
        return;
    tickMarks_ = value;
    RecreateWnd();
}

void TTrackBar::SetSliderVisible(bool value)
{
    if (sliderVisible_ == value)
        return;
    sliderVisible_ = value;
    RecreateWnd();
}

void TTrackBar::SetTick(int value) { Send(TBM_SETTIC, 0, value); }

void TTrackBar::WndProc(TMessage& message)
{
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        int value = static_cast<int>(Send(TBM_GETPOS, 0, 0));
        if (value != position_) {
            position_ = value;
            Changed();
        }
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
