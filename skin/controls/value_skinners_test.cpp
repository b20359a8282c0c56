// The value control skinners: progress piece layout, up-down halves and arrows, track bar places,
// and real skinned bars read back from the screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/graphics/canvas.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/track_bar.h"
#include "skin/controls/control_skinners.h"
#include "skin/controls/value_skinners.h"
#include "skin/engine/engine_test_support.h"
#include "skin/engine/skin_window.h"
#include "tests/screen_pixels.h"

namespace ov {
namespace {

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

RECT ScreenRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

template <typename Skinner>
Skinner* SkinnerOf(test::SkinnedForm& skinned, TControl* control)
{
    TkrvSkinWindow* frame = skinned.Engine()->FindSkinWindow(skinned.Window());
    for (const auto& s : frame->ControlSkinners())
        if (s->Control() == control)
            return dynamic_cast<Skinner*>(s.get());
    return nullptr;
}

TEST(ProgressBarLayout, FillsBetweenTheCapsByPosition)
{
    // 200 wide, caps of 3 and 5: 192 pixels between them.
    auto full = ProgressBarLayout(200, 18, 0, 100, 100, false, 3, 5);
    EXPECT_TRUE(Same(full.startCap, {0, 0, 3, 18}));
    EXPECT_TRUE(Same(full.filled, {3, 0, 195, 18})) << "exactly the space between the caps";
    EXPECT_TRUE(Same(full.empty, {195, 0, 195, 18}));
    EXPECT_TRUE(Same(full.endCap, {195, 0, 200, 18}));

    EXPECT_EQ(ProgressBarLayout(200, 18, 0, 100, 50, false, 3, 5).filled.right, 3 + 96);
    // Halves round to even: 1/4 of 10 is 2.5 -> 2, 3/4 of 10 is 7.5 -> 8.
    EXPECT_EQ(ProgressBarLayout(18, 10, 0, 4, 1, false, 4, 4).filled.right, 4 + 2);
    EXPECT_EQ(ProgressBarLayout(18, 10, 0, 4, 3, false, 4, 4).filled.right, 4 + 8);

    auto empty = ProgressBarLayout(200, 18, 5, 5, 5, false, 3, 5);
    EXPECT_EQ(empty.filled.right, empty.filled.left) << "no range: caps and an empty track only";
    EXPECT_TRUE(Same(empty.empty, {3, 0, 195, 18}));
}

TEST(ProgressBarLayout, AVerticalBarFillsUpwardFromTheStartCapAtTheBottom)
{
    auto layout = ProgressBarLayout(18, 110, 0, 100, 30, true, 3, 7);
    EXPECT_TRUE(Same(layout.startCap, {0, 107, 18, 110}));
    EXPECT_TRUE(Same(layout.filled, {0, 107 - 30, 18, 107}));
    EXPECT_TRUE(Same(layout.empty, {0, 7, 18, 77}));
    EXPECT_TRUE(Same(layout.endCap, {0, 0, 18, 7}));
}

TEST(UpDownSkinner, HalvesPressesAndArrows)
{
    auto [up, down] = UpDownHalves(17, 24, true);
    EXPECT_TRUE(Same(up, {0, 0, 17, 12}));
    EXPECT_TRUE(Same(down, {0, 13, 17, 24}));
    auto [left, right] = UpDownHalves(40, 20, false);
    EXPECT_TRUE(Same(left, {0, 0, 20, 20}));
    EXPECT_TRUE(Same(right, {21, 0, 40, 20}));

    EXPECT_EQ(UpDownPressedPart(5, 3, 17, 24, true), -1);
    EXPECT_EQ(UpDownPressedPart(5, 12, 17, 24, true), -1) << "the middle row counts as the first half's edge";
    EXPECT_EQ(UpDownPressedPart(5, 20, 17, 24, true), 1);
    EXPECT_EQ(UpDownPressedPart(30, 5, 40, 20, false), 1);
    EXPECT_EQ(UpDownPressedPart(5, 30, 40, 20, false), 0) << "outside both";

    // The up arrow starts at its apex, three pixels right of the down arrow's corner.
    EXPECT_EQ(UpDownArrowOrigin(up, true, false, false).x, (17 - 6) / 2 + 3);
    EXPECT_EQ(UpDownArrowOrigin(up, true, false, false).y, (12 - 6) / 2 + 1);
    POINT downArrow = UpDownArrowOrigin(down, true, true, false);
    EXPECT_EQ(downArrow.x, (17 - 6) / 2);
    EXPECT_EQ(downArrow.y, 13 + (11 - 6) / 2 + 1);
    POINT held = UpDownArrowOrigin(down, true, true, true);
    EXPECT_EQ(held.x, downArrow.x + 1) << "a held button's arrow moves right and down";
    EXPECT_EQ(held.y, downArrow.y + 1);
    EXPECT_EQ(UpDownArrowOrigin(left, false, false, false).y, 10) << "the left arrow's apex is mid-height";
    EXPECT_EQ(UpDownArrowOrigin(right, false, true, false).x, 21 + (19 - 3) / 2);
}

TEST(TrackBarSkinner, FocusFrameAndValuePlaces)
{
    EXPECT_TRUE(Same(TrackBarFocusFrame({10, 20, 290, 24}, {100, 8, 111, 30}, false), {6, 6, 294, 32}));
    EXPECT_TRUE(Same(TrackBarFocusFrame({20, 10, 24, 150}, {8, 60, 30, 71}, true), {6, 6, 32, 154}));
    EXPECT_EQ(TrackBarValuePosition(10, 110, 10, 0, 10, 0), 15);
    EXPECT_EQ(TrackBarValuePosition(10, 110, 10, 0, 10, 10), 105);
    EXPECT_EQ(TrackBarValuePosition(10, 110, 10, 5, 5, 5), 15) << "no range";
}

// --- real controls ------------------------------------------------------------------------------------

const char* kValueControls = R"(  object ProgressBar1: TProgressBar
    Left = 10
    Top = 10
    Width = 200
    Height = 18
    Position = 40
  end
  object ProgressBar2: TProgressBar
    Left = 230
    Top = 10
    Width = 18
    Height = 120
    Orientation = pbVertical
    Position = 70
  end
  object TrackBar1: TTrackBar
    Left = 10
    Top = 40
    Width = 200
    Height = 40
    Max = 10
    Position = 2
  end
  object TrackBar2: TTrackBar
    Left = 270
    Top = 10
    Width = 45
    Height = 150
    Orientation = trVertical
    TickStyle = tsNone
    Position = 3
  end
)";

class ValueSkinners : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterControlSkinners();
        skinned_ = std::make_unique<test::SkinnedForm>(test::FormLayout(340, 180, kValueControls));
        skinned_->ShowInFront();
    }
    template <typename T>
    T* Find(const wchar_t* name) const
    {
        return static_cast<T*>(skinned_->Form()->FindComponent(name));
    }
    [[nodiscard]] TkrvSkinEngine& Engine() const { return *skinned_->Engine(); }

    std::unique_ptr<test::SkinnedForm> skinned_;
};

