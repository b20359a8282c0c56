// Grids and list views under the skin: the grid's fixed colour through skin changes, and the list
// view's header painted from the skin.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/controls/list_view.h"
#include "framework/controls/string_grid.h"
#include "skin/controls/control_skinners.h"
#include "skin/controls/list_skinners.h"
#include "skin/engine/engine_test_support.h"
#include "skin/engine/skin_window.h"
#include "tests/screen_pixels.h"

namespace ov {
namespace {

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

TEST(ListViewHeader, CaptionAndImagePlacesByAlignment)
{
    const RECT item{100, 0, 200, 20};  // w = 94
    EXPECT_EQ(HeaderColumnPlaces(taLeftJustify, item, 30, 0).caption, 104);
    TkrvHeaderPlaces left = HeaderColumnPlaces(taLeftJustify, item, 30, 16);
    EXPECT_EQ(left.image, 104);
    EXPECT_EQ(left.caption, 104 + 16 + 2);
    EXPECT_EQ(HeaderColumnPlaces(taRightJustify, item, 30, 0).caption, 100 + 94 - 30 - 2);
    TkrvHeaderPlaces right = HeaderColumnPlaces(taRightJustify, item, 30, 16);
    EXPECT_EQ(right.image, 100 + 94 - 30 - 16 - 2);
    EXPECT_EQ(right.caption, right.image + 18);
    EXPECT_EQ(HeaderColumnPlaces(taCenter, item, 30, 0).caption, 100 + (94 - 30 - 2) / 2);
    EXPECT_EQ(HeaderColumnPlaces(taRightJustify, item, 200, 0).caption, 104) << "never left of the margin";
    EXPECT_EQ(HeaderColumnPlaces(taCenter, item, 200, 16).image, 104);
}

const char* kLists = R"(  object StringGrid1: TStringGrid
    Left = 10
    Top = 10
    Width = 200
    Height = 100
    FixedColor = clYellow
  end
  object ListView1: TListView
    Left = 10
    Top = 120
    Width = 250
    Height = 100
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'Name'
        Width = 100
      end
      item
        Alignment = taRightJustify
        Caption = 'Size'
        Width = 80
      end>
  end
)";

class ListSkinners : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterControlSkinners();
        skinned_ = std::make_unique<test::SkinnedForm>(test::FormLayout(300, 240, kLists));
        skinned_->ShowInFront();
    }
    template <typename T>
    T* Find(const wchar_t* name) const
    {
        return static_cast<T*>(skinned_->Form()->FindComponent(name));
    }
    template <typename Skinner>
    Skinner* SkinnerOf(TControl* control) const
    {
        TkrvSkinWindow* frame = skinned_->Engine()->FindSkinWindow(skinned_->Window());
        for (const auto& s : frame->ControlSkinners())
            if (s->Control() == control)
                return dynamic_cast<Skinner*>(s.get());
        return nullptr;
    }
    [[nodiscard]] TkrvSkinEngine& Engine() const { return *skinned_->Engine(); }

    std::unique_ptr<test::SkinnedForm> skinned_;
};

// The fixed cells take the form colour while the skin works and get the grid's own back when it
// stops, however often the skin is re-applied meanwhile.
TEST_F(ListSkinners, AGridsFixedColourFollowsTheSkin)
{
    auto* grid = Find<TStringGrid>(L"StringGrid1");
    auto* skinner = SkinnerOf<TkrvSkinGrid>(grid);
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(grid->FixedColor(), Engine().GetColor(SKIN2_FORMCOLOR));
    skinner->Update();  // the skin applied again, as after a new skin is loaded
    EXPECT_EQ(grid->FixedColor(), Engine().GetColor(SKIN2_FORMCOLOR));
    Engine().SetActive(false);
    EXPECT_EQ(grid->FixedColor(), clYellow);
    Engine().SetActive(true);
    EXPECT_EQ(grid->FixedColor(), Engine().GetColor(SKIN2_FORMCOLOR));
    test::Pump(50);
    RECT bounds{};
    GetWindowRect(grid->Handle(), &bounds);
    test::ScreenPixels shot(bounds);
    EXPECT_EQ(shot.At(10, 10), Rgb(Engine().GetColor(SKIN2_FORMCOLOR))) << "a fixed cell";
}

// The header on the form colour, a border line after each column and along the bottom, the caption
// in the skin's control font colour.
TEST_F(ListSkinners, AListViewsHeaderIsPaintedFromTheSkin)
{
    auto* list = Find<TListView>(L"ListView1");
    auto* skinner = SkinnerOf<TkrvSkinListView>(list);
    ASSERT_NE(skinner, nullptr);
    HWND header = skinner->Header();
    ASSERT_NE(header, nullptr);
    InvalidateRect(header, nullptr, TRUE);
    test::Pump(50);
    RECT bounds{};
    GetWindowRect(header, &bounds);
    test::ScreenPixels shot(bounds);
    COLORREF form = Rgb(Engine().GetColor(SKIN2_FORMCOLOR));
    COLORREF border = Rgb(Engine().GetColor(SKIN2_CONTROLBORDERCOLOR));
    COLORREF font = Rgb(Engine().GetColor(SKIN2_CONTROLFONTCOLOR));
    EXPECT_EQ(shot.At(2, 2), form);
    EXPECT_EQ(shot.At(99, 3), border) << "the line at the first column's right edge";
    EXPECT_EQ(shot.At(179, 3), border);
    EXPECT_EQ(shot.At(220, 3), form) << "past the last column";
    EXPECT_EQ(shot.At(220, shot.Height() - 1), border) << "along the bottom";
    int captionPixels = 0;
    for (int y = 0; y < shot.Height() - 1; ++y)
        for (int x = 4; x < 60; ++x)
            captionPixels += shot.At(x, y) == font;
    EXPECT_GT(captionPixels, 5) << "the first caption in the control font colour";

    // Off, the header is the system's again.
    Engine().SetActive(false);
    InvalidateRect(header, nullptr, TRUE);
    test::Pump(50);
    test::ScreenPixels own(bounds);
    EXPECT_NE(own.At(220, 3), form);
    Engine().SetActive(true);
}

}  // namespace
}  // namespace ov
