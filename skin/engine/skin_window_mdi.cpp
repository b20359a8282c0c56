// The menu bar and MDI half of the framework form skinner: building the bar from the form's menu
// merged with the active child's, painting it, the Window menu list, the MDI client's cascade and
// tile, and the three buttons of a maximised child.
#include "skin/engine/skin_window_mdi.h"

#include <algorithm>
#include <cmath>

#include "framework/graphics/image_list.h"
#include "framework/forms/screen.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_forms_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/skin_text_win.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window_vcl.h"

namespace ov {

namespace {

constexpr int kMDIButtonSize = 18;
constexpr int kFirstMDIButtonTag = -1380;  // button i carries -1380 - i
constexpr int kCascadeStep = 22;

}  // namespace

TkrvSkinWindowMDI::TkrvSkinWindowMDI(TkrvSkinWindowVCL& skinner)
    : FSkinner(skinner), FForm(skinner.Form()), FEngine(skinner.Engine())
{
}

// --- creation and removal -------------------------------------------------------------------------------

void TkrvSkinWindowMDI::Create()
{
    CreateMenuBar();
    if (FSkinner.IsMDIForm())
        CreateMDIButtons();
}

void TkrvSkinWindowMDI::Detach()
{
    if (FClientHook) {
        if (FSpareWindowMenu && FForm->ClientHandle() && FForm->WindowMenu())
            ::SendMessageW(FForm->ClientHandle(), WM_MDISETMENU, 0,
                           reinterpret_cast<LPARAM>(FForm->WindowMenu()->Handle()));
        FClientHook->Remove();
        FClientHook.reset();
    }
    if (FEngine->Removing())
        FreeWindowMenuItems();
    // A bar never placed on the form is not freed with the form's controls.
    if (FMenuBar && (FEngine->Removing() || !FMenuBar->Parent()))
        std::exchange(FMenuBar, nullptr)->Free();
    if (FEngine->Removing()) {
        for (auto& button : FMDIButtons)
            if (button)
                std::exchange(button, nullptr)->Free();
    }
}

void TkrvSkinWindowMDI::Forget(TComponent* component)
{
    if (component == FMenuBar)
        FMenuBar = nullptr;
    for (auto& button : FMDIButtons)
        if (component == button)
            button = nullptr;
    std::erase(FWindowMenuItems, component);
    std::erase(FMenuItems, component);
    if (component == FMergedChildMenu || component == FLastBuiltChildMenu) {
        FMergedChildMenu = FMergedChildMenu == component ? nullptr : FMergedChildMenu;
        FLastBuiltChildMenu = FLastBuiltChildMenu == component ? nullptr : FLastBuiltChildMenu;
    }
}

bool TkrvSkinWindowMDI::IsOwnControl(const TControl* control) const
{
    return control == FMenuBar || std::find(FMDIButtons.begin(), FMDIButtons.end(), control) != FMDIButtons.end();
}

void TkrvSkinWindowMDI::CreateMenuBar()
{
    FMenuBar = new TkrvSkinMenuBar(nullptr, &FSkinner);
    FMenuBar->SetVisible(false);
    FMenuBar->SetFlat(true);
    FMenuBar->SetEdgeBorders({});
    FMenuBar->SetBorderWidth(0);
    FMenuBar->SetShowCaptions(true);
    FMenuBar->SetParentColor(false);
    FMenuBar->SetWrapable(true);
    FMenuBar->SetAutoSize(true);
    FMenuBar->OnCustomDraw = TTBCustomDrawEvent(this, &TkrvSkinWindowMDI::PaintMenuBarBackground);
    FMenuBar->OnCustomDrawButton = TTBCustomDrawBtnEvent(this, &TkrvSkinWindowMDI::PaintMenuBarButton);
    FSkinner.FreeNotification(FMenuBar);
    if (FForm->Menu() || FSkinner.IsMDIForm())
        PlaceMenuBar();
}

// The bar goes onto the form, and gets its window, once the form has a menu for it: most forms
// have none and never need the window. An MDI form's bar is placed at once, under the MDI buttons
// made after it.
void TkrvSkinWindowMDI::PlaceMenuBar()
{
    if (!FMenuBar->Parent())
        FMenuBar->SetParent(FForm);
}

// Button i shows frame 4 - i of the three frames of "KRVSKIN_MDI_CONTROLER".
void TkrvSkinWindowMDI::CreateMDIButtons()
{
    TBitmap strip;
    strip.LoadFromResourceName(::GetModuleHandleW(nullptr), L"KRVSKIN_MDI_CONTROLER");
    strip.SetTransparent(true);
    for (int i = 1; i <= 3; ++i) {
        auto* button = new TkrvSkinMenuBarControlButton(nullptr);
        TBitmap glyph;
        CopyCell(&strip, glyph, 3, 4 - i);
        button->SetGlyph(glyph);
        button->SetVisible(false);
        button->SetAnchors({akTop, akRight});
        button->SetBounds(FForm->Width() - 25 - kMDIButtonSize * (i - 1), 1, kMDIButtonSize, kMDIButtonSize);
        button->SetTag(kFirstMDIButtonTag - i);
        button->OnClick = TNotifyEvent(this, &TkrvSkinWindowMDI::MDIButtonClick);
        button->SetParent(FForm);
        FSkinner.FreeNotification(button);
        FMDIButtons[static_cast<size_t>(i - 1)] = button;
    }
    if (HWND client = FForm->ClientHandle())
        FClientHook = std::make_unique<TSubclassHook>(client, TWndMethod(this, &TkrvSkinWindowMDI::ClientWindowProc));
}

int TkrvSkinWindowMDI::MenuBarHeight() const { return FMenuBar && FMenuBar->Visible() ? FMenuBar->Height() : 0; }

// --- switching ----------------------------------------------------------------------------------------------

void TkrvSkinWindowMDI::SwitchOn()
{
    const auto& colors = FEngine->Metrics().menuColors;
    if (FSkinner.MainMenu() && FMenuBar) {
        PlaceMenuBar();
        FMenuBar->SetTop(-100);
        FMenuBar->SetVisible(!FSkinner.IsMDIChild());
        FMenuBar->SetParentColor(false);
        FMenuBar->SetColor(colors[mcMenuBarStart]);
    }
    ColorMDIButtons();
    if (FMenuBar)
        BuildMenuBar(true);
    if (FSkinner.IsMDIForm()) {
        PlaceMDIButtons();
        // The skin lists the children itself: the client's own list goes to a menu nobody shows.
        if (FForm->ClientHandle() && FForm->WindowMenu()) {
            if (!FSpareWindowMenu)
                FSpareWindowMenu.reset(::CreatePopupMenu());
            ::SendMessageW(FForm->ClientHandle(), WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(FSpareWindowMenu.get()));
        }
    }
}

void TkrvSkinWindowMDI::SwitchOff()
{
    FreeWindowMenuItems();
    if (FMenuBar)
        FMenuBar->SetVisible(false);
    ShowMDIButtons(false);
    if (FSkinner.IsMDIForm() && FForm->ClientHandle() && FForm->WindowMenu())
        ::SendMessageW(FForm->ClientHandle(), WM_MDISETMENU, 0,
                       reinterpret_cast<LPARAM>(FForm->WindowMenu()->Handle()));
}

// The buttons sit at the right end of the menu bar's rows, vertically centred in them.
void TkrvSkinWindowMDI::PlaceMDIButtons()
{
    const TkrvSkinMetrics& m = FEngine->Metrics();
    int top = std::max(0, (MenuBarHeight() - kMDIButtonSize) / 2);
    for (int i = 1; i <= 3; ++i) {
        TkrvSkinMenuBarControlButton* button = MDIButton(i);
        if (!button)
            continue;
        button->SetBounds(FForm->Width() - m.rightBorderWidth - 26 - kMDIButtonSize * (i - 1), top, kMDIButtonSize,
                          kMDIButtonSize);
        button->BringToFront();
    }
}

// From the menu bar bitmap's left column at half height to the form colour; without that
// bitmap, the menu bar's own two colours.
void TkrvSkinWindowMDI::ColorMDIButtons()
{
    const TkrvSkinMetrics& m = FEngine->Metrics();
    if (const TBitmap* bar = FEngine->SkinBitmap(SKIN2_MENUBAR); bar && !bar->Empty()) {
        FMDIButtonColor = bar->Pixel(0, bar->Height() / 2);
        FMDIButtonToColor = m.formColor;
    } else {
        FMDIButtonColor = m.menuColors[mcMenuBarStart];
        FMDIButtonToColor = m.menuColors[mcMenuBarEnd];
    }
    for (TkrvSkinMenuBarControlButton* button : FMDIButtons) {
        if (!button)
            continue;
        button->SetColor(FMDIButtonColor);
        button->SetToColor(FMDIButtonToColor);
    }
}

void TkrvSkinWindowMDI::ShowMDIButtons(bool show)
{
    TCustomForm* child = show ? FForm->ActiveMDIChild() : nullptr;
    if (show && !child)
        return;
    TBorderIcons icons = child ? child->BorderIcons() : TBorderIcons{};
    bool wanted[3] = {icons.Contains(biSystemMenu), icons.Contains(biMaximize), icons.Contains(biMinimize)};
    for (int i = 1; i <= 3; ++i)
        if (TkrvSkinMenuBarControlButton* button = MDIButton(i))
            button->SetVisible(show && wanted[i - 1]);
    if (show) {
        PlaceMDIButtons();
        ColorMDIButtons();
    }
}

void TkrvSkinWindowMDI::MDIButtonClick(TObject* sender)
{
    auto* button = dynamic_cast<TControl*>(sender);
    TCustomForm* child = FForm->ActiveMDIChild();
    if (!button || !child)
        return;
    switch (button->Tag()) {
    case kFirstMDIButtonTag - 3:
        ::ShowWindow(child->Handle(), SW_SHOWMINIMIZED);
        break;
    case kFirstMDIButtonTag - 2:
        child->SetWindowState(wsNormal);
        break;
    case kFirstMDIButtonTag - 1:
        child->Close();
        break;
    default:
        break;
    }
    Application->ProcessMessages();
}

// --- building the bar ------------------------------------------------------------------------------------

void TkrvSkinWindowMDI::SetMergedChildMenu(TMainMenu* menu)
{
    if (FMergedChildMenu == menu)
        return;
    if (FMergedChildMenu)
        FSkinner.RemoveFreeNotification(FMergedChildMenu);
    FMergedChildMenu = menu;
    if (menu)
        FSkinner.FreeNotification(menu);
}

TkrvMenuBarItems TkrvSkinWindowMDI::CollectMenuItems()
{
    return ov::CollectMenuItems(FSkinner.MainMenu(), FSkinner.IsMDIForm() ? FMergedChildMenu : nullptr);
}

void TkrvSkinWindowMDI::BuildMenuBar(bool force)
{
    bool rebuild = force || FSkinner.MainMenu() != FLastBuiltMenu ||
                   (FSkinner.IsMDIForm() && FMergedChildMenu != FLastBuiltChildMenu);
    if (rebuild) {
        TkrvMenuBarItems collected = CollectMenuItems();
        FLastBuiltMenu = FSkinner.MainMenu();
        FLastBuiltChildMenu = FMergedChildMenu;
        if (collected.items.empty())
            FMenuBar->SetVisible(false);
        else
            FillMenuBar(collected);
    }
    if (FSkinner.IsMDIForm())
        RebuildWindowMenu();
}

void TkrvSkinWindowMDI::FillMenuBar(const TkrvMenuBarItems& collected)
{
    PlaceMenuBar();
    FMenuBar->SetAutoSize(false);
    FMenuBar->SetImages(collected.hasImages ? PlaceholderImages() : nullptr);
    SetMenuFont(*FMenuBar->Font());
    FMenuBar->SetList(collected.hasImages);
    while (FMenuBar->ButtonCount() > 0)
        FMenuBar->Buttons(FMenuBar->ButtonCount() - 1)->Free();
    for (TMenuItem* item : collected.items) {
        auto* button = new TToolButton(nullptr);
        button->SetGrouped(true);
        button->SetMenuItem(item);
        button->SetAutoSize(true);
        button->SetParent(FMenuBar);
    }
    FMenuItems = collected.items;
    FMenuBar->HandleNeeded();
    FMenuBar->SetAutoSize(true);
    FMenuBar->SetVisible(!FSkinner.IsMDIChild());
}

// --- painting the bar -----------------------------------------------------------------------------------

void TkrvSkinWindowMDI::PaintMenuBarBackground(TToolBar* bar, const RECT& rect, bool&)
{
    const auto& colors = FEngine->Metrics().menuColors;
    TCanvas* canvas = bar->Canvas();
    RECT all = bar->ClientRect();
    UnionRect(&all, &all, &rect);
    if (const TBitmap* image = FEngine->SkinBitmap(SKIN2_MENUBAR); image && !image->Empty())
        StretchBitmap(*image, *canvas, all);
    else if (colors[mcMenuBarStart] != colors[mcMenuBarEnd])
        FillGradientV(canvas->Handle(), all, colors[mcMenuBarStart], colors[mcMenuBarEnd]);
}

void TkrvSkinWindowMDI::PaintMenuBarButton(TToolBar* bar, TToolButton* button, TCustomDrawState state,
                                           bool& defaultDraw)
{
    defaultDraw = false;
    const auto& colors = FEngine->Metrics().menuColors;
    TCanvas* canvas = bar->Canvas();
    HDC dc = canvas->Handle();
    RECT b = button->BoundsRect();
    TMenuItem* item = button->MenuItem();
    TMenu* menu = item ? item->GetParentMenu() : nullptr;
    TCustomImageList* images = menu ? menu->Images() : nullptr;
    int imageIndex = item ? item->ImageIndex() : -1;
    SetMenuFont(*canvas->Font());
    if (state.Contains(cdsHot) || state.Contains(cdsSelected)) {
        button->SetTag(kHotMenuButtonTag);
        FillRectColor(dc, b, colors[mcTopSelected]);
        FrameRectColor(dc, b, colors[mcTopSelectedBorder]);
        canvas->Font()->SetColor(colors[mcTopSelectedFont]);
    } else {
        button->SetTag(0);
        canvas->Font()->SetColor(state.Contains(cdsDisabled) ? FEngine->DisabledMenuTextColor()
                                                             : colors[mcTopMenuFont]);
    }
    canvas->RequireFont();
    ::SetBkMode(dc, TRANSPARENT);
    bool hasImage = images && imageIndex >= 0 && imageIndex < images->Count();
    if (hasImage)
        b.left += images->Width();
    b.top += 2;
    std::wstring caption = item ? item->Caption() : button->Caption();
    ::DrawTextW(dc, caption.c_str(), -1, &b, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    if (hasImage)
        images->Draw(*canvas, b.left - images->Width() + 2, b.top + 2, imageIndex, true);
}

// --- the Window menu ------------------------------------------------------------------------------------

void TkrvSkinWindowMDI::FreeWindowMenuItems()
{
    std::vector<TMenuItem*> items = std::exchange(FWindowMenuItems, {});
    for (TMenuItem* item : items) {
        FSkinner.RemoveFreeNotification(item);
        item->Free();
    }
}

// The visible children in the order they were made (the MDI client numbers them so), as the
// system's own Window menu lists them; the order of activation would move them about.
std::vector<TCustomForm*> TkrvSkinWindowMDI::ListedMDIChildren() const
{
    std::vector<TCustomForm*> children;
    for (int i = 0; i < FForm->MDIChildCount(); ++i) {
        TCustomForm* child = FForm->MDIChildren(i);
        HWND window = child->WindowHandle();
        if (!child->ComponentState().Contains(csDestroying) && ::IsWindowVisible(window) &&
            ::SendMessageW(window, WM_KRV_HIDDENCHILD, 0, 0) != 1)
            children.push_back(child);
    }
    std::stable_sort(children.begin(), children.end(), [](TCustomForm* a, TCustomForm* b) {
        return ::GetDlgCtrlID(a->WindowHandle()) < ::GetDlgCtrlID(b->WindowHandle());
    });
    return children;
}

void TkrvSkinWindowMDI::RebuildWindowMenu()
{
    TMenuItem* windowMenu = FForm->WindowMenu();
    if (!FSkinner.MainMenu() || !windowMenu || !FForm->ClientHandle())
        return;
    FreeWindowMenuItems();
    auto add = [&](TMenuItem* item) {
        FEngine->PrepareMenuItem(item);
        windowMenu->Add(item);
        FSkinner.FreeNotification(item);
        FWindowMenuItems.push_back(item);
    };
    auto* line = new TMenuItem(nullptr);
    line->SetCaption(L"-");
    add(line);
    TCustomForm* active = FForm->ActiveMDIChild();
    HWND client = FForm->ClientHandle();
    for (TCustomForm* child : ListedMDIChildren()) {
        HWND window = child->WindowHandle();
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(child->Caption());
        item->SetChecked(child == active);
        item->OnClick = TNotifyEvent([window, client](TObject*) {
            auto* form = dynamic_cast<TCustomForm*>(TWinControl::FindControl(window));
            if (!form)
                return;
            if (::IsIconic(window))
                form->SetWindowState(wsNormal);
            ::SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
        });
        add(item);
    }
}

// --- messages ------------------------------------------------------------------------------------------------

bool TkrvSkinWindowMDI::PostProcess(TMessage& message)
{
    HWND window = FForm->WindowHandle();
    TCustomForm* main = FForm->MDIParent();
    HWND mainWindow = main ? main->WindowHandle() : nullptr;
    switch (message.Msg) {
    case WM_MDIACTIVATE:
        if (FSkinner.IsMDIChild() && reinterpret_cast<HWND>(message.LParam) == window && mainWindow) {
            ::SendMessageW(mainWindow, WM_KRV_MDIMENUCHANGED, reinterpret_cast<WPARAM>(FForm),
                           reinterpret_cast<LPARAM>(FSkinner.MainMenu()));
            ::SendMessageW(mainWindow, WM_KRV_REBUILDWINDOWMENU, 0, 0);
        }
        FSkinner.PaintFrame();
        return true;
    case WM_MDIREFRESHMENU:
        FSkinner.PaintFrame();
        return true;
    case WM_MDIRESTORE:
        if (FSkinner.IsMDIForm())
            ShowMDIButtons(false);
        return true;
    case WM_MDIMAXIMIZE:
        if (FSkinner.IsMDIForm())
            ShowMDIButtons(true);
        return true;
    case WM_KRV_MDIMENUCHANGED:
        if (FSkinner.IsMDIForm()) {
            SetMergedChildMenu(reinterpret_cast<TMainMenu*>(message.LParam));
            BuildMenuBar(false);
        }
        return true;
    case WM_KRV_REBUILDWINDOWMENU:
        RebuildWindowMenu();
        return true;
    case WM_KRV_HIDDENCHILD:
        message.Result = FMDIChildHidden ? 1 : 0;
        return true;
    case WM_KRV_SKINMDICHILD: {
        auto child = reinterpret_cast<HWND>(message.LParam);
        if (FSkinner.IsMDIForm() && ::IsWindow(child) && !IsWindowSkinned(child) && FindFormByHandle(child))
            FEngine->SkinWindow(child, false);
        return true;
    }
    case WM_SHOWWINDOW:
        if (FSkinner.IsMDIChild())
            FMDIChildHidden = message.WParam == 0;
        return false;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
        if (FSkinner.IsMDIChild() && mainWindow && (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
            ::SendMessageW(mainWindow, WM_KRV_REBUILDWINDOWMENU, 0, 0);
        return false;
    }
    default:
        return false;
    }
}

// A maximised child tells its parent (which shows the buttons) once, and un-tells it on restoring.
void TkrvSkinWindowMDI::AnnounceChildSize(bool maximized)
{
    TCustomForm* main = FForm->MDIParent();
    HWND mainWindow = main ? main->WindowHandle() : nullptr;
    if (!FSkinner.IsMDIChild() || !mainWindow)
        return;
    if (maximized) {
        if (!FMDIChildMaximized) {
            FMDIChildMaximized = true;
            ::SendMessageW(mainWindow, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(FForm->WindowHandle()), 0);
        }
        return;
    }
    FForm->Invalidate();
    if (FMDIChildMaximized) {
        FMDIChildMaximized = false;
        ::SendMessageW(mainWindow, WM_MDIRESTORE, reinterpret_cast<WPARAM>(FForm->WindowHandle()), 0);
    }
}

// The MDI client's messages, after its own procedure ran.
void TkrvSkinWindowMDI::ClientWindowProc(TMessage& message)
{
    message.Result = FClientHook->CallPrevious(message);
    if (!FEngine->IsWorking() || !FSkinner.FrameEnabled() || !FSkinner.SkinOn())
        return;
    try {
        switch (message.Msg) {
        case WM_MDICASCADE:
            CascadeChildren();
            break;
        case WM_MDITILE:
            TileChildren(message.WParam != 0);
            break;
        case WM_MDIDESTROY:
            if (!FForm->ActiveMDIChild()) {
                ::SendMessageW(FForm->WindowHandle(), WM_KRV_MDIMENUCHANGED, reinterpret_cast<WPARAM>(FForm), 0);
                ShowMDIButtons(false);
            }
            RebuildWindowMenu();
            break;
        case WM_MDICREATE:
            RebuildWindowMenu();
            break;
        case WM_PARENTNOTIFY:
            if (LOWORD(message.WParam) == WM_CREATE)
                ::PostMessageW(FForm->WindowHandle(), WM_KRV_SKINMDICHILD, 0, message.LParam);
            break;
        case WM_KRV_CLIENTTOP:
            message.Result = FSkinner.TopInset();
            break;
        case WM_KRV_CLIENTLEFT:
            message.Result = FSkinner.SideInset();
            break;
        case WM_KRV_CLIENTBOTTOM:
            message.Result = FSkinner.BottomInset();
            break;
        default:
            break;
        }
    } catch (...) {
        Application->HandleException(&FSkinner);
    }
}

// --- cascade and tile --------------------------------------------------------------------------------------

std::vector<TCustomForm*> TkrvSkinWindowMDI::VisibleChildren(bool withMinimized) const
{
    std::vector<TCustomForm*> children;
    for (int i = 0; i < FForm->MDIChildCount(); ++i) {
        TCustomForm* child = FForm->MDIChildren(i);
        HWND window = child->WindowHandle();
        if (::IsWindowVisible(window) && (withMinimized || !::IsIconic(window)))
            children.push_back(child);
    }
    return children;
}

// From the last child to the first, 0.8 x 0.6 of the client, 22 pixels further each time.
void TkrvSkinWindowMDI::CascadeChildren()
{
    RECT client{};
    ::GetClientRect(FForm->ClientHandle(), &client);
    int width = static_cast<int>(std::lround(0.8 * client.right));
    int height = static_cast<int>(std::lround(0.6 * client.bottom));
    std::vector<TCustomForm*> children = VisibleChildren(false);
    int offset = 0;
    for (auto it = children.rbegin(); it != children.rend(); ++it, offset += kCascadeStep)
        (*it)->SetBounds(offset, offset, width, height);
}

void TkrvSkinWindowMDI::TileChildren(bool horizontal)
{
    std::vector<TCustomForm*> children = VisibleChildren(false);
    int n = static_cast<int>(children.size());
    if (n == 0)
        return;
    RECT client{};
    ::GetClientRect(FForm->ClientHandle(), &client);
    int available = FForm->ClientHeight();
    for (int i = 0; i < FForm->ControlCount(); ++i) {
        TControl* control = FForm->Controls(i);
        if (control->Visible() && (control->Align() == alTop || control->Align() == alBottom))
            available -= control->Height();
    }
    if (VisibleChildren(true).size() > children.size())
        available -= 25;
    int position = 0;
    if (horizontal) {
        int h = available / n - (n == 1 ? 2 : 0);
        for (auto it = children.rbegin(); it != children.rend(); ++it, position += h - 2)
            (*it)->SetBounds(0, position, client.right - 4, h - 2);
    } else {
        int w = client.right / n - (n == 1 ? 2 : 0);
        for (auto it = children.rbegin(); it != children.rend(); ++it, position += w - 2)
            (*it)->SetBounds(position, 0, w - 2, available - 4);
    }
}

}  // namespace ov
