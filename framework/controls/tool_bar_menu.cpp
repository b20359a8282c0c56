// TToolBar as a menu bar: buttons carrying menu items drop their submenus, the open menu follows
// the pointer (or Left / Right) from button to button, and Alt+letter opens a button's menu.
//
// While a dropped menu runs its own modal loop, a thread message filter (WH_MSGFILTER, MSGF_MENU)
// watches the loop's messages; to move to another button the filter closes the menu (EndMenu) and
// TrackMenu opens the next one.
#include <windowsx.h>

#include <cwctype>

#include "framework/forms/menus.h"
#include "framework/controls/tool_bar.h"

namespace ov {

namespace {

// The bar whose menu is open (one menu runs at a time on the thread) and the filter's hook.
TToolBar* trackingBar = nullptr;
HHOOK menuFilterHook = nullptr;

// Releases the filter hook on every way out of TrackMenu.
class MenuFilterScope {
public:
    MenuFilterScope(TToolBar* bar, HOOKPROC procedure)
    {
        trackingBar = bar;
        menuFilterHook = SetWindowsHookExW(WH_MSGFILTER, procedure, nullptr, GetCurrentThreadId());
    }
    ~MenuFilterScope()
    {
        if (menuFilterHook)
            UnhookWindowsHookEx(menuFilterHook);
        menuFilterHook = nullptr;
        trackingBar = nullptr;
    }
    MenuFilterScope(const MenuFilterScope&) = delete;
    MenuFilterScope& operator=(const MenuFilterScope&) = delete;
};

bool HasSubmenu(const TToolButton* button) { return button->MenuItem() && button->MenuItem()->Count() > 0; }

// The accelerator of a caption: the character after a single '&'.
wchar_t AcceleratorOf(const std::wstring& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] != L'&')
            return static_cast<wchar_t>(std::towupper(caption[i + 1]));
        ++i;
    }
    return 0;
}

}  // namespace

void TToolBar::TrackMenu(TToolButton* button)
{
    if (!button || !HasSubmenu(button) || menuButton_ || !HandleAllocated())
        return;
    if (!dropMenu_)
        dropMenu_ = new TPopupMenu(this);
    while (button) {
        menuButton_ = button;
        nextMenuButton_ = nullptr;
        selectedMenu_ = nullptr;
        TMenuItem* item = button->MenuItem();
        dropMenu_->OnPopup.Fire(dropMenu_);
        HWND window = WindowHandle();
        SendMessageW(window, TB_PRESSBUTTON, static_cast<WPARAM>(button->command_), TRUE);
        RECT r = button->BoundsRect();
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        TPMPARAMS exclude{sizeof(exclude), r};
        UINT command = 0;
        {
            MenuFilterScope filter(this, &TToolBar::MenuFilterHook);
            command = static_cast<UINT>(TrackPopupMenuEx(item->Handle(),
                                                         TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_VERTICAL,
                                                         r.left, r.bottom, window, &exclude));
        }
        if (IsWindow(window))
            SendMessageW(window, TB_PRESSBUTTON, static_cast<WPARAM>(button->command_), FALSE);
        menuButton_ = nullptr;
        if (command != 0) {
            if (TMenuItem* chosen = item->FindByCommand(command); chosen && chosen != item)
                chosen->Click();
            return;
        }
        button = nextMenuButton_;
    }
}

void TToolBar::CancelMenu()
{
    if (menuButton_)
        EndMenu();
    nextMenuButton_ = nullptr;
}

// A press on a button with a submenu drops it (the system control never sees that press).
bool TToolBar::HandleMenuButtonPress(TMessage& message)
{
    if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK)
        return false;
    TToolButton* button = ButtonAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
    if (!button || !HasSubmenu(button) || !button->Enabled())
        return false;
    TrackMenu(button);
    message.Result = 0;
    return true;
}

// Alt+letter: the button whose caption has that accelerator drops its menu or is clicked.
bool TToolBar::HandleAccelerator(TMessage& message)
{
    auto key = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(message.WParam)));
    for (TToolButton* button : buttons_) {
        if (!button->Visible() || !button->Enabled() || AcceleratorOf(button->Caption()) != key)
            continue;
        message.Result = 1;
        if (HasSubmenu(button))
            TrackMenu(button);
        else
            button->Click();
        return true;
    }
    return false;
}

// The menu loop tells its owner (this bar) what is selected: Left / Right leave the menu only
// from its first level, and Right only on an item without a submenu of its own.
void TToolBar::HandleMenuSelect(TMessage& message)
{
    selectedMenu_ = reinterpret_cast<HMENU>(message.LParam);
    selectedHasSubmenu_ = (HIWORD(message.WParam) & MF_POPUP) != 0;
    message.Result = 0;
}

TToolButton* TToolBar::NeighbourMenuButton(TToolButton* button, bool forward) const
{
    int count = ButtonCount(), index = button->Index();
    for (int step = 1; step < count; ++step) {
        TToolButton* candidate = buttons_[static_cast<size_t>((index + (forward ? step : count - step)) % count)];
        if (candidate->Visible() && candidate->Enabled() && candidate->MenuItem())
            return HasSubmenu(candidate) ? candidate : nullptr;
    }
    return nullptr;
}

// True when the message was taken (it does not reach the menu).
bool TToolBar::HandleMenuFilter(const MSG& msg)
{
    if (!menuButton_)
        return false;
    if (msg.message == WM_MOUSEMOVE) {
        POINT p = msg.pt;
        ::ScreenToClient(WindowHandle(), &p);
        TToolButton* over = ButtonAt(p);
        if (over && over != menuButton_ && HasSubmenu(over) && over->Enabled()) {
            nextMenuButton_ = over;
            EndMenu();
        }
        return false;
    }
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_LEFT && msg.wParam != VK_RIGHT))
        return false;
    bool firstLevel = !selectedMenu_ || selectedMenu_ == menuButton_->MenuItem()->Handle();
    bool forward = msg.wParam == VK_RIGHT;
    if (!firstLevel || (forward && selectedHasSubmenu_))
        return false;
    nextMenuButton_ = NeighbourMenuButton(menuButton_, forward);
    if (!nextMenuButton_ || nextMenuButton_ == menuButton_)
        return false;
    EndMenu();
    return true;
}

LRESULT CALLBACK TToolBar::MenuFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU && trackingBar) {
        try {
            if (trackingBar->HandleMenuFilter(*reinterpret_cast<const MSG*>(lParam)))
                return 1;
        } catch (...) {
            // Nothing may unwind through the menu loop.
        }
    }
    return CallNextHookEx(menuFilterHook, code, wParam, lParam);
}

}  // namespace ov
