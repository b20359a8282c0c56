// TScrollBar: a stand-alone scroll bar over the system SCROLLBAR class: Kind, range, position, line
// and page steps, and the events of the user's scrolling.
#pragma once

#include <algorithm>

#include "framework/forms/win_control.h"

namespace ov {

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
OV_ENUM_TYPE(TScrollBarKind, L"sbHorizontal", L"sbVertical")
OV_ENUM_TYPE(TScrollCode, L"scLineUp", L"scLineDown", L"scPageUp", L"scPageDown", L"scPosition", L"scTrack", L"scTop",
             L"scBottom", L"scEndScroll")

using TScrollEvent = TEvent<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;
OV_EVENT_TYPE(TScrollEvent)

// The system bar only reports requests; this control moves its Position for them: a line by
// SmallChange, a page by LargeChange, the thumb to where it is dragged. OnScroll may change the
// position a request leads to; OnChange fires whenever Position changes (by code too).
class TScrollBar : public TWinControl {
    OV_CLASS(TScrollBar, TWinControl)

    explicit TScrollBar(TComponent* owner);

    [[nodiscard]] TScrollBarKind Kind() const noexcept { return kind_; }
    void SetKind(TScrollBarKind value);
    [[nodiscard]] int Min() const noexcept { return min_; }
    void SetMin(int value) { SetParams(position_, value, std::max(value, max_)); }
    [[nodiscard]] int Max() const noexcept { return max_; }
    void SetMax(int value) { SetParams(position_, std::min(min_, value), value); }
    [[nodiscard]] int Position() const noexcept { return position_; }
    void SetPosition(int value) { SetParams(value, min_, max_); }
    [[nodiscard]] int SmallChange() const noexcept { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    [[nodiscard]] int LargeChange() const noexcept { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    // The thumb's size in units of the range; 0 for the system's square thumb.
    [[nodiscard]] int PageSize() const noexcept { return pageSize_; }
    void SetPageSize(int value);
    void SetParams(int position, int min, int max);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void Scroll(WORD request);
    [[nodiscard]] int Target(WORD request) const;
    void SendScrollInfo();

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    int pageSize_ = 0;
};

}  // namespace ov
