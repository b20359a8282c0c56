// TScrollBar: scroll requests turned into positions, the range and thumb sent with SetScrollInfo.
#include "framework/controls/scroll_bar.h"

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TScrollBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TScrollBar>(L"TScrollBar", TWinControl::StaticClass())
                                        .Creatable()
                                        .Property(L"Kind", &TScrollBar::Kind, &TScrollBar::SetKind)
                                        .Property(L"LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
                                        .Property(L"Max", &TScrollBar::Max, &TScrollBar::SetMax)
                                        .Property(L"Min", &TScrollBar::Min, &TScrollBar::SetMin)
                                        .Property(L"PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
                                        .Property(L"Position", &TScrollBar::Position, &TScrollBar::SetPosition)
                                        .Property(L"SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
                                        .Event(L"OnChange", &TScrollBar::OnChange)
                                        .Event(L"OnScroll", &TScrollBar::OnScroll)
                                        .Build();
    return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
    SetControlStyle({csFramed, csDoubleClicks, csOpaque});
}

void TScrollBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, L"SCROLLBAR");
    params.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd()
{
    TWinControl::CreateWnd();
    SendScrollInfo();
}

void TScrollBar::SendScrollInfo()
{
    HWND window = WindowHandle();
    if (!window)
        return;
    // The system bar's range ends where the thumb's far edge stops: Max plus the page less one.
    SCROLLINFO info{sizeof(info),
                    SIF_RANGE | SIF_POS | SIF_PAGE,
                    min_,
                    max_ + std::max(pageSize_ - 1, 0),
                    static_cast<UINT>(pageSize_),
                    position_,
                    0};
    SetScrollInfo(window, SB_CTL, &info, TRUE);
}

void TScrollBar::SetParams(int position, int min, int max)
{
    if (max < min)
        return;
    position = std::clamp(position, min, max);
    bool moved = position != position_;
    min_ = min;
    max_ = max;
    position_ = position;
    SendScrollInfo();
    if (moved && !ComponentState().Contains(csLoading))
        OnChange.Fire(this);
}

void TScrollBar::SetPageSize(int value)
{
    pageSize_ = std::max(value, 0);
    SendScrollInfo();
}

void TScrollBar::SetKind(TScrollBarKind value)
{
    if (kind_ == value)
        return;
    kind_ = value;
    if (!ComponentState().Contains(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

// The position a scroll request asks for.
int TScrollBar::Target(WORD request) const
{
    switch (request) {
    case SB_LINEUP:
        return position_ - smallChange_;
    case SB_LINEDOWN:
        return position_ + smallChange_;
    case SB_PAGEUP:
        return position_ - largeChange_;
    case SB_PAGEDOWN:
        return position_ + largeChange_;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(WindowHandle(), SB_CTL, &info);
        return info.nTrackPos;
    }
    case SB_TOP:
        return min_;
    case SB_BOTTOM:
        return max_;
    default:
        return position_;
    }
}

void TScrollBar::Scroll(WORD request)
{
    if (request > SB_ENDSCROLL)
        return;
    int target = std::clamp(Target(request), min_, max_);
    static constexpr TScrollCode kCodes[] = {scLineUp, scLineDown, scPageUp, scPageDown, scPosition,
                                             scTrack,  scTop,      scBottom, scEndScroll};
    if (OnScroll.Assigned())
        OnScroll(this, kCodes[request], target);
    SetPosition(target);
}

void TScrollBar::WndProc(TMessage& message)
{
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        Scroll(LOWORD(message.WParam));
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
