// Character and paragraph formats through the attribute objects, zoom, and searching with the
// find dialog.
#include "richview/rich_edit_attributes.h"

#include <gtest/gtest.h>

#include "richview/find_dialog.h"
#include "richview/richedit_library.h"
#include "richview/test_view.h"

namespace ov {
namespace {

using Attributes = testing::ViewTest;

TEST_F(Attributes, SelectionFormatIsReadAndWritten)
{
    view->Lines()->SetText(L"plain words here");
    view->SetSelection(6, 11, false);
    TOvTextAttributes& selection = *view->SelAttributes();
    selection.SetStyle({fsBold, fsUnderline});
    selection.SetName(L"Courier New");
    selection.SetSize(14);
    selection.SetColor(clBlue);
    selection.SetPitch(fpFixed);
    EXPECT_EQ(selection.Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(selection.Pitch(), fpFixed);
    EXPECT_EQ(selection.Name(), L"Courier New");
    EXPECT_EQ(selection.Size(), 14);
    EXPECT_EQ(ColorToRGB(selection.Color()), ColorToRGB(clBlue));
    view->SetSelection(0, 5, false);
    EXPECT_FALSE(selection.Style().Contains(fsBold));
    EXPECT_EQ(view->DefAttributes()->Name(), L"Tahoma");

    TFont font;
    view->SetSelection(6, 11, false);
    font.Assign(selection);
    EXPECT_EQ(font.Name(), L"Courier New");
    EXPECT_TRUE(font.Style().Contains(fsUnderline));
}

TEST_F(Attributes, JustifiedParagraphsSwitchOnAdvancedTypography)
{
    view->Lines()->SetText(L"a paragraph");
    TOvParaAttributes& paragraph = *view->Paragraph();
    paragraph.SetAlignment(paraCenter);
    EXPECT_EQ(paragraph.Alignment(), paraCenter);
    EXPECT_FALSE(view->AdvancedTypography());
    paragraph.SetAlignment(paraJustify);
    EXPECT_EQ(view->AdvancedTypography(), RichEditLevel() >= 3);
    paragraph.SetLeftIndent(10);
    paragraph.SetTab(0, 36);
    EXPECT_EQ(paragraph.LeftIndent(), 10);
    EXPECT_EQ(paragraph.TabCount(), 1);
    EXPECT_EQ(paragraph.Tab(0), 36);
}

TEST_F(Attributes, ZoomIsKeptByTheControlFromLevelThree)
{
    view->Handle();
    view->SetZoom(150);
    EXPECT_EQ(view->Zoom(), RichEditLevel() >= 3 ? 150 : 100);
    view->SetZoom(0);
    EXPECT_EQ(view->Zoom(), 100);
}

TEST_F(Attributes, SearchFindsAndTheFindDialogSelects)
{
    view->Lines()->SetText(L"one Two three two");
    EXPECT_EQ(view->SearchText(L"two", 0, -1, 0), 4);
    EXPECT_EQ(view->SearchText(L"two", 0, -1, FR_MATCHCASE), 14);
    EXPECT_EQ(view->SearchText(L"two", 5, -1, 0), 14);
    EXPECT_EQ(view->SearchText(L"four", 0, -1, 0), -1);

    std::vector<std::wstring> notFound;
    view->OnTextNotFound = [&](TObject*, const std::wstring& text) { notFound.push_back(text); };
    view->SetSelection(0, 0, false);
    TOvFindDialog dialog(*view, L"two", std::nullopt);
    EXPECT_NE(dialog.Window(), nullptr);
    EXPECT_TRUE(dialog.FindNext());
    EXPECT_EQ(view->Selection().cpMin, 4);
    EXPECT_TRUE(dialog.FindNext());
    EXPECT_EQ(view->Selection().cpMin, 14);
    EXPECT_FALSE(dialog.FindNext());
    EXPECT_EQ(notFound, std::vector<std::wstring>{L"two"});
}

TEST_F(Attributes, ReplaceDialogReplacesEverythingAndReportsItsClosing)
{
    view->Lines()->SetText(L"a-b-a");
    int closed = 0;
    view->OnCloseFindDialog = [&](TObject*) { ++closed; };
    view->ReplaceDialog(L"a", L"xy");
    HWND dialog = ::FindWindowW(L"#32770", nullptr);
    ASSERT_NE(dialog, nullptr);
    constexpr int kReplaceAllButton = 0x401;  // psh2 of the system's replace dialog
    ::SendMessageW(::GetDlgItem(dialog, kReplaceAllButton), BM_CLICK, 0, 0);
    EXPECT_EQ(Text(), L"xy-b-xy");
    ::SendMessageW(::GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(closed, 1);
}

}  // namespace
}  // namespace ov
