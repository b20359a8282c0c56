// MDI forms over the platform's MDI client (children, activation, cascade, the client beside
// aligned controls, the active child's menu merged into the bar), menu merging by GroupIndex, and
// tool bars whose buttons carry menu items.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/forms/menus.h"
#include "framework/controls/panel.h"
#include "tests/test_input.h"
#include "framework/controls/tool_bar.h"

namespace ov {
namespace {

TMenuItem* AddItem(TMenuItem* parent, const wchar_t* caption, TComponent* owner, int groupIndex = 0)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->SetGroupIndex(groupIndex);
    parent->Add(item);
    return item;
}

std::vector<std::wstring> Captions(const std::vector<TMenuItem*>& items)
{
    std::vector<std::wstring> captions;
    captions.reserve(items.size());
    for (TMenuItem* item : items)
        captions.push_back(item->Caption());
    return captions;
}

std::vector<std::wstring> NativeCaptions(HMENU menu)
{
    std::vector<std::wstring> captions;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        captions.emplace_back(text);
    }
    return captions;
}

// Runs an action once the next popup menu of the thread shows (from a timer that keeps firing
// inside the menu's own loop).
class TWhenMenuOpen {
public:
    explicit TWhenMenuOpen(std::function<void(HWND)> action) : action_(std::move(action))
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &TWhenMenuOpen::Tick);
    }
    ~TWhenMenuOpen()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    [[nodiscard]] int Opened() const noexcept { return opened_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!current_ || !menu || !IsWindowVisible(menu) || menu == current_->last_)
            return;
        current_->last_ = menu;
        ++current_->opened_;
        current_->action_(menu);
    }
    static inline TWhenMenuOpen* current_ = nullptr;
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    HWND last_ = nullptr;
    int opened_ = 0;
};

// --- merging ------------------------------------------------------------------------------------------

struct MergeTest : ::testing::Test {
    TComponentPtr<TComponent> owner{new TComponent(nullptr)};
    TMainMenu* parent = new TMainMenu(owner.get());
    TMainMenu* child = new TMainMenu(owner.get());
};

// A child item replaces the parent's items of its group and stands before the first higher group;
// items of new groups fall into GroupIndex order; invisible items are left out.
TEST_F(MergeTest, ChildItemsReplaceTheirGroupAndKeepGroupOrder)
{
    AddItem(parent->Items(), L"File", owner.get(), 0);
    AddItem(parent->Items(), L"Edit", owner.get(), 1);
    AddItem(parent->Items(), L"Window", owner.get(), 9);
    AddItem(parent->Items(), L"Help", owner.get(), 10);
    AddItem(child->Items(), L"Sheet", owner.get(), 1);
    AddItem(child->Items(), L"Format", owner.get(), 1);
    AddItem(child->Items(), L"Tools", owner.get(), 5);
    AddItem(child->Items(), L"Hidden", owner.get(), 5)->SetVisible(false);
    EXPECT_EQ(Captions(MergeMenuItems(*parent->Items(), child->Items())),
              (std::vector<std::wstring>{L"File", L"Sheet", L"Format", L"Tools", L"Window", L"Help"}));
    EXPECT_EQ(Captions(MergeMenuItems(*parent->Items(), nullptr)),
              (std::vector<std::wstring>{L"File", L"Edit", L"Window", L"Help"}));
}

// The native bar follows the merge, commands of merged items reach them, and a freed child menu
// leaves the bar as it was.
TEST_F(MergeTest, NativeBarShowsMergedItemsUntilUnmerged)
{
    AddItem(parent->Items(), L"File", owner.get(), 0);
    AddItem(parent->Items(), L"Help", owner.get(), 10);
    TMenuItem* chart = AddItem(child->Items(), L"Chart", owner.get(), 3);
    AddItem(chart, L"Draw", owner.get());
    TMenuItem* run = AddItem(child->Items(), L"Run", owner.get(), 4);
    bool ran = false;
    run->OnClick = [&](TObject*) { ran = true; };
    parent->Merge(child);
    EXPECT_EQ(NativeCaptions(parent->Handle()), (std::vector<std::wstring>{L"File", L"Chart", L"Run", L"Help"}));
    EXPECT_TRUE(parent->DispatchMergedCommand(run->Command()));
    EXPECT_TRUE(ran);
    run->SetCaption(L"Go");
    EXPECT_EQ(NativeCaptions(parent->Handle())[2], L"Go");
    child->Free();
    EXPECT_EQ(parent->Merged(), nullptr);
    EXPECT_EQ(NativeCaptions(parent->Handle()), (std::vector<std::wstring>{L"File", L"Help"}));
}

