// MDI forms: an fsMDIForm owns the platform's MDI client window (its children are fsMDIChild forms)
// and shows the active child's menu merged into its own bar; the window commands of the client
// (cascade, tile, arrange, next) are the platform's own.
#include <windows.h>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/forms/menus.h"
#include "framework/forms/screen.h"

namespace ov {

namespace {

// Command identifiers of the Window menu entries the client adds; far above our menu commands.
constexpr UINT kFirstMDIChildId = 0xFF00;

}  // namespace

TCustomForm* TCustomForm::MDIParent() const
{
    if (formStyle_ != fsMDIChild)
        return nullptr;
    if (auto* owner = dynamic_cast<TCustomForm*>(Owner()); owner && owner->formStyle_ == fsMDIForm)
        return owner;
    TCustomForm* main = Application->MainForm();
    if (main && main != this && main->formStyle_ == fsMDIForm)
        return main;
    for (int i = 0; i < Screen->CustomFormCount(); ++i)
        if (TCustomForm* form = Screen->CustomForms(i); form->formStyle_ == fsMDIForm && form->WindowHandle())
            return form;
    return nullptr;
}

void TCustomForm::CreateClientWindow()
{
    CLIENTCREATESTRUCT create{};
    create.hWindowMenu = windowMenu_ ? windowMenu_->Handle() : nullptr;
    create.idFirstChild = kFirstMDIChildId;
    RECT client = ClientRect();
    clientHandle_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 0, 0,
                        client.right, client.bottom, WindowHandle(), nullptr, GetModuleHandleW(nullptr), &create);
    if (!clientHandle_)
        throw Exception(L"Error creating window of class %s", {std::wstring(L"MDICLIENT")});
    Realign();
}

// An MDI child is a child window of the main form's client, with a frame of its own.
void TCustomForm::CreateMDIChildParams(TCreateParams& params)
{
    TCustomForm* main = MDIParent();
    if (!main || !main->Handle() || !main->ClientHandle())
        throw Exception(L"Cannot create form. No MDI forms are currently active");
    params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | (Enabled() ? 0 : WS_DISABLED);
    if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin)
        params.Style |= WS_THICKFRAME;
    if (borderIcons_.Contains(biSystemMenu)) {
        params.Style |= WS_SYSMENU;
        if (borderIcons_.Contains(biMinimize))
            params.Style |= WS_MINIMIZEBOX;
        if (borderIcons_.Contains(biMaximize))
            params.Style |= WS_MAXIMIZEBOX;
    }
    params.ExStyle = WS_EX_MDICHILD;
    params.WndParent = main->ClientHandle();
    params.ControlId = 0;
    if (position_ == poDefault || position_ == poDefaultPosOnly) {
        params.X = CW_USEDEFAULT;
        params.Y = CW_USEDEFAULT;
    }
    params.WindowClass.style = CS_DBLCLKS;
    params.WindowClass.hIcon = Application->Icon();
}

// An MDI child leaves through its client, which then activates the next child.
void TCustomForm::DestroyWnd()
{
    TCustomForm* main = MDIParent();
    if (formStyle_ == fsMDIChild && WindowHandle() && main && main->ClientHandle() &&
        ::GetParent(WindowHandle()) == main->ClientHandle()) {
        MergeMenuIntoMainForm(false);
        SendMessageW(main->ClientHandle(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(WindowHandle()), 0);
    }
    TWinControl::DestroyWnd();  // keeps the caption (kept up to date by WM_SETTEXT) for re-creation
    if (formStyle_ == fsMDIForm)
        clientHandle_ = nullptr;  // went with the form's window
}

// The platform's MDI defaults: DefFrameProc for the parent (except WM_SIZE, whose default would
// stretch the client over the aligned controls) and DefMDIChildProc for a child.
void TCustomForm::DefaultHandler(TMessage& message)
{
    HWND window = WindowHandle();
    if (window && clientHandle_ && message.Msg != WM_SIZE) {
        message.Result = DefFrameProcW(window, clientHandle_, message.Msg, message.WParam, message.LParam);
        return;
    }
    if (window && formStyle_ == fsMDIChild && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
        message.Result = DefMDIChildProcW(window, message.Msg, message.WParam, message.LParam);
        return;
    }
    TWinControl::DefaultHandler(message);
}

// The client fills what the aligned controls leave.
void TCustomForm::AlignControls(TControl* control, RECT& rect)
{
    TWinControl::AlignControls(control, rect);
    if (clientHandle_)
        SetWindowPos(clientHandle_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    if (!clientHandle_)
        return nullptr;
    auto active = reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<TCustomForm*>(FindControl(active));
}

// The children in the screen's order of forms.
int TCustomForm::MDIChildCount() const
{
    int count = 0;
    for (int i = 0; clientHandle_ && i < Screen->CustomFormCount(); ++i) {
        TCustomForm* form = Screen->CustomForms(i);
        if (form->formStyle_ == fsMDIChild && form->WindowHandle() &&
            ::GetParent(form->WindowHandle()) == clientHandle_)
            ++count;
    }
    return count;
}

TCustomForm* TCustomForm::MDIChildren(int index) const
{
    for (int i = 0; clientHandle_ && i < Screen->CustomFormCount(); ++i) {
        TCustomForm* form = Screen->CustomForms(i);
        if (form->formStyle_ == fsMDIChild && form->WindowHandle() &&
            ::GetParent(form->WindowHandle()) == clientHandle_ && index-- == 0)
            return form;
    }
    return nullptr;
}

void TCustomForm::Cascade()
{
    if (clientHandle_)
        SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::Tile()
{
    if (clientHandle_)
        SendMessageW(clientHandle_, WM_MDITILE, tileMode_ == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::ArrangeIcons()
{
    if (clientHandle_)
        SendMessageW(clientHandle_, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next()
{
    if (clientHandle_)
        SendMessageW(clientHandle_, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous()
{
    if (clientHandle_)
        SendMessageW(clientHandle_, WM_MDINEXT, 0, 1);
}

// A child tells its parent's bar to show its menu while it is the active one.
void TCustomForm::HandleMDIActivate(TMessage& message)
{
    DefaultHandler(message);
    if (formStyle_ == fsMDIChild)
        MergeMenuIntoMainForm(reinterpret_cast<HWND>(message.LParam) == WindowHandle());
}

void TCustomForm::MergeMenuIntoMainForm(bool active)
{
    TCustomForm* main = MDIParent();
    TMainMenu* bar = main ? main->Menu() : nullptr;
    if (!bar)
        return;
    if (active)
        bar->Merge(menu_);
    else if (menu_)
        bar->Unmerge(menu_);
    if (main->WindowHandle())
        DrawMenuBar(main->WindowHandle());
}

bool TCustomForm::DispatchMenuCommand(UINT command) { return menu_ && menu_->DispatchMergedCommand(command); }

}  // namespace ov
