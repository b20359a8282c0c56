// Menus on real windows: the native menus built from the items, commands reaching OnClick, owner
// drawing through the events, popping up at a point and as a control's context menu.
#include "framework/forms/menus.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/forms/application.h"
#include "framework/controls/button.h"
#include "framework/graphics/canvas.h"
#include "framework/forms/form.h"
#include "framework/graphics/image_list.h"

namespace ov {
namespace {

// Runs an action from a thread timer once the popup menu window of this thread is open.
class TWhenMenuOpen {
public:
    explicit TWhenMenuOpen(std::function<void(HWND)> action) : action_(std::move(action))
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 30, &TWhenMenuOpen::Tick);
    }
    ~TWhenMenuOpen()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (!current_ || current_->done_)
            return;
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu))
            return;
        current_->done_ = true;
        current_->action_(menu);
    }
    static inline TWhenMenuOpen* current_ = nullptr;
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    bool done_ = false;
};

TMenuItem* AddItem(TMenuItem* parent, const wchar_t* caption, TComponent* owner)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

struct MenusTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TMainMenu* mainMenu = new TMainMenu(form.get());
    TMenuItem* file = AddItem(mainMenu->Items(), L"&File", form.get());
    TMenuItem* open = AddItem(file, L"&Open", form.get());
    TMenuItem* line = AddItem(file, L"-", form.get());
    TMenuItem* quit = AddItem(file, L"&Quit", form.get());
    void SetUp() override
    {
        form->InitForm();
        form->SetMenu(mainMenu);
        form->Show();
    }
};

TEST_F(MenusTest, NativeMenuFollowsTheItems)
{
    HMENU bar = GetMenu(form->WindowHandle());
    ASSERT_EQ(bar, mainMenu->Handle());
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    HMENU sub = GetSubMenu(bar, 0);
    ASSERT_EQ(sub, file->Handle());
    EXPECT_EQ(GetMenuItemCount(sub), 3);
    open->SetDefault(true);
    quit->SetEnabled(false);
    open->SetChecked(true);
    auto state = [&](int position) { return GetMenuState(sub, static_cast<UINT>(position), MF_BYPOSITION); };
    EXPECT_TRUE(state(0) & MF_CHECKED);
    EXPECT_TRUE(state(0) & MFS_DEFAULT);
    EXPECT_TRUE(state(1) & MF_SEPARATOR);
    EXPECT_TRUE(state(2) & MF_GRAYED);
    line->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    quit->Free();
    EXPECT_EQ(GetMenuItemCount(sub), 1);
    wchar_t text[32];
    GetMenuStringW(sub, 0, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&Open");
}

TEST_F(MenusTest, CommandsReachOnClick)
{
    int opened = 0;
    open->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, open);
        ++opened;
    };
    SendMessageW(form->WindowHandle(), WM_COMMAND, open->Command(), 0);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(mainMenu->DispatchCommand(0xFFFF));
    open->SetShortCut(static_cast<TShortCut>('O') | scCtrl);
    EXPECT_EQ(ShortCutToText(open->ShortCut()), L"Ctrl+O");
    EXPECT_TRUE(mainMenu->IsShortCut('O', {ssCtrl}));
    EXPECT_EQ(opened, 2);
    EXPECT_FALSE(mainMenu->IsShortCut('O', {}));
}

// An item's images: the nearest parent's SubMenuImages, else the menu's Images; a freed list is
// forgotten.
TEST_F(MenusTest, ImageListOfAnItem)
{
    auto* menuImages = new TImageList(form.get());
    auto* subImages = new TImageList(form.get());
    EXPECT_EQ(open->GetImageList(), nullptr);
    mainMenu->SetImages(menuImages);
    EXPECT_EQ(open->GetImageList(), menuImages);
    EXPECT_EQ(file->GetImageList(), menuImages);
    file->SetSubMenuImages(subImages);
    EXPECT_EQ(open->GetImageList(), subImages);
    EXPECT_EQ(file->GetImageList(), menuImages);
    subImages->Free();
    EXPECT_EQ(file->SubMenuImages(), nullptr);
    EXPECT_EQ(open->GetImageList(), menuImages);
    menuImages->Free();
    EXPECT_EQ(mainMenu->Images(), nullptr);
}