// --- MDI forms ---------------------------------------------------------------------------------------

struct MDITest : ::testing::Test {
    TForm* parent = nullptr;
    std::vector<TForm*> children;

    void SetUp() override
    {
        ASSERT_EQ(Application->MainForm(), nullptr);
        parent = Application->CreateForm<TForm>();
        parent->SetFormStyle(fsMDIForm);
        parent->SetBounds(40, 40, 640, 480);
        parent->Show();
    }
    void TearDown() override
    {
        for (TForm* child : children)
            child->Free();
        if (parent)
            parent->Free();
    }
    TForm* NewChild(const wchar_t* caption)
    {
        auto* child = new TForm(Application);
        child->SetFormStyle(fsMDIChild);
        child->SetCaption(caption);
        child->InitForm();
        children.push_back(child);
        return child;
    }
};

TEST_F(MDITest, ChildrenLiveInTheClientAndTakeTurnsBeingActive)
{
    HWND client = parent->ClientHandle();
    ASSERT_NE(client, nullptr);
    wchar_t className[32] = {};
    GetClassNameW(client, className, 32);
    EXPECT_STREQ(className, L"MDIClient");
    TForm* a = NewChild(L"A");
    TForm* b = NewChild(L"B");
    TForm* c = NewChild(L"C");
    EXPECT_EQ(GetParent(a->Handle()), client);
    EXPECT_TRUE(IsWindowVisible(a->Handle()));
    EXPECT_EQ(parent->MDIChildCount(), 3);
    EXPECT_EQ(parent->MDIChildren(0), a);
    EXPECT_EQ(parent->MDIChildren(2), c);
    EXPECT_EQ(parent->ActiveMDIChild(), c);
    parent->Next();
    EXPECT_NE(parent->ActiveMDIChild(), c);
    parent->Previous();
    EXPECT_EQ(parent->ActiveMDIChild(), c);
    b->Free();
    children.erase(children.begin() + 1);
    EXPECT_EQ(parent->MDIChildCount(), 2);
    EXPECT_NE(parent->ActiveMDIChild(), nullptr);
}

// Cascade and tile are the platform's: the children end up at distinct places inside the client.
TEST_F(MDITest, CascadeAndTileArrangeTheChildren)
{
    TForm* a = NewChild(L"A");
    TForm* b = NewChild(L"B");
    a->SetBounds(5, 5, 100, 80);
    b->SetBounds(5, 5, 100, 80);
    parent->Cascade();
    EXPECT_NE(a->Left(), b->Left());
    parent->SetTileMode(tbVertical);
    parent->Tile();
    RECT client{};
    GetClientRect(parent->ClientHandle(), &client);
    EXPECT_EQ(a->Top(), 0);
    EXPECT_EQ(b->Top(), 0);
    EXPECT_NE(a->Left(), b->Left());
    EXPECT_LE(std::max(a->Left() + a->Width(), b->Left() + b->Width()), client.right);
}

// The client fills what the aligned controls leave, also after the form is resized.
TEST_F(MDITest, ClientFillsWhatAlignedControlsLeave)
{
    auto* bar = new TPanel(parent);
    bar->SetHeight(30);
    bar->SetAlign(alTop);
    bar->SetParent(parent);
    RECT r{};
    GetWindowRect(parent->ClientHandle(), &r);
    MapWindowPoints(nullptr, parent->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.bottom, parent->ClientHeight());
    parent->SetHeight(parent->Height() + 40);
    GetWindowRect(parent->ClientHandle(), &r);
    MapWindowPoints(nullptr, parent->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.bottom, parent->ClientHeight());
}

// The active child's menu is merged into the parent's bar and leaves it when another child
// (without a menu) becomes active.
TEST_F(MDITest, ActiveChildMenuIsMergedIntoTheBar)
{
    auto* bar = new TMainMenu(parent);
    AddItem(bar->Items(), L"File", parent, 0);
    AddItem(bar->Items(), L"Window", parent, 9);
    parent->SetMenu(bar);
    TForm* plain = NewChild(L"Plain");
    auto* childMenu = new TMainMenu(Application);
    AddItem(childMenu->Items(), L"Chart", childMenu, 2);
    auto* withMenu = new TForm(Application);
    withMenu->SetFormStyle(fsMDIChild);
    withMenu->SetMenu(childMenu);
    withMenu->InitForm();
    children.push_back(withMenu);
    HMENU native = GetMenu(parent->Handle());
    EXPECT_EQ(NativeCaptions(native), (std::vector<std::wstring>{L"File", L"Chart", L"Window"}));
    SendMessageW(parent->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(plain->Handle()), 0);
    EXPECT_EQ(NativeCaptions(GetMenu(parent->Handle())), (std::vector<std::wstring>{L"File", L"Window"}));
    childMenu->Free();
}

