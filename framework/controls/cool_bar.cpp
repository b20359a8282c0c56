// TCoolBar: the bands collection mirrored into ReBarWindow32, and the bar's height following its
// rows.
#include "framework/controls/cool_bar.h"

#include <commctrl.h>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TCoolBand::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCoolBand>(L"TCoolBand", TCollectionItem::StaticClass())
                                        .Property(L"Break", &TCoolBand::Break, &TCoolBand::SetBreak)
                                        .Property(L"Control", &TCoolBand::Control, &TCoolBand::SetControl)
                                        .Property(L"MinHeight", &TCoolBand::MinHeight, &TCoolBand::SetMinHeight)
                                        .Property(L"MinWidth", &TCoolBand::MinWidth, &TCoolBand::SetMinWidth)
                                        .Property(L"Text", &TCoolBand::Text, &TCoolBand::SetText)
                                        .Property(L"Visible", &TCoolBand::Visible, &TCoolBand::SetVisible)
                                        .Property(L"Width", &TCoolBand::Width, &TCoolBand::SetWidth)
                                        .Build();
    return info;
}

TCoolBar* TCoolBand::Bar() const { return Collection() ? dynamic_cast<TCoolBar*>(Collection()->Owner()) : nullptr; }

void TCoolBand::Changed()
{
    if (TCoolBar* bar = Bar())
        bar->BandsChanged();
}

void TCoolBand::SetControl(TWinControl* value)
{
    if (control_ == value)
        return;
    TCoolBar* bar = Bar();
    if (control_ && bar)
        control_->RemoveFreeNotification(bar);
    control_ = value;
    if (control_ && bar) {
        control_->FreeNotification(bar);
        if (control_->Parent() != bar)
            control_->SetParent(bar);
    }
    Changed();
}

void TCoolBand::SetText(const std::wstring& value)
{
    text_ = value;
    Changed();
}

// The user may have dragged the band to another width: the window knows best.
int TCoolBand::Width() const
{
    TCoolBar* bar = Bar();
    if (!bar || !bar->HandleAllocated())
        return width_;
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_SIZE;
    if (SendMessageW(bar->WindowHandle(), RB_GETBANDINFOW, static_cast<WPARAM>(Index()),
                     reinterpret_cast<LPARAM>(&info)))
        return static_cast<int>(info.cx);
    return width_;
}

void TCoolBand::SetWidth(int value)
{
    width_ = value;
    Changed();
}

void TCoolBand::SetMinHeight(int value)
{
    minHeight_ = value;
    Changed();
}

void TCoolBand::SetMinWidth(int value)
{
    minWidth_ = value;
    Changed();
}

void TCoolBand::SetBreak(bool value)
{
    break_ = value;
    Changed();
}

void TCoolBand::SetVisible(bool value)
{
    visible_ = value;
    Changed();
}

const TClassInfo& TCoolBar::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCoolBar>(L"TCoolBar", TWinControl::StaticClass())
            .Creatable()
            .Property(L"AutoSize", &TCoolBar::AutoSize, &TCoolBar::SetAutoSize)
            .Property(L"BandBorderStyle", &TCoolBar::BandBorderStyle, &TCoolBar::SetBandBorderStyle)
            .Property(L"Bands", &TCoolBar::Bands)
            .Build();
    return info;
}

TCoolBar::TCoolBar(TComponent* owner)
    : TWinControl(owner),
      bands_(std::make_unique<TCollection>([](TCollection* c) { return std::make_unique<TCoolBand>(c); }, this))
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
    SetBounds(0, 0, 150, 75);
    SetAlign(alTop);
    bands_->OnChange = TNotifyEvent(this, &TCoolBar::BandsChanged);
}

TCoolBar::~TCoolBar() { bands_->OnChange = {}; }

TCoolBand* TCoolBar::AddBand(TWinControl* control, const std::wstring& text, int width)
{
    auto band = static_cast<TCoolBand*>(bands_->Add());
    band->SetText(text);
    band->SetWidth(width);
    band->SetControl(control);
    return band;
}

void TCoolBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, REBARCLASSNAMEW);
    // The framework places the bar (CCS_NORESIZE); the bar places the bands' controls.
    params.Style |= WS_CLIPCHILDREN | CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN | RBS_VARHEIGHT;
    if (bandBorders_)
        params.Style |= RBS_BANDBORDERS;
}

void TCoolBar::CreateWnd()
{
    TWinControl::CreateWnd();
    BandsChanged();
}

void TCoolBar::Loaded()
{
    TWinControl::Loaded();
    BandsChanged();
}

void TCoolBar::InsertBand(int index)
{
    TCoolBand* band = Band(index);
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_ID;
    info.fStyle = RBBS_CHILDEDGE | (band->break_ ? RBBS_BREAK : 0) | (band->visible_ ? 0 : RBBS_HIDDEN);
    info.lpText = const_cast<wchar_t*>(band->text_.c_str());
    info.cx = static_cast<UINT>(band->width_);
    info.cxMinChild = static_cast<UINT>(band->minWidth_);
    info.cyMinChild = static_cast<UINT>(band->minHeight_);
    info.wID = static_cast<UINT>(index);
    if (band->control_) {
        info.fMask |= RBBIM_CHILD;
        info.hwndChild = band->control_->Handle();
    }
    SendMessageW(WindowHandle(), RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
}

void TCoolBar::BandsChanged(TObject*)
{
    if (!HandleAllocated() || rebuilding_ || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDestroying))
        return;
    rebuilding_ = true;
    HWND window = WindowHandle();
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    while (SendMessageW(window, RB_GETBANDCOUNT, 0, 0) > 0)
        SendMessageW(window, RB_DELETEBAND, 0, 0);
    for (int i = 0; i < bands_->Count(); ++i)
        InsertBand(i);
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
    rebuilding_ = false;
    AdjustHeight();
}

void TCoolBar::AdjustHeight()
{
    if (!autoSize_ || !HandleAllocated() || bands_->Count() == 0)
        return;
    int height = static_cast<int>(SendMessageW(WindowHandle(), RB_GETBARHEIGHT, 0, 0));
    if (height > 0 && height != Height())
        SetHeight(height);
}

int TCoolBar::RowCount() const
{
    return HandleAllocated() ? static_cast<int>(SendMessageW(WindowHandle(), RB_GETROWCOUNT, 0, 0)) : 0;
}

void TCoolBar::SetAutoSize(bool value)
{
    autoSize_ = value;
    AdjustHeight();
}

void TCoolBar::SetBandBorderStyle(bool value)
{
    if (bandBorders_ == value)
        return;
    bandBorders_ = value;
    RecreateWnd();
}

void TCoolBar::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    for (int i = 0; i < bands_->Count(); ++i)
        if (Band(i)->control_ == component)
            Band(i)->control_ = nullptr;
}

void TCoolBar::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY && reinterpret_cast<const NMHDR*>(message.LParam)->code == RBN_HEIGHTCHANGE) {
        AdjustHeight();
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