// With OwnerDraw the items are measured and drawn by their events, on a canvas.
TEST_F(MenusTest, OwnerDrawGoesThroughTheEvents)
{
    mainMenu->SetOwnerDraw(true);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    GetMenuItemInfoW(file->Handle(), 0, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    ASSERT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(open));

    open->OnMeasureItem = [](TObject*, TCanvas* canvas, int& width, int& height) {
        EXPECT_NE(canvas, nullptr);
        width = 123;
        height = 21;
    };
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, open->Command(), 0, 0, info.dwItemData};
    SendMessageW(form->WindowHandle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemWidth, 123u);
    EXPECT_EQ(measure.itemHeight, 21u);

    RECT drawn{};
    bool selected = false;
    open->OnDrawItem = [&](TObject*, TCanvas* canvas, RECT rect, bool isSelected) {
        drawn = rect;
        selected = isSelected;
        canvas->Brush()->SetColor(clRed);
        canvas->FillRect(rect);
    };
    HDC dc = GetDC(form->WindowHandle());
    DRAWITEMSTRUCT draw{ODT_MENU,
                        0,
                        open->Command(),
                        ODA_DRAWENTIRE,
                        ODS_SELECTED,
                        reinterpret_cast<HWND>(file->Handle()),
                        dc,
                        RECT{1, 2, 50, 20},
                        info.dwItemData};
    SendMessageW(form->WindowHandle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    ReleaseDC(form->WindowHandle(), dc);
    EXPECT_EQ(drawn.right, 50);
    EXPECT_TRUE(selected);
}

// Popup shows the menu at a screen point; choosing an item runs its OnClick after OnPopup.
TEST(PopupMenu, PopupRunsTheChosenItem)
{
    TComponentPtr<TForm> form(new TForm(nullptr));
    form->InitForm();
    form->Show();
    auto* popup = new TPopupMenu(form.get());
    auto* first = AddItem(popup->Items(), L"First", form.get());
    AddItem(popup->Items(), L"Second", form.get());
    std::vector<std::string> order;
    popup->OnPopup = [&](TObject*) { order.push_back("popup"); };
    first->OnClick = [&](TObject*) { order.push_back("first"); };
    TWhenMenuOpen choose([](HWND menu) {
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    });
    popup->Popup(200, 200);
    EXPECT_EQ(order, (std::vector<std::string>{"popup", "first"}));
    EXPECT_EQ(popup->PopupPoint().x, 200);
}

// A right click (WM_CONTEXTMENU) on a control shows its PopupMenu for it; a freed menu is forgotten.
TEST(PopupMenu, ContextMenuOfAControl)
{
    TComponentPtr<TForm> form(new TForm(nullptr));
    form->InitForm();
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    auto* button = new TButton(form.get());
    button->SetParent(form.get());
    auto* popup = new TPopupMenu(form.get());
    AddItem(popup->Items(), L"Only", form.get());
    button->SetPopupMenu(popup);
    bool popped = false;
    popup->OnPopup = [&](TObject*) { popped = true; };
    TWhenMenuOpen cancel([](HWND) { EndMenu(); });
    POINT p = button->ClientToScreen(POINT{5, 5});
    SendMessageW(button->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button->Handle()), MAKELPARAM(p.x, p.y));
    EXPECT_TRUE(popped);
    EXPECT_EQ(popup->PopupComponent(), button);
    popup->Free();
    EXPECT_EQ(button->PopupMenu(), nullptr);
}

}  // namespace
}  // namespace ov
