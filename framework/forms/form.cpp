// TCustomForm: creation from a layout, window styles, showing, focus, closing and modal showing.
#include "framework/forms/form.h"

#include <cwctype>
#include <vector>

#include "framework/forms/application.h"
#include "framework/graphics/font.h"
#include "framework/graphics/icon.h"
#include "framework/layout/layout_reader.h"
#include "framework/forms/menus.h"
#include "framework/core/properties.h"
#include "framework/forms/screen.h"

namespace ov {

namespace {

// Disables the enabled, visible top-level windows of this thread (but one) for a modal form's
// lifetime, and enables them again on every way out.
class DisabledThreadWindows {
public:
    explicit DisabledThreadWindows(HWND keep) : keep_(keep)
    {
        EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
        for (HWND w : windows_)
            EnableWindow(w, FALSE);
    }
    ~DisabledThreadWindows()
    {
        for (HWND w : windows_)
            if (IsWindow(w))
                EnableWindow(w, TRUE);
    }
    DisabledThreadWindows(const DisabledThreadWindows&) = delete;
    DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM data)
    {
        auto self = reinterpret_cast<DisabledThreadWindows*>(data);
        if (window != self->keep_ && IsWindowVisible(window) && IsWindowEnabled(window))
            self->windows_.push_back(window);
        return TRUE;
    }

