// List boxes, combo boxes (plain and with images), list views and tree views: built from a stored
// layout, their lines, items and nodes reaching the system controls and back, and real clicks
// and keys under Wine changing the selection and firing the events.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>

#include "framework/graphics/canvas.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/combo_box_ex.h"
#include "framework/forms/form.h"
#include "framework/controls/list_box.h"
#include "framework/controls/list_view.h"
#include "tests/test_input.h"
#include "tests/test_layout_form.h"
#include "framework/controls/tree_view.h"

namespace ov {
namespace {

constexpr const char* kLayout = R"(object Form1: TForm
  Left = 40
  Top = 40
  ClientWidth = 640
  ClientHeight = 400
  object ListBox1: TListBox
    Left = 10
    Top = 10
    Width = 150
    Height = 100
    Items.Strings = ('Pear' 'Apple' 'Fig')
    ItemIndex = 1
  end
  object ComboBox1: TComboBox
    Left = 180
    Top = 10
    Width = 150
    Height = 24
    Style = csDropDownList
    Items.Strings = ('Red' 'Green' 'Blue')
    ItemIndex = 2
  end
  object ComboBox2: TComboBox
    Left = 180
    Top = 50
    Width = 150
    Height = 24
    Text = 'typed'
  end
  object ComboBoxEx1: TComboBoxEx
    Left = 350
    Top = 10
    Width = 150
    Height = 24
    Style = csDropDownList
    ItemsEx = <
      item
        Caption = 'First'
        ImageIndex = 0
      end
      item
        Caption = 'Second'
        ImageIndex = 1
        Indent = 1
      end>
    ItemIndex = 0
  end
  object ListView1: TListView
    Left = 10
    Top = 130
    Width = 300
    Height = 150
    ViewStyle = vsReport
    RowSelect = True
    Columns = <
      item
        Caption = 'Name'
        Width = 100
      end
      item
        Caption = 'Size'
        Width = 80
        Alignment = taRightJustify
        ImageIndex = 0
      end>
    Items = <
      item
        Caption = 'a.txt'
        SubItems.Strings = ('12')
      end
      item
        Caption = 'b.txt'
        SubItems.Strings = ('345')
        ImageIndex = 1
      end>
  end
  object TreeView1: TTreeView
    Left = 330
    Top = 130
    Width = 200
    Height = 200
    Items.Nodes = ('Fruit' '  Apple' '  Pear' '    Small pear' 'Vegetables')
  end
end
)";

struct ListControlsTest : testing::TLayoutFormTest {
    void SetUp() override { Open(kLayout); }
    static std::wstring ListText(HWND window, UINT getText, UINT getLength, int index)
    {
        std::wstring text(static_cast<size_t>(SendMessageW(window, getLength, index, 0)), L'\0');
        SendMessageW(window, getText, index, reinterpret_cast<LPARAM>(text.data()));
        return text;
    }
};

TEST_F(ListControlsTest, ListBoxLinesAndSelectionReachTheSystemList)
{
    auto list = Find<TListBox>(L"ListBox1");
    HWND window = list->Handle();
    ASSERT_EQ(SendMessageW(window, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ListText(window, LB_GETTEXT, LB_GETTEXTLEN, 1), L"Apple");
    EXPECT_EQ(SendMessageW(window, LB_GETCURSEL, 0, 0), 1);
    list->Items()->Add(L"Kiwi");
    EXPECT_EQ(ListText(window, LB_GETTEXT, LB_GETTEXTLEN, 3), L"Kiwi");
    list->SetSorted(true);
    EXPECT_EQ(list->Items()->Get(0), L"Apple");
    EXPECT_EQ(ListText(window, LB_GETTEXT, LB_GETTEXTLEN, 0), L"Apple");
    list->Items()->Add(L"Banana");  // a sorted list puts it in place
    EXPECT_EQ(list->Items()->IndexOf(L"Banana"), 1);
    EXPECT_EQ(ListText(window, LB_GETTEXT, LB_GETTEXTLEN, 1), L"Banana");
    // Lines and selection survive a new window.
    list->SetItemIndex(2);
    list->SetMultiSelect(true);
    list->SetMultiSelect(false);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(list->ItemIndex(), 2);
}

TEST_F(ListControlsTest, ARealClickSelectsAListBoxLineAndClicks)
{
    auto list = Find<TListBox>(L"ListBox1");
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    RECT line = list->ItemRect(2);
    testing::Click(*list, {line.left + 10, (line.top + line.bottom) / 2});
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    testing::PressKey(VK_UP);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ListControlsTest, OwnerDrawnListBoxLinesArePaintedByOnDrawItem)
{
    auto list = Find<TListBox>(L"ListBox1");
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);
    std::vector<int> drawn;
    list->OnDrawItem = [&](TWinControl* control, int index, RECT rect, TOwnerDrawState) {
        drawn.push_back(index);
        auto box = static_cast<TListBox*>(control);
        box->Canvas()->Brush()->SetColor(clLime);
        box->Canvas()->FillRect(rect);
    };
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 20);
    UpdateWindow(list->Handle());
    testing::PumpInput();
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 0), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 2), drawn.end());
}

