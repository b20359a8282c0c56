// The frame skinner's life, window procedure, non-client size, hit testing and window commands.
// Painting is in skin_window_paint.cpp.
#include "skin/engine/skin_window.h"

#include <algorithm>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "skin/data/skin_region_win.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/windows_version_win.h"
#include "skin/engine/compositor_frame.h"
#include "skin/engine/skin_control.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_messages.h"

namespace ov {

const TClassInfo& TkrvSkinWindow::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TkrvSkinWindow>(L"TkrvSkinWindow", TComponent::StaticClass()).Build();
    return info;
}

TkrvSkinWindow::TkrvSkinWindow(TComponent* owner, TkrvSkinEngine* engine, bool dialog)
    : TComponent(owner), FEngine(engine), FSkinOn(engine->IsWorking()), FDialog(dialog)
{
    FCaptionLeft = engine->CaptionLeft();
    FTitleBitmap.SetTransparentMode(tmFixed);
    FBottomBitmap.SetTransparentMode(tmFixed);
}

TkrvSkinWindow::~TkrvSkinWindow() = default;

void TkrvSkinWindow::Initialize(HWND window)
{
    Attach(window);
    SkinControls();
    SetSkinActive(FSkinOn);
}

// Teardown while the object is still whole, so that the concrete kind's operations run.
void TkrvSkinWindow::BeforeDestruction()
{
    if (!FDestroying) {
        FDestroying = true;
        FEngine->RemoveSkinWindow(this);
        SetSkinActive(false);
        FreeControlSkinners();
        Detach();
    }
    TComponent::BeforeDestruction();
}

void TkrvSkinWindow::AddControlSkinner(std::unique_ptr<TkrvSkinControl> skinner)
{
    FControlSkinners.push_back(std::move(skinner));
}

void TkrvSkinWindow::ClearControlSkinners()
{
    while (!FControlSkinners.empty()) {
        std::unique_ptr<TkrvSkinControl> skinner = std::move(FControlSkinners.back());
        FControlSkinners.pop_back();
        if (auto* vcl = dynamic_cast<TkrvSkinControlVCL*>(skinner.get()))
            vcl->Unhook();
        skinner->Detach();
    }
}

void TkrvSkinWindow::SetSkinActive(bool on)
{
    FSkinOn = FFrameEnabled && on;
    if (FStarted) {
        ApplySkinState();
        if (HasFrame())
            SetCompositorFrame(GetHandle(), FSkinOn);
        if (FSkinOn)
            UpdateRegion();
    } else if (::IsWindowVisible(GetHandle()) || StartsAtOnce()) {
        Start();
    }
}

void TkrvSkinWindow::Start()
{
    MeasureNativeFrame();
    FStarted = true;
    SetSkinActive(FSkinOn);
}

void TkrvSkinWindow::Refresh()
{
    FTitleNeedsRegion = FEngine->GetBoolean(SKIN2_TITLEBARNEEDREGION);
    FBottomNeedsRegion = FEngine->GetBoolean(SKIN2_BOTTOMBORDERNEEDREGION);
    TColor key = FEngine->Metrics().transColor;
    FTitleBitmap.SetTransparent(FTitleNeedsRegion);
    FTitleBitmap.SetTransparentColor(key);
    FBottomBitmap.SetTransparent(FBottomNeedsRegion);
    FBottomBitmap.SetTransparentColor(key);
    auto match = [](std::unique_ptr<TBitmap>& merge, bool needed) {
        if (needed && !merge)
            merge = std::make_unique<TBitmap>();
        else if (!needed)
            merge.reset();
    };
    match(FTitleMergeBitmap, FTitleNeedsRegion);
    match(FBottomMergeBitmap, FBottomNeedsRegion);
    if (FEngine->IsWorking()) {
        PaintFrame();
        UpdateRegion();
    }
}

void TkrvSkinWindow::SetTitleVisible(bool on)
{
    FShowTitle = on;
    ::SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PaintFrame();
}

void TkrvSkinWindow::SetBordersVisible(bool on)
{
    FShowBorders = on;
    ::SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PaintFrame();
}

int TkrvSkinWindow::CaptionHeight() const { return FShowTitle && FSkinOn ? FEngine->Metrics().titleBarHeight : 0; }

bool TkrvSkinWindow::IsMinimized() { return ::IsIconic(GetHandle()) != FALSE; }
bool TkrvSkinWindow::IsMaximized() { return ::IsZoomed(GetHandle()) != FALSE; }

// --- window commands --------------------------------------------------------------------------------

