// Zooming the reader's chapter views: the steps, the text at the top kept through zooming in and
// back, the wheel's notches, and each view with its own zoom.
#include "app/chapter_zoom.h"

#include <richedit.h>

#include <gtest/gtest.h>

#include "app/form1.h"
#include "framework/forms/application.h"
#include "richview/rich_edit.h"

namespace ov {
namespace {

int FirstVisibleLine(HWND view) { return static_cast<int>(SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0)); }
int LineOf(HWND view, int character) { return static_cast<int>(SendMessageW(view, EM_EXLINEFROMCHAR, 0, character)); }
int TopCharacter(HWND view)
{
    return static_cast<int>(SendMessageW(view, EM_LINEINDEX, static_cast<WPARAM>(FirstVisibleLine(view)), 0));
}

TEST(ZoomStep, GoesStepByStepBetweenFiftyAndThreeHundred)
{
    EXPECT_EQ(ZoomStep(100, 1), 125);
    EXPECT_EQ(ZoomStep(100, -1), 75);
    EXPECT_EQ(ZoomStep(100, 2), 150);
    EXPECT_EQ(ZoomStep(50, -1), 50);
    EXPECT_EQ(ZoomStep(300, 1), 300);
    EXPECT_EQ(ZoomStep(250, 5), 300);
    EXPECT_EQ(ZoomStep(110, 1), 125);  // between steps: the next one in that direction
    EXPECT_EQ(ZoomStep(110, -1), 100);
    EXPECT_EQ(ZoomStep(500, -1), 300);
}

class ChapterZoomTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm1(Application);
        form->InitForm();
        view = form->OvRichEdit1;
    }
    void TearDown() override { form->Free(); }

    TForm1* form = nullptr;
    TOvRichEdit* view = nullptr;
    ChapterZoom zoom;
};

TEST_F(ChapterZoomTest, TheTextAtTheTopStaysThroughEachStepAndComesBackExactly)
{
    HWND window = view->Handle();
    SendMessageW(window, EM_LINESCROLL, 0, 60);
    int line = FirstVisibleLine(window);
    int top = TopCharacter(window);
    ASSERT_GT(line, 0);

    zoom.Step(*view, 1);
    EXPECT_EQ(view->Zoom(), 125);
    EXPECT_EQ(FirstVisibleLine(window), LineOf(window, top));
    zoom.Step(*view, 1);
    EXPECT_EQ(view->Zoom(), 150);
    EXPECT_EQ(FirstVisibleLine(window), LineOf(window, top));
    zoom.Reset(*view);
    EXPECT_EQ(view->Zoom(), 100);
    EXPECT_EQ(FirstVisibleLine(window), line);
    EXPECT_EQ(TopCharacter(window), top);
}

TEST_F(ChapterZoomTest, AfterScrollingTheNewTopIsKept)
{
    HWND window = view->Handle();
    zoom.Step(*view, 1);
    SendMessageW(window, EM_LINESCROLL, 0, 40);
    int top = TopCharacter(window);
    zoom.Step(*view, -1);
    EXPECT_EQ(FirstVisibleLine(window), LineOf(window, top));
    EXPECT_EQ(TopCharacter(window), top);
}

TEST_F(ChapterZoomTest, TheWheelStepsOncePerNotchAndEachViewKeepsItsOwnZoom)
{
    zoom.Wheel(*view, WHEEL_DELTA / 2);
    EXPECT_EQ(view->Zoom(), 100);
    zoom.Wheel(*view, WHEEL_DELTA / 2);
    EXPECT_EQ(view->Zoom(), 125);
    zoom.Wheel(*view, -3 * WHEEL_DELTA);
    EXPECT_EQ(view->Zoom(), 50);
    EXPECT_EQ(form->OvRichEdit2->Zoom(), 100);
    zoom.Step(*form->OvRichEdit2, 1);
    EXPECT_EQ(form->OvRichEdit2->Zoom(), 125);
    EXPECT_EQ(view->Zoom(), 50);
}

}  // namespace
}  // namespace ov
