// The frame skinner of framework forms.
#include "skin/engine/skin_window_vcl.h"

#include "framework/core/exception.h"
#include "framework/graphics/icon.h"
#include "framework/forms/screen.h"
#include "skin/data/skin_forms_win.h"
#include "skin/data/windows_version_win.h"
#include "skin/engine/skin_control.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skinner_tables.h"

namespace ov {

namespace {

// Holds the form's alignment while its frame changes: the client area passes through another size
// on the way back to its own, and laying the controls out for that (rich text views wrap their
// whole text again) would be wasted.
class AlignmentHeld {
public:
    explicit AlignmentHeld(TWinControl& control) : control_(control) { control_.DisableAlign(); }
    ~AlignmentHeld() { control_.EnableAlign(); }
    AlignmentHeld(const AlignmentHeld&) = delete;
    AlignmentHeld& operator=(const AlignmentHeld&) = delete;

private:
    TWinControl& control_;
};

}  // namespace

const TClassInfo& TkrvSkinWindowVCL::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinWindowVCL>(L"TkrvSkinWindowVCL", TkrvSkinWindow::StaticClass()).Build();
    return info;
}

TkrvSkinWindowVCL* TkrvSkinWindowVCL::Make(HWND window, bool dialog, TkrvSkinEngine* engine, TCustomForm* publishedForm)
{
    TCustomForm* form = FindFormByHandle(window);
    if (!form)
        form = publishedForm;
    if (!form)
        throw Exception(L"KRVSkin: Skinning form failed!");
    TComponent* owner = form == engine->Owner() ? nullptr : form;
    return Initialized(new TkrvSkinWindowVCL(owner, engine, dialog, form), window);
}

TkrvSkinWindowVCL::TkrvSkinWindowVCL(TComponent* owner, TkrvSkinEngine* engine, bool dialog, TCustomForm* form)
    : TkrvSkinWindow(owner, engine, dialog), FForm(form), FMDI(*this)
{
    FFrameEnabled = form->Tag() != engine->DisabledTag();
    FSkinOn = FSkinOn && FFrameEnabled;
}

void TkrvSkinWindowVCL::Attach(HWND)
{
    FForm->SetAutoScroll(false);
    FMDI.Create();
    if (!IsMDIChild()) {
        FApplicationEvents = std::make_unique<TApplicationEvents>(nullptr);
        FApplicationEvents->OnMessage = TMessageEvent(this, &TkrvSkinWindowVCL::ShortcutFilter);
    }
    FHook = std::make_unique<TWindowProcHook>(FForm, TWndMethod(this, &TkrvSkinWindowVCL::WindowProcHandler));
    FHadFrame = HasFrame();
    SetTitleVisible(FHadFrame);
    SetBordersVisible(FForm->BorderStyle() != bsNone);
    FreeNotification(FForm);
    TCustomForm* main = FForm->MDIParent();
    if (IsMDIChild() && main && main->HandleAllocated())
        ::SendMessageW(main->WindowHandle(), WM_KRV_REBUILDWINDOWMENU, 0, 0);
}

