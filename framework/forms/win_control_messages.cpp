// TWinControl's message handling: the window procedure dispatches, one small function per message.
#include "framework/forms/win_control.h"

#include <windowsx.h>

#include "framework/forms/application.h"
#include "framework/graphics/font.h"
#include "framework/forms/form.h"
#include "framework/forms/mouse.h"
#include "framework/forms/screen.h"

namespace ov {

namespace {

bool IsClientMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

// The window whose control a reflected message belongs to, or null when it is not reflected.
HWND ReflectionTarget(HWND self, const TMessage& m)
{
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM: {
        auto item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
        auto item = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam);
        return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(self, static_cast<int>(item->CtlID));
    }
    case WM_DELETEITEM:
        return reinterpret_cast<const DELETEITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_COMPAREITEM:
        return reinterpret_cast<const COMPAREITEMSTRUCT*>(m.LParam)->hwndItem;
    default:
        return nullptr;
    }
}

}  // namespace

// Every message of the window enters here; nothing may unwind into Windows.
void TWinControl::MainWndProc(TMessage& message)
{
    try {
        WindowProc(message);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (!handle_) {
        TControl::DefaultHandler(message);
        return;
    }
    LRESULT result = CallWindowProcW(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
    if (message.Msg == WM_SETTEXT) {
        TMessage copy = message;  // the text is kept too, for the window's re-creation
        TControl::HandleTextMessage(copy);
    }
    message.Result = result;
}

void TWinControl::WndProc(TMessage& message)
{
    if (IsClientMouseMessage(message.Msg)) {
        if (message.Msg == WM_MOUSEMOVE)
            TrackMouseControl(message);
        if (RouteMouseToChild(message))
            return;
        TControl::WndProc(message);
        return;
    }
    if (ReflectToChild(message))
        return;
    switch (message.Msg) {
    case WM_PAINT:
        if (message.WParam == 0 && !HasVisibleWindowlessChildren())
            DefaultHandler(message);
        else
            PaintHandler(message);
        return;
    case WM_ERASEBKGND:
        HandleEraseBackground(message);
        return;
    case WM_SETFOCUS:
        HandleSetFocus(message);
        return;
    case WM_KILLFOCUS:
        HandleKillFocus(message);
        return;
    case WM_SETCURSOR:
        HandleSetCursor(message);
        return;
    case WM_WINDOWPOSCHANGED:
        HandleWindowPosChanged(message);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        HandleKeyMessage(message);
        return;
    case WM_MOUSELEAVE:
        if (MouseControl() == this ||
            (MouseControl() && MouseControl()->Parent() == this && !dynamic_cast<TWinControl*>(MouseControl())))
            SetMouseControl(nullptr);
        DefaultHandler(message);
        return;
    case WM_CONTEXTMENU:
        if (message.Result == 0) {
            POINT local = ScreenToClient(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
            if (TControl* child = ControlAtPos(local, false))
                message.Result = child->Perform(WM_CONTEXTMENU, message.WParam, message.LParam);
        }
        if (message.Result == 0)
            TControl::WndProc(message);
        return;
    case WM_NCDESTROY:
        HandleNcDestroy(message);
        return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        CNKeyDown(message);
        return;
    case CN_CHAR:
    case CN_SYSCHAR:
        CNChar(message);
        return;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
        CNCtlColor(message);
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        Broadcast(message);
        return;
    case CM_ENABLEDCHANGED:
        if (handle_)
            EnableWindow(handle_, Enabled());
        return;
    case CM_VISIBLECHANGED:
        if (handle_)
            ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
        else if (Visible() && parent_ && parent_->HandleAllocated())
            CreateHandle();
        return;
    case CM_COLORCHANGED:
        Invalidate();
        NotifyChildren(CM_PARENTCOLORCHANGED);
        return;
    case CM_FONTCHANGED:
        Invalidate();
        NotifyChildren(CM_PARENTFONTCHANGED);
        return;
    case CM_SHOWHINTCHANGED:
        NotifyChildren(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_PARENTSHOWHINTCHANGED:
        TControl::WndProc(message);
        NotifyChildren(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_RECREATEWND:
        HandleRecreate();
        return;
    case CM_INVALIDATE:
        if (handle_)
            InvalidateRect(handle_, nullptr, !ControlStyle().Contains(csOpaque));
        return;
    default:
        TControl::WndProc(message);
    }
}

// --- reflection ------------------------------------------------------------------------------------

bool TWinControl::ReflectToChild(TMessage& message)
{
    HWND target = ReflectionTarget(handle_, message);
    TWinControl* child = target && target != handle_ ? FindControl(target) : nullptr;
    if (!child)
        return false;
    message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}

void TWinControl::CNCtlColor(TMessage& message)
{
    auto dc = reinterpret_cast<HDC>(message.WParam);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    message.Result = reinterpret_cast<LRESULT>(BrushHandle());
}

// --- mouse -------------------------------------------------------------------------------------------

// Mouse messages over a windowless child (or for the windowless child holding the capture) go to
// that child, in its own co-ordinates.
bool TWinControl::RouteMouseToChild(TMessage& message)
{
    TControl* target = nullptr;
    if (GetCapture() == handle_) {
        TControl* capture = GetCaptureControl();
        if (capture && capture != this && capture->Parent() == this)
            target = capture;
    } else {
        target = ControlAtPos(POINT{message.XPos(), message.YPos()}, false);
    }
    if (!target)
        return false;
    LPARAM local = MAKELPARAM(message.XPos() - target->Left(), message.YPos() - target->Top());
    message.Result = target->Perform(message.Msg, message.WParam, local);
    return true;
}

void TWinControl::TrackMouseControl(TMessage& message)
{
    TControl* over = this;
    if (GetCapture() != handle_)
        if (TControl* child = ControlAtPos(POINT{message.XPos(), message.YPos()}, false))
            over = child;
    if (MouseControl() == over)
        return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
    SetMouseControl(over);
}

void TWinControl::HandleSetCursor(TMessage& message)
{
    if (reinterpret_cast<HWND>(message.WParam) == handle_ && LOWORD(message.LParam) == HTCLIENT) {
        TCursor cursor = Screen->Cursor();
        if (cursor == crDefault) {
            POINT p;
            GetCursorPos(&p);
            TControl* child = ControlAtPos(ScreenToClient(p), false);
            cursor = child ? child->Cursor() : crDefault;
            if (cursor == crDefault)
                cursor = Cursor();
        }
        if (HCURSOR handle = CursorHandle(cursor)) {
            ::SetCursor(handle);
            message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(message);
}

// --- painting ----------------------------------------------------------------------------------------

void TWinControl::HandleEraseBackground(TMessage& message)
{
    RECT r;
    GetClientRect(handle_, &r);
    FillRect(reinterpret_cast<HDC>(message.WParam), &r, BrushHandle());
    message.Result = 1;
}

void TWinControl::PaintHandler(TMessage& message)
{
    auto dc = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT ps{};
    if (!dc)
        dc = BeginPaint(handle_, &ps);
    int saved = SaveDC(dc);
    PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
    if (!message.WParam)
        EndPaint(handle_, &ps);
    message.Result = 0;
}

void TWinControl::PaintWindow(HDC dc)
{
    TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(paint);
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    std::vector<TControl*> children = controls_;
    auto it = first ? std::find(children.begin(), children.end(), first) : children.begin();
    for (; it != children.end(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || dynamic_cast<TWinControl*>(c))
            continue;
        RECT r = c->BoundsRect();
        if (!RectVisible(dc, &r))
            continue;
        int saved = SaveDC(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

// --- focus and keys ------------------------------------------------------------------------------------

void TWinControl::HandleSetFocus(TMessage& message)
{
    DefaultHandler(message);
    if (TCustomForm* form = GetParentForm(); form && form != this)
        form->SetFocusedControl(this);
    Perform(CM_GOTFOCUS);
}

void TWinControl::HandleKillFocus(TMessage& message)
{
    DefaultHandler(message);
    Perform(CM_LOSTFOCUS);
}

void TWinControl::DoEnter() { OnEnter.Fire(this); }
void TWinControl::DoExit() { OnExit.Fire(this); }

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown.Assigned())
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp.Assigned())
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(wchar_t& key)
{
    if (OnKeyPress.Assigned())
        OnKeyPress(this, key);
}

// The key events may change the key or swallow it (set it to 0).
void TWinControl::HandleKeyMessage(TMessage& message)
{
    if (message.Msg == WM_CHAR) {
        auto key = static_cast<wchar_t>(message.WParam);
        KeyPress(key);
        if (key == 0)
            return;
        message.WParam = key;
    } else {
        auto key = static_cast<WORD>(message.WParam);
        bool down = message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN;
        down ? KeyDown(key, KeyboardShiftState()) : KeyUp(key, KeyboardShiftState());
        if (key == 0)
            return;
        message.WParam = key;
    }
    DefaultHandler(message);
}

// Offered a key before it is translated: Tab, arrows, Enter and Escape that the control does not
// want (WM_GETDLGCODE) become dialog keys of its form (focus moves, default and cancel buttons).
void TWinControl::CNKeyDown(TMessage& message)
{
    message.Result = 0;
    if (ComponentState().Contains(csDesigning))
        return;
    UINT mask = 0;
    switch (message.WParam) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        return;
    }
    if (Perform(CM_WANTSPECIALKEY, message.WParam) != 0)
        return;
    if (Perform(WM_GETDLGCODE) & mask)
        return;
    if (TCustomForm* form = GetParentForm())
        if (form->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0)
            message.Result = 1;
}

// Characters the control does not take, and Alt+letter, may be accelerators of the form.
void TWinControl::CNChar(TMessage& message)
{
    message.Result = 0;
    if (ComponentState().Contains(csDesigning))
        return;
    if (message.Msg == CN_CHAR && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS))
        return;
    if (TCustomForm* form = GetParentForm())
        if (form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
            message.Result = 1;
}

// --- the window's position, its end ------------------------------------------------------------------

void TWinControl::HandleWindowPosChanged(TMessage& message)
{
    DefaultHandler(message);
    UpdateBounds();
}

void TWinControl::HandleNcDestroy(TMessage& message)
{
    DefaultHandler(message);
    DetachHandle();
}

}  // namespace ov