// Each piece's first rows are copied as they are (only stretched across), so the row-0 pixel of
// each stretch of the bar is the piece's own.
TEST_F(ValueSkinners, AProgressBarShowsTheSkinsPiecesForItsValue)
{
    auto* bar = Find<TProgressBar>(L"ProgressBar1");
    ASSERT_NE(SkinnerOf<TkrvSkinProgressBar>(*skinned_, bar), nullptr);
    TkrvSkinProgressBarRes& res = Engine().ProgressBarRes();
    test::ScreenPixels shot(ScreenRect(bar->Handle()));
    auto layout = ProgressBarLayout(shot.Width(), shot.Height(), 0, 100, 40, false, res.FirstWidth(), res.LastWidth());
    auto pieceAt = [&](int index, int y) {
        const TBitmap* piece = res.GetPiece(index);
        return Rgb(piece->Pixel(piece->Width() / 2, y));
    };
    int filledMiddle = (layout.filled.left + layout.filled.right) / 2;
    int emptyMiddle = (layout.empty.left + layout.empty.right) / 2;
    // The two rows at each edge are copied unscaled: the bar's rows 0, 1, H-2, H-1 are the piece's
    // rows 0, 1, h-2, h-1.
    int h = res.GetPiece(2)->Height();
    const std::pair<int, int> capRows[] = {{0, 0}, {1, 1}, {shot.Height() - 2, h - 2}, {shot.Height() - 1, h - 1}};
    int telling = -1;  // a row where filled and empty differ
    for (auto [barRow, pieceRow] : capRows) {
        EXPECT_EQ(shot.At(filledMiddle, barRow), pieceAt(2, pieceRow)) << barRow;
        EXPECT_EQ(shot.At(emptyMiddle, barRow), pieceAt(3, pieceRow)) << barRow;
        if (pieceAt(2, pieceRow) != pieceAt(3, pieceRow))
            telling = barRow;
    }
    ASSERT_GE(telling, 0) << "the skin tells filled from empty";
    // A new position repaints at once.
    bar->SetPosition(90);
    test::Pump(50);
    test::ScreenPixels after(ScreenRect(bar->Handle()));
    EXPECT_EQ(after.At(emptyMiddle, telling), shot.At(filledMiddle, telling));

    // Vertical: the turned pieces, filled from the bottom.
    auto* vertical = Find<TProgressBar>(L"ProgressBar2");
    test::ScreenPixels column(ScreenRect(vertical->Handle()));
    auto v = ProgressBarLayout(column.Width(), column.Height(), 0, 100, 70, true, res.FirstWidth(), res.LastWidth());
    const TBitmap* filled = res.GetRotatedPiece(2);
    const TBitmap* empty = res.GetRotatedPiece(3);
    EXPECT_EQ(column.At(0, (v.filled.top + v.filled.bottom) / 2), Rgb(filled->Pixel(0, filled->Height() / 2)));
    EXPECT_EQ(column.At(0, (v.empty.top + v.empty.bottom) / 2), Rgb(empty->Pixel(0, empty->Height() / 2)));
}

