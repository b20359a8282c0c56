// TToolBar and TToolButton: buttons mirrored into ToolbarWindow32, their bounds read back, mouse
// messages left to the system control, clicks and custom drawing from its notifications.
#include "framework/controls/tool_bar.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/graphics/font.h"
#include "framework/forms/hint.h"
#include "framework/forms/menus.h"
#include "framework/forms/mouse.h"
#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

namespace {

bool IsClientMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }

bool IsButtonPress(UINT msg)
{
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

BYTE ButtonStyle(TToolButtonStyle style)
{
    switch (style) {
    case tbsCheck:
        return BTNS_CHECK;
    case tbsDropDown:
        return BTNS_DROPDOWN;
    case tbsSeparator:
    case tbsDivider:
        return BTNS_SEP;
    default:
        return BTNS_BUTTON;
    }
}

// Gives the canvas the paint DC of a custom-draw notification for one handler call, and takes it
// back (restoring the DC) whatever the handler does.
class CanvasOnDC {
public:
    CanvasOnDC(TCanvas& canvas, HDC dc, const TFont& font, TColor color) : canvas_(canvas)
    {
        canvas_.SetHandle(dc);
        canvas_.SetFont(font);
        canvas_.Brush()->SetColor(color);
    }
    ~CanvasOnDC() { canvas_.SetHandle(nullptr); }
    CanvasOnDC(const CanvasOnDC&) = delete;
    CanvasOnDC& operator=(const CanvasOnDC&) = delete;

private:
    TCanvas& canvas_;
};

}  // namespace

// --- TToolButton ------------------------------------------------------------------------------------