void TkrvSkinWindow::CloseWindow() { ::PostMessageW(GetHandle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

void TkrvSkinWindow::ContextHelp() { ::PostMessageW(GetHandle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }

void TkrvSkinWindow::MaximizeRestore()
{
    // A minimised window is maximised from its icon even when it was maximised before.
    if (IsMaximized() && !IsMinimized())
        ::PostMessageW(GetHandle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    else if (IsMinimized() || FHasMaxButton)
        ::PostMessageW(GetHandle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
}

void TkrvSkinWindow::MinimizeRestore()
{
    ::PostMessageW(GetHandle(), WM_SYSCOMMAND, IsMinimized() ? SC_RESTORE : SC_MINIMIZE, 0);
}

void TkrvSkinWindow::ShowSystemMenu()
{
    POINT origin{0, 0};
    ::ClientToScreen(GetHandle(), &origin);
    origin.x = std::max<LONG>(origin.x, 0);
    if (IsMinimized())
        origin.y += 24 - FEngine->Metrics().titleBarHeight;
    ShowSystemMenu(origin);
}

void TkrvSkinWindow::ShowSystemMenu(POINT screenPoint)
{
    FEngine->SetMenuTarget(this);
    if (TPopupMenu* menu = FEngine->SystemMenu())
        menu->Popup(screenPoint.x, screenPoint.y);
}

// --- window procedure -------------------------------------------------------------------------------

void TkrvSkinWindow::WindowProcHandler(TMessage& message)
{
    if (!FStarted && !StartsAtOnce() && message.Msg == WM_PAINT)
        Start();
    if (message.Msg == WM_NULL)
        return;
    // A frame whose skin is off answers nothing itself either: it looks and behaves natively.
    if (!FEngine->IsWorking() || !FFrameEnabled || !FSkinOn) {
        if (message.Msg == WM_SIZE)
            SizeChangedWhileOff();
        CallDefault(message);
        return;
    }
    if (!HandleBeforeDefault(message))
        return;
    if (!PreProcess(message))
        return;
    CallDefault(message);
    switch (message.Msg) {
    case WM_DESTROY:
    case WM_ACTIVATEAPP:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case CM_RELEASE:
        return;
    default:
        break;
    }
    PostProcess(message);
    HandleAfterDefault(message);
}

// False when the message is fully answered here.
bool TkrvSkinWindow::HandleBeforeDefault(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCPAINT:
        PaintFrame();
        return false;
    case WM_NCACTIVATE: {
        PaintFrame();
        auto* ownerForm = dynamic_cast<TCustomForm*>(FEngine->Owner());
        bool ownerIsMDIChild = ownerForm && ownerForm->FormStyle() == fsMDIChild;
        if (!IsMDIForm() && SuppressNCActivate() && !ownerIsMDIChild) {
            message.Result = 1;
            return false;
        }
        return true;
    }
    case WM_NCLBUTTONDOWN:
        HandleNcLButtonDown(message);
        return true;
    case WM_NCLBUTTONDBLCLK:
        return HandleNcLButtonDblClk(message);
    case WM_CTLCOLORDLG:
        message.Result = reinterpret_cast<LRESULT>(FEngine->FormBrush());
        return false;
    default:
        return true;
    }
}

// A press on a title button or on a maximised window's caption must not start a move.
void TkrvSkinWindow::HandleNcLButtonDown(TMessage& message)
{
    FNcPressed = true;
    PaintFrame();
    if (FHoverButton == tbNone && message.WParam == HTCAPTION && !IsMaximized()) {
        ::SetActiveWindow(GetHandle());
        return;
    }
    if (message.WParam == HTCAPTION)
        message.WParam = HTNOWHERE;
    ::SetActiveWindow(GetHandle());
}

bool TkrvSkinWindow::HandleNcLButtonDblClk(TMessage& message)
{
    PaintFrame();
    if (FHoverButton == tbNone) {
        if (message.WParam != HTCAPTION)
            return true;
        MaximizeRestore();
        FNcPressed = false;
        PaintFrame();
        return false;
    }
    if (FHoverButton != tbIcon) {
        message.WParam = HTNOWHERE;
        return true;
    }
    CloseWindow();
    FNcPressed = false;
    return false;
}

void TkrvSkinWindow::HandleAfterDefault(TMessage& message)
{
    switch (message.Msg) {
    case WM_ACTIVATE:
        FWindowActive = LOWORD(message.WParam) != WA_INACTIVE;
        PaintFrame();
        UpdateRegion();
        break;
    case WM_NCCALCSIZE:
        HandleNcCalcSize(message);
        break;
    case WM_NCACTIVATE:
        FWindowActive = message.WParam != 0;
        PaintFrame();
        break;
    case WM_NCMOUSEMOVE:
        if (message.WParam != HTCAPTION)
            break;
        if (FNcPressed) {
            PaintFrame();
            if (FHoverButton == tbNone)
                FNcPressed = false;
        }
        PaintFrame();
        // Ask for WM_NCMOUSELEAVE, so that a hovered button goes back to normal when the pointer
        // leaves the title bar.
        {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, GetHandle(), 0};
            ::TrackMouseEvent(&track);
        }
        break;
    case WM_NCMOUSELEAVE:
        PaintFrame();
        break;
    case WM_NCLBUTTONUP:
        HandleNcLButtonUp();
        break;
    case WM_NCRBUTTONDOWN:
        PaintFrame();
        if (message.WParam == HTCAPTION && FHoverButton == tbNone)
            ShowSystemMenu(POINT{message.XPos(), message.YPos()});
        break;
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
        PaintFrame();
        UpdateRegion();
        break;
    case WM_NCHITTEST:
        HandleNcHitTest(message);
        break;
    case WM_KRV_QUERYACTIVE:
        message.Result = FWindowActive ? 1 : 2;
        break;
    case WM_KRV_QUERYSKINNED:
        message.Result = 1;
        break;
    case WM_KRV_MAXIMIZEDCHILD:
        if (IsMDIForm())
            PaintFrame();
        break;
    case WM_KRV_MENUBARHEIGHT:
        message.Result = MenuBarHeight();
        break;
    default:
        break;
    }
}

void TkrvSkinWindow::HandleNcLButtonUp()
{
    FNcPressed = false;
    PaintFrame();
    switch (FHoverButton) {
    case tbIcon:
        ShowSystemMenu();
        break;
    case tbClose:
        CloseWindow();
        break;
    case tbMaximize:
        MaximizeRestore();
        break;
    case tbMinimize:
        MinimizeRestore();
        break;
    case tbHelp:
        ContextHelp();
        break;
    default:
        break;
    }
}

// The client area inside the skin's title bar and borders (or the native insets, when larger).
void TkrvSkinWindow::HandleNcCalcSize(TMessage& message)
{
    if (FDialog && !FStarted)
        return;
    if (message.WParam == 0) {
        message.Result = 0;
        return;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
    RECT& r = params->rgrc[0];
    const WINDOWPOS& p = *params->lppos;
    const TkrvSkinMetrics& m = FEngine->Metrics();
    bool maximizedChild = IsMDIChild() && IsMaximized();
    int caption = CaptionHeight();
    if (caption == 0 && !maximizedChild) {
        r.top = p.y;
    } else if (maximizedChild) {
        r.top = 0;
    } else if (FTopInset > 0) {
        FMenuOffset = caption < FTopInset ? FTopInset - caption : 0;
        r.top = p.y + std::max(caption, FTopInset);
    }
    if (!FShowBorders) {
        r.left = p.x;
        r.right = p.x + p.cx;
        if (FTopInset > 0)
            r.bottom = p.y + p.cy;
    } else if (!IsMDIForm() && !IsMDIChild()) {
        r.left = p.x + std::max(m.leftBorderWidth, 4);
        r.right = p.x + p.cx - std::max(m.rightBorderWidth, 4);
        r.bottom = p.y + p.cy - std::max(m.bottomBorderHeight, 4);
    } else if (FSideInset > 0) {
        r.left = p.x + std::max(m.leftBorderWidth, FSideInset);
        r.right = p.x + p.cx - std::max(m.rightBorderWidth, FSideInset);
        r.bottom = p.y + p.cy - std::max(m.bottomBorderHeight, FBottomInset);
    }
    params->rgrc[1] = r;
    message.Result = WVR_VALIDRECTS;
}

// Keeps the top resize edge from taking clicks meant for title buttons placed near the top.
void TkrvSkinWindow::HandleNcHitTest(TMessage& message)
{
    const TkrvSkinMetrics& m = FEngine->Metrics();
    if (m.buttonY > 3 || (message.Result != HTTOP && message.Result != HTTOPRIGHT))
        return;
    POINT cursor{message.XPos(), message.YPos()};
    ::ScreenToClient(GetHandle(), &cursor);
    int x = m.leftBorderWidth + cursor.x;
    int y = m.titleBarHeight + cursor.y;
    RECT window{};
    ::GetWindowRect(GetHandle(), &window);
    int width = window.right - window.left;
    if (y >= m.buttonY && y <= 7 && x >= FButtonsLeft && x <= width - m.buttonX)
        message.Result = HTCAPTION;
}

// --- region -----------------------------------------------------------------------------------------

namespace {

// Whether the window's region is already the plain rectangle of its whole size.
bool HasRectangularRegion(HWND window, int width, int height)
{
    UniqueRegion current(::CreateRectRgn(0, 0, 0, 0));
    if (!current || ::GetWindowRgn(window, current.get()) != SIMPLEREGION)
        return false;
    RECT box{};
    ::GetRgnBox(current.get(), &box);
    return box.left == 0 && box.top == 0 && box.right == width && box.bottom == height;
}

}  // namespace

void TkrvSkinWindow::UpdateRegion()
{
    if (IsWin95() || !HasFrame() || FEngine->Designing())
        return;
    HWND window = GetHandle();
    RECT r{};
    ::GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    if (FTitleNeedsRegion || FBottomNeedsRegion) {
        const TkrvSkinMetrics& m = FEngine->Metrics();
        SetSkinWindowRegion(window, PixelsOf(FTitleBitmap), PixelsOf(FBottomBitmap), FTitleNeedsRegion,
                            FBottomNeedsRegion, m.titleRegionMinY, m.titleRegionMaxY, m.bottomRegionMinY,
                            m.bottomRegionMaxY, ColorToRGB(m.transColor), height, width);
        return;
    }
    if (HasRectangularRegion(window, width, height))
        return;  // setting it again would only redraw the whole window
    HRGN region = ::CreateRectRgn(0, 0, width, height);
    if (region && !::SetWindowRgn(window, region, TRUE))
        ::DeleteObject(region);
}

}  // namespace ov
