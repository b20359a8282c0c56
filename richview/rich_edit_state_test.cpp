// Re-creating a view's window keeps what it shows: rich content, selection, modified flag; and
// switching between rich and plain text keeps the text.
#include "richview/rich_edit_state.h"

#include <gtest/gtest.h>

#include "richview/rich_edit_attributes.h"
#include "richview/rtf_samples.h"
#include "richview/test_view.h"

namespace ov {
namespace {

using Recreation = testing::ViewTest;

bool BoldAt(TOvRichEdit& view, int position)
{
    view.SetSelection(position, position + 1, false);
    return view.SelAttributes()->Style().Contains(fsBold);
}

TEST_F(Recreation, ChangingHideScrollBarsKeepsContentSelectionAndModified)
{
    Load(
        "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset134 SimSun;}}\\f0 plain {\\b bold} "
        "\\'c4\\'e3\\'ba\\'c3\\par second}");
    std::wstring before = Text();
    ASSERT_TRUE(BoldAt(*view, 6));
    view->SetSelection(2, 9, false);
    view->SetModified(true);
    HWND first = view->WindowHandle();

    view->SetHideScrollBars(false);
    ASSERT_NE(view->WindowHandle(), first);
    CHARRANGE selection = view->Selection();
    EXPECT_EQ(selection.cpMin, 2);
    EXPECT_EQ(selection.cpMax, 9);
    EXPECT_TRUE(view->Modified());
    EXPECT_EQ(Text(), before);
    EXPECT_TRUE(BoldAt(*view, 6));
    EXPECT_FALSE(BoldAt(*view, 1));
}

TEST_F(Recreation, UnmodifiedStaysUnmodifiedAcrossEveryStyleChange)
{
    Load(rtf_samples::ChineseText(5));
    std::wstring before = Text();
    view->SetModified(false);
    view->SetSelectionBar(false);
    view->SetOLEDragDrop(false);
    EXPECT_FALSE(view->Modified());
    EXPECT_EQ(Text(), before);
    LONG style = ::GetWindowLongW(view->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & ES_SELECTIONBAR);
    EXPECT_TRUE(style & ES_NOOLEDRAGDROP);
}

TEST_F(Recreation, PicturesAndTheTextAroundThemSurvive)
{
    std::string rtf = std::string(rtf_samples::kHeader) + "before " + rtf_samples::Picture(8, 8, 0x00ff00) +
                      " middle {\\b bold} " + rtf_samples::Picture(4, 4, 0xff0000) + " after\\par last}";
    Load(rtf);
    std::wstring before = Text();
    ASSERT_EQ(view->RichEditOle()->GetObjectCount(), 2);
    view->SetSelection(3, 10, false);
    view->SetHideScrollBars(false);
    ASSERT_NE(view->RichEditOle(), nullptr);
    EXPECT_EQ(view->RichEditOle()->GetObjectCount(), 2);
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(view->Selection().cpMax, 10);
    int bold = static_cast<int>(before.find(L"bold"));
    EXPECT_TRUE(BoldAt(*view, bold));
    EXPECT_EQ(view->SelectionType() & SEL_OBJECT, 0);
    view->SetSelection(7, 8, false);
    EXPECT_EQ(view->SelectionType(), SEL_OBJECT);
}

TEST_F(Recreation, SwitchingToPlainTextKeepsTheText)
{
    Load("{\\rtf1 some {\\b bold} words\\par and a line}");
    std::wstring before = Text();
    view->SetPlainText(true);
    EXPECT_TRUE(::SendMessageW(view->Handle(), EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT);
    EXPECT_EQ(Text(), before);
    view->SetPlainText(false);
    EXPECT_TRUE(::SendMessageW(view->Handle(), EM_GETTEXTMODE, 0, 0) & TM_RICHTEXT);
    EXPECT_EQ(Text(), before);
}

TEST_F(Recreation, TextSetBeforeTheWindowArrivesInIt)
{
    TComponentPtr<TOvRichEdit> early(new TOvRichEdit(nullptr));
    early->SetText(L"given early");
    early->SetParentWindow(form->Handle());
    EXPECT_EQ(WholeText(early->Handle()), L"given early");
    EXPECT_TRUE(::SendMessageW(early->Handle(), EM_GETTEXTMODE, 0, 0) & TM_RICHTEXT);
}

}  // namespace
}  // namespace ov
