// The reader's keys: which key is which command, and that a command acts on the view shown, on
// pages with sub pages the view of the sub page in front.
#include "app/reading_keys.h"

#include <gtest/gtest.h>

#include "app/form1.h"
#include "framework/forms/application.h"
#include "framework/controls/page_control.h"
#include "richview/find_dialog.h"
#include "richview/rich_edit.h"
#include "richview/rich_edit_strings.h"

namespace ov {
namespace {

using enum ReadingCommand;

TEST(CommandOfKey, FindsWithCtrlFAndF3AndZoomsWithCtrlAndPlusMinusZero)
{
    EXPECT_EQ(CommandOfKey('F', true, false, false), Find);
    EXPECT_EQ(CommandOfKey('F', false, false, false), None);
    EXPECT_EQ(CommandOfKey('F', true, true, false), None);
    EXPECT_EQ(CommandOfKey(VK_F3, false, false, false), FindNext);
    EXPECT_EQ(CommandOfKey(VK_F3, false, true, false), FindPrevious);
    EXPECT_EQ(CommandOfKey(VK_F3, true, false, false), None);
    EXPECT_EQ(CommandOfKey(VK_OEM_PLUS, true, false, false), ZoomIn);
    EXPECT_EQ(CommandOfKey(VK_OEM_PLUS, true, true, false), ZoomIn);  // Ctrl and "+"
    EXPECT_EQ(CommandOfKey(VK_ADD, true, false, false), ZoomIn);
    EXPECT_EQ(CommandOfKey(VK_OEM_MINUS, true, false, false), ZoomOut);
    EXPECT_EQ(CommandOfKey(VK_SUBTRACT, true, false, false), ZoomOut);
    EXPECT_EQ(CommandOfKey('0', true, false, false), ZoomReset);
    EXPECT_EQ(CommandOfKey(VK_NUMPAD0, true, false, false), ZoomReset);
    EXPECT_EQ(CommandOfKey(VK_OEM_PLUS, false, false, false), None);
    EXPECT_EQ(CommandOfKey('0', true, false, true), None);
    EXPECT_EQ(CommandOfKey('C', true, false, false), None);  // the view's own copy
}

class ReadingKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm1(Application);
        form->InitForm();
        keys = std::make_unique<ReadingKeys>(*form, [this](const std::wstring& text) { said.push_back(text); });
    }
    void TearDown() override
    {
        keys.reset();
        form->Free();
    }

    TForm1* form = nullptr;
    std::vector<std::wstring> said;
    std::unique_ptr<ReadingKeys> keys;
};

TEST_F(ReadingKeysTest, TheShownViewFollowsThePageAndItsSubPage)
{
    EXPECT_EQ(form->ShownView(), form->OvRichEdit1);
    form->PageControl1->SetActivePageIndex(0);
    EXPECT_EQ(form->ShownView(), form->OvRichEdit2);
    form->PageControl2->SetActivePageIndex(1);
    EXPECT_EQ(form->ShownView(), form->OvRichEdit5);
    form->PageControl1->SetActivePageIndex(1);
    EXPECT_EQ(form->ShownView(), form->OvRichEdit9);
    form->PageControl3->SetActivePageIndex(1);
    EXPECT_EQ(form->ShownView(), form->OvRichEdit7);
}

TEST_F(ReadingKeysTest, CommandsActOnTheShownViewOnly)
{
    form->PageControl1->SetActivePageIndex(1);
    form->PageControl3->SetActivePageIndex(2);
    EXPECT_TRUE(keys->Run(ZoomIn));
    EXPECT_EQ(form->OvRichEdit8->Zoom(), 125);
    EXPECT_EQ(form->OvRichEdit9->Zoom(), 100);
    EXPECT_EQ(form->OvRichEdit1->Zoom(), 100);
    EXPECT_TRUE(keys->Run(ZoomReset));
    EXPECT_EQ(form->OvRichEdit8->Zoom(), 100);

    std::wstring text = form->OvRichEdit8->Lines()->Text();
    EXPECT_TRUE(keys->Run(Find));
    ASSERT_NE(form->OvRichEdit8->LastFindDialog(), nullptr);
    EXPECT_NE(form->OvRichEdit8->LastFindDialog()->Window(), nullptr);
    EXPECT_EQ(form->OvRichEdit9->LastFindDialog(), nullptr);
    EXPECT_EQ(form->OvRichEdit8->Lines()->Text(), text);
}

// One dialog at a time: Ctrl+F on another view closes the dialog over the first.
TEST_F(ReadingKeysTest, FindOnAnotherViewClosesTheFirstDialog)
{
    keys->Run(Find);
    HWND first = form->OvRichEdit1->LastFindDialog()->Window();
    ASSERT_NE(first, nullptr);
    form->PageControl1->SetActivePageIndex(0);
    keys->Run(Find);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(form->OvRichEdit1->LastFindDialog()->Window(), nullptr);
    EXPECT_NE(form->OvRichEdit2->LastFindDialog()->Window(), nullptr);
}

}  // namespace
}  // namespace ov