    HWND keep_;
    std::vector<HWND> windows_;
};

std::wstring UpperCase(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

}  // namespace

const TTypeInfo& BorderStyleType()
{
    static const TTypeInfo t = MakeEnumType(L"TBorderStyle", {L"bsNone", L"bsSingle"});
    return t;
}

const TClassInfo& TCustomForm::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomForm>(L"TCustomForm", TWinControl::StaticClass())
            .Unpublished()
            .Property(L"BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
            .Property(L"BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
            .Property(L"Position", &TCustomForm::Position, &TCustomForm::SetPosition)
            .Property(L"FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle)
            .Property(L"WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState)
            .Property(L"Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
            .Property(L"Icon", &TCustomForm::Icon, &TCustomForm::SetIcon)
            .Property(L"WindowMenu", &TCustomForm::WindowMenu, &TCustomForm::SetWindowMenu)
            .Property(L"OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder)
            .Property(L"Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled)
            .Property(L"PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch)
            .Property(L"TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight)
            .Property(L"AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll)
            .Property(L"KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
            .Property(L"ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
            .Property(L"ModalResult", &TCustomForm::ModalResult, &TCustomForm::SetModalResult)
            .Event(L"OnCreate", &TCustomForm::OnCreate)
            .Event(L"OnDestroy", &TCustomForm::OnDestroy)
            .Event(L"OnShow", &TCustomForm::OnShow)
            .Event(L"OnHide", &TCustomForm::OnHide)
            .Event(L"OnActivate", &TCustomForm::OnActivate)
            .Event(L"OnDeactivate", &TCustomForm::OnDeactivate)
            .Event(L"OnClose", &TCustomForm::OnClose)
            .Event(L"OnCloseQuery", &TCustomForm::OnCloseQuery)
            .Build();
    return info;
}

const TClassInfo& TForm::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TForm>(L"TForm", TCustomForm::StaticClass())
            .Creatable()
            .Publish({L"ActiveControl", L"AutoScroll", L"BorderIcons",  L"BorderStyle",    L"FormStyle",
                      L"KeyPreview",    L"Icon",       L"Menu",         L"OldCreateOrder", L"PixelsPerInch",
                      L"Position",      L"Scaled",     L"TextHeight",   L"WindowMenu",     L"WindowState",
                      L"OnActivate",    L"OnClose",    L"OnCloseQuery", L"OnCreate",       L"OnDeactivate",
                      L"OnDestroy",     L"OnHide",     L"OnShow"})
            .Build();
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), icon_(std::make_unique<TIcon>())
{
    creating_ = true;
    icon_->OnChange = TNotifyEvent(this, &TCustomForm::IconChanged);
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
    SetParentFont(false);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() = default;

void TCustomForm::SetIcon(TIcon* value)
{
    if (value)
        icon_->Assign(*value);
    else
        icon_->SetHandle(nullptr);
    IconChanged(icon_.get());
}

void TCustomForm::IconChanged(TObject*)
{
    if (HWND window = WindowHandle()) {
        HICON icon = icon_->Handle() ? icon_->Handle() : Application->Icon();
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

// --- creation ---------------------------------------------------------------------------------------

void TCustomForm::InitForm()
{
    std::wstring resource = UpperCase(ClassName());
    if (!ReadLayoutResource(*this, resource) && ClassName() != L"TForm" && ClassName() != L"TCustomForm")
        throw Exception(L"Resource %s not found", {resource});
    FinishCreation();
}

void TCustomForm::InitForm(std::string_view layoutUtf8)
{
    ReadLayout(*this, layoutUtf8);
    FinishCreation();
}

void TCustomForm::FinishCreation()
{
    if (oldCreateOrder_)
        DoCreate();
    Constructed();
    if (!oldCreateOrder_)
        DoCreate();
    creating_ = false;
    if (formStyle_ == fsMDIChild && !Visible())
        SetVisible(true);  // an MDI child shows from its creation on, as the platform's do
    else if (Visible())
        HandleVisibleChanged();
}

void TCustomForm::DoCreate()
{
    try {
        OnCreate.Fire(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TCustomForm::DoDestroy()
{
    try {
        OnDestroy.Fire(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TCustomForm::BeforeDestruction()
{
    if (!ComponentState().Contains(csDestroying))
        DoDestroy();
    Destroying();
    Screen->RemoveForm(this);
    TWinControl::BeforeDestruction();
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    int screenPpi = ScreenPixelsPerInch();
    if (scaled_ && pixelsPerInch_ != screenPpi && pixelsPerInch_ > 0) {
        ScaleBy(screenPpi, pixelsPerInch_);
        pixelsPerInch_ = screenPpi;
    }
}

// A form scales its content and client size; its position on the screen stays.
void TCustomForm::ChangeScale(int m, int d)
{
    int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    DisableAlign();
    ScaleChildren(m, d);
    Font()->SetHeight(MulDiv(Font()->Height(), m, d));
    SetClientWidth(MulDiv(clientWidth, m, d));
    SetClientHeight(MulDiv(clientHeight, m, d));
    RecordChildAnchors();
    EnableAlign();
}

// --- window styles --------------------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    if (formStyle_ == fsMDIChild && !Parent()) {
        CreateMDIChildParams(params);
        return;
    }
    params.Style = WS_CLIPCHILDREN | (Enabled() ? 0 : WS_DISABLED);
    params.ExStyle = 0;
    if (Parent()) {
        params.Style |= WS_CHILD | WS_CLIPSIBLINGS;
    } else {
        TCustomForm* main = Application->MainForm();
        // Other forms are owned by the main form (they stay above it and have no taskbar button).
        params.WndParent = main && main != this ? main->WindowHandle() : nullptr;
        params.ControlId = 0;
        if (!params.WndParent)
            params.ExStyle |= WS_EX_APPWINDOW;
    }
    switch (borderStyle_) {
    case bsNone:
        if (!Parent())
            params.Style |= WS_POPUP;
        break;
    case bsSingle:
        params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsToolWindow:
        params.Style |= WS_CAPTION;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeable:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsSizeToolWin:
        params.Style |= WS_CAPTION | WS_THICKFRAME;
        params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
            if (borderIcons_.Contains(biMinimize))
                params.Style |= WS_MINIMIZEBOX;
            if (borderIcons_.Contains(biMaximize))
                params.Style |= WS_MAXIMIZEBOX;
        }
        if (borderIcons_.Contains(biHelp) &&
            (borderStyle_ == bsDialog || !borderIcons_.Contains(biMinimize) || !borderIcons_.Contains(biMaximize)))
            params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (formStyle_ == fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
    if (!Parent() && (position_ == poDefault || position_ == poDefaultPosOnly) && !(params.Style & WS_POPUP)) {
        params.X = CW_USEDEFAULT;
        params.Y = CW_USEDEFAULT;
    }
    params.WindowClass.style = CS_DBLCLKS;
    params.WindowClass.hIcon = Application->Icon();
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    if (formStyle_ == fsMDIForm && !Parent())
        CreateClientWindow();
    if (menu_ && formStyle_ != fsMDIChild)
        ::SetMenu(WindowHandle(), menu_->Handle());
    if (icon_->Handle())
        IconChanged(icon_.get());
    if (windowState_ == wsMaximized && Visible())
        ShowWindow(WindowHandle(), SW_SHOWMAXIMIZED);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    if (borderIcons_ == value)
        return;
    borderIcons_ = value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    if (formStyle_ == value)
        return;
    formStyle_ = value;
    RecreateWnd();
}

TWindowState TCustomForm::WindowState() const
{
    if (!WindowHandle() || !IsWindowVisible(WindowHandle()))
        return windowState_;
    if (IsIconic(WindowHandle()))
        return wsMinimized;
    return IsZoomed(WindowHandle()) ? wsMaximized : wsNormal;
}

void TCustomForm::SetWindowState(TWindowState value)
{
    windowState_ = value;
    if (WindowHandle() && IsWindowVisible(WindowHandle()))
        ShowWindow(WindowHandle(), value == wsMaximized   ? SW_MAXIMIZE
                                   : value == wsMinimized ? SW_MINIMIZE
                                                          : SW_RESTORE);
}

void TCustomForm::SetMenu(TMainMenu* value)
{
    if (menu_ == value)
        return;
    if (menu_)
        menu_->RemoveFreeNotification(this);
    menu_ = value;
    if (value)
        value->FreeNotification(this);
    if (formStyle_ == fsMDIChild)
        MergeMenuIntoMainForm(MDIParent() && MDIParent()->ActiveMDIChild() == this);
    else if (WindowHandle())
        ::SetMenu(WindowHandle(), value ? value->Handle() : nullptr);
}

void TCustomForm::SetWindowMenu(TMenuItem* value)
{
    if (windowMenu_)
        windowMenu_->RemoveFreeNotification(this);
    windowMenu_ = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == windowMenu_)
        windowMenu_ = nullptr;
    if (component == menu_) {
        menu_ = nullptr;
        if (WindowHandle() && !ComponentState().Contains(csDestroying) && formStyle_ != fsMDIChild)
            ::SetMenu(WindowHandle(), nullptr);
    }
    if (component == activeControl_)
        activeControl_ = nullptr;
    if (component == focusedControl_)
        focusedControl_ = nullptr;
}

bool TCustomForm::Showing() const
{
    if (Parent())
        return TWinControl::Showing();
    return WindowHandle() && IsWindowVisible(WindowHandle());
}

// --- showing ------------------------------------------------------------------------------------------

void TCustomForm::Show()
{
    SetVisible(true);
    if (WindowHandle())
        SetWindowPos(WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TCustomForm::HandleVisibleChanged()
{
    if (creating_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying))
        return;
    if (Parent()) {
        TMessage m{CM_VISIBLECHANGED, Visible(), 0, 0};
        TWinControl::WndProc(m);
        return;
    }
    if (Visible()) {
        HandleNeeded();
        ApplyPosition();
        DoShow();
        int command = windowState_ == wsMaximized   ? SW_SHOWMAXIMIZED
                      : windowState_ == wsMinimized ? SW_SHOWMINIMIZED
                                                    : SW_SHOWNORMAL;
        if (command != SW_SHOWMINIMIZED)
            MarkCaptionActiveIfActive();
        ShowWindow(WindowHandle(), command);
    } else if (WindowHandle()) {
        DoHide();
        ShowWindow(WindowHandle(), SW_HIDE);
    }
}

// A form whose control took the focus while it was hidden became the thread's active window
// while another window was in front, so it was told to draw its caption inactive; showing it does
// not activate it again, and the caption stayed inactive although the form has the keyboard. Shown
// with an activating command it comes to the front, so its caption is marked active before the
// showing paints it (-1: no painting of its own).
void TCustomForm::MarkCaptionActiveIfActive()
{
    if (GetActiveWindow() == WindowHandle())
        Perform(WM_NCACTIVATE, TRUE, -1);
}

// poScreenCenter and poMainFormCenter place the form every time it is shown.
void TCustomForm::ApplyPosition()
{
    if (Parent() || windowState_ == wsMaximized)
        return;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        break;
    case poMainFormCenter:
    case poOwnerFormCenter:
        if (TCustomForm* main = Application->MainForm(); main && main != this && main->WindowHandle())
            GetWindowRect(main->WindowHandle(), &area);
        break;
    default:
        return;
    }
    int x = area.left + (area.right - area.left - Width()) / 2;
    int y = area.top + (area.bottom - area.top - Height()) / 2;
    SetBounds(x, y, Width(), Height());
}

void TCustomForm::DoShow() { OnShow.Fire(this); }
void TCustomForm::DoHide() { OnHide.Fire(this); }
void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose.Assigned())
        OnClose(this, action);
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery.Assigned())
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = formStyle_ == fsMDIChild ? caMinimize : caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
    } else if (action == caHide) {
        SetVisible(false);
    } else if (action == caMinimize) {
        SetWindowState(wsMinimized);
    } else {
        Release();
    }
}

void TCustomForm::Release()
{
    if (HWND window = Handle())
        PostMessageW(window, CM_RELEASE, 0, 0);
}

void TCustomForm::HandleRelease() { freeAfterDispatch_ = true; }

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || modal_ || formStyle_ == fsMDIChild)
        throw Exception(L"Cannot make a visible window modal");
    if (HWND capture = GetCapture()) {
        SendMessageW(capture, WM_CANCELMODE, 0, 0);
        ReleaseCapture();
    }
    HWND previousActive = GetActiveWindow();
    HWND self = Handle();
    modal_ = true;
    modalResult_ = mrNone;
    {
        DisabledThreadWindows disabled(self);
        try {
            Show();
            SetActiveWindow(self);
            while (modalResult_ == mrNone) {
                Application->HandleMessage();
                if (Application->Terminated())
                    modalResult_ = mrCancel;
                else if (modalResult_ != mrNone)
                    CloseModal();
            }
        } catch (...) {
            modal_ = false;
            SetVisible(false);
            throw;
        }
        SetVisible(false);
    }
    if (previousActive && IsWindow(previousActive))
        SetActiveWindow(previousActive);
    modal_ = false;
    return modalResult_;
}

void TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        modalResult_ = mrNone;
    else if (action == caFree)
        Release();
}

// --- focus -----------------------------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (activeControl_ == control)
        return;
    if (control && !ContainsControl(control))
        throw Exception(L"Cannot focus a control of another form");
    activeControl_ = control;
    if (control)
        control->FreeNotification(this);
    if (control && active_ && !ComponentState().Contains(csLoading) && control->CanFocus())
        ::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control)
{
    if (active_ && control->CanFocus())
        ::SetFocus(control->Handle());
    else
        SetActiveControl(control);
}

void TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (focusedControl_ == control)
        return;
    TWinControl* old = focusedControl_;
    focusedControl_ = control;
    activeControl_ = control;
    if (control)
        control->FreeNotification(this);
    Screen->SetActiveControl(control);
    if (old)
        old->DoExit();
    if (control && focusedControl_ == control)
        control->DoEnter();
}

void TCustomForm::ControlRemoved(TWinControl* control)
{
    if (activeControl_ && control->ContainsControl(activeControl_))
        activeControl_ = nullptr;
    if (focusedControl_ && control->ContainsControl(focusedControl_)) {
        focusedControl_ = nullptr;
        Screen->SetActiveControl(nullptr);
    }
}

// On activation the focus goes to the active control, or to the first control that takes it.
void TCustomForm::FocusActiveControl()
{
    TWinControl* target = activeControl_ && activeControl_->CanFocus() ? activeControl_ : nullptr;
    if (!target)
        target = FindNextControl(nullptr, true, true, false);
    if (target)
        ::SetFocus(target->Handle());
}

// --- messages ---------------------------------------------------------------------------------------------

void TCustomForm::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ACTIVATE:
        HandleActivate(message);
        return;
    case WM_CLOSE:
        Close();
        message.Result = 0;
        return;
    case WM_GETMINMAXINFO:
        HandleMinMaxInfo(message);
        return;
    case WM_COMMAND:
        if (message.LParam == 0 && HIWORD(message.WParam) <= 1 && DispatchMenuCommand(LOWORD(message.WParam)))
            return;
        break;
    case WM_MDIACTIVATE:
        HandleMDIActivate(message);
        return;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_INITMENUPOPUP:
        if (HandleMenuMessage(message))
            return;
        break;
    case CM_VISIBLECHANGED:
        HandleVisibleChanged();
        return;
    case CM_DIALOGKEY:
        HandleDialogKey(message);
        return;
    case CM_DIALOGCHAR:
        // An MDI child's accelerators that it does not take are its parent's (the menu bar's).
        TWinControl::WndProc(message);
        if (message.Result == 0 && formStyle_ == fsMDIChild && MDIParent())
            message.Result = MDIParent()->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
        return;
    case CM_RELEASE:
        HandleRelease();
        return;
    case CM_RECREATEWND:
        TWinControl::WndProc(message);
        // Tells whoever hooks the form that its window is a new one.
        if (WindowHandle())
            Perform(WM_PARENTNOTIFY, CM_RECREATEWND, 0);
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TCustomForm::HandleActivate(TMessage& message)
{
    DefaultHandler(message);
    active_ = LOWORD(message.WParam) != WA_INACTIVE;
    if (active_) {
        Screen->SetActiveForm(this);
        if (!HIWORD(message.WParam))  // not minimised
            FocusActiveControl();
        OnActivate.Fire(this);
    } else {
        OnDeactivate.Fire(this);
    }
}

// Tab and the arrow keys move the focus; everything else (Enter, Escape) is offered to the
// controls, where the default and cancel buttons take it.
void TCustomForm::HandleDialogKey(TMessage& message)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (message.WParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) < 0)
                break;
            SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
            message.Result = 1;
            return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (activeControl_ && activeControl_->Parent()) {
                activeControl_->Parent()->SelectNext(activeControl_,
                                                     message.WParam == VK_RIGHT || message.WParam == VK_DOWN, false);
                message.Result = 1;
                return;
            }
            break;
        default:
            break;
        }
    }
    TWinControl::WndProc(message);
}

void TCustomForm::HandleMinMaxInfo(TMessage& message)
{
    DefaultHandler(message);
    auto info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    const TSizeConstraints* c = Constraints();
    if (c->MinWidth() > 0)
        info->ptMinTrackSize.x = c->MinWidth();
    if (c->MinHeight() > 0)
        info->ptMinTrackSize.y = c->MinHeight();
    if (c->MaxWidth() > 0)
        info->ptMaxTrackSize.x = c->MaxWidth();
    if (c->MaxHeight() > 0)
        info->ptMaxTrackSize.y = c->MaxHeight();
}

}  // namespace ov