const TClassInfo& TToolButton::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TToolButton>(L"TToolButton", TControl::StaticClass())
            .Creatable()
            .Property(L"Down", &TToolButton::Down, &TToolButton::SetDown)
            .Property(L"ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
            .Property(L"Indeterminate", &TToolButton::Indeterminate, &TToolButton::SetIndeterminate)
            .Property(L"Marked", &TToolButton::Marked, &TToolButton::SetMarked)
            .Property(L"Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped)
            .Property(L"AutoSize", &TToolButton::AutoSize, &TToolButton::SetAutoSize)
            .Property(L"MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem)
            .Property(L"Style", &TToolButton::Style, &TToolButton::SetStyle)
            .Build();
    return info;
}

TToolButton::TToolButton(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton()
{
    if (toolBar_)
        toolBar_->RemoveButton(this);
}

void TToolButton::SetParent(TWinControl* parent)
{
    auto newBar = dynamic_cast<TToolBar*>(parent);
    if (toolBar_ && toolBar_ != newBar)
        toolBar_->RemoveButton(this);
    TControl::SetParent(parent);
    if (newBar && newBar != toolBar_)
        newBar->InsertButton(this);
}

int TToolButton::Index() const
{
    if (!toolBar_)
        return -1;
    auto& buttons = toolBar_->buttons_;
    return static_cast<int>(std::find(buttons.begin(), buttons.end(), this) - buttons.begin());
}

void TToolButton::SetStyle(TToolButtonStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    if ((value == tbsSeparator || value == tbsDivider) && Width() == 23)
        SetWidth(8);
    if (toolBar_)
        toolBar_->UpdateButtonItem(this);
}

void TToolButton::SetImageIndex(int value)
{
    if (value == imageIndex_)
        return;
    imageIndex_ = value;
    if (toolBar_)
        toolBar_->UpdateButtonItem(this);
}

void TToolButton::SetDown(bool value)
{
    if (value == down_)
        return;
    down_ = value;
    if (toolBar_)
        toolBar_->UpdateButtonState(this);
}

void TToolButton::SetIndeterminate(bool value)
{
    indeterminate_ = value;
    if (toolBar_)
        toolBar_->UpdateButtonState(this);
}

void TToolButton::SetMarked(bool value)
{
    marked_ = value;
    if (toolBar_)
        toolBar_->UpdateButtonState(this);
}

void TToolButton::SetGrouped(bool value)
{
    if (value == std::exchange(grouped_, value))
        return;
    if (toolBar_)
        toolBar_->UpdateButtonItem(this);
}

void TToolButton::SetAutoSize(bool value)
{
    if (value == std::exchange(autoSize_, value))
        return;
    if (toolBar_)
        toolBar_->UpdateButtonItem(this);
}

void TToolButton::SetMenuItem(TMenuItem* value)
{
    if (menuItem_ == value)
        return;
    if (menuItem_)
        menuItem_->RemoveFreeNotification(this);
    menuItem_ = value;
    if (value)
        value->FreeNotification(this);
    UpdateFromMenuItem();
}

void TToolButton::UpdateFromMenuItem()
{
    if (!menuItem_)
        return;
    SetCaption(menuItem_->Caption());
    SetImageIndex(menuItem_->ImageIndex());
    SetEnabled(menuItem_->Enabled());
    SetVisible(menuItem_->Visible());
}

void TToolButton::Notification(TComponent* component, TOperation operation)
{
    TControl::Notification(component, operation);
    if (operation == opRemove && component == menuItem_)
        menuItem_ = nullptr;
}

// A button standing for a command item runs the item; one with a submenu drops it instead
// (TToolBar::TrackMenu), so its click has nothing to run.
void TToolButton::Click()
{
    if (menuItem_ && menuItem_->Count() == 0)
        menuItem_->Click();
    else if (!menuItem_)
        TControl::Click();
}

void TToolButton::WndProc(TMessage& message)
{
    TControl::WndProc(message);
    if (!toolBar_)
        return;
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        toolBar_->UpdateButtonItem(this);
        break;
    case CM_ENABLEDCHANGED:
        toolBar_->UpdateButtonState(this);
        break;
    case CM_VISIBLECHANGED:
        toolBar_->UpdateButtonState(this);
        toolBar_->LayoutChanged();
        break;
    default:
        break;
    }
}

// --- TToolBar: properties ----------------------------------------------------------------------------

const TClassInfo& TToolBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TToolBar>(L"TToolBar", TWinControl::StaticClass())
                                        .Creatable()
                                        .Property(L"AutoSize", &TToolBar::AutoSize, &TToolBar::SetAutoSize)
                                        .Property(L"BorderWidth", &TToolBar::BorderWidth, &TToolBar::SetBorderWidth)
                                        .Property(L"ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight)
                                        .Property(L"ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth)
                                        .Property(L"Flat", &TToolBar::Flat, &TToolBar::SetFlat)
                                        .Property(L"HotImages", &TToolBar::HotImages, &TToolBar::SetHotImages)
                                        .Property(L"Images", &TToolBar::Images, &TToolBar::SetImages)
                                        .Property(L"List", &TToolBar::List, &TToolBar::SetList)
                                        .Property(L"ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)
                                        .Property(L"Transparent", &TToolBar::Transparent, &TToolBar::SetTransparent)
                                        .Property(L"Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable)
                                        .Property(L"EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders)
                                        .Property(L"Indent", &TToolBar::Indent, &TToolBar::SetIndent)
                                        .Event(L"OnCustomDraw", &TToolBar::OnCustomDraw)
                                        .Event(L"OnCustomDrawButton", &TToolBar::OnCustomDrawButton)
                                        .Build();
    return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 150, 29);
    SetAlign(alTop);
    SetParentColor(false);
    SetColor(clBtnFace);
    SetControlStyle({csAcceptsControls, csClickEvents, csDoubleClicks});
    imageChangeLink_.OnChange = TNotifyEvent(this, &TToolBar::ImageListChange);
    hotImageChangeLink_.OnChange = TNotifyEvent(this, &TToolBar::ImageListChange);
}

TToolBar::~TToolBar()
{
    for (TToolButton* button : buttons_)
        button->toolBar_ = nullptr;
}

void TToolBar::SetButtonWidth(int value)
{
    if (value > 0 && value != buttonWidth_) {
        buttonWidth_ = value;
        LayoutChanged();
    }
}

void TToolBar::SetButtonHeight(int value)
{
    if (value > 0 && value != buttonHeight_) {
        buttonHeight_ = value;
        LayoutChanged();
    }
}

// Styles the system control only reads when it is created.
void TToolBar::SetShowCaptions(bool value)
{
    if (value != std::exchange(showCaptions_, value))
        RecreateWnd();
}
void TToolBar::SetList(bool value)
{
    if (value != std::exchange(list_, value))
        RecreateWnd();
}
void TToolBar::SetFlat(bool value)
{
    if (value != std::exchange(flat_, value))
        ApplyDrawingStyle(TBSTYLE_FLAT, value);
}
void TToolBar::SetTransparent(bool value)
{
    if (value != std::exchange(transparent_, value))
        ApplyDrawingStyle(TBSTYLE_TRANSPARENT, value);
}

// Flat and transparent only change how the control draws, and it takes a new window style as it
// comes (WM_STYLECHANGED): a live bar is changed in place, where making it anew would build every
// button again.
void TToolBar::ApplyDrawingStyle(DWORD style, bool on)
{
    if (!HandleAllocated())
        return;
    HWND bar = WindowHandle();
    LONG_PTR current = ::GetWindowLongPtrW(bar, GWL_STYLE);
    ::SetWindowLongPtrW(bar, GWL_STYLE, on ? current | style : current & ~static_cast<LONG_PTR>(style));
    ::RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}
void TToolBar::SetWrapable(bool value)
{
    if (value != std::exchange(wrapable_, value))
        RecreateWnd();
}

void TToolBar::SetAutoSize(bool value)
{
    autoSize_ = value;
    AdjustAutoSize();
}

void TToolBar::SetEdgeBorders(TEdgeBorders value)
{
    if (value == edgeBorders_)
        return;
    edgeBorders_ = value;
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutChanged();
}

void TToolBar::SetIndent(int value)
{
    if (value < 0 || value == indent_)
        return;
    indent_ = value;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), TB_SETINDENT, static_cast<WPARAM>(value), 0);
    LayoutChanged();
}

// The etched edges take two pixels on each side that has one.
RECT TToolBar::EdgeInsets() const
{
    constexpr int kEdge = 2;
    return {edgeBorders_.Contains(ebLeft) ? kEdge : 0, edgeBorders_.Contains(ebTop) ? kEdge : 0,
            edgeBorders_.Contains(ebRight) ? kEdge : 0, edgeBorders_.Contains(ebBottom) ? kEdge : 0};
}

void TToolBar::SetBorderWidth(int value)
{
    if (value < 0 || value == borderWidth_)
        return;
    borderWidth_ = value;
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutChanged();
}

void TToolBar::SetImages(TCustomImageList* value)
{
    if (!AttachImageList(*this, images_, value, imageChangeLink_))
        return;
    ImageListChange(nullptr);
}

void TToolBar::SetHotImages(TCustomImageList* value)
{
    if (!AttachImageList(*this, hotImages_, value, hotImageChangeLink_))
        return;
    ImageListChange(nullptr);
}

void TToolBar::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == images_)
        SetImages(nullptr);
    if (component == hotImages_)
        SetHotImages(nullptr);
}

// The system control sends its notifications to the window it was created under; a new parent
// window takes them over.
void TToolBar::SetParent(TWinControl* parent)
{
    TWinControl::SetParent(parent);
    if (HandleAllocated() && parent && parent->HandleAllocated())
        SendMessageW(WindowHandle(), TB_SETPARENT, reinterpret_cast<WPARAM>(parent->WindowHandle()), 0);
}

// A layout stores the buttons in any order; they stand on the bar in the order of their places.
void TToolBar::Loaded()
{
    std::stable_sort(buttons_.begin(), buttons_.end(), [](TToolButton* a, TToolButton* b) {
        return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
    });
    TWinControl::Loaded();
    if (HandleAllocated())
        RecreateWnd();
}

// --- TToolBar: the window and its items -------------------------------------------------------------

void TToolBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, TOOLBARCLASSNAMEW);
    // The framework places and sizes the bar; the system control only lays out its buttons.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (flat_)
        params.Style |= TBSTYLE_FLAT;
    if (list_)
        params.Style |= TBSTYLE_LIST;
    if (transparent_)
        params.Style |= TBSTYLE_TRANSPARENT;
    if (wrapable_)
        params.Style |= TBSTYLE_WRAPABLE;
}

