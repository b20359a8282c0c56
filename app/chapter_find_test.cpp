// Finding in a view: whole words only for Latin, Chinese and full-width text found as typed, the
// find dialog seeded from the selection, F3 both ways, and one wrap round the chapter, said aloud.
#include "app/chapter_find.h"

#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include "richview/test_view.h"
#include "richview/text_search.h"

namespace ov {
namespace {

constexpr DWORD kDown = FR_DOWN;
constexpr DWORD kWholeDown = FR_DOWN | FR_WHOLEWORD;

class ChapterFindTest : public testing::ViewTest {
protected:
    [[nodiscard]] std::optional<CHARRANGE> Find(const std::wstring& text, int from, DWORD flags) const
    {
        return FindInView(*view, text, from, flags);
    }
    static ::testing::AssertionResult At(const std::optional<CHARRANGE>& found, int start, int end)
    {
        if (found && found->cpMin == start && found->cpMax == end)
            return ::testing::AssertionSuccess();
        if (!found)
            return ::testing::AssertionFailure() << "nothing found";
        return ::testing::AssertionFailure() << "found " << found->cpMin << ".." << found->cpMax;
    }
    [[nodiscard]] ::testing::AssertionResult Selected(int start, int end) const
    {
        return At(view->Selection(), start, end);
    }

    [[nodiscard]] HWND Dialog() const { return find.DialogWindow(); }
    void SetDialogText(const std::wstring& text) const { SetDlgItemTextW(Dialog(), edt1, text.c_str()); }
    void ClickFindNext() const { SendMessageW(GetDlgItem(Dialog(), IDOK), BM_CLICK, 0, 0); }