void TkrvSkinWindowVCL::Detach()
{
    if (FForm->HandleAllocated())
        ::KillTimer(FForm->WindowHandle(), kSkinOpenFormsTimer);
    if (FHook)
        FHook->Remove();
    FMDI.Detach();
    if (FApplicationEvents)
        std::exchange(FApplicationEvents, nullptr).release()->Free();
    if (FEngine->Removing() && FForm->HandleAllocated())
        ::SetWindowPos(FForm->WindowHandle(), nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// A control the walk skinned is going: its skinner goes first, giving its procedure back.
void TkrvSkinWindowVCL::Notification(TComponent* component, TOperation operation)
{
    TkrvSkinWindow::Notification(component, operation);
    if (operation != opRemove)
        return;
    FMDI.Forget(component);
    for (size_t i = FControlSkinners.size(); i > 0; --i) {
        if (FControlSkinners[i - 1]->Control() != component)
            continue;
        auto* skinner = static_cast<TkrvSkinControlVCL*>(FControlSkinners[i - 1].get());
        skinner->Unhook();
        skinner->Detach();
        FControlSkinners.erase(FControlSkinners.begin() + static_cast<std::ptrdiff_t>(i - 1));
    }
}

std::wstring TkrvSkinWindowVCL::GetCaptionW() { return WindowsVersion().isNT ? FForm->Caption() : std::wstring(); }

void TkrvSkinWindowVCL::SkinControls()
{
    for (int i = 0; i < FForm->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(FForm->Components(i));
        if (!control)
            continue;
        size_t before = FControlSkinners.size();
        SkinControl(this, control);
        for (size_t k = before; k < FControlSkinners.size(); ++k)
            if (TControl* skinned = FControlSkinners[k]->Control())
                FreeNotification(skinned);
    }
}

// Every control still has its skinner's hook to give back: a control that went before its skinner
// took the skinner with it (Notification). Leaving a live control's procedure pointing at a freed
// skinner would break the control's last messages when its form goes after the engine.
void TkrvSkinWindowVCL::FreeControlSkinners() { ClearControlSkinners(); }

bool TkrvSkinWindowVCL::HasFrame() { return !FForm->Parent() && FForm->BorderStyle() != bsNone; }

HICON TkrvSkinWindowVCL::IconHandle()
{
    TIcon* icon = FForm->Icon();
    return icon ? icon->Handle() : nullptr;
}

bool TkrvSkinWindowVCL::HasTitleButton(TBorderIcon icon) { return FForm->BorderIcons().Contains(icon); }

bool TkrvSkinWindowVCL::HasHelpButton() { return HasTitleButton(biHelp); }

bool TkrvSkinWindowVCL::HasIcon()
{
    TFormBorderStyle style = FForm->BorderStyle();
    return (style == bsSingle || style == bsSizeable) && HasTitleButton(biSystemMenu);
}

bool TkrvSkinWindowVCL::HasCloseButton() { return HasTitleButton(biSystemMenu); }

bool TkrvSkinWindowVCL::HasMaximizeButton()
{
    TFormBorderStyle style = FForm->BorderStyle();
    return HasTitleButton(biMaximize) && HasTitleButton(biSystemMenu) && style != bsDialog && style != bsToolWindow &&
           style != bsSizeToolWin;
}

bool TkrvSkinWindowVCL::HasMinimizeButton()
{
    TFormBorderStyle style = FForm->BorderStyle();
    return HasTitleButton(biMinimize) && HasTitleButton(biSystemMenu) && style != bsDialog && style != bsToolWindow &&
           style != bsSizeToolWin;
}

// --- measuring and switching ------------------------------------------------------------------------

void TkrvSkinWindowVCL::MeasureNativeFrame()
{
    HWND window = FForm->Handle();
    FClientWidth = FForm->ClientWidth();
    FClientHeight = FForm->ClientHeight();
    FMainMenu = FForm->Menu();
    int nativeMenuBar = FMainMenu && !IsMDIChild() ? (IsVista() ? 22 : 19) : 0;
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    RECT client{};
    ::GetClientRect(window, &client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    FTopInset = client.top - bounds.top - nativeMenuBar;
    FSideInset = 4;
    FBottomInset = 4;
    FLeftInset = client.left - bounds.left;
    FBottomInset2 = bounds.bottom - client.bottom;
    if (IsMDIForm()) {
        FSideInset = client.left - bounds.left;
        FBottomInset = bounds.bottom - client.bottom;
    }
    if (IsMDIChild())
        MeasureMDIChildInsets();
    FFormColor = FForm->Color();
    if (FLeftInset >= 5 && FMDI.MenuBar())
        FMDI.MenuBar()->SetIndent(FLeftInset - 4);
}

// A child takes its insets from its parent's client (the parent's frame), and tells the parent
// which menu to merge.
void TkrvSkinWindowVCL::MeasureMDIChildInsets()
{
    TCustomForm* main = FForm->MDIParent();
    HWND client = main ? main->ClientHandle() : nullptr;
    if (!client)
        return;
    if (auto top = static_cast<int>(::SendMessageW(client, WM_KRV_CLIENTTOP, 0, 0)); top > 0) {
        FTopInset = top;
        FBottomInset = std::max(4, static_cast<int>(::SendMessageW(client, WM_KRV_CLIENTBOTTOM, 0, 0)));
        FSideInset = std::max(4, static_cast<int>(::SendMessageW(client, WM_KRV_CLIENTLEFT, 0, 0)));
        FLeftInset = 4;
    }
    if (!(FEngine->SkinningAll() && main->MDIChildCount() > 1))
        ::PostMessageW(main->WindowHandle(), WM_KRV_MDIMENUCHANGED, reinterpret_cast<WPARAM>(FForm),
                       reinterpret_cast<LPARAM>(FMainMenu));
}

void TkrvSkinWindowVCL::ApplySkinState() { FSkinOn ? SwitchOn() : SwitchOff(); }

void TkrvSkinWindowVCL::RemoveSystemMenuStyle()
{
    HWND window = FForm->Handle();
    LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    if (style & WS_SYSMENU)
        ::SetWindowLongPtrW(window, GWL_STYLE, style & ~WS_SYSMENU);
}

// Every control skinner re-reads the skin (or gives the control its own look back) and the
// control is painted again.
void TkrvSkinWindowVCL::UpdateControlSkinners()
{
    for (const auto& skinner : FControlSkinners) {
        try {
            skinner->Update();
            if (TControl* control = skinner->Control())
                control->Invalidate();
        } catch (...) {
            // One control keeping its own look does not stop the others.
        }
    }
}

void TkrvSkinWindowVCL::SwitchOn()
{
    if (!IsDestroying())
        UpdateControlSkinners();
    AlignmentHeld held(*FForm);
    RemoveSystemMenuStyle();
    FForm->SetColor(FEngine->FormColor());
    FSettingClientSize = true;
    FForm->SetMenu(nullptr);
    FForm->SetAutoScroll(false);
    FForm->SetScaled(false);
    FMDI.SwitchOn();
    ApplyConstraints();
    if (!FControlsShifted && MenuBarHeight() > 0) {
        ShiftControls(MenuBarHeight());
        FControlsShifted = true;
    }
    // The skinned frame first, so that the client size below is measured against it.
    ::SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (!IsMaximized()) {
        FForm->SetClientWidth(FClientWidth + 2 * std::max(4, FLeftInset) - 8);
        FForm->SetClientHeight(MenuBarHeight() + FClientHeight + 2 * std::max(4, FBottomInset2) - 8);
    }
    FSettingClientSize = false;
    PrepareFormMenus(true);
    if (IsMDIChild() && IsMaximized())
        FMDI.AnnounceChildSize(true);
}

void TkrvSkinWindowVCL::SwitchOff()
{
    if (IsDestroying() || FForm->ComponentState().Contains(csDestroying))
        return;
    FRestoring = true;
    UpdateControlSkinners();
    AlignmentHeld held(*FForm);
    HWND window = FForm->Handle();
    LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    if (HasTitleButton(biSystemMenu))
        ::SetWindowLongPtrW(window, GWL_STYLE, style | WS_SYSMENU);
    ::SetWindowRgn(window, nullptr, TRUE);
    // The native frame first, so that the client size below is measured against it.
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    FForm->SetMenu(FMainMenu);
    FForm->SetColor(FFormColor);
    ClearConstraints();
    if (!IsMaximized()) {
        FForm->SetClientHeight(FClientHeight);
        FForm->SetClientWidth(FClientWidth);
    }
    if (FControlsShifted) {
        ShiftControls(-FShiftedBy);
        FControlsShifted = false;
    }
    PrepareFormMenus(false);
    FMDI.SwitchOff();
    FRestoring = false;
}

// The skin's minimum size, where the form left its own at 0.
void TkrvSkinWindowVCL::ApplyConstraints()
{
    TSizeConstraints* constraints = FForm->Constraints();
    if (constraints->MinHeight() == 0 || FSkinSetMinHeight) {
        constraints->SetMinHeight(MenuBarHeight() + CaptionHeight() + 6);
        FSkinSetMinHeight = true;
    }
    if ((constraints->MinWidth() == 0 || FSkinSetMinWidth) && !FDialog) {
        constraints->SetMinWidth(FEngine->MinFormWidth());
        FSkinSetMinWidth = true;
    }
}

void TkrvSkinWindowVCL::ClearConstraints()
{
    TSizeConstraints* constraints = FForm->Constraints();
    if (FSkinSetMinHeight)
        constraints->SetMinHeight(0);
    if (FSkinSetMinWidth)
        constraints->SetMinWidth(0);
    FSkinSetMinHeight = FSkinSetMinWidth = false;
}

// Moves the form's controls down (or back up) by the menu bar's height.
void TkrvSkinWindowVCL::ShiftControls(int distance)
{
    FShiftedBy = distance > 0 ? distance : FShiftedBy;
    for (int i = 0; i < FForm->ControlCount(); ++i) {
        TControl* control = FForm->Controls(i);
        if (FMDI.IsOwnControl(control))
            continue;
        TAnchors anchors = control->Anchors();
        bool bottom = anchors.Contains(akBottom), top = anchors.Contains(akTop);
        if (bottom && !top)
            continue;
        int height = control->Height() - (bottom && top ? distance : 0);
        control->SetBounds(control->Left(), control->Top() + distance, control->Width(), height);
    }
}

void TkrvSkinWindowVCL::RememberClientSize()
{
    FClientWidth = FForm->ClientWidth();
    FClientHeight = FForm->ClientHeight() - MenuBarHeight();
}

void TkrvSkinWindowVCL::SizeChangedWhileOff()
{
    if (!FRestoring && FStarted)
        RememberClientSize();
}

void TkrvSkinWindowVCL::PrepareFormMenus(bool prepare)
{
    for (int i = 0; i < FForm->ComponentCount(); ++i) {
        auto* menu = dynamic_cast<TMenu*>(FForm->Components(i));
        if (!menu || menu->Tag() == FEngine->DisabledTag())
            continue;
        prepare ? FEngine->PrepareMenu(menu) : FEngine->ReleaseMenu(menu);
    }
}

// --- messages -----------------------------------------------------------------------------------------

void CALLBACK TkrvSkinWindowVCL::SkinOpenFormsNow(HWND window, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(window, timer);
    TkrvSkinEngine* engine = WorkingEngine();
    if (engine && engine->IsWorking() && engine->SkinAllForms() && engine->FindSkinWindow(window))
        engine->SkinOpenForms();
}

void TkrvSkinWindowVCL::PostProcess(TMessage& message)
{
    if (FMDI.PostProcess(message))
        return;
    switch (message.Msg) {
    case WM_SHOWWINDOW:
    case CM_VISIBLECHANGED:
        if (!FShownOnce && FForm == Application->MainForm() && FEngine->SkinAllForms()) {
            FShownOnce = true;
            // The other forms are hidden until asked for: they are skinned as soon as the main
            // window stands painted (a timer's turn comes after every pending paint), so that
            // skinning them does not hold the program's first window back.
            ::SetTimer(FForm->WindowHandle(), kSkinOpenFormsTimer, USER_TIMER_MINIMUM, &SkinOpenFormsNow);
        } else if (message.Msg == WM_SHOWWINDOW) {
            RemoveSystemMenuStyle();
        }
        break;
    case WM_SIZE:
        FMDI.AnnounceChildSize(IsMaximized());
        PaintFrame();
        UpdateRegion();
        if (FStarted && !FSettingClientSize && !IsMaximized() && message.WParam != SIZE_MINIMIZED)
            RememberClientSize();
        break;
    case WM_PARENTNOTIFY:
    case CM_RECREATEWND:
    case CM_FLOAT:
        HandleParentNotify(message);
        break;
    default:
        break;
    }
}

// A form docked into or floated out of another changes whether it has a frame of its own.
void TkrvSkinWindowVCL::HandleParentNotify(TMessage& message)
{
    UINT event = LOWORD(message.WParam);
    bool notification = message.Msg == CM_RECREATEWND || message.Msg == CM_FLOAT;
    if (!notification && event != WM_CREATE)
        return;
    RemoveSystemMenuStyle();
    bool hasFrame = HasFrame();
    if (hasFrame == FHadFrame && !notification)
        return;
    FHadFrame = hasFrame;
    SetTitleVisible(hasFrame);
    SetBordersVisible(hasFrame);
    hasFrame ? ApplyConstraints() : ClearConstraints();
    PaintFrame();
    if (notification)
        UpdateRegion();
}

// The form's native menu is taken away while skinned: its shortcuts are looked up here.
void TkrvSkinWindowVCL::ShortcutFilter(MSG& msg, bool& handled)
{
    if (handled || !FEngine->IsWorking() || !FSkinOn || !FMainMenu)
        return;
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return;
    HWND window = FForm->HandleAllocated() ? FForm->WindowHandle() : nullptr;
    if (!window || (::SendMessageW(window, WM_KRV_QUERYACTIVE, 0, 0) != 1 && !IsMDIForm()))
        return;
    auto key = static_cast<WORD>(msg.wParam);
    TShiftState shift = KeyboardShiftState();
    TMainMenu* childMenu = FMDI.MergedChildMenu();
    if ((childMenu && IsMDIForm() && childMenu->IsShortCut(key, shift)) || FMainMenu->IsShortCut(key, shift))
        handled = true;
}

}  // namespace ov
