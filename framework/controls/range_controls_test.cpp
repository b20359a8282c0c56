// Progress bars, track bars, up-downs (and a descendant handling its own messages) and scroll
// bars: built from a stored layout, their values reaching the system controls and back, and real
// keys and clicks under Wine moving them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/controls/edit.h"
#include "framework/forms/form.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/scroll_bar.h"
#include "tests/test_input.h"
#include "tests/test_layout_form.h"
#include "framework/controls/track_bar.h"
#include "framework/controls/up_down.h"

namespace ov {
namespace {

constexpr const char* kLayout = R"(object Form1: TForm
  Left = 40
  Top = 40
  ClientWidth = 420
  ClientHeight = 300
  object ProgressBar1: TProgressBar
    Left = 10
    Top = 10
    Width = 200
    Height = 18
    Min = 200
    Max = 300
    Position = 250
    Step = 5
    Smooth = True
  end
  object ProgressBar2: TProgressBar
    Left = 380
    Top = 10
    Width = 18
    Height = 120
    Orientation = pbVertical
    Position = 40
  end
  object TrackBar1: TTrackBar
    Left = 10
    Top = 40
    Width = 240
    Height = 45
    Max = 20
    Position = 5
    SelStart = 3
    SelEnd = 12
    Frequency = 5
    TickMarks = tmBoth
    PageSize = 4
  end
  object Edit1: TEdit
    Left = 10
    Top = 100
    Width = 80
    Height = 24
  end
  object UpDown1: TUpDown
    Left = 90
    Top = 100
    Width = 17
    Height = 24
    Associate = Edit1
    Min = -5
    Max = 5
    Position = 2
    Increment = 1
  end
  object ScrollBar1: TScrollBar
    Left = 10
    Top = 150
    Width = 240
    Height = 18
    Max = 50
    Position = 10
    SmallChange = 2
    LargeChange = 10
  end
  object ScrollBar2: TScrollBar
    Left = 300
    Top = 150
    Width = 18
    Height = 120
    Kind = sbVertical
  end
end
)";

struct RangeControlsTest : testing::TLayoutFormTest {
    void SetUp() override { Open(kLayout); }
};

TEST_F(RangeControlsTest, ProgressBarValuesReachTheSystemBarAndBack)
{
    auto bar = Find<TProgressBar>(L"ProgressBar1");
    HWND window = bar->Handle();
    PBRANGE range{};
    SendMessageW(window, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 200);
    EXPECT_EQ(range.iHigh, 300);
    EXPECT_EQ(SendMessageW(window, PBM_GETPOS, 0, 0), 250);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & PBS_SMOOTH);
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 255);
    bar->SetPosition(1000);  // kept within the range
    EXPECT_EQ(bar->Position(), 300);
    EXPECT_TRUE(GetWindowLongW(Find<TProgressBar>(L"ProgressBar2")->Handle(), GWL_STYLE) & PBS_VERTICAL);
    // The values survive a new window.
    bar->SetSmooth(false);
    EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 300);
    EXPECT_FALSE(GetWindowLongW(bar->Handle(), GWL_STYLE) & PBS_SMOOTH);
}

