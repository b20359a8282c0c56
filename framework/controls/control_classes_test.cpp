// Every framework class a skinner serves, matched against the framework skinner table the way the
// skin engine matches it: rows searched from the last to the first, the first row whose class the
// control is or descends from wins. Each class must land on the row meant for it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/class_info.h"

namespace ov {
namespace {

// The framework classes of the skinner table, in its order.
const std::vector<std::wstring> kSkinnerRows = {
    L"TCustomControl",   L"TCustomFrame",    L"TScrollBox",        L"TCoolBar",           L"TToolBar",
    L"TCustomStatusBar", L"TDateTimePicker", L"TCustomTreeView",   L"TCustomUpDown",      L"TCustomHotKey",
    L"TProgressBar",     L"TTrackBar",       L"TCustomTabControl", L"TCustomGrid",        L"TSpeedButton",
    L"TCustomPanel",     L"TCustomGroupBox", L"TScrollBar",        L"TCustomListControl", L"TCustomListView",
    L"TRadioButton",     L"TCustomComboBox", L"TCustomComboBoxEx", L"TCustomCheckBox",    L"TCustomEdit",
    L"TButton",          L"TCustomLabel",
};

// The row a class is matched to, or -1 for none.
int MatchedRow(const TClassInfo& info)
{
    for (int row = static_cast<int>(kSkinnerRows.size()) - 1; row >= 0; --row)
        if (info.InheritsFrom(kSkinnerRows[static_cast<size_t>(row)]))
            return row;
    return -1;
}

int MatchedRow(const std::wstring& className)
{
    const TClassInfo* info = FindComponentClass(className);
    EXPECT_NE(info, nullptr) << "not registered: " << std::string(className.begin(), className.end());
    return info ? MatchedRow(*info) : -2;
}

TEST(ControlClasses, EachClassMeetsTheSkinnerRowMeantForIt)
{
    const std::vector<std::pair<std::wstring, int>> expected = {
        {L"TFrame", 1},       {L"TScrollBox", 2},      {L"TCoolBar", 3},     {L"TToolBar", 4},
        {L"TStatusBar", 5},   {L"TDateTimePicker", 6}, {L"TTreeView", 7},    {L"TUpDown", 8},
        {L"THotKey", 9},      {L"TProgressBar", 10},   {L"TTrackBar", 11},   {L"TPageControl", 12},
        {L"TTabControl", 12}, {L"TDrawGrid", 13},      {L"TStringGrid", 13}, {L"TSpeedButton", 14},
        {L"TPanel", 15},      {L"TGroupBox", 16},      {L"TScrollBar", 17},  {L"TListBox", 18},
        {L"TListView", 19},   {L"TRadioButton", 20},   {L"TComboBox", 21},   {L"TComboBoxEx", 22},
        {L"TCheckBox", 23},   {L"TEdit", 24},          {L"TMemo", 24},       {L"TButton", 25},
        {L"TLabel", 26},
    };
    for (const auto& [name, row] : expected)
        EXPECT_EQ(MatchedRow(name), row) << std::string(name.begin(), name.end());
}

TEST(ControlClasses, ContainersWithoutASkinnerOfTheirOwnMatchNoRow)
{
    // A tab sheet is reached only through the controls on it.
    EXPECT_EQ(MatchedRow(L"TTabSheet"), -1);
    EXPECT_EQ(MatchedRow(L"TForm"), -1);
    EXPECT_EQ(MatchedRow(L"TImage"), -1);
}

TEST(ControlClasses, MoreSpecificRowsStandAfterTheRowsTheirClassesAlsoMatch)
{
    // The list view and the combo boxes are list controls too; the grid and the group box are
    // custom controls; the extended combo box is a combo box.
    EXPECT_TRUE(FindComponentClass(L"TListView")->InheritsFrom(L"TCustomListControl"));
    EXPECT_TRUE(FindComponentClass(L"TListBox")->InheritsFrom(L"TCustomListControl"));
    EXPECT_TRUE(FindComponentClass(L"TComboBox")->InheritsFrom(L"TCustomListControl"));
    EXPECT_TRUE(FindComponentClass(L"TComboBoxEx")->InheritsFrom(L"TCustomComboBox"));
    EXPECT_TRUE(FindComponentClass(L"TDrawGrid")->InheritsFrom(L"TCustomControl"));
    EXPECT_TRUE(FindComponentClass(L"TGroupBox")->InheritsFrom(L"TCustomControl"));
    EXPECT_FALSE(FindComponentClass(L"TTabSheet")->InheritsFrom(L"TCustomControl"));
    EXPECT_TRUE(FindComponentClass(L"TFrame")->InheritsFrom(L"TScrollingWinControl"));
    EXPECT_TRUE(FindComponentClass(L"TScrollBox")->InheritsFrom(L"TScrollingWinControl"));
}

}  // namespace
}  // namespace ov
