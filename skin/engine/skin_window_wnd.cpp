// The frame skinner of plain windows: message boxes and system dialogs.
#include "skin/engine/skin_window_wnd.h"

#include "framework/controls/panel.h"
#include "skin/data/user32_entries_win.h"
#include "skin/data/windows_version_win.h"
#include "skin/engine/skin_control.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skinner_tables.h"

namespace ov {

const TClassInfo& TkrvSkinWindowWnd::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinWindowWnd>(L"TkrvSkinWindowWnd", TkrvSkinWindow::StaticClass()).Build();
    return info;
}

TkrvSkinWindowWnd* TkrvSkinWindowWnd::Make(HWND window, bool dialog, TkrvSkinEngine* engine)
{
    return Initialized(new TkrvSkinWindowWnd(engine, dialog), window);
}

TkrvSkinWindowWnd::TkrvSkinWindowWnd(TkrvSkinEngine* engine, bool dialog) : TkrvSkinWindow(nullptr, engine, dialog) {}

void TkrvSkinWindowWnd::Attach(HWND window)
{
    FHandle = window;
    FHook = std::make_unique<TSubclassHook>(window, TWndMethod(this, &TkrvSkinWindowWnd::WindowProcHandler));
}

void TkrvSkinWindowWnd::Detach()
{
    auto refresh = [](HWND w) {
        if (::IsWindow(w))
            ::SetWindowPos(w, nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    };
    if (FHook) {
        FHook->Remove();
        refresh(FHandle);
    }
    if (FPageHook) {
        FPageHook->Remove();
        refresh(FPageHook->Window());
    }
}

std::wstring TkrvSkinWindowWnd::GetCaptionW() { return WindowsVersion().isNT ? GetWindowCaptionW(FHandle) : L""; }

void TkrvSkinWindowWnd::SkinControls() { SkinChildWindows(this); }

void TkrvSkinWindowWnd::MeasureNativeFrame()
{
    FStyle = ::GetWindowLongPtrW(FHandle, GWL_STYLE);
    RECT client{};
    ::GetClientRect(FHandle, &client);
    FClientWidth = client.right;
    FClientHeight = client.bottom;
    POINT origin{0, 0};
    ::ClientToScreen(FHandle, &origin);
    RECT bounds{};
    ::GetWindowRect(FHandle, &bounds);
    FTopInset = origin.y - bounds.top;
    FSideInset = 4;
    FBottomInset = 4;
}

void TkrvSkinWindowWnd::ApplySkinState() { FSkinOn ? SwitchOn() : SwitchOff(); }

// Every control skinner re-reads the skin (or gives the child its own look back); the child paints
// again.
void TkrvSkinWindowWnd::UpdateControlSkinners()
{
    for (const auto& skinner : FControlSkinners) {
        try {
            skinner->Update();
            ::PostMessageW(skinner->GetHandle(), WM_PAINT, 0, 0);
        } catch (...) {
            // One child keeping its own look does not stop the others.
        }
    }
}

void TkrvSkinWindowWnd::SwitchOn()
{
    UpdateControlSkinners();
    ::SetWindowLongPtrW(FHandle, GWL_STYLE, FStyle & ~static_cast<LONG_PTR>(WS_SYSMENU));
    ::SetMenu(FHandle, nullptr);
    const TkrvSkinMetrics& m = FEngine->Metrics();
    RECT bounds{};
    ::GetWindowRect(FHandle, &bounds);
    int width = bounds.right - bounds.left + m.leftBorderWidth + m.rightBorderWidth;
    int height = bounds.bottom - bounds.top + CaptionHeight() + std::max(4, m.bottomBorderHeight) - FTopInset;
    ::MoveWindow(FHandle, bounds.left, bounds.top, width, height, TRUE);
    ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TkrvSkinWindowWnd::SwitchOff()
{
    if (IsDestroying() && !::IsWindow(FHandle))
        return;
    UpdateControlSkinners();
    const TkrvSkinMetrics& m = FEngine->Metrics();
    RECT bounds{};
    ::GetWindowRect(FHandle, &bounds);
    int width = bounds.right - bounds.left - m.leftBorderWidth - m.rightBorderWidth;
    int height = bounds.bottom - bounds.top + FTopInset - (FShowTitle ? m.titleBarHeight : 0) -
                 std::max(4, m.bottomBorderHeight);
    // The style as the window had it, keeping whether it is visible now.
    LONG_PTR style = FErasedOnce ? FEraseStyle : FStyle;
    LONG_PTR visible = ::GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_VISIBLE;
    ::SetWindowLongPtrW(FHandle, GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_VISIBLE)) | visible);
    ::MoveWindow(FHandle, bounds.left, bounds.top, width, height, TRUE);
    ::SetWindowRgn(FHandle, nullptr, TRUE);
    ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool TkrvSkinWindowWnd::PreProcess(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        if (!FErasedOnce) {
            FErasedOnce = true;
            FEraseStyle = ::GetWindowLongPtrW(FHandle, GWL_STYLE);
        }
        return true;
    case WM_DESTROY: {
        // The skinner goes with its window; nothing of it may be touched after this.
        HWND window = FHandle;
        TkrvSkinEngine* engine = FEngine;
        engine->UnskinWindow(window);
        SetLastDestroyedDialog(window);
        // The window's own procedure, back in place now, still hears of its end.
        auto own = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
        message.Result = ::CallWindowProcW(own, window, WM_DESTROY, message.WParam, message.LParam);
        return false;
    }
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) != SC_CLOSE)
            return true;
        ::PostMessageW(FHandle, WM_COMMAND, IDCANCEL, 0);
        return false;
    case WM_SHOWWINDOW:
        HandleShowWindow();
        return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        ::SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
        message.Result = reinterpret_cast<LRESULT>(FEngine->FormBrush());
        return false;
    case WM_SIZE:
        if ((FFileDialog && IsVista()) || FFolderBrowser) {
            UpdateRegion();
            return false;
        }
        return true;
    default:
        return true;
    }
}