TEST_F(ListControlsTest, OwnerDrawnComboBoxLinesArePaintedByOnDrawItem)
{
    auto combo = Find<TComboBox>(L"ComboBox1");
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(18);
    std::vector<std::pair<int, bool>> drawn;  // line, drawn as the edit part
    combo->OnDrawItem = [&](TWinControl*, int index, RECT rect, TOwnerDrawState state) {
        drawn.push_back({index, state.Contains(odComboBoxEdit)});
        combo->Canvas()->FillRect(rect);
    };
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0), 18);
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->Repaint();
    testing::PumpInput();
    // The chosen line is drawn in the edit part.
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), std::pair{2, true}), drawn.end());
}

TEST_F(ListControlsTest, AMultiSelectListBoxTakesARangeWithShiftClick)
{
    auto list = Find<TListBox>(L"ListBox1");
    list->SetMultiSelect(true);
    EXPECT_TRUE(GetWindowLongW(list->Handle(), GWL_STYLE) & LBS_EXTENDEDSEL);
    RECT first = list->ItemRect(0), last = list->ItemRect(2);
    testing::Click(*list, {first.left + 10, (first.top + first.bottom) / 2});
    INPUT shift{};
    shift.type = INPUT_KEYBOARD;
    shift.ki.wVk = VK_SHIFT;
    SendInput(1, &shift, sizeof shift);
    testing::Click(*list, {last.left + 10, (last.top + last.bottom) / 2});
    shift.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &shift, sizeof shift);
    testing::PumpInput();
    EXPECT_EQ(list->SelCount(), 3);
    EXPECT_TRUE(list->Selected(1));
    list->DeleteSelected();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListControlsTest, ComboBoxLinesTextAndStyleReachTheSystemCombo)
{
    auto combo = Find<TComboBox>(L"ComboBox1");
    HWND window = combo->Handle();
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    EXPECT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(window, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(combo->Text(), L"Blue");
    EXPECT_EQ(Find<TComboBox>(L"ComboBox2")->Text(), L"typed");
    // The window keeps one line's height; the list drops down as high as DropDownCount lines.
    EXPECT_LT(combo->Height(), 40);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(window, &info));
    combo->SetStyle(csSimple);
    EXPECT_EQ(GetWindowLongW(combo->Handle(), GWL_STYLE) & 3, CBS_SIMPLE);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
}

