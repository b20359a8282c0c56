// TTrackBar: a slider over the system track bar (msctls_trackbar32): range, position, page and
// line steps, a selected range, tick marks, and OnChange when the position moves.
#pragma once

#include <algorithm>

#include "framework/controls/send_if_window.h"
#include "framework/forms/win_control.h"

namespace ov {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
OV_ENUM_TYPE(TTrackBarOrientation, L"trHorizontal", L"trVertical")
OV_ENUM_TYPE(TTickStyle, L"tsNone", L"tsAuto", L"tsManual")
OV_ENUM_TYPE(TTickMark, L"tmBottomRight", L"tmTopLeft", L"tmBoth")

// The user moves the thumb with the mouse or the keyboard; each move fires OnChange with Position
// already updated. Setting Position from code fires OnChange too when it changes the value.
// Changing Orientation, TickStyle or TickMarks re-creates the window.
class TTrackBar : public TWinControl {
    OV_CLASS(TTrackBar, TWinControl)

    explicit TTrackBar(TComponent* owner);

    [[nodiscard]] int Min() const noexcept { return min_; }
    void SetMin(int value) { SetRange(value, std::max(value, max_)); }
    [[nodiscard]] int Max() const noexcept { return max_; }
    void SetMax(int value) { SetRange(std::min(min_, value), value); }
    [[nodiscard]] int Position() const noexcept { return position_; }
    void SetPosition(int value);
    [[nodiscard]] int LineSize() const noexcept { return lineSize_; }
    void SetLineSize(int value);
    [[nodiscard]] int PageSize() const noexcept { return pageSize_; }
    void SetPageSize(int value);
    [[nodiscard]] int Frequency() const noexcept { return frequency_; }
    void SetFrequency(int value);
    [[nodiscard]] int SelStart() const noexcept { return selStart_; }
    void SetSelStart(int value);
    [[nodiscard]] int SelEnd() const noexcept { return selEnd_; }
    void SetSelEnd(int value);
    [[nodiscard]] TTrackBarOrientation Orientation() const noexcept { return orientation_; }
    void SetOrientation(TTrackBarOrientation value);
    [[nodiscard]] TTickStyle TickStyle() const noexcept { return tickStyle_; }
    void SetTickStyle(TTickStyle value);
    [[nodiscard]] TTickMark TickMarks() const noexcept { return tickMarks_; }
    void SetTickMarks(TTickMark value);
    [[nodiscard]] bool SliderVisible() const noexcept { return sliderVisible_; }
    void SetSliderVisible(bool value);
    // A tick at a value (for tsManual).
    void SetTick(int value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    virtual void Changed() { OnChange.Fire(this); }

private:
    void SetRange(int min, int max);
    void SendSelection();
    // NOLINTNEXTLINE(modernize-use-nodiscard): a message is often sent for its effect alone
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendIfWindow(WindowHandle(), msg, wParam, lParam);
    }

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int lineSize_ = 1;
    int pageSize_ = 2;
    int frequency_ = 1;
    int selStart_ = 0;
    int selEnd_ = 0;
    TTrackBarOrientation orientation_ = trHorizontal;
    TTickStyle tickStyle_ = tsAuto;
    TTickMark tickMarks_ = tmBottomRight;
    bool sliderVisible_ = true;
};

}  // namespace ov