// --- tool bars with menu items ------------------------------------------------------------------------

struct MenuToolBarTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TMainMenu* menu = new TMainMenu(form.get());
    TMenuItem* file = AddItem(menu->Items(), L"&File", form.get());
    TMenuItem* open = AddItem(file, L"&Open", form.get());
    TMenuItem* edit = AddItem(menu->Items(), L"&Edit", form.get());
    TMenuItem* undo = AddItem(edit, L"&Undo", form.get());
    TMenuItem* about = AddItem(menu->Items(), L"&About", form.get());
    TToolBar* bar = new TToolBar(form.get());

    void SetUp() override
    {
        form->InitForm();
        form->SetBounds(100, 100, 400, 200);
        bar->SetShowCaptions(true);
        bar->SetParent(form.get());
        for (TMenuItem* item : {file, edit, about}) {
            auto* button = new TToolButton(form.get());
            button->SetMenuItem(item);
            button->SetAutoSize(true);
            button->SetGrouped(true);
            button->SetParent(bar);
        }
        form->Show();
        SetForegroundWindow(form->Handle());
    }
};

TEST_F(MenuToolBarTest, ButtonsTakeTheirItemsCaptionsAndState)
{
    about->SetEnabled(false);
    bar->Buttons(2)->UpdateFromMenuItem();
    EXPECT_EQ(bar->Buttons(0)->Caption(), L"&File");
    EXPECT_FALSE(bar->Buttons(2)->Enabled());
    TBBUTTONINFOW info{sizeof(info), TBIF_STYLE | TBIF_BYINDEX};
    SendMessageW(bar->Handle(), TB_GETBUTTONINFOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_TRUE(info.fsStyle & BTNS_AUTOSIZE);
    EXPECT_TRUE(info.fsStyle & BTNS_GROUP);
    about->Free();
    EXPECT_EQ(bar->Buttons(2)->MenuItem(), nullptr);
}

// A real click on a button drops its submenu below it; the chosen item runs.
TEST_F(MenuToolBarTest, ClickDropsTheSubmenuAndRunsTheChosenItem)
{
    testing::TPointerKeeper pointer;
    bool opened = false;
    open->OnClick = [&](TObject*) { opened = true; };
    RECT dropped{};
    TWhenMenuOpen choose([&](HWND menu) {
        GetWindowRect(menu, &dropped);
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    });
    TToolButton* button = bar->Buttons(0);
    testing::ClickAtScreen(button->ClientToScreen(POINT{button->Width() / 2, button->Height() / 2}));
    EXPECT_TRUE(testing::PumpUntil([&] { return opened; }));
    POINT below = bar->ClientToScreen(POINT{button->Left(), button->Top() + button->Height()});
    EXPECT_EQ(dropped.left, below.x);
    EXPECT_EQ(dropped.top, below.y);
}

// Right in the open menu's first level moves the menu to the next button; Alt+letter (the
// form's CM_DIALOGCHAR) opens a button's menu.
TEST_F(MenuToolBarTest, RightMovesToTheNextMenuAndAcceleratorsOpenOne)
{
    bool undone = false;
    undo->OnClick = [&](TObject*) { undone = true; };
    std::vector<TToolButton*> open;
    TWhenMenuOpen walk([&](HWND menu) {
        open.push_back(bar->MenuButton());
        if (open.size() == 1) {
            PostMessageW(menu, WM_KEYDOWN, VK_RIGHT, 0);
        } else {
            PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
        }
    });
    EXPECT_EQ(bar->Perform(CM_DIALOGCHAR, L'f', 0), 1);
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(open[0], bar->Buttons(0));
    EXPECT_EQ(open[1], bar->Buttons(1));
    EXPECT_TRUE(undone);
    EXPECT_EQ(bar->MenuButton(), nullptr);
}

}  // namespace
}  // namespace ov
