// The skinned menu bar's own message handling (accelerators only while Alt is held or a button is
// hot, Enter on a hot item), the MDI control buttons, and the merge of a form's and a child's items.
#include "skin/engine/skin_menu_bar.h"

#include <windowsx.h>

#include <algorithm>
#include <set>

#include "framework/graphics/canvas.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_window_vcl.h"

namespace ov {

namespace {

bool HasSubItems(const TToolButton* button) { return button->MenuItem() && button->MenuItem()->Count() > 0; }

bool HasImage(const TMenuItem* item) { return item->ImageIndex() != -1; }

}  // namespace

TkrvMenuBarItems CollectMenuItems(TMainMenu* mainMenu, TMainMenu* childMenu)
{
    TkrvMenuBarItems result;
    auto take = [&](TMenuItem* item) {
        result.items.push_back(item);
        result.hasImages = result.hasImages || HasImage(item);
    };
    if (!childMenu || childMenu->Items()->Count() == 0) {
        for (int i = 0; mainMenu && i < mainMenu->Items()->Count(); ++i)
            take(mainMenu->Items()->Items(i));
        return result;
    }
    std::set<int> childGroups;
    std::vector<TMenuItem*> childItems;
    for (int i = 0; i < childMenu->Items()->Count(); ++i) {
        childItems.push_back(childMenu->Items()->Items(i));
        childGroups.insert(childItems.back()->GroupIndex());
    }
    int firstChildGroup = childItems.front()->GroupIndex();
    size_t insertAt = 0;
    for (int i = 0; mainMenu && i < mainMenu->Items()->Count(); ++i) {
        TMenuItem* own = mainMenu->Items()->Items(i);
        if (childGroups.contains(own->GroupIndex()))
            continue;
        take(own);
        if (own->GroupIndex() < firstChildGroup)
            insertAt = result.items.size();
    }
    result.items.insert(result.items.begin() + static_cast<std::ptrdiff_t>(insertAt), childItems.begin(),
                        childItems.end());
    result.hasImages = result.hasImages || std::any_of(childItems.begin(), childItems.end(), HasImage);
    return result;
}

// --- TkrvSkinMenuBar ---------------------------------------------------------------------------------

const TClassInfo& TkrvSkinMenuBar::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TkrvSkinMenuBar>(L"TkrvSkinMenuBar", TToolBar::StaticClass()).Build();
    return info;
}

TkrvSkinMenuBar::TkrvSkinMenuBar(TComponent* owner, TkrvSkinWindowVCL* skinWindow)
    : TToolBar(owner), FSkinWindow(skinWindow)
{
}

TToolButton* TkrvSkinMenuBar::HotButton() const
{
    for (int i = 0; i < ButtonCount(); ++i)
        if (Buttons(i)->Tag() == kHotMenuButtonTag)
            return Buttons(i);
    return nullptr;
}

// The bar's drop-down menu takes the menu's own accelerator rule.
void TkrvSkinMenuBar::Notification(TComponent* component, TOperation operation)
{
    TToolBar::Notification(component, operation);
    if (operation != opInsert || component->Owner() != this)
        return;
    if (auto* popup = dynamic_cast<TPopupMenu*>(component))
        popup->OnPopup = TNotifyEvent(this, &TkrvSkinMenuBar::CopyAutoHotkeys);
}

void TkrvSkinMenuBar::CopyAutoHotkeys(TObject* sender)
{
    auto* popup = dynamic_cast<TPopupMenu*>(sender);
    TToolButton* hot = HotButton();
    if (!popup || !hot || !hot->MenuItem())
        return;
    if (TMenu* menu = hot->MenuItem()->GetParentMenu())
        popup->SetAutoHotkeys(menu->AutoHotkeys());
}

// A press at the very corner of a command button is the one the tool bar posts to itself when the
// open menu moves on; it must not click the item.
bool TkrvSkinMenuBar::IgnoresPress(const TMessage& message) const
{
    POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    for (int i = 0; i < ButtonCount(); ++i) {
        TToolButton* button = Buttons(i);
        if (button->Visible() && button->Left() == p.x && button->Top() == p.y && button->MenuItem() &&
            !HasSubItems(button))
            return true;
    }
    return false;
}

void TkrvSkinMenuBar::EnterOnHotItem()
{
    for (int i = 0; i < ButtonCount(); ++i) {
        TToolButton* button = Buttons(i);
        if (button->Tag() != kHotMenuButtonTag || !button->MenuItem() || HasSubItems(button))
            continue;
        CancelMenu();
        button->MenuItem()->Click();
    }
}

void TkrvSkinMenuBar::WndProc(TMessage& message)
{
    if (ComponentState().Contains(csDesigning)) {
        TToolBar::WndProc(message);
        return;
    }
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (GetKeyState(VK_MENU) < 0 || HotButton())
            TToolBar::WndProc(message);
        else
            message.Result = 0;
        return;
    case WM_LBUTTONDOWN:
        if (IgnoresPress(message))
            return;
        break;
    case WM_KEYUP:
        if (message.WParam == VK_RETURN) {
            EnterOnHotItem();
            return;
        }
        break;
    default:
        break;
    }
    TToolBar::WndProc(message);
}

// --- TkrvSkinMenuBarControlButton -------------------------------------------------------------------

const TClassInfo& TkrvSkinMenuBarControlButton::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinMenuBarControlButton>(L"TkrvSkinMenuBarControlButton", TCustomPanel::StaticClass())
            .Property(L"ToColor", &TkrvSkinMenuBarControlButton::ToColor, &TkrvSkinMenuBarControlButton::SetToColor)
            .Build();
    return info;
}

TkrvSkinMenuBarControlButton::TkrvSkinMenuBarControlButton(TComponent* owner) : TCustomPanel(owner)
{
    SetBevelOuter(bvNone);
    SetBounds(0, 0, 18, 18);
}

void TkrvSkinMenuBarControlButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FHover = message.Msg == CM_MOUSEENTER;
        Invalidate();
        break;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    default:
        break;
    }
    TCustomPanel::WndProc(message);
}

void TkrvSkinMenuBarControlButton::Paint()
{
    FGlyph.SetTransparent(true);
    TBitmap buffer(Width(), Height());
    RECT all{0, 0, Width(), Height()};
    HDC dc = buffer.Canvas()->Handle();
    Color() == FToColor ? FillRectColor(dc, all, Color()) : FillGradientV(dc, all, Color(), FToColor);
    if (!FGlyph.Empty()) {
        if (FHover)
            FrameRectColor(dc, all, clBlack);
        buffer.Canvas()->Draw(1, 1, FGlyph);
    }
    CopyPicture(buffer, Canvas()->Handle());
}

}  // namespace ov
