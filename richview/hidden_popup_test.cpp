// The fixed edit menu: its items and captions, the enabled states for a view's state, its
// actions through the view's gates, and the binding to one control at a time.
#include "richview/hidden_popup.h"

#include <gtest/gtest.h>

#include "richview/edit_menu_captions.h"
#include "richview/test_view.h"

namespace ov {
namespace {

using FixedMenu = testing::ViewTest;

struct Enabled {
    bool undo, cut, copy, paste, clear, selectAll;
    bool operator==(const Enabled&) const = default;
};

Enabled EnabledItems(TPopupMenu& menu)
{
    auto on = [&](int index) { return menu.Items()->Items(index)->Enabled(); };
    using H = THiddenPopupObject;
    return {on(H::kUndo), on(H::kCut), on(H::kCopy), on(H::kPaste), on(H::kDelete), on(H::kSelectAll)};
}

TEST_F(FixedMenu, HasTheSystemsCaptionsAndTwoSeparators)
{
    TPopupMenu* menu = view->GetPopupMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items()->Count(), 8);
    EditMenuCaptions captions = SystemEditMenuCaptions();
    EXPECT_EQ(menu->Items()->Items(0)->Caption(), captions.undo);
    EXPECT_TRUE(menu->Items()->Items(1)->IsLine());
    EXPECT_EQ(menu->Items()->Items(2)->Caption(), captions.cut);
    EXPECT_EQ(menu->Items()->Items(5)->Caption(), captions.clear);
    EXPECT_TRUE(menu->Items()->Items(6)->IsLine());
    EXPECT_EQ(menu->Items()->Items(7)->Caption(), captions.selectAll);
    EXPECT_EQ(HiddenPopupObject().Control(), view);
}

TEST_F(FixedMenu, ReadOnlyViewWithASelectionOffersCopyAndSelectAll)
{
    form.reset(new TForm(nullptr));
    MakeView(true);
    Load("{\\rtf1 chapter text}");
    view->SetSelection(0, 3, false);
    Enabled expected{false, false, true, false, false, true};
    EXPECT_EQ(EnabledItems(*view->GetPopupMenu()), expected);
}

TEST_F(FixedMenu, EditableViewWithoutSelectionOffersPaste)
{
    Load("{\\rtf1 chapter text}");
    view->SetSelection(2, 2, false);
    Enabled expected{false, false, false, true, false, true};
    EXPECT_EQ(EnabledItems(*view->GetPopupMenu()), expected);
}

TEST_F(FixedMenu, SelectAllIsOffWhenEverythingIsSelectedOrNothingIsThere)
{
    view->Handle();  // without a window the states are left as they were
    TPopupMenu* menu = view->GetPopupMenu();
    EXPECT_FALSE(menu->Items()->Items(THiddenPopupObject::kSelectAll)->Enabled());  // empty
    Load("{\\rtf1 first\\par second}");
    Send(EM_SETSEL, 0, -1);
    menu = view->GetPopupMenu();
    EXPECT_FALSE(menu->Items()->Items(THiddenPopupObject::kSelectAll)->Enabled());
    view->SetSelection(0, 1, false);
    menu = view->GetPopupMenu();
    EXPECT_TRUE(menu->Items()->Items(THiddenPopupObject::kSelectAll)->Enabled());
}

TEST_F(FixedMenu, UndoFollowsTheControlAndTheAllowedCommands)
{
    view->SetSelText(L"typed");
    EXPECT_TRUE(view->GetPopupMenu()->Items()->Items(THiddenPopupObject::kUndo)->Enabled());
    view->SetClipboardCommands({caCopy, caCut, caPaste});
    view->SetSelection(0, 2, false);
    Enabled expected{false, true, true, true, true, true};
    EXPECT_EQ(EnabledItems(*view->GetPopupMenu()), expected);
}

TEST_F(FixedMenu, ActionsGoThroughTheViewsGates)
{
    Load("{\\rtf1 chapter text}");
    TPopupMenu* menu = view->GetPopupMenu();
    menu->Items()->Items(THiddenPopupObject::kSelectAll)->Click();
    EXPECT_EQ(view->SelText(), L"chapter text");
    view->SetSelection(0, 8, false);
    view->SetClipboardCommands({caCopy});  // delete not allowed
    menu->Items()->Items(THiddenPopupObject::kDelete)->Click();
    EXPECT_EQ(Text(), L"chapter text");
    view->SetClipboardCommands(kAllClipboardCommands);
    menu->Items()->Items(THiddenPopupObject::kDelete)->Click();
    EXPECT_EQ(Text(), L"text");
}

TEST_F(FixedMenu, ForgetsAControlThatIsFreed)
{
    view->GetPopupMenu();
    ASSERT_EQ(HiddenPopupObject().Control(), view);
    view->Free();
    view = nullptr;
    EXPECT_EQ(HiddenPopupObject().Control(), nullptr);
}

TEST_F(FixedMenu, AnAssignedMenuOrUseFixedPopupOffMeansNoFixedMenu)
{
    TPopupMenu own(nullptr);
    view->SetPopupMenu(&own);
    EXPECT_EQ(view->GetPopupMenu(), &own);
    view->SetPopupMenu(nullptr);
    view->SetUseFixedPopup(false);
    EXPECT_EQ(view->GetPopupMenu(), nullptr);
}

TEST(FixedMenuRules, EnabledStatesFollowTheTable)
{
    TFixedMenuState state{kAllClipboardCommands, true, false, 3, 10};
    TFixedMenuEnabled all = FixedMenuEnabled(state);
    EXPECT_TRUE(all.undo && all.cut && all.copy && all.paste && all.clear && all.selectAll);
    state.allowed = {};
    TFixedMenuEnabled none = FixedMenuEnabled(state);
    EXPECT_FALSE(none.undo || none.cut || none.copy || none.paste);
    EXPECT_TRUE(none.clear && none.selectAll);  // not clipboard commands of the table
    state = {kAllClipboardCommands, false, true, 10, 10};
    TFixedMenuEnabled readOnly = FixedMenuEnabled(state);
    EXPECT_FALSE(readOnly.cut || readOnly.paste || readOnly.clear || readOnly.selectAll || readOnly.undo);
    EXPECT_TRUE(readOnly.copy);
}

}  // namespace
}  // namespace ov