    std::vector<std::wstring> said;
    ChapterFind find{[this](const std::wstring& text) { said.push_back(text); }};
};

TEST(SeedText, IsTheSelectionUpToItsFirstBreakOrObject)
{
    EXPECT_EQ(SeedText(L"快速怀孕的奥秘\r下一行"), L"快速怀孕的奥秘");
    EXPECT_EQ(SeedText(L"图\xFFFC后"), L"图");
    EXPECT_EQ(SeedText(std::wstring(300, L'x')).size(), 255u);
}

TEST_F(ChapterFindTest, WholeWordsHoldOnlyAtLatinEnds)
{
    view->Lines()->SetText(L"LHB LH峰 xLH LH");
    EXPECT_TRUE(At(Find(L"LH", 0, kDown), 0, 2));
    EXPECT_TRUE(At(Find(L"LH", 0, kWholeDown), 4, 6));
    EXPECT_TRUE(At(Find(L"LH", 5, kWholeDown), 12, 14));
    EXPECT_TRUE(At(Find(L"LH峰", 0, kWholeDown), 4, 7));
}

// Chinese is written without spaces: with whole words asked for, a Chinese word is still found
// inside a sentence.
TEST_F(ChapterFindTest, ChineseIsFoundWithWholeWordsOn)
{
    view->Lines()->SetText(L"注意健康咨询的建议");
    EXPECT_TRUE(At(Find(L"健康", 0, kWholeDown), 2, 4));
    EXPECT_TRUE(At(Find(L"询的建", 0, kWholeDown), 5, 8));
}

TEST_F(ChapterFindTest, FullWidthAndHalfWidthAreFoundAsTyped)
{
    view->Lines()->SetText(L"（ＬＨ）和(LH)");
    EXPECT_TRUE(At(Find(L"ＬＨ", 0, kDown), 1, 3));
    EXPECT_FALSE(Find(L"ＬＨ", 3, kDown));
    EXPECT_TRUE(At(Find(L"(LH)", 0, kDown), 5, 9));
    EXPECT_TRUE(At(Find(L"（ＬＨ）", 0, kWholeDown), 0, 4));
}

TEST_F(ChapterFindTest, UpwardsFindsTheMatchBeforeThePosition)
{
    view->Lines()->SetText(L"a-b-a");
    EXPECT_TRUE(At(Find(L"a", 5, 0), 4, 5));
    EXPECT_TRUE(At(Find(L"a", 4, 0), 0, 1));
    EXPECT_FALSE(Find(L"a", 0, 0));
    view->Lines()->SetText(L"ab xab ab");
    EXPECT_TRUE(At(Find(L"ab", 9, FR_WHOLEWORD), 7, 9));
    EXPECT_TRUE(At(Find(L"ab", 7, FR_WHOLEWORD), 0, 2));
}

TEST_F(ChapterFindTest, TheDialogIsSeededWithTheSelection)
{
    view->Lines()->SetText(L"one two three two");
    view->SetSelection(4, 7, false);
    find.OpenDialog(*view);
    ASSERT_NE(Dialog(), nullptr);
    wchar_t text[64] = {};
    GetDlgItemTextW(Dialog(), edt1, text, 64);
    EXPECT_STREQ(text, L"two");
}

TEST_F(ChapterFindTest, TheSelectionShowsWhileTheDialogIsOpen)
{
    auto options = [&] { return Send(EM_GETOPTIONS) & ECO_NOHIDESEL; };
    ASSERT_EQ(options(), 0);
    find.OpenDialog(*view);
    EXPECT_NE(options(), 0);
    SendMessageW(Dialog(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(options(), 0);
    EXPECT_TRUE(view->HideSelection());
}

TEST_F(ChapterFindTest, TheDialogWrapsOnceToTheStartSayingSo)
{
    view->Lines()->SetText(L"two one two");
    view->SetSelection(8, 11, false);
    find.OpenDialog(*view);
    ClickFindNext();
    EXPECT_TRUE(Selected(0, 3));
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(L"开头继续"), std::wstring::npos) << "said: " << said[0].size();
    ClickFindNext();
    EXPECT_TRUE(Selected(8, 11));
    EXPECT_EQ(said.size(), 1u);
}

TEST_F(ChapterFindTest, WhatIsNotThereIsSaidAndTheSelectionStays)
{
    view->Lines()->SetText(L"one two");
    view->SetSelection(4, 7, false);
    find.OpenDialog(*view);
    SetDialogText(L"four");
    ClickFindNext();
    EXPECT_EQ(said, std::vector<std::wstring>{L"本章中找不到“four”。"});
    EXPECT_TRUE(Selected(4, 7));
}

TEST_F(ChapterFindTest, TheDialogMatchesWholeWordsOnlyInLatin)
{
    view->Lines()->SetText(L"健康咨询 twofold two");
    view->SetSelection(0, 0, false);
    find.OpenDialog(*view);
    CheckDlgButton(Dialog(), chx1, BST_CHECKED);  // match whole word only
    SetDialogText(L"two");
    ClickFindNext();
    EXPECT_TRUE(Selected(13, 16));
    SetDialogText(L"咨询");
    ClickFindNext();
    EXPECT_TRUE(Selected(2, 4));  // wrapped round to it
}

TEST_F(ChapterFindTest, F3RepeatsTheLastSearchBothWaysAndWrapsUpToTheEnd)
{
    view->Lines()->SetText(L"two one two");
    view->SetSelection(0, 3, false);
    find.OpenDialog(*view);
    ClickFindNext();  // the search is what the dialog last did
    SendMessageW(Dialog(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_EQ(Dialog(), nullptr);
    EXPECT_TRUE(Selected(8, 11));

    find.Repeat(*view, false);
    EXPECT_TRUE(Selected(0, 3));
    EXPECT_TRUE(said.empty());
    find.Repeat(*view, false);
    EXPECT_TRUE(Selected(8, 11));
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find(L"末尾继续"), std::wstring::npos);
    find.Repeat(*view, true);
    EXPECT_TRUE(Selected(0, 3));
}

TEST_F(ChapterFindTest, F3BeforeAnySearchOpensTheDialog)
{
    view->Lines()->SetText(L"one two");
    find.Repeat(*view, true);
    EXPECT_NE(Dialog(), nullptr);
}

}  // namespace
}  // namespace ov
