// The skinned menus: the merged order of a form's and an MDI child's items, item measuring, the
// menu bar of a skinned form (shown for a main menu, hidden without one, controls moved down once,
// the native menu back when the skin goes off), and menu openings that leave no GDI or USER object.
#include "skin/engine/skin_menu_bar.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/forms/application.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/label.h"
#include "tests/test_counts.h"
#include "skin/engine/engine_test_support.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window_vcl.h"

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

std::vector<std::wstring> Captions(const TkrvMenuBarItems& collected)
{
    std::vector<std::wstring> captions;
    for (TMenuItem* item : collected.items)
        captions.push_back(item->Caption());
    return captions;
}

struct CollectTest : ::testing::Test {
    TComponentPtr<TComponent> owner{new TComponent(nullptr)};
    TMainMenu* form = new TMainMenu(owner.get());
    TMainMenu* child = new TMainMenu(owner.get());
    void SetUp() override
    {
        AddItem(form->Items(), L"File", owner.get(), 0);
        AddItem(form->Items(), L"Edit", owner.get(), 1);
        AddItem(form->Items(), L"Window", owner.get(), 5);
        AddItem(form->Items(), L"Help", owner.get(), 9);
    }
};

TEST_F(CollectTest, WithoutAChildMenuTheFormsOwnItems)
{
    TkrvMenuBarItems collected = CollectMenuItems(form, nullptr);
    EXPECT_EQ(Captions(collected), (std::vector<std::wstring>{L"File", L"Edit", L"Window", L"Help"}));
    EXPECT_FALSE(collected.hasImages);
    form->Items()->Items(3)->SetImageIndex(0);
    EXPECT_TRUE(CollectMenuItems(form, child).hasImages) << "an empty child menu is no child menu";
    EXPECT_TRUE(CollectMenuItems(nullptr, nullptr).items.empty());
}

// A child item of an own item's GroupIndex replaces it; the child's items go, in their order,
// after the last own item below the first child item's GroupIndex.
TEST_F(CollectTest, ChildItemsReplaceTheirGroupsAndFollowTheLastLowerOwnItem)
{
    AddItem(child->Items(), L"Sheet", owner.get(), 1);
    AddItem(child->Items(), L"Chart", owner.get(), 3)->SetImageIndex(2);
    TkrvMenuBarItems collected = CollectMenuItems(form, child);
    EXPECT_EQ(Captions(collected), (std::vector<std::wstring>{L"File", L"Sheet", L"Chart", L"Window", L"Help"}));
    EXPECT_TRUE(collected.hasImages);
}

TEST_F(CollectTest, ChildItemsBelowEveryOwnGroupComeFirst)
{
    for (int i = 0; i < form->Items()->Count(); ++i)
        form->Items()->Items(i)->SetGroupIndex(form->Items()->Items(i)->GroupIndex() + 2);
    AddItem(child->Items(), L"Tools", owner.get(), 1);
    AddItem(child->Items(), L"More", owner.get(), 7);  // replaces Window (5 + 2)
    EXPECT_EQ(Captions(CollectMenuItems(form, child)),
              (std::vector<std::wstring>{L"Tools", L"More", L"File", L"Edit", L"Help"}));
}

// --- measuring ------------------------------------------------------------------------------------------

struct MeasureTest : ::testing::Test {
    test::SkinnedForm skinned{test::FormLayout(200, 100)};
    TMainMenu* menu = new TMainMenu(skinned.Form());
    TMenuItem* file = AddItem(menu->Items(), L"&File", skinned.Form());
    UniqueWindowDC dc = GetWindowDCOwned(nullptr);
    TCanvas canvas{dc.get()};

    std::pair<int, int> Measure(TMenuItem* item, int width = 7, int height = 9)
    {
        skinned.Engine()->MeasureMenuItem(item, &canvas, width, height);
        return {width, height};
    }
};

TEST_F(MeasureTest, HeightsAndWidthsOfItems)
{
    TMenuItem* open = AddItem(file, L"Open a file", skinned.Form());
    open->SetShortCut(scCtrl | 'O');
    TMenuItem* line = AddItem(file, L"-", skinned.Form());
    int text = canvas.TextWidth(L"Open a file"), shortcut = canvas.TextWidth(L"Ctrl+O");
    EXPECT_EQ(Measure(open), std::make_pair(text + shortcut + 66, std::max(21, canvas.TextHeight(L"Open a file"))));
    EXPECT_EQ(Measure(line).second, 5);
    EXPECT_EQ(Measure(file), std::make_pair(7, 9)) << "the bar's own items keep the framework's size";

    TCustomImageList images(nullptr);
    images.SetWidth(24);
    images.SetHeight(24);
    menu->SetImages(&images);
    EXPECT_EQ(Measure(open).second, 24 + 5);
    menu->SetImages(nullptr);
}

// --- the bar of a skinned form ------------------------------------------------------------------------------

