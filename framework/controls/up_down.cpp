// TCustomUpDown: values and the buddy sent to msctls_updown32; UDN_DELTAPOS answered from the
// control's events.
#include "framework/controls/up_down.h"

#include <commctrl.h>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TCustomUpDown::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomUpDown>(L"TCustomUpDown", TWinControl::StaticClass())
            .Property(L"AlignButton", &TCustomUpDown::AlignButton, &TCustomUpDown::SetAlignButton)
            .Property(L"ArrowKeys", &TCustomUpDown::ArrowKeys, &TCustomUpDown::SetArrowKeys)
            .Property(L"Associate", &TCustomUpDown::Associate, &TCustomUpDown::SetAssociate)
            .Property(L"Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement)
            .Property(L"Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax)
            .Property(L"Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin)
            .Property(L"Orientation", &TCustomUpDown::Orientation, &TCustomUpDown::SetOrientation)
            .Property(L"Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition)
            .Property(L"Thousands", &TCustomUpDown::Thousands, &TCustomUpDown::SetThousands)
            .Property(L"Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap)
            .Event(L"OnChanging", &TCustomUpDown::OnChanging)
            .Event(L"OnClick", &TCustomUpDown::OnClick)
            .Build();
    return info;
}

const TClassInfo& TUpDown::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TUpDown>(L"TUpDown", TCustomUpDown::StaticClass()).Creatable().Build();
    return info;
}

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 17, 25);
    SetControlStyle(ControlStyle().Exclude(csClickEvents).Exclude(csSetCaption));
}

void TCustomUpDown::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, UPDOWN_CLASSW);
    params.Style |= UDS_SETBUDDYINT;
    if (associate_)
        params.Style |= alignButton_ == udRight ? UDS_ALIGNRIGHT : UDS_ALIGNLEFT;
    if (orientation_ == udHorizontal)
        params.Style |= UDS_HORZ;
    if (arrowKeys_)
        params.Style |= UDS_ARROWKEYS;
    if (wrap_)
        params.Style |= UDS_WRAP;
    if (!thousands_)
        params.Style |= UDS_NOTHOUSANDS;
}

void TCustomUpDown::CreateWnd()
{
    TWinControl::CreateWnd();
    Send(UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    UDACCEL accel{0, static_cast<UINT>(increment_)};
    Send(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    if (associate_)
        Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    Send(UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::SetRange(int min, int max)
{
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
    Send(UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

int TCustomUpDown::Position() const
{
    if (HandleAllocated())
        return static_cast<int>(Send(UDM_GETPOS32, 0, 0));
    return position_;
}

void TCustomUpDown::SetPosition(int value)
{
    position_ = std::clamp(value, min_, max_);
    Send(UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::SetIncrement(int value)
{
    if (value <= 0 || increment_ == value)
        return;
    increment_ = value;
    UDACCEL accel{0, static_cast<UINT>(value)};
    Send(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TCustomUpDown::SetOrientation(TUDOrientation value)
{
    if (orientation_ == value)
        return;
    orientation_ = value;
    RecreateWnd();
}

void TCustomUpDown::SetAlignButton(TUDAlignButton value)
{
    if (alignButton_ == value)
        return;
    alignButton_ = value;
    RecreateWnd();
}

void TCustomUpDown::SetArrowKeys(bool value)
{
    if (arrowKeys_ == value)
        return;
    arrowKeys_ = value;
    RecreateWnd();
}

void TCustomUpDown::SetWrap(bool value)
{
    if (wrap_ == value)
        return;
    wrap_ = value;
    RecreateWnd();
}

void TCustomUpDown::SetThousands(bool value)
{
    if (thousands_ == value)
        return;
    thousands_ = value;
    RecreateWnd();
}

void TCustomUpDown::SetAssociate(TWinControl* value)
{
    if (associate_ == value)
        return;
    if (associate_)
        associate_->RemoveFreeNotification(this);
    associate_ = value;
    if (associate_)
        associate_->FreeNotification(this);
    if (ComponentState().Contains(csLoading))
        return;
    RecreateWnd();
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == associate_) {
        associate_ = nullptr;
        if (HandleAllocated() && !ComponentState().Contains(csDestroying))
            Send(UDM_SETBUDDY, 0, 0);
    }
}

bool TCustomUpDown::CanChange()
{
    bool allow = true;
    if (OnChanging.Assigned())
        OnChanging(this, allow);
    return allow;
}

// UDN_DELTAPOS comes before the position moves: refusing answers non-zero. The scroll request
// that follows tells the position has moved.
void TCustomUpDown::DeltaPos(TMessage& message)
{
    auto change = reinterpret_cast<const NMUPDOWN*>(message.LParam);
    clickPending_ = CanChange();
    if (!clickPending_) {
        message.Result = 1;
        return;
    }
    lastButton_ = change->iDelta > 0 ? btNext : btPrev;
}

void TCustomUpDown::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(message.LParam)->code == UDN_DELTAPOS)
            DeltaPos(message);
        return;
    case CN_HSCROLL:
    case CN_VSCROLL:
        // The control reports the end of every press, also one that was refused.
        if (LOWORD(message.WParam) == SB_THUMBPOSITION && clickPending_) {
            clickPending_ = false;
            position_ = static_cast<int>(Send(UDM_GETPOS32, 0, 0));
            ArrowClick(lastButton_);
        }
        return;
    default:
        TWinControl::WndProc(message);
    }
}

}  // namespace ov