void TToolBar::CreateWnd()
{
    TWinControl::CreateWnd();
    HWND window = WindowHandle();
    SendMessageW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(window, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    if (images_)
        SendMessageW(window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    if (hotImages_)
        SendMessageW(window, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages_->Handle()));
    if (indent_ > 0)
        SendMessageW(window, TB_SETINDENT, static_cast<WPARAM>(indent_), 0);
    for (int i = 0; i < ButtonCount(); ++i)
        InsertButtonItem(i);
    LayoutChanged();
}

void TToolBar::InsertButton(TToolButton* button)
{
    button->toolBar_ = this;
    button->command_ = nextCommand_++;
    buttons_.push_back(button);
    if (HandleAllocated()) {
        InsertButtonItem(ButtonCount() - 1);
        LayoutChanged();
    }
}

void TToolBar::RemoveButton(TToolButton* button)
{
    int index = button->Index();
    if (index < 0 || index >= ButtonCount())
        return;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
    buttons_.erase(buttons_.begin() + index);
    button->toolBar_ = nullptr;
    if (MouseControl() == button)
        SetMouseControl(this);
    LayoutChanged();
}

// The TBSTATE_* flags of a button.
static BYTE ButtonState(const TToolButton& button)
{
    BYTE state = 0;
    if (button.Enabled())
        state |= TBSTATE_ENABLED;
    if (!button.Visible())
        state |= TBSTATE_HIDDEN;
    if (button.Down())
        state |= button.Style() == tbsCheck ? TBSTATE_CHECKED : TBSTATE_PRESSED;
    if (button.Indeterminate())
        state |= TBSTATE_INDETERMINATE;
    if (button.Marked())
        state |= TBSTATE_MARKED;
    return state;
}

void TToolBar::InsertButtonItem(int index)
{
    if (!HandleAllocated())
        return;
    TToolButton* button = buttons_[static_cast<size_t>(index)];
    std::wstring caption = button->Caption();
    TBBUTTON item{};
    bool separator = button->Style() == tbsSeparator || button->Style() == tbsDivider;
    item.iBitmap = separator                              ? button->Width()
                   : images_ && button->ImageIndex() >= 0 ? button->ImageIndex()
                                                          : I_IMAGENONE;
    item.idCommand = button->command_;
    item.fsState = ButtonState(*button);
    item.fsStyle = ButtonStyle(button->Style());
    if (button->Grouped())
        item.fsStyle |= BTNS_GROUP;
    if (button->AutoSize())
        item.fsStyle |= BTNS_AUTOSIZE;
    item.iString = showCaptions_ && !separator ? reinterpret_cast<INT_PTR>(caption.c_str()) : -1;
    SendMessageW(WindowHandle(), TB_INSERTBUTTONW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

// Caption, image or style changed: the item is made again in its place.
void TToolBar::UpdateButtonItem(TToolButton* button)
{
    int index = button->Index();
    if (!HandleAllocated() || index < 0)
        return;
    SendMessageW(WindowHandle(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
    InsertButtonItem(index);
    LayoutChanged();
}

void TToolBar::UpdateButtonState(TToolButton* button)
{
    if (HandleAllocated())
        SendMessageW(WindowHandle(), TB_SETSTATE, static_cast<WPARAM>(button->command_),
                     MAKELONG(ButtonState(*button), 0));
}

void TToolBar::ImageListChange(TObject*)
{
    if (!HandleAllocated())
        return;
    SendMessageW(WindowHandle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
    SendMessageW(WindowHandle(), TB_SETHOTIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(hotImages_ ? hotImages_->Handle() : nullptr));
    for (TToolButton* button : buttons_)
        UpdateButtonItem(button);
    LayoutChanged();
}

// Sizes go last: inserting items lets the system control resize its buttons to their content.
void TToolBar::ApplySizes()
{
    HWND window = WindowHandle();
    int imageWidth = images_ ? images_->Width() : 0, imageHeight = images_ ? images_->Height() : 0;
    SendMessageW(window, TB_SETBITMAPSIZE, 0, MAKELONG(imageWidth, imageHeight));
    SendMessageW(window, TB_SETBUTTONWIDTH, 0, MAKELONG(buttonWidth_, buttonWidth_));
    SendMessageW(window, TB_SETBUTTONSIZE, 0, MAKELONG(buttonWidth_, buttonHeight_));
}

void TToolBar::LayoutChanged()
{
    if (!HandleAllocated())
        return;
    ApplySizes();
    SendMessageW(WindowHandle(), TB_AUTOSIZE, 0, 0);
    UpdateButtonBounds();
    AdjustAutoSize();
    InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void TToolBar::UpdateButtonBounds()
{
    if (!HandleAllocated() || updatingBounds_)
        return;
    updatingBounds_ = true;
    for (int i = 0; i < ButtonCount(); ++i) {
        RECT r{};
        SendMessageW(WindowHandle(), TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        if (buttons_[static_cast<size_t>(i)]->Visible())
            buttons_[static_cast<size_t>(i)]->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    updatingBounds_ = false;
}

void TToolBar::AdjustAutoSize()
{
    if (!autoSize_ || !HandleAllocated() || ButtonCount() == 0)
        return;
    int bottom = 0;
    for (TToolButton* button : buttons_)
        if (button->Visible())
            bottom = std::max(bottom, button->Top() + button->Height());
    RECT edges = EdgeInsets();
    int height = bottom + 2 * borderWidth_ + edges.top + edges.bottom;
    if (height != Height())
        SetHeight(height);
}

TToolButton* TToolBar::FindButton(int command) const
{
    for (TToolButton* button : buttons_)
        if (button->command_ == command)
            return button;
    return nullptr;
}

TToolButton* TToolBar::ButtonAt(POINT point) const
{
    for (TToolButton* button : buttons_) {
        RECT r = button->BoundsRect();
        if (button->Visible() && PtInRect(&r, point))
            return button;
    }
    return nullptr;
}

// --- TToolBar: messages -----------------------------------------------------------------------------

void TToolBar::WndProc(TMessage& message)
{
    if (IsClientMouseMessage(message.Msg)) {
        if (!HandleMenuButtonPress(message))
            HandleMouse(message);
        return;
    }
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (!HandleAccelerator(message))
            TWinControl::WndProc(message);
        return;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        if (HandleMenuMessage(message))
            return;
        break;
    case WM_MENUSELECT:
        HandleMenuSelect(message);
        return;
    case WM_PAINT:  // the system control draws the buttons; they have nothing of their own
        DefaultHandler(message);
        return;
    case WM_ERASEBKGND:
        if (transparent_)
            DefaultHandler(message);
        else
            TWinControl::WndProc(message);
        return;
    case WM_NCCALCSIZE:
        HandleNcCalcSize(message);
        return;
    case WM_NCPAINT:
        HandleNcPaint(message);
        return;
    case CN_COMMAND:
        HandleCommand(message);
        return;
    case CN_NOTIFY: {
        auto header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code == NM_CUSTOMDRAW) {
            HandleCustomDraw(message);
            return;
        }
        if (header->code == TBN_DROPDOWN) {
            message.Result = TBDDRET_DEFAULT;
            return;
        }
        break;
    }
    case WM_SIZE:
        TWinControl::WndProc(message);
        if (wrapable_ && !updatingBounds_) {
            UpdateButtonBounds();
            AdjustAutoSize();
        }
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

// The system control tracks hot and pressed buttons itself, so mouse messages go to it; the
// framework only learns which button the pointer is over (for hints and mouse enter/leave).
void TToolBar::HandleMouse(TMessage& message)
{
    if (message.Msg == WM_MOUSEMOVE) {
        TControl* over = ButtonAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
        if (!over)
            over = this;
        if (MouseControl() != over) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, WindowHandle(), 0};
            TrackMouseEvent(&track);
            SetMouseControl(over);
        }
    } else if (IsButtonPress(message.Msg)) {
        CancelHint();
    }
    DefaultHandler(message);
}

void TToolBar::HandleCommand(TMessage& message)
{
    message.Result = 0;
    TToolButton* button = FindButton(LOWORD(message.WParam));
    if (!button)
        return;
    if (button->Style() == tbsCheck)
        button->down_ = SendMessageW(WindowHandle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(button->command_), 0) != 0;
    button->Click();
}

void TToolBar::HandleCustomDraw(TMessage& message)
{
    auto draw = reinterpret_cast<NMTBCUSTOMDRAW*>(message.LParam);
    message.Result = CDRF_DODEFAULT;
    bool defaultDraw = true;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        if (OnCustomDraw.Assigned()) {
            CanvasOnDC canvas(canvas_, draw->nmcd.hdc, *Font(), Color());
            OnCustomDraw(this, draw->nmcd.rc, defaultDraw);
        }
        if (!defaultDraw)
            message.Result = CDRF_SKIPDEFAULT;
        else if (OnCustomDrawButton.Assigned())
            message.Result = CDRF_NOTIFYITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT: {
        TToolButton* button = FindButton(static_cast<int>(draw->nmcd.dwItemSpec));
        if (!button || !OnCustomDrawButton.Assigned())
            return;
        CanvasOnDC canvas(canvas_, draw->nmcd.hdc, *Font(), Color());
        OnCustomDrawButton(this, button, CustomDrawState(draw->nmcd.uItemState), defaultDraw);
        if (!defaultDraw)
            message.Result = CDRF_SKIPDEFAULT;
        return;
    }
    default:
        return;
    }
}

// BorderWidth: the client area is inset by it on every side.
void TToolBar::HandleNcCalcSize(TMessage& message)
{
    DefaultHandler(message);
    RECT edges = EdgeInsets();
    if (borderWidth_ <= 0 && edgeBorders_ == TEdgeBorders{})
        return;
    auto rect = reinterpret_cast<RECT*>(message.LParam);  // rgrc[0] when WParam is TRUE
    InflateRect(rect, -borderWidth_, -borderWidth_);
    rect->left += edges.left;
    rect->top += edges.top;
    rect->right -= edges.right;
    rect->bottom -= edges.bottom;
    if (rect->right < rect->left)
        rect->right = rect->left;
    if (rect->bottom < rect->top)
        rect->bottom = rect->top;
}

void TToolBar::HandleNcPaint(TMessage& message)
{
    DefaultHandler(message);
    if (borderWidth_ <= 0 && edgeBorders_ == TEdgeBorders{})
        return;
    HWND window = WindowHandle();
    UniqueWindowDC dc(GetWindowDC(window), handle_traits::WindowDC{window});
    if (!dc)
        return;
    // The client area in window co-ordinates is left alone; the frame round it is filled.
    RECT windowRect, client;
    GetWindowRect(window, &windowRect);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    OffsetRect(&client, origin.x - windowRect.left, origin.y - windowRect.top);
    OffsetRect(&windowRect, -windowRect.left, -windowRect.top);
    ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
    FillRect(dc.get(), &windowRect, BrushHandle());
    UINT sides = (edgeBorders_.Contains(ebLeft) ? BF_LEFT : 0) | (edgeBorders_.Contains(ebTop) ? BF_TOP : 0) |
                 (edgeBorders_.Contains(ebRight) ? BF_RIGHT : 0) | (edgeBorders_.Contains(ebBottom) ? BF_BOTTOM : 0);
    if (sides)
        DrawEdge(dc.get(), &windowRect, EDGE_ETCHED, sides);
}

}  // namespace ov