std::string MenuFormLayout()
{
    return test::FormLayout(300, 160,
                            "  Menu = MainMenu1\n"
                            "  object MainMenu1: TMainMenu\n"
                            "    object FileItem: TMenuItem\n      Caption = '&File'\n"
                            "      object OpenItem: TMenuItem\n        Caption = '&Open'\n        ShortCut = 16463\n"
                            "      end\n    end\n"
                            "    object HelpItem: TMenuItem\n      Caption = '&Help'\n    end\n"
                            "  end\n"
                            "  object Label1: TLabel\n    Left = 10\n    Top = 20\n    Caption = 'Label'\n  end\n");
}

TEST(SkinnedMenuBar, AFormWithoutAMainMenuKeepsItsBarHidden)
{
    test::SkinnedForm skinned(test::FormLayout(200, 100));
    auto* skinner = dynamic_cast<TkrvSkinWindowVCL*>(skinned.Engine()->FindSkinWindow(skinned.Window()));
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(SendMessageW(skinned.Window(), WM_KRV_MENUBARHEIGHT, 0, 0), 0);
    EXPECT_FALSE(skinner->MenuBar()->Visible());
    EXPECT_FALSE(skinner->MenuBar()->HandleAllocated()) << "a bar with nothing to show makes no window";
}

// The menu's items stand on the bar; the form's controls move down by its height once, however
// often the skin goes off and on; off, the form has its native menu again.
TEST(SkinnedMenuBar, TheBarShowsTheMenuAndTheControlsMoveDownOnce)
{
    test::SkinnedForm skinned(MenuFormLayout());
    skinned.ShowInFront();
    auto* skinner = dynamic_cast<TkrvSkinWindowVCL*>(skinned.Engine()->FindSkinWindow(skinned.Window()));
    ASSERT_NE(skinner, nullptr);
    TkrvSkinMenuBar* bar = skinner->MenuBar();
    ASSERT_TRUE(bar->Visible());
    ASSERT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(bar->Buttons(0)->Caption(), L"&File");
    EXPECT_EQ(bar->Top(), 0);
    int height = static_cast<int>(SendMessageW(skinned.Window(), WM_KRV_MENUBARHEIGHT, 0, 0));
    EXPECT_EQ(height, bar->Height());
    EXPECT_GT(height, 10);
    auto* label = static_cast<TControl*>(skinned.Form()->FindComponent(L"Label1"));
    EXPECT_EQ(label->Top(), 20 + height);
    EXPECT_EQ(GetMenu(skinned.Window()), nullptr) << "the native menu is taken away";

    skinned.Engine()->SetActive(false);
    EXPECT_EQ(label->Top(), 20);
    EXPECT_NE(GetMenu(skinned.Window()), nullptr);
    EXPECT_FALSE(bar->Visible());
    skinned.Engine()->SetActive(true);
    skinned.Engine()->SetActive(false);
    skinned.Engine()->SetActive(true);
    EXPECT_EQ(label->Top(), 20 + height);
}

// Opening the bar's menu 200 times leaves as many GDI objects and windows as before.
TEST(SkinnedMenuBar, MenuOpeningsLeaveNoGdiOrUserObject)
{
    test::SkinnedForm skinned(MenuFormLayout());
    skinned.ShowInFront();
    auto* skinner = dynamic_cast<TkrvSkinWindowVCL*>(skinned.Engine()->FindSkinWindow(skinned.Window()));
    ASSERT_NE(skinner, nullptr);
    TkrvSkinMenuBar* bar = skinner->MenuBar();
    int opened = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu))
            EndMenu();
    });
    auto open = [&](int times) {
        for (int i = 0; i < times; ++i) {
            bar->TrackMenu(bar->Buttons(0));
            ++opened;
        }
    };
    open(5);
    Application->ProcessMessages();
    int gdi = testing::LiveGdiObjects(), windows = testing::LiveThreadWindows();
    open(200);
    Application->ProcessMessages();
    KillTimer(nullptr, timer);
    EXPECT_EQ(opened, 205);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
}

// The window menu of a skinned frame enables its items as the frame's buttons are drawn: a form
// with only a close button offers only Close.
TEST(SkinnedMenuBar, WindowMenuItemsFollowTheDrawnButtons)
{
    test::SkinnedForm skinned(test::FormLayout(240, 120, "  BorderIcons = [biSystemMenu]\n"));
    skinned.ShowInFront();
    TkrvSkinWindow* skinner = skinned.Engine()->FindSkinWindow(skinned.Window());
    ASSERT_NE(skinner, nullptr);
    ASSERT_TRUE(skinner->DrewCloseButton());
    ASSERT_FALSE(skinner->DrewMaxButton());
    static std::vector<bool> enabled;
    static TPopupMenu* menu = nullptr;
    enabled.clear();
    menu = skinned.Engine()->SystemMenu();
    UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup || !IsWindowVisible(popup) || !enabled.empty())
            return;
        for (int i = 0; i < menu->Items()->Count(); ++i)
            enabled.push_back(menu->Items()->Items(i)->Enabled());
        EndMenu();
    });
    skinner->ShowSystemMenu();
    KillTimer(nullptr, timer);
    ASSERT_EQ(enabled.size(), 4u);
    EXPECT_FALSE(enabled[0]) << "minimise";
    EXPECT_FALSE(enabled[1]) << "maximise";
    EXPECT_TRUE(enabled[3]) << "close";
}

}  // namespace
}  // namespace ov