// The thumb is the skin's slider image; the selection and ticks stand where the control puts values.
TEST_F(ValueSkinners, ATrackBarShowsTheSliderImageWhereTheThumbIs)
{
    auto* bar = Find<TTrackBar>(L"TrackBar1");
    ASSERT_NE(SkinnerOf<TkrvSkinTrackBar>(*skinned_, bar), nullptr);
    HWND window = bar->Handle();
    const TBitmap* slider = Engine().SkinBitmap(SKIN2_TRACKBARSLIDER);
    ASSERT_NE(slider, nullptr);
    auto thumbCentreColour = [&](const RECT& thumb) {
        POINT centre{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
        ClientToScreen(window, &centre);
        test::ScreenPixels shot({centre.x, centre.y, centre.x + 1, centre.y + 1});
        return shot.At(0, 0);
    };
    RECT thumb{};
    SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    TBitmap expected(thumb.right - thumb.left, thumb.bottom - thumb.top);
    expected.Canvas()->StretchDraw({0, 0, expected.Width(), expected.Height()}, *slider);
    COLORREF sliderCentre = Rgb(expected.Pixel(expected.Width() / 2, expected.Height() / 2));
    EXPECT_EQ(thumbCentreColour(thumb), sliderCentre);
    EXPECT_NE(thumbCentreColour({thumb.left + 60, thumb.top, thumb.right + 60, thumb.bottom}), sliderCentre)
        << "the channel beside the thumb is not the slider";

    // The selection's ends and the ticks are placed where the control puts a value's tick.
    RECT channel{};
    SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    for (int i = 0; i < 9; ++i) {
        int tick = static_cast<int>(SendMessageW(window, TBM_GETTICPOS, static_cast<WPARAM>(i), 0));
        EXPECT_EQ(TrackBarValuePosition(channel.left, channel.right, thumb.right - thumb.left, 0, 10, i + 1), tick)
            << "value " << i + 1;
    }
}

TEST_F(ValueSkinners, AVerticalTrackBarTurnsTheChannelImage)
{
    auto* bar = Find<TTrackBar>(L"TrackBar2");
    auto* skinner = SkinnerOf<TkrvSkinTrackBar>(*skinned_, bar);
    ASSERT_NE(skinner, nullptr);
    ASSERT_NE(skinner->TrackImage(), nullptr);
    // Ticks are placed along a vertical channel as along a horizontal one: the thumb for a value
    // centres within a pixel of its tick (the control rounds the two apart).
    RECT channel{}, thumb{};
    SendMessageW(bar->Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(bar->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int thumbCentre = (thumb.top + thumb.bottom) / 2;
    EXPECT_NEAR(TrackBarValuePosition(channel.top, channel.bottom, thumb.bottom - thumb.top, 0, 10, 3), thumbCentre, 1);
    const TBitmap* stored = Engine().SkinBitmap(SKIN2_TRACKBAR);
    EXPECT_EQ(skinner->TrackImage()->Width(), stored->Height());
    EXPECT_EQ(skinner->TrackImage()->Height(), stored->Width());
    // Off, the image is dropped and the control paints itself; on again, it is back.
    Engine().SetActive(false);
    EXPECT_EQ(skinner->TrackImage(), nullptr);
    Engine().SetActive(true);
    EXPECT_NE(skinner->TrackImage(), nullptr);
}

}  // namespace
}  // namespace ov
