// Gradients, frames, glyphs, caption text and window regions, checked on real pixels and windows.
#include "skin/data/skin_shapes_win.h"

#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "skin/data/dib_surface_win.h"
#include "skin/data/skin_color_win.h"
#include "skin/data/skin_region_win.h"
#include "skin/data/skin_text_win.h"

namespace ov {
namespace {

constexpr uint32_t kBack = 0x202020;

DibSurface Canvas(int width, int height)
{
    DibSurface canvas(width, height);
    FillRectColor(canvas.Dc(), {0, 0, width, height}, kBack);
    return canvas;
}

TEST(FillGradient, ThreeRowsGiveTopTopBottom)
{
    DibSurface canvas = Canvas(4, 5);
    FillGradientV(canvas.Dc(), {0, 1, 4, 4}, 0x0000FF, 0xFF0000);
    const PixelView out = canvas.Pixels();
    EXPECT_EQ(out.At(0, 0), kBack);
    EXPECT_EQ(out.At(3, 1), 0x0000FFu);
    EXPECT_EQ(out.At(3, 2), 0x0000FFu);
    EXPECT_EQ(out.At(3, 3), 0xFF0000u);
    EXPECT_EQ(out.At(3, 4), kBack);

    DibSurface wide = Canvas(10, 1);
    FillGradientH(wide.Dc(), {0, 0, 10, 1}, 0x000000, 0x0000FF);
    EXPECT_EQ(wide.Pixels().At(0, 0), 0u);
    EXPECT_EQ(wide.Pixels().At(5, 0), 0x000066u);  // trunc(255 / 10 x 4)
    EXPECT_EQ(wide.Pixels().At(9, 0), 0x0000FFu);
}

TEST(Frames, FrameFillSeparatorAndControlBorder)
{
    DibSurface canvas = Canvas(20, 20);
    FrameRectColor(canvas.Dc(), {2, 2, 8, 8}, 0x0000FF);
    FillRectColor(canvas.Dc(), {10, 10, 12, 12}, clWindow);  // a system colour
    DrawSeparatorLine(canvas.Dc(), {0, 12, 20, 16}, 0x00FF00, true, 3);
    PixelView out = canvas.Pixels();
    EXPECT_EQ(out.At(2, 7), 0x0000FFu);
    EXPECT_EQ(out.At(3, 3), kBack);
    EXPECT_EQ(out.At(11, 11), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(out.At(6, 14), kBack);  // the line starts at left + indent + 4 = 7
    EXPECT_EQ(out.At(7, 14), 0x00FF00u);
    EXPECT_EQ(out.At(17, 14), 0x00FF00u);
    EXPECT_EQ(out.At(18, 14), kBack);  // and ends before right - 2

    DibSurface control = Canvas(10, 10);
    FrameControlBorder(control.Dc(), {0, 0, 10, 10}, 0x00FFFF, 0x0000FF);
    out = control.Pixels();
    EXPECT_EQ(out.At(0, 5), 0x0000FFu);
    EXPECT_EQ(out.At(1, 5), 0x00FFFFu);
    EXPECT_EQ(out.At(8, 5), 0x00FFFFu);
    EXPECT_EQ(out.At(5, 9), 0x00FFFFu);
    EXPECT_EQ(out.At(5, 2), kBack);
}

TEST(ArrowGlyph, DownArrowIsSevenByFourAndDisabledHasAWhiteShadow)
{
    DibSurface canvas = Canvas(20, 10);
    DrawArrowGlyph(canvas.Dc(), ArrowDirection::Down, 2, 2, true);
    PixelView out = canvas.Pixels();
    EXPECT_EQ(out.At(2, 2), 0u);
    EXPECT_EQ(out.At(8, 2), 0u);
    EXPECT_EQ(out.At(5, 5), 0u);
    EXPECT_EQ(out.At(9, 2), kBack);
    EXPECT_EQ(out.At(5, 6), kBack);
    EXPECT_EQ(out.At(2, 3), kBack);

    DrawArrowGlyph(canvas.Dc(), ArrowDirection::Right, 12, 2, false);
    out = canvas.Pixels();
    EXPECT_EQ(out.At(12, 2), 0x808080u);
    EXPECT_EQ(out.At(15, 5), 0x808080u);
    EXPECT_EQ(out.At(13, 9), 0xFFFFFFu);  // the shadow's bottom corner, one below the glyph's
    EXPECT_EQ(out.At(16, 6), 0xFFFFFFu);
}

TEST(SkinColorWin, SystemColoursAreResolved)
{
    EXPECT_EQ(InvertColor(0x00F1F0FC), 0x000E0F03);
    EXPECT_EQ(static_cast<COLORREF>(InvertColor(clWindowText)), InvertRgb(::GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_EQ(SplitColor(clWindowText), SplitRgb(::GetSysColor(COLOR_WINDOWTEXT)));
}

TEST(EllipsizeTextW, FittingCaptionStaysLimitZeroKeepsOneCharacter)
{
    DibSurface canvas(10, 10);
    const std::wstring caption = L"Zelvo健康咨询系列";
    const int full = TextWidthW(canvas.Dc(), caption);
    ASSERT_GT(full, 0);
    EXPECT_EQ(EllipsizeTextW(canvas.Dc(), caption, full), caption);
    EXPECT_EQ(EllipsizeTextW(canvas.Dc(), caption, 0), L"Z...");
    const std::wstring shortened = EllipsizeTextW(canvas.Dc(), caption, full / 2);
    EXPECT_EQ(shortened.substr(shortened.size() - 3), L"...");
    EXPECT_GE(TextWidthW(canvas.Dc(), shortened), full / 2);
    EXPECT_EQ(EllipsizeText(canvas.Dc(), "Minimize", 0), "M...");

    // On a canvas the text is measured in the canvas's font, which a bigger font makes wider.
    TBitmap bitmap(10, 10);
    TCanvas& onBitmap = *bitmap.Canvas();
    onBitmap.Font()->SetHeight(-40);
    const int big = TextWidthW(onBitmap, caption);
    EXPECT_GT(big, full);
    EXPECT_EQ(EllipsizeTextW(onBitmap, caption, big), caption);
    EXPECT_NE(EllipsizeTextW(onBitmap, caption, full), caption);
}

TEST(CaptionFonts, NonClientMetricsAnswer)
{
    const auto caption = CaptionLogFont();
    const auto menu = MenuLogFont();
    ASSERT_TRUE(caption && menu);
    EXPECT_NE(caption->lfFaceName[0], L'\0');
    EXPECT_NE(menu->lfHeight, 0);

    TFont font;
    SetMenuFont(font);
    EXPECT_EQ(font.Name(), menu->lfFaceName);
    EXPECT_EQ(font.Color(), clMenuText);
    SetCaptionFont(font);
    EXPECT_EQ(font.Name(), caption->lfFaceName);
    EXPECT_EQ(font.Height(), caption->lfHeight);
}

TEST(SetSkinWindowRegion, KeyPixelsOfTheTitleRowAreOutside)
{
    UniqueWindow window(
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 6, 10, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);
    constexpr uint32_t kKey = 0xFF00FF;
    PixelBuffer title(6, 1, 0x123456);
    for (const int x : {0, 1, 4})
        title.Set(x, 0, kKey);  // key, key, ink, ink, key, ink
    SetSkinWindowRegion(window.get(), title.View(), {}, true, false, -1, -1, -1, -1, kKey, 10, 6);

    UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(window.get(), region.get()), ERROR);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(::PtInRegion(region.get(), x, 0) != 0, x == 2 || x == 3 || x == 5) << x;
    EXPECT_TRUE(::PtInRegion(region.get(), 0, 1));
    EXPECT_TRUE(::PtInRegion(region.get(), 5, 9));
    EXPECT_FALSE(::PtInRegion(region.get(), 5, 10));
}

}  // namespace
}  // namespace ov