TEST_F(RangeControlsTest, TrackBarValuesReachTheSystemSlider)
{
    auto track = Find<TTrackBar>(L"TrackBar1");
    HWND window = track->Handle();
    EXPECT_EQ(SendMessageW(window, TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_EQ(SendMessageW(window, TBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(SendMessageW(window, TBM_GETSELSTART, 0, 0), 3);
    EXPECT_EQ(SendMessageW(window, TBM_GETSELEND, 0, 0), 12);
    EXPECT_EQ(SendMessageW(window, TBM_GETPAGESIZE, 0, 0), 4);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & TBS_BOTH);
    // Ticks every 5 between 0 and 20: the two ends and three inside.
    EXPECT_EQ(SendMessageW(window, TBM_GETNUMTICS, 0, 0), 5);
    track->SetTickStyle(tsNone);
    EXPECT_TRUE(GetWindowLongW(track->Handle(), GWL_STYLE) & TBS_NOTICKS);
    EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 5);
}

TEST_F(RangeControlsTest, TrackBarMovedByTheKeyboardChangesPosition)
{
    auto track = Find<TTrackBar>(L"TrackBar1");
    int changes = 0;
    track->OnChange = [&](TObject*) { ++changes; };
    track->SetFocus();
    testing::PressKey(VK_RIGHT);
    EXPECT_EQ(track->Position(), 6);
    testing::PressKey(VK_NEXT);  // a page
    EXPECT_EQ(track->Position(), 10);
    testing::PressKey(VK_END);
    EXPECT_EQ(track->Position(), 20);
    EXPECT_EQ(changes, 3);
}

TEST_F(RangeControlsTest, UpDownStepsItsAssociateWithRealClicks)
{
    auto upDown = Find<TUpDown>(L"UpDown1");
    auto edit = Find<TEdit>(L"Edit1");
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(upDown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
    EXPECT_EQ(edit->Text(), L"2");
    std::vector<TUDBtnType> pressed;
    upDown->OnClick = [&](TObject*, TUDBtnType button) { pressed.push_back(button); };
    testing::Click(*upDown, {upDown->Width() / 2, 3});  // the upper arrow
    EXPECT_EQ(upDown->Position(), 3);
    EXPECT_EQ(edit->Text(), L"3");
    testing::Click(*upDown, {upDown->Width() / 2, upDown->Height() - 3});
    testing::Click(*upDown, {upDown->Width() / 2, upDown->Height() - 3});
    EXPECT_EQ(upDown->Position(), 1);
    EXPECT_EQ(pressed, (std::vector<TUDBtnType>{btNext, btPrev, btPrev}));
    // OnChanging may refuse.
    upDown->OnChanging = [](TObject*, bool& allow) { allow = false; };
    testing::Click(*upDown, {upDown->Width() / 2, 3});
    EXPECT_EQ(upDown->Position(), 1);
    EXPECT_EQ(pressed.size(), 3u);
}

TEST_F(RangeControlsTest, UpDownForgetsAnAssociateThatIsFreed)
{
    auto upDown = Find<TUpDown>(L"UpDown1");
    delete Find<TEdit>(L"Edit1");
    EXPECT_EQ(upDown->Associate(), nullptr);
    EXPECT_EQ(SendMessageW(upDown->Handle(), UDM_GETBUDDY, 0, 0), 0);
}

TEST_F(RangeControlsTest, ScrollBarMovesByItsStepsUnderRealClicks)
{
    auto bar = Find<TScrollBar>(L"ScrollBar1");
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar->Handle(), SB_CTL, &info);
    EXPECT_EQ(info.nMax, 50);
    EXPECT_EQ(info.nPos, 10);
    int changes = 0;
    std::vector<TScrollCode> codes;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->OnScroll = [&](TObject*, TScrollCode code, int&) {
        if (code != scEndScroll)  // every release of the button ends a scroll
            codes.push_back(code);
    };
    int arrow = GetSystemMetrics(SM_CXHSCROLL);
    testing::Click(*bar, {bar->Width() - arrow / 2, bar->Height() / 2});  // the right arrow
    EXPECT_EQ(bar->Position(), 12);
    testing::Click(*bar, {arrow / 2, bar->Height() / 2});  // the left arrow
    EXPECT_EQ(bar->Position(), 10);
    testing::Click(*bar, {bar->Width() - arrow - 4, bar->Height() / 2});  // the track right of the thumb
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_EQ(changes, 3);
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[0], scLineDown);
    EXPECT_EQ(codes[1], scLineUp);
    EXPECT_EQ(codes[2], scPageDown);
    GetScrollInfo(bar->Handle(), SB_CTL, &info);
    EXPECT_EQ(info.nPos, 20);
}

TEST_F(RangeControlsTest, ScrollBarKindAndRangeSetInCode)
{
    auto bar = Find<TScrollBar>(L"ScrollBar2");
    EXPECT_TRUE(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBS_VERT);
    bar->SetMin(80);  // the upper end follows
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Position(), 80);
    bar->SetKind(sbHorizontal);
    EXPECT_FALSE(GetWindowLongW(bar->Handle(), GWL_STYLE) & SBS_VERT);
    EXPECT_EQ(bar->Width(), 120);  // turned with its bounds
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar->Handle(), SB_CTL, &info);
    EXPECT_EQ(info.nMin, 80);
    EXPECT_EQ(info.nPos, 80);
}

// An up-down that handles its own mouse messages: after the system control (recording what it
// saw), or instead of it (swallowing the presses).
class TOwnMessagesUpDown : public TCustomUpDown {
public:
    explicit TOwnMessagesUpDown(TComponent* owner, bool swallowPresses)
        : TCustomUpDown(owner), swallowPresses_(swallowPresses)
    {
    }
    void WndProc(TMessage& message) override
    {
        bool press = message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP;
        if (press && swallowPresses_) {
            seen.push_back(message.Msg);
            return;
        }
        TCustomUpDown::WndProc(message);
        if (press) {
            seen.push_back(message.Msg);
            positionAfter = Position();
        }
    }

    std::vector<UINT> seen;
    int positionAfter = -1;

private:
    bool swallowPresses_;
};

TEST_F(RangeControlsTest, AnUpDownSubclassHandlesItsOwnMouseMessages)
{
    auto after = new TOwnMessagesUpDown(form.get(), false);
    auto instead = new TOwnMessagesUpDown(form.get(), true);
    for (auto [upDown, left] : {std::pair{after, 300}, std::pair{instead, 340}}) {
        upDown->SetParent(form.get());
        upDown->SetBounds(left, 100, 17, 30);
        upDown->SetPosition(10);
    }
    testing::Click(*after, {8, 4});
    EXPECT_EQ(after->seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(after->positionAfter, 11);  // the system control had moved it already
    testing::Click(*instead, {8, 4});
    EXPECT_EQ(instead->seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(instead->Position(), 10);  // it never saw the press
}

}  // namespace
}  // namespace ov
