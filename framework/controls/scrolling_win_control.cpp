// TScrollingWinControl: the range of each bar from the children, scroll requests turned into
// positions, and the children moved by every change of position.
#include "framework/controls/scrolling_win_control.h"

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TControlScrollBar::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TControlScrollBar>(L"TControlScrollBar", TPersistent::StaticClass())
            .Property(L"Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement)
            .Property(L"Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition)
            .Property(L"Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange)
            .Property(L"Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible)
            .Build();
    return info;
}

TControlScrollBar::TControlScrollBar(TScrollingWinControl& control, bool vertical)
    : control_(control), vertical_(vertical)
{
}

int TControlScrollBar::PageSize() const
{
    RECT client = control_.ClientRect();
    return vertical_ ? client.bottom - client.top : client.right - client.left;
}

int TControlScrollBar::MaxPosition() const { return std::max(range_ - PageSize(), 0); }

bool TControlScrollBar::IsScrollBarVisible() const { return visible_ && range_ > PageSize(); }

void TControlScrollBar::SetRange(int value)
{
    range_ = std::max(value, 0);
    control_.SetAutoScroll(false);
    Update();
}

void TControlScrollBar::SetVisible(bool value)
{
    visible_ = value;
    Update();
}

void TControlScrollBar::SetPosition(int value)
{
    value = std::clamp(value, 0, MaxPosition());
    int delta = value - position_;
    if (delta == 0)
        return;
    position_ = value;
    if (vertical_)
        control_.ScrollContent(0, -delta);
    else
        control_.ScrollContent(-delta, 0);
    Update();
}

void TControlScrollBar::Scroll(WORD request)
{
    switch (request) {
    case SB_LINEUP:
        SetPosition(position_ - increment_);
        break;
    case SB_LINEDOWN:
        SetPosition(position_ + increment_);
        break;
    case SB_PAGEUP:
        SetPosition(position_ - PageSize());
        break;
    case SB_PAGEDOWN:
        SetPosition(position_ + PageSize());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(control_.WindowHandle(), vertical_ ? SB_VERT : SB_HORZ, &info);
        SetPosition(info.nTrackPos);
        break;
    }
    case SB_TOP:
        SetPosition(0);
        break;
    case SB_BOTTOM:
        SetPosition(MaxPosition());
        break;
    default:
        break;
    }
}

// Shows the bar with the range and page, or hides it when everything fits (scrolling back to the
// start first, so that nothing stays out of reach).
void TControlScrollBar::Update()
{
    if (!IsScrollBarVisible() && position_ != 0)
        SetPosition(0);
    else if (position_ > MaxPosition())
        SetPosition(MaxPosition());
    HWND window = control_.WindowHandle();
    if (!window)
        return;
    int bar = vertical_ ? SB_VERT : SB_HORZ;
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    if (IsScrollBarVisible()) {
        info.nMax = range_ - 1;
        info.nPage = static_cast<UINT>(PageSize());
        info.nPos = position_;
    }
    SetScrollInfo(window, bar, &info, TRUE);
    ShowScrollBar(window, bar, IsScrollBarVisible());
}

const TClassInfo& TScrollingWinControl::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TScrollingWinControl>(L"TScrollingWinControl", TWinControl::StaticClass())
            .Property(L"AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll)
            .Property(L"HorzScrollBar", &TScrollingWinControl::HorzScrollBar)
            .Property(L"VertScrollBar", &TScrollingWinControl::VertScrollBar)
            .Build();
    return info;
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      horzScrollBar_(std::make_unique<TControlScrollBar>(*this, false)),
      vertScrollBar_(std::make_unique<TControlScrollBar>(*this, true))
{
}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool value)
{
    if (autoScroll_ == value)
        return;
    autoScroll_ = value;
    UpdateScrollBars();
}

// The far edges of the visible children, measured from the unscrolled origin.
SIZE TScrollingWinControl::ContentExtent() const
{
    SIZE extent{0, 0};
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (!child->Visible() || child->Align() != alNone)
            continue;
        extent.cx = std::max<LONG>(extent.cx, child->Left() + child->Width() + horzScrollBar_->position_);
        extent.cy = std::max<LONG>(extent.cy, child->Top() + child->Height() + vertScrollBar_->position_);
    }
    return extent;
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (updating_ || ComponentState().Contains(csLoading))
        return;
    updating_ = true;
    if (autoScroll_) {
        SIZE extent = ContentExtent();
        horzScrollBar_->range_ = extent.cx;
        vertScrollBar_->range_ = extent.cy;
    }
    // Showing one bar narrows the client area, which may call for the other: twice settles it.
    for (int pass = 0; pass < 2; ++pass) {
        horzScrollBar_->Update();
        vertScrollBar_->Update();
    }
    updating_ = false;
}

void TScrollingWinControl::ScrollContent(int dx, int dy)
{
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (child->Align() == alNone)
            child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    }
    EnableAlign();
    Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* control)
{
    if (!control || control->Parent() != this)
        return;
    RECT client = ClientRect();
    auto bring = [](TControlScrollBar& bar, int low, int high, int page) {
        if (low < 0)
            bar.SetPosition(bar.Position() + low);
        else if (high > page)
            bar.SetPosition(bar.Position() + std::min(high - page, low));
    };
    bring(*horzScrollBar_, control->Left(), control->Left() + control->Width(), client.right);
    bring(*vertScrollBar_, control->Top(), control->Top() + control->Height(), client.bottom);
}

void TScrollingWinControl::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl* control, RECT& rect)
{
    TWinControl::AlignControls(control, rect);
    UpdateScrollBars();
}

void TScrollingWinControl::WndProc(TMessage& message)
{
    // The window's own bars send no handle; a child bar's requests go on to the child.
    bool ownBar = message.LParam == 0;
    switch (message.Msg) {
    case WM_HSCROLL:
        if (!ownBar)
            break;
        horzScrollBar_->Scroll(LOWORD(message.WParam));
        return;
    case WM_VSCROLL:
        if (!ownBar)
            break;
        vertScrollBar_->Scroll(LOWORD(message.WParam));
        return;
    case CM_CONTROLLISTCHANGE:
    case CM_CONTROLCHANGE:
        TWinControl::WndProc(message);
        UpdateScrollBars();
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
