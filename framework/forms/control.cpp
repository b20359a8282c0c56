// TControl: placement, appearance, the message slot, and mouse handling shared by windowed and
// windowless controls.
#include "framework/forms/control.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/graphics/font.h"
#include "framework/forms/form.h"
#include "framework/forms/hint.h"
#include "framework/forms/menus.h"
#include "framework/forms/mouse.h"
#include "framework/core/properties.h"
#include "framework/forms/win_control.h"

namespace ov {

const TClassInfo& TControl::StaticClass()
{
    // Every control publishes these, so that a layout may set them on any control; classes add
    // their own.
    static const TClassInfo& info =
        TClassBuilder<TControl>(L"TControl", TComponent::StaticClass())
            .Property(L"Left", &TControl::Left, &TControl::SetLeft)
            .Property(L"Top", &TControl::Top, &TControl::SetTop)
            .Property(L"Width", &TControl::Width, &TControl::SetWidth)
            .Property(L"Height", &TControl::Height, &TControl::SetHeight)
            .Property(L"Cursor", CursorType(), &TControl::Cursor, &TControl::SetCursor)
            .Property(L"Hint", &TControl::Hint, &TControl::SetHint)
            .Property(L"Align", &TControl::Align, &TControl::SetAlign)
            .Property(L"Anchors", &TControl::Anchors, &TControl::SetAnchors)
            .Property(L"Caption", &TControl::Caption, &TControl::SetCaption)
            .Property(L"Text", &TControl::Text, &TControl::SetText)
            .Property(L"Color", ColorType(), &TControl::Color, &TControl::SetColor)
            .Property(L"ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
            .Property(L"Font", &TControl::Font, &TControl::SetFont)
            .Property(L"ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
            .Property(L"ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .Property(L"ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
            .Property(L"PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
            .Property(L"Visible", &TControl::Visible, &TControl::SetVisible)
            .Property(L"Enabled", &TControl::Enabled, &TControl::SetEnabled)
            .Property(L"Constraints", &TControl::Constraints)
            .Property(L"ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
            .Property(L"ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
            .Event(L"OnClick", &TControl::OnClick)
            .Event(L"OnDblClick", &TControl::OnDblClick)
            .Event(L"OnResize", &TControl::OnResize)
            .Event(L"OnMouseDown", &TControl::OnMouseDown)
            .Event(L"OnMouseUp", &TControl::OnMouseUp)
            .Event(L"OnMouseMove", &TControl::OnMouseMove)
            .Event(L"OnMouseEnter", &TControl::OnMouseEnter)
            .Event(L"OnMouseLeave", &TControl::OnMouseLeave)
            .Event(L"OnContextPopup", &TControl::OnContextPopup)
            .Build();
    return info;
}

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState s;
    s.Set(ssShift, keys & MK_SHIFT).Set(ssCtrl, keys & MK_CONTROL);
    s.Set(ssLeft, keys & MK_LBUTTON).Set(ssRight, keys & MK_RBUTTON).Set(ssMiddle, keys & MK_MBUTTON);
    s.Set(ssAlt, GetKeyState(VK_MENU) < 0);
    return s;
}

TShiftState KeyboardShiftState()
{
    TShiftState s;
    s.Set(ssShift, GetKeyState(VK_SHIFT) < 0).Set(ssCtrl, GetKeyState(VK_CONTROL) < 0);
    s.Set(ssAlt, GetKeyState(VK_MENU) < 0);
    return s;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), font_(std::make_unique<TFont>()), constraints_(std::make_unique<TSizeConstraints>())
{
    WindowProc = TWndMethod(this, &TControl::WndProc);
    font_->OnChange = TNotifyEvent(this, &TControl::FontChangedHandler);
    constraints_->OnChange = TNotifyEvent(this, &TControl::ConstraintsChanged);
}

TControl::~TControl()
{
    // Deleted without Free: leave the parent's lists at least.
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::BeforeDestruction()
{
    ForgetMouseControl(this);
    CancelHint(this);
    if (parent_)
        parent_->RemoveControl(this);
    TComponent::BeforeDestruction();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

// --- message handling -------------------------------------------------------------------------

void TControl::WndProc(TMessage& message)
{
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
        HandleMouseMessage(message);
        return;
    }
    switch (message.Msg) {
    case WM_CONTEXTMENU:
        HandleContextMenu(message);
        return;
    case CM_MOUSEENTER:
        OnMouseEnter.Fire(this);
        HintMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        OnMouseLeave.Fire(this);
        HintMouseLeave(this);
        return;
    case CM_CANCELMODE:
        if (MouseCapture())
            SetMouseCapture(false);
        return;
    case CM_VISIBLECHANGED:
        InvalidateControl(true, controlStyle_.Contains(csOpaque) && visible_);
        return;
    case CM_INVALIDATE:
        // A windowless control is painted by its parent: its rectangle there is what to redraw.
        InvalidateControl(visible_, controlStyle_.Contains(csOpaque));
        return;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_PARENTCOLORCHANGED:
        if (parentColor_)
            TakeParentColor();
        return;
    case CM_PARENTFONTCHANGED:
        if (parentFont_)
            TakeParentFont();
        return;
    case CM_PARENTSHOWHINTCHANGED:
        if (parentShowHint_ && parent_)
            showHint_ = parent_->ShowHint();
        return;
    case CM_HITTEST:
        message.Result = HTCLIENT;
        return;
    default:
        DefaultHandler(message);
    }
}

void TControl::DefaultHandler(TMessage& message) { HandleTextMessage(message); }

// A windowless control keeps its text itself.
void TControl::HandleTextMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETTEXT:
        text_ = message.LParam ? reinterpret_cast<const wchar_t*>(message.LParam) : L"";
        message.Result = TRUE;
        break;
    case WM_GETTEXTLENGTH:
        message.Result = static_cast<LRESULT>(text_.size());
        break;
    case WM_GETTEXT: {
        auto capacity = static_cast<size_t>(message.WParam);
        if (capacity == 0 || !message.LParam)
            break;
        size_t n = std::min(capacity - 1, text_.size());
        auto buffer = reinterpret_cast<wchar_t*>(message.LParam);
        std::copy_n(text_.data(), n, buffer);
        buffer[n] = L'\0';
        message.Result = static_cast<LRESULT>(n);
        break;
    }
    default:
        break;
    }
}

void TControl::HandleMouseMessage(TMessage& message)
{
    if (!controlStyle_.Contains(csDoubleClicks)) {
        if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK)
            message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    }
    TShiftState shift = KeysToShiftState(message.WParam);
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        HandleButtonDown(message, mbLeft, {});
        break;
    case WM_RBUTTONDOWN:
        HandleButtonDown(message, mbRight, {});
        break;
    case WM_MBUTTONDOWN:
        HandleButtonDown(message, mbMiddle, {});
        break;
    case WM_LBUTTONUP:
        HandleButtonUp(message, mbLeft);
        break;
    case WM_RBUTTONUP:
        HandleButtonUp(message, mbRight);
        break;
    case WM_MBUTTONUP:
        HandleButtonUp(message, mbMiddle);
        break;
    case WM_LBUTTONDBLCLK:
        HandleDoubleClick(message);
        break;
    case WM_RBUTTONDBLCLK:
        DefaultHandler(message);
        MouseDown(mbRight, shift + TShiftState{ssDouble}, message.XPos(), message.YPos());
        break;
    case WM_MBUTTONDBLCLK:
        DefaultHandler(message);
        MouseDown(mbMiddle, shift + TShiftState{ssDouble}, message.XPos(), message.YPos());
        break;
    case WM_MOUSEMOVE:
        DefaultHandler(message);
        MouseMove(shift, message.XPos(), message.YPos());
        break;
    default:
        DefaultHandler(message);
    }
}

void TControl::HandleButtonDown(TMessage& message, TMouseButton button, TShiftState extra)
{
    if (button == mbLeft)
        SendCancelMode();
    DefaultHandler(message);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (button == mbLeft && controlStyle_.Contains(csClickEvents))
        controlState_.Include(csClicked);
    MouseDown(button, KeysToShiftState(message.WParam) + extra, message.XPos(), message.YPos());
}

void TControl::HandleButtonUp(TMessage& message, TMouseButton button)
{
    DefaultHandler(message);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(false);
    if (button == mbLeft && controlState_.Contains(csClicked)) {
        controlState_.Exclude(csClicked);
        RECT client = ClientRect();
        if (PtInRect(&client, POINT{message.XPos(), message.YPos()}))
            Click();
    }
    MouseUp(button, KeysToShiftState(message.WParam), message.XPos(), message.YPos());
}

// A double click: whatever mode another control is in is cancelled, the control (or its window
// class) sees the message, then OnDblClick, then the mouse-down event with ssDouble.
void TControl::HandleDoubleClick(TMessage& message)
{
    SendCancelMode();
    DefaultHandler(message);
    if (controlStyle_.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (controlStyle_.Contains(csClickEvents))
        DblClick();
    MouseDown(mbLeft, KeysToShiftState(message.WParam) + TShiftState{ssDouble}, message.XPos(), message.YPos());
}

// Tells the form's active control and the control holding the mouse, when they are other
// controls, to end whatever mode they are in (a drag, an open drop-down).
void TControl::SendCancelMode()
{
    TControl* capture = GetCaptureControl();
    TCustomForm* form = GetParentForm();
    TControl* active = form ? form->ActiveControl() : nullptr;
    auto self = reinterpret_cast<LPARAM>(this);
    if (active && active != this)
        active->Perform(CM_CANCELMODE, 0, self);
    if (capture && capture != this && capture != active)
        capture->Perform(CM_CANCELMODE, 0, self);
}

void TControl::HandleContextMenu(TMessage& message)
{
    if (message.Result != 0 || ComponentState().Contains(csDesigning))
        return;
    POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    bool fromKeyboard = screen.x == -1 && screen.y == -1;
    POINT local{-1, -1};
    if (!fromKeyboard) {
        local = ScreenToClient(screen);
        RECT client = ClientRect();
        if (!PtInRect(&client, local)) {
            DefaultHandler(message);
            return;
        }
    }
    bool handled = false;
    if (OnContextPopup.Assigned())
        OnContextPopup(this, local, handled);
    if (handled) {
        message.Result = 1;
        return;
    }
    TPopupMenu* menu = GetPopupMenu();
    if (menu && menu->AutoPopup()) {
        menu->SetPopupComponent(this);
        if (fromKeyboard)
            screen = ClientToScreen(POINT{0, 0});
        menu->Popup(screen.x, screen.y);
        message.Result = 1;
        return;
    }
    DefaultHandler(message);
}

void TControl::Click() { OnClick.Fire(this); }
void TControl::DblClick() { OnDblClick.Fire(this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseDown.Fire(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseUp.Fire(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove.Fire(this, shift, x, y); }

void TControl::Resize() { OnResize.Fire(this); }

// --- mouse capture --------------------------------------------------------------------------------

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool value)
{
    if (MouseCapture() != value)
        SetCaptureControl(value ? this : nullptr);
}

// --- parent and placement -----------------------------------------------------------------------

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw Exception(L"A control cannot be its own parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* parent)
{
    if (auto w = dynamic_cast<TWinControl*>(parent))
        SetParent(w);
}

TCustomForm* TControl::GetParentForm() const
{
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = constraints_->ConstrainWidth(std::max(width, 0));
    height = constraints_->ConstrainHeight(std::max(height, 0));
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    ApplyBounds(left, top, width, height);
    UpdateAnchorRules();
    RequestAlign();
}

void TControl::SetAlignedBounds(int left, int top, int width, int height)
{
    width = constraints_->ConstrainWidth(std::max(width, 0));
    height = constraints_->ConstrainHeight(std::max(height, 0));
    if (left != left_ || top != top_ || width != width_ || height != height_)
        ApplyBounds(left, top, width, height);
}

void TControl::ApplyBounds(int left, int top, int width, int height)
{
    bool resized = width != width_ || height != height_;
    InvalidateControl(visible_, false);
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    InvalidateControl(visible_, false);
    if (resized && !ComponentState().Contains(csLoading))
        Resize();
}

RECT TControl::ClientRect() const { return {0, 0, width_, height_}; }
int TControl::ClientWidth() const { return ClientRect().right; }
int TControl::ClientHeight() const { return ClientRect().bottom; }

void TControl::SetClientWidth(int value) { SetWidth(width_ - ClientWidth() + value); }
void TControl::SetClientHeight(int value) { SetHeight(height_ - ClientHeight() + value); }

POINT TControl::ClientOrigin() const
{
    if (!parent_)
        return {left_, top_};
    POINT p = parent_->ClientOrigin();
    return {p.x + left_, p.y + top_};
}

POINT TControl::ClientToScreen(POINT p) const
{
    POINT origin = ClientOrigin();
    return {p.x + origin.x, p.y + origin.y};
}

POINT TControl::ScreenToClient(POINT p) const
{
    POINT origin = ClientOrigin();
    return {p.x - origin.x, p.y - origin.y};
}

void TControl::ConstraintsChanged(TObject*) { SetBounds(left_, top_, width_, height_); }

// --- alignment and anchors -------------------------------------------------------------------------

void TControl::SetAlign(TAlign value)
{
    if (align_ == value)
        return;
    TAlign old = align_;
    align_ = value;
    if (old != alNone && value == alNone)
        UpdateAnchorRules();
    RequestAlign();
}

void TControl::SetAnchors(TAnchors value)
{
    if (anchors_ == value)
        return;
    anchors_ = value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    anchorRulesValid_ = false;
    if (!parent_ || ComponentState().Contains(csLoading))
        return;
    RECT client = parent_->ClientRect();
    anchorOrigin_ = BoundsRect();
    anchorParentSize_ = {client.right - client.left, client.bottom - client.top};
    anchorRulesValid_ = true;
}

// One axis: anchored to both edges the size follows the parent; to the far edge only, the
// position does; to neither, the control keeps its place relative to the centre.
static void AnchorAxis(bool nearEdge, bool farEdge, LONG& low, LONG& high, int delta)
{
    if (nearEdge && farEdge) {
        high = std::max(low, high + delta);
    } else if (farEdge) {
        low += delta;
        high += delta;
    } else if (!nearEdge) {
        low += delta / 2;
        high += delta / 2;
    }
}

RECT TControl::AnchoredBounds(SIZE parentClient) const
{
    RECT r = anchorOrigin_;
    AnchorAxis(anchors_.Contains(akLeft), anchors_.Contains(akRight), r.left, r.right,
               parentClient.cx - anchorParentSize_.cx);
    AnchorAxis(anchors_.Contains(akTop), anchors_.Contains(akBottom), r.top, r.bottom,
               parentClient.cy - anchorParentSize_.cy);
    return r;
}

void TControl::RequestAlign()
{
    if (parent_ && (align_ != alNone || !visible_))
        parent_->Realign();
}

void TControl::Loaded()
{
    TComponent::Loaded();
    UpdateAnchorRules();
}

// --- visibility, enabling, colour, font, text -------------------------------------------------------

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetVisible(bool value)
{
    if (visible_ == value)
        return;
    visible_ = value;
    Perform(CM_VISIBLECHANGED, value, 0);
    if (parent_)
        parent_->Realign();
}

void TControl::SetEnabled(bool value)
{
    if (enabled_ == value)
        return;
    enabled_ = value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor value)
{
    parentColor_ = false;
    if (color_ == value)
        return;
    color_ = value;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    if (parentColor_ == value)
        return;
    parentColor_ = value;
    if (value)
        TakeParentColor();
}

void TControl::TakeParentColor()
{
    if (!parent_)
        return;
    SetColor(parent_->Color());
    parentColor_ = true;
}

void TControl::SetFont(TFont* value)
{
    if (value)
        font_->Assign(*value);
}

void TControl::SetParentFont(bool value)
{
    if (parentFont_ == value)
        return;
    parentFont_ = value;
    if (value)
        TakeParentFont();
}

void TControl::TakeParentFont()
{
    if (!parent_)
        return;
    font_->Assign(*parent_->Font());
    parentFont_ = true;
}

void TControl::FontChangedHandler(TObject*)
{
    parentFont_ = false;
    FontChanged();
}

void TControl::FontChanged() { Perform(CM_FONTCHANGED); }

std::wstring TControl::GetText() const
{
    auto self = const_cast<TControl*>(this);
    auto length = static_cast<size_t>(self->Perform(WM_GETTEXTLENGTH));
    std::wstring text(length + 1, L'\0');
    auto copied = static_cast<size_t>(self->Perform(WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

void TControl::SetText(const std::wstring& value)
{
    if (GetText() == value)
        return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
    Perform(CM_TEXTCHANGED);
}

void TControl::SetShowHint(bool value)
{
    parentShowHint_ = false;
    if (showHint_ == value)
        return;
    showHint_ = value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value)
{
    if (parentShowHint_ == value)
        return;
    parentShowHint_ = value;
    if (value)
        Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor value)
{
    if (cursor_ == value)
        return;
    cursor_ = value;
    Perform(CM_CURSORCHANGED);
    if (MouseControl() == this)
        RefreshCursor();
}

void TControl::SetPopupMenu(TPopupMenu* value)
{
    if (popupMenu_ == value)
        return;
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = value;
    if (value)
        value->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_)
        popupMenu_ = nullptr;
}

// --- painting --------------------------------------------------------------------------------------

// A windowless control is drawn by its parent: invalidating it invalidates its rectangle there.
void TControl::InvalidateControl(bool isVisible, bool isOpaque)
{
    if (!isVisible || !parent_ || !parent_->HandleAllocated())
        return;
    RECT r = BoundsRect();
    InvalidateRect(parent_->WindowHandle(), &r, !isOpaque);
}

void TControl::Invalidate() { Perform(CM_INVALIDATE); }

void TControl::Update()
{
    if (parent_)
        parent_->Update();
}

void TControl::Repaint()
{
    if (!visible_ || !parent_ || !parent_->HandleAllocated())
        return;
    InvalidateControl(true, controlStyle_.Contains(csOpaque));
    parent_->Update();
}

void TControl::BringToFront()
{
    if (parent_)
        parent_->MoveChild(this, true);
}

void TControl::SendToBack()
{
    if (parent_)
        parent_->MoveChild(this, false);
}

// --- scaling --------------------------------------------------------------------------------------

void TControl::ScaleBy(int m, int d)
{
    if (m == d || d == 0)
        return;
    ChangeScale(m, d);
}

void TControl::ChangeScale(int m, int d)
{
    int left = MulDiv(left_, m, d);
    int top = MulDiv(top_, m, d);
    int right = MulDiv(left_ + width_, m, d);
    int bottom = MulDiv(top_ + height_, m, d);
    if (!parentFont_)
        font_->SetHeight(MulDiv(font_->Height(), m, d));
    SetBounds(left, top, right - left, bottom - top);
}

}  // namespace ov