void TkrvSkinWindowWnd::PostProcess(TMessage& message)
{
    if (message.Msg != WM_SIZE || IsMaximized())
        return;
    if (!FResizedOnce && FStarted) {
        RECT client{};
        ::GetClientRect(FHandle, &client);
        if (client.bottom < FClientHeight && client.right * 2 > FClientWidth * 3) {
            FResizedOnce = true;
            RECT bounds{};
            ::GetWindowRect(FHandle, &bounds);
            int height = FClientHeight + CaptionHeight() + FEngine->Metrics().bottomBorderHeight + FTopInset;
            ::MoveWindow(FHandle, bounds.left, bounds.top, bounds.right - bounds.left, height, TRUE);
        }
    }
    UpdateRegion();
}

void TkrvSkinWindowWnd::HandleShowWindow()
{
    TkrvDialogContent content = CheckDialogContent(FHandle);
    FFileDialog = content.fileDialog;
    FFolderBrowser = content.folderBrowser;
    if (!content.nestedPage || FPageHook)
        return;
    FPageHook = std::make_unique<TSubclassHook>(content.nestedPage, TWndMethod(this, &TkrvSkinWindowWnd::PageHandler));
    ColourPagePanels(content.nestedPage);
}

// Framework panels a program put on a nested dialog page take the skin's form colour, and the
// panels inside them their panel's colour.
void TkrvSkinWindowWnd::ColourPagePanels(HWND page)
{
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        auto* panel = UpperCase(ReadClassName(child)) == L"TPANEL" ? TWinControl::FindControl(child) : nullptr;
        if (!panel)
            continue;
        panel->SetColor(FEngine->FormColor());
        for (int i = 0; i < panel->ControlCount(); ++i)
            if (auto* inner = dynamic_cast<TPanel*>(panel->Controls(i)))
                inner->SetColor(panel->Color());
    }
}

// A nested dialog page shows the skin's form colour behind its controls.
void TkrvSkinWindowWnd::PageHandler(TMessage& message)
{
    if (FEngine->IsWorking()) {
        switch (message.Msg) {
        case WM_CTLCOLORDLG:
            message.Result = reinterpret_cast<LRESULT>(FEngine->FormBrush());
            return;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            ::SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
            message.Result = reinterpret_cast<LRESULT>(FEngine->FormBrush());
            return;
        default:
            break;
        }
    }
    message.Result = FPageHook->CallPrevious(message);
}

}  // namespace ov
