// Forms by window, the active-form question and menu hooking, on real framework forms and menus.
#include <gtest/gtest.h>

#include "framework/forms/application.h"
#include "framework/forms/menus.h"
#include "skin/data/skin_forms_win.h"
#include "skin/data/skin_menus_win.h"

namespace ov {
namespace {

TComponentPtr<TForm> MakeForm()
{
    TComponentPtr<TForm> form{new TForm(nullptr)};
    form->InitForm();
    return form;
}

TEST(FindFormByHandle, FindsTheFormAndLeavesFormsWithoutAWindowAlone)
{
    auto withWindow = MakeForm();
    auto withoutWindow = MakeForm();
    const HWND window = withWindow->Handle();
    EXPECT_EQ(FindFormByHandle(window), withWindow.get());
    EXPECT_EQ(FindFormByHandle(::GetDesktopWindow()), nullptr);
    EXPECT_EQ(FindFormByHandle(nullptr), nullptr);
    EXPECT_FALSE(withoutWindow->HandleAllocated());
}

TEST(IsFormActive, TheFramesOwnAnswerDecidesFirst)
{
    auto form = MakeForm();
    LRESULT answer = 0;
    const TWndMethod saved = form->WindowProc;
    form->WindowProc = [&](TMessage& message) {
        if (message.Msg == kQueryActiveMessage)
            message.Result = answer;
        else
            saved(message);
    };
    ASSERT_EQ(Application->MainForm(), nullptr);
    form->Handle();
    answer = 1;
    EXPECT_TRUE(IsFormActive(form.get()));
    answer = 2;
    EXPECT_FALSE(IsFormActive(form.get()));
    answer = 0;  // no answer: without a main form the form's own (inactive) state counts
    EXPECT_FALSE(IsFormActive(form.get()));
    form->WindowProc = saved;
    EXPECT_FALSE(IsFormActive(nullptr));
}

TEST(HasPublishedProperty, NamesOfTheControlsClass)
{
    auto form = MakeForm();
    EXPECT_TRUE(HasPublishedProperty(form.get(), L"BorderStyle"));
    EXPECT_FALSE(HasPublishedProperty(form.get(), L"NoSuchProperty"));
    EXPECT_FALSE(HasPublishedProperty(nullptr, L"BorderStyle"));
}

struct MenuFixture : ::testing::Test {
    TComponentPtr<TMainMenu> menu{new TMainMenu(nullptr)};
    TMenuItem* file = Item(menu->Items(), L"FileMenu");
    TMenuItem* unnamed = Item(menu->Items(), L"");
    TMenuItem* open = Item(file, L"OpenItem");
    TMenuItem* recent = Item(file, L"RecentMenu");
    TMenuItem* first = Item(recent, L"FirstItem");

    TMenuItem* Item(TMenuItem* parent, const wchar_t* name)
    {
        auto* item = new TMenuItem(menu.get());
        if (*name)
            item->SetName(name);
        item->SetCaption(name);
        parent->Add(item);
        return item;
    }
};

TEST_F(MenuFixture, TopLevelItemsAreTheNamedItemsOfTheRoot)
{
    EXPECT_TRUE(IsTopLevelMenuItem(file));
    EXPECT_FALSE(IsTopLevelMenuItem(unnamed));
    EXPECT_FALSE(IsTopLevelMenuItem(open));
    EXPECT_FALSE(IsTopLevelMenuItem(first));
    EXPECT_FALSE(IsTopLevelMenuItem(menu->Items()));
    EXPECT_FALSE(IsTopLevelMenuItem(nullptr));
    TMenuItem loose(nullptr);
    loose.SetName(L"Loose");
    TMenuItem child(nullptr);
    child.SetName(L"Child");
    loose.Add(&child);  // a parent that belongs to no menu
    EXPECT_FALSE(IsTopLevelMenuItem(&child));
    loose.Remove(&child);
}

TEST_F(MenuFixture, HookingReachesEveryItemBelow)
{
    std::vector<std::wstring> measured, drawn;
    const TMenuMeasureItemEvent measure = [&](TObject* sender, TCanvas*, int&, int&) {
        measured.push_back(static_cast<TMenuItem*>(sender)->Caption());
    };
    const TMenuDrawItemEvent draw = [&](TObject* sender, TCanvas*, RECT, bool) {
        drawn.push_back(static_cast<TMenuItem*>(sender)->Caption());
    };
    HookMenuItems(file, measure, draw);
    for (TMenuItem* item : {file, open, recent, first}) {
        int w = 0, h = 0;
        ASSERT_TRUE(item->OnMeasureItem.Assigned());
        item->OnMeasureItem(item, nullptr, w, h);
        item->OnDrawItem(item, nullptr, RECT{}, false);
    }
    EXPECT_EQ(measured, (std::vector<std::wstring>{L"FileMenu", L"OpenItem", L"RecentMenu", L"FirstItem"}));
    EXPECT_EQ(drawn, measured);
    EXPECT_FALSE(unnamed->OnDrawItem.Assigned());
    // The framework's menus carry no image lists, so no item has one to draw its image from.
    EXPECT_EQ(GetMenuItemImages(first), nullptr);
}

}  // namespace
}  // namespace ov