TEST_F(ListControlsTest, ChoosingAComboBoxLineByMouseChangesItemIndexAndText)
{
    auto combo = Find<TComboBox>(L"ComboBox1");
    std::vector<std::wstring> events;
    combo->OnChange = [&](TObject*) { events.push_back(L"change " + combo->Text()); };
    combo->OnSelect = [&](TObject*) { events.push_back(L"select " + std::to_wstring(combo->ItemIndex())); };
    combo->OnDropDown = [&](TObject*) { events.push_back(L"drop"); };
    testing::Click(*combo, {combo->Width() - 8, combo->Height() / 2});
    ASSERT_TRUE(testing::PumpUntil([&] { return combo->DroppedDown(); }));
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo->Handle(), &info);
    RECT line{};
    SendMessageW(info.hwndList, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&line));
    POINT at{line.left + 10, (line.top + line.bottom) / 2};
    ClientToScreen(info.hwndList, &at);
    testing::ClickAtScreen(at);
    ASSERT_TRUE(testing::PumpUntil([&] { return !combo->DroppedDown(); }));
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), L"Red");
    EXPECT_EQ(events, (std::vector<std::wstring>{L"drop", L"change Red", L"select 0"}));
}

TEST_F(ListControlsTest, TypingIntoADropDownComboChangesText)
{
    auto combo = Find<TComboBox>(L"ComboBox2");
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetFocus();
    SendMessageW(combo->Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    testing::PressKey('X');
    EXPECT_EQ(combo->Text(), L"x");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ListControlsTest, ExtendedComboBoxLinesCarryTheirImages)
{
    auto combo = Find<TComboBoxEx>(L"ComboBoxEx1");
    HWND window = combo->Handle();
    wchar_t className[64];
    GetClassNameW(window, className, 64);
    EXPECT_EQ(std::wstring(className), L"TComboBoxEx");
    ASSERT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 2);
    COMBOBOXEXITEMW item{};
    wchar_t text[32];
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_INDENT;
    item.iItem = 1;
    item.pszText = text;
    item.cchTextMax = 32;
    ASSERT_TRUE(SendMessageW(window, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(std::wstring(text), L"Second");
    EXPECT_EQ(item.iImage, 1);
    EXPECT_EQ(item.iIndent, 1);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), L"First");
    combo->AddItemEx(L"Third", 2);
    EXPECT_EQ(SendMessageW(window, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(combo->Items()->Get(2), L"Third");
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ListControlsTest, ListViewColumnsAndItemsReachTheSystemList)
{
    auto view = Find<TListView>(L"ListView1");
    HWND window = view->Handle();
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    HWND header = view->HeaderHandle();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_IMAGE;
    ASSERT_TRUE(SendMessageW(window, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    EXPECT_EQ(column.cx, 80);
    EXPECT_EQ(column.iImage, 0);
    EXPECT_EQ(view->Column(1)->Alignment(), taRightJustify);
    ASSERT_EQ(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0), 2);
    wchar_t text[32];
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(window, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), L"345");
    view->Item(0)->SubItems()->Put(0, L"99");
    SendMessageW(window, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), L"99");
    EXPECT_TRUE(SendMessageW(window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
}

TEST_F(ListControlsTest, ARealClickSelectsAListViewItem)
{
    auto view = Find<TListView>(L"ListView1");
    std::vector<std::pair<std::wstring, bool>> selections;
    view->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
        selections.push_back({item->Caption(), selected});
    };
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(view->Handle(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    testing::Click(*view, {r.left + 40, (r.top + r.bottom) / 2});
    EXPECT_EQ(view->ItemIndex(), 1);
    ASSERT_NE(view->Selected(), nullptr);
    EXPECT_EQ(view->Selected()->Caption(), L"b.txt");
    testing::PressKey(VK_UP);
    EXPECT_EQ(view->ItemIndex(), 0);
    EXPECT_EQ(selections,
              (std::vector<std::pair<std::wstring, bool>>{{L"b.txt", true}, {L"b.txt", false}, {L"a.txt", true}}));
}

TEST_F(ListControlsTest, TreeViewNodesComeFromTheLayoutAndExpandByClickAndByCode)
{
    auto tree = Find<TTreeView>(L"TreeView1");
    TTreeNodes* nodes = tree->Items();
    ASSERT_EQ(nodes->Count(), 5);
    ASSERT_EQ(nodes->RootCount(), 2);
    TTreeNode* fruit = nodes->Root(0);
    EXPECT_EQ(fruit->Count(), 2);
    EXPECT_EQ(fruit->Item(1)->Item(0)->Text(), L"Small pear");
    EXPECT_EQ(fruit->Item(1)->Item(0)->Level(), 2);
    HWND window = tree->Handle();
    EXPECT_EQ(SendMessageW(window, TVM_GETCOUNT, 0, 0), 5);
    // Expanded in code: the window shows the children.
    std::vector<std::wstring> expanded;
    tree->OnExpanded = [&](TObject*, TTreeNode* node) { expanded.push_back(node->Text()); };
    fruit->Expand(false);
    EXPECT_TRUE(SendMessageW(window, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(fruit->ItemId()), TVIS_EXPANDED) &
                TVIS_EXPANDED);
    // Clicked: a node is selected; a double click on a closed node opens it.
    TTreeNode* pear = fruit->Item(1);
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    RECT r{};
    HTREEITEM item = pear->ItemId();
    *reinterpret_cast<HTREEITEM*>(&r) = item;
    ASSERT_TRUE(SendMessageW(window, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
    std::vector<std::wstring> changes;
    tree->OnChange = [&](TObject*, TTreeNode* node) { changes.push_back(node ? node->Text() : L"-"); };
    testing::Click(*tree, {r.left + 5, (r.top + r.bottom) / 2});
    EXPECT_EQ(tree->Selected(), pear);
    EXPECT_EQ(changes, std::vector<std::wstring>{L"Pear"});
    testing::PressKey(VK_RIGHT);  // opens the selected node
    EXPECT_TRUE(pear->Expanded());
    EXPECT_EQ(expanded, std::vector<std::wstring>{L"Pear"});
    // A click on the node's button closes it; the next asks OnExpanding, which may refuse.
    std::vector<std::wstring> collapsed;
    tree->OnCollapsed = [&](TObject*, TTreeNode* node) { collapsed.push_back(node->Text()); };
    int indent = static_cast<int>(SendMessageW(window, TVM_GETINDENT, 0, 0));
    POINT button{r.left - indent / 2 - 1, (r.top + r.bottom) / 2};
    TVHITTESTINFO hit{button, 0, nullptr};
    SendMessageW(window, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    ASSERT_TRUE(hit.flags & TVHT_ONITEMBUTTON);
    testing::Click(*tree, button);
    EXPECT_FALSE(pear->Expanded());
    EXPECT_EQ(collapsed, std::vector<std::wstring>{L"Pear"});
    int asked = 0;
    tree->OnExpanding = [&](TObject*, TTreeNode* node, bool& allow) {
        asked += node == pear;
        allow = false;
    };
    testing::Click(*tree, button);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(pear->Expanded());
    EXPECT_FALSE(SendMessageW(window, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(pear->ItemId()), TVIS_EXPANDED) &
                 TVIS_EXPANDED);
}

TEST_F(ListControlsTest, TreeViewNodesAndStateSurviveANewWindow)
{
    auto tree = Find<TTreeView>(L"TreeView1");
    TTreeNode* veg = tree->Items()->Root(1);
    tree->Items()->AddChild(veg, L"Leek");
    veg->Expand(false);
    tree->SetSelected(veg->Item(0));
    tree->SetShowLines(false);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 6);
    EXPECT_TRUE(veg->Expanded());
    EXPECT_EQ(tree->Selected(), veg->Item(0));
    // Deleting the selected node's parent moves the selection to a node that is still there.
    tree->Items()->Delete(veg);
    EXPECT_EQ(SendMessageW(tree->Handle(), TVM_GETCOUNT, 0, 0), 4);
    TTreeNode* selected = tree->Selected();
    bool stillThere = false;
    for (int i = 0; i < tree->Items()->Count(); ++i)
        stillThere |= tree->Items()->Item(i) == selected;
    EXPECT_TRUE(stillThere);
}

}  // namespace
}  // namespace ov
