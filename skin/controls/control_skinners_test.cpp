// The control skinners' geometry and state choices, and a skinned page control's pixels against
// the skin's own tab pictures.
#include <gtest/gtest.h>

#include "framework/forms/application.h"
#include "framework/controls/memo.h"
#include "framework/controls/page_control.h"
#include "skin/controls/scroll_skinners.h"
#include "skin/engine/skin_window.h"
#include "tests/real_input.h"
#include "skin/controls/control_skinners.h"
#include "skin/controls/tab_skinners.h"
#include "skin/controls/tool_bar_skinners.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/engine/engine_test_support.h"
#include "tests/screen_pixels.h"

namespace ov {
namespace {

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST(TabSkinnerGeometry, TheLineLiesAlongThePageAreaOnTheTabSide)
{
    const RECT page{10, 40, 210, 140};
    EXPECT_TRUE(Same(TabLineRect(tpTop, page, 3), {10, 39, 210, 42}));
    EXPECT_TRUE(Same(TabLineRect(tpBottom, page, 3), {10, 138, 210, 141}));
    EXPECT_TRUE(Same(TabLineRect(tpLeft, page, 3), {9, 40, 12, 140}));
    EXPECT_TRUE(Same(TabLineRect(tpRight, page, 3), {208, 40, 211, 140}));
    EXPECT_EQ(TabTurn(tpTop), 0);
    EXPECT_EQ(TabTurn(tpLeft), 1);
    EXPECT_EQ(TabTurn(tpBottom), 2);
    EXPECT_EQ(TabTurn(tpRight), 3);
}

TEST(ToolBarSkinner, LooksAndCaptionPlaces)
{
    using enum TkrvToolButtonLook;
    EXPECT_EQ(ToolButtonLook({}), Own);
    EXPECT_EQ(ToolButtonLook({cdsDisabled}), Own);
    EXPECT_EQ(ToolButtonLook({cdsHot}), Hot);
    EXPECT_EQ(ToolButtonLook({cdsHot, cdsSelected}), Down);
    EXPECT_EQ(ToolButtonLook({cdsSelected}), Hot) << "held down with the pointer elsewhere";
    EXPECT_EQ(ToolButtonLook({cdsChecked}), Hot);

    const RECT r{100, 10, 191, 70};
    const SIZE image{40, 40};
    // Images, captions under them: centred over the button, 4 pixels below the image.
    EXPECT_EQ(ToolButtonCaptionOrigin(r, r.right, 51, true, false, true, image, false).x, 100 + (91 - 51) / 2);
    EXPECT_EQ(ToolButtonCaptionOrigin(r, r.right, 51, true, false, true, image, false).y, 10 + 40 + 4);
    // A drop-down button centres over the part left of its arrow.
    EXPECT_EQ(ToolButtonCaptionOrigin(r, r.right - 14, 51, true, false, true, image, false).x, 100 + (77 - 51) / 2);
    // List style: beside the image, or at the left without one.
    EXPECT_EQ(ToolButtonCaptionOrigin(r, r.right, 51, true, true, true, {16, 16}, false).x, 100 + 16 + 7);
    EXPECT_EQ(ToolButtonCaptionOrigin(r, r.right, 51, true, true, false, {16, 16}, false).x, 105);
    // No images: a pressed caption sits one pixel lower.
    EXPECT_EQ(ToolButtonCaptionOrigin(r, r.right, 51, false, false, false, {}, true).y, 15);
    EXPECT_EQ(ToolButtonCaptionOrigin(r, r.right, 51, false, false, false, {}, false).y, 14);
}

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

// A skinned page control with tabs on top, 30 pixels high: the faces are the skin's two tab states
// (the top rows unscaled), the page area is framed in the control border colour.
TEST(TabSkinner, APageControlShowsTheSkinsTabs)
{
    RegisterControlSkinners();
    std::string pages = R"(  object PageControl1: TPageControl
    Left = 10
    Top = 10
    Width = 300
    Height = 150
    ActivePage = TabSheet2
    TabHeight = 30
    object TabSheet1: TTabSheet
      Caption = 'First'
    end
    object TabSheet2: TTabSheet
      Caption = 'Second'
    end
  end
)";
    test::SkinnedForm skinned(test::FormLayout(320, 170, pages));
    skinned.ShowInFront();
    auto* control = static_cast<TPageControl*>(skinned.Form()->FindComponent(L"PageControl1"));
    HWND window = control->Handle();
    RECT bounds{};
    GetWindowRect(window, &bounds);
    test::ScreenPixels shot(bounds);
    TkrvSkinTabRes& tabs = skinned.Engine()->TabRes();
    for (int index = 0; index < 2; ++index) {
        RECT tab{};
        SendMessageW(window, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
        const TBitmap* face = index == 1 ? tabs.TabA(0) : tabs.TabB(0);
        ASSERT_NE(face, nullptr);
        for (int y = 1; y < face->Height() / 3; ++y)
            EXPECT_EQ(shot.At(tab.left + 1, tab.top + y), Rgb(face->Pixel(1, y))) << "tab " << index << " row " << y;
    }
    RECT page{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    EXPECT_EQ(shot.At(page.left - 2, (page.top + page.bottom) / 2),
              Rgb(skinned.Engine()->GetColor(SKIN2_CONTROLBORDERCOLOR)));
}

// A memo with more lines than it shows gets a skinned vertical bar laid over its own: the skin's
// up arrow at the top, and a press on the down arrow scrolls the memo as its own bar would.
TEST(ScrollSkinner, AMemosScrollBarIsTheSkinsAndScrollsTheMemo)
{
    RegisterControlSkinners();
    std::string memo = R"(  object Memo1: TMemo
    Left = 10
    Top = 10
    Width = 200
    Height = 120
    ScrollBars = ssVertical
  end
)";
    test::SkinnedForm skinned(test::FormLayout(240, 160, memo));
    auto* control = static_cast<TMemo*>(skinned.Form()->FindComponent(L"Memo1"));
    std::wstring text;
    for (int i = 0; i < 60; ++i)
        text += L"line " + std::to_wstring(i) + L"\r\n";
    control->SetText(text);
    auto overlays = [&] {
        int count = 0;
        for (int i = 0; i < skinned.Form()->ControlCount(); ++i)
            count += skinned.Form()->Controls(i)->ClassName() == L"TkrvSkinInternalScrollBar";
        return count;
    };
    EXPECT_EQ(overlays(), 0) << "none before the memo is on the screen";
    skinned.ShowInFront();
    TkrvSkinWindow* frame = skinned.Engine()->FindSkinWindow(skinned.Window());
    TkrvSkinScrollWinControl* skinner = nullptr;
    for (const auto& s : frame->ControlSkinners())
        if (s->Control() == control)
            skinner = dynamic_cast<TkrvSkinScrollWinControl*>(s.get());
    ASSERT_NE(skinner, nullptr);
    ASSERT_NE(skinner->VertBar(), nullptr);
    ASSERT_TRUE(skinner->VertBar()->Visible()) << "the overlay shows over the memo's bar";
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetScrollBarInfo(control->Handle(), OBJID_VSCROLL, &info));
    RECT overlay{};
    GetWindowRect(skinner->VertBar()->Handle(), &overlay);
    EXPECT_TRUE(EqualRect(&overlay, &info.rcScrollBar));

    test::Pump(50);
    test::ScreenPixels shot(overlay);
    const TBitmap* up = skinned.Engine()->ScrollBtnRes().GetVertArrow(1);
    ASSERT_NE(up, nullptr);
    int side = overlay.right - overlay.left;
    TBitmap expected(side, side);
    StretchBitmap(*up, *expected.Canvas(), {0, 0, side, side});
    EXPECT_EQ(shot.At(side / 2, side / 2), Rgb(expected.Pixel(side / 2, side / 2)));

    int first = static_cast<int>(SendMessageW(control->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    POINT downArrow{overlay.left + side / 2, overlay.bottom - side / 2};
    test::ClickAt(downArrow);
    test::Pump(100);
    EXPECT_EQ(SendMessageW(control->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), first + 1);

    // Off, the memo's own bar shows; on again, the skinned one, and no overlay is left behind.
    EXPECT_EQ(overlays(), 1) << "one for the bar it shows, none for the horizontal bar it has not";
    EXPECT_EQ(skinner->HorzBar(), nullptr);
    skinned.Engine()->SetActive(false);
    test::Pump(50);
    EXPECT_FALSE(skinner->VertBar()->Visible());
    skinned.Engine()->SetActive(true);
    test::Pump(100);
    EXPECT_TRUE(skinner->VertBar()->Visible());
    EXPECT_EQ(overlays(), 1);
}

TEST(ScrollSkinner, ImplausibleBarsAreLeftToTheSystem)
{
    EXPECT_TRUE(PlausibleScrollBarRect({0, 0, 17, 200}, false));
    EXPECT_FALSE(PlausibleScrollBarRect({0, 0, 101, 200}, false)) << "more than 100 pixels thick";
    EXPECT_FALSE(PlausibleScrollBarRect({0, 200, 17, 100}, false)) << "inside out";
    EXPECT_TRUE(PlausibleScrollBarRect({0, 0, 300, 17}, true));
    EXPECT_FALSE(PlausibleScrollBarRect({0, 0, 300, 100}, true));
    EXPECT_FALSE(PlausibleScrollBarRect({300, 0, 0, 17}, true));
}

}  // namespace
}  // namespace ov
