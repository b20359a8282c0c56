// The primitives on framework bitmaps and canvases, with the built-in skin's button face.
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_test_builders.h"

#include <gtest/gtest.h>

#include "skin/data/skin_reader_win.h"

namespace ov {
namespace {

using testing::HostPath;

constexpr TColor kBack = 0x202020;

TBitmap Filled(int width, int height)
{
    TBitmap canvas(width, height);
    canvas.Canvas()->Brush()->SetColor(kBack);
    canvas.Canvas()->FillRect({0, 0, width, height});
    return canvas;
}

TEST(SkinBitmap, BuiltInButtonFaceNineSlicedKeepsItsCorners)
{
    TkrvSkinReader reader(HostPath(OV_BUILTIN_SKIN_PATH), "");
    TBitmap face;
    CopyCell(reader.GetBitmap(SKIN2_BUTTON), face, 3, 2);
    ASSERT_EQ(face.Width(), 63);
    ASSERT_EQ(face.Height(), 19);
    for (const auto& [W, H] : {std::pair{63, 19}, std::pair{75, 23}, std::pair{160, 40}}) {
        SCOPED_TRACE(::testing::Message() << W << "x" << H);
        TBitmap out = Filled(W, H);
        DrawNineSlice(face, *out.Canvas(), {0, 0, W, H}, reader.GetColor(SKIN2_TRANSCOLOR), false);
        // Left corners: face columns 0-30 (column 30 of the bottom rows is under the bottom strip);
        // right corners: columns 33-62; top corners rows 0-8, bottom corners rows 11-18.
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 31; ++x)
                ASSERT_EQ(out.Pixel(x, y), face.Pixel(x, y)) << x << "," << y;
            for (int x = 33; x < 63; ++x)
                ASSERT_EQ(out.Pixel(W - 63 + x, y), face.Pixel(x, y)) << x << "," << y;
        }
        for (int y = 11; y < 19; ++y) {
            for (int x = 0; x < 30; ++x)
                ASSERT_EQ(out.Pixel(x, H - 19 + y), face.Pixel(x, y)) << x << "," << y;
            for (int x = 33; x < 63; ++x)
                ASSERT_EQ(out.Pixel(W - 63 + x, H - 19 + y), face.Pixel(x, y)) << x << "," << y;
        }
        // Both side edges come from row 9, all the way between the corners.
        for (int y = 9; y < H - 8; ++y) {
            ASSERT_EQ(out.Pixel(0, y), face.Pixel(0, 9));
            ASSERT_EQ(out.Pixel(W - 1, y), face.Pixel(62, 9));
        }
        EXPECT_EQ(out.Pixel(W / 2, 0), face.Pixel(31, 0));  // the top strip: columns 31-32
        EXPECT_EQ(out.Pixel(W / 2, H - 1), face.Pixel(31, 18));
    }
}

TEST(SkinBitmap, TurnsWorkInPlaceAndKeepTransparency)
{
    TBitmap abc(3, 1);
    abc.SetPixel(0, 0, 0x0000AA);
    abc.SetPixel(1, 0, 0x00BB00);
    abc.SetPixel(2, 0, 0xCC0000);
    abc.SetTransparentColor(0x00BB00);
    RotateLeft(abc);
    ASSERT_EQ(abc.Width(), 1);
    ASSERT_EQ(abc.Height(), 3);
    EXPECT_EQ(abc.Pixel(0, 0), 0xCC0000);
    EXPECT_EQ(abc.Pixel(0, 2), 0x0000AA);
    EXPECT_EQ(abc.TransparentColor(), 0x00BB00);
    RotateRight(abc);
    RotateRight(abc);  // back to a row, then turned clockwise: A on top
    EXPECT_EQ(abc.Pixel(0, 0), 0x0000AA);
    Rotate180(abc);
    EXPECT_EQ(abc.Pixel(0, 0), 0xCC0000);
}

TEST(SkinBitmap, ReplaceColorConvertsTo24BitsAndIgnoresUnsetColours)
{
    TBitmap image(2, 1, pf32bit);
    image.SetPixel(0, 0, 0xFF00FF);
    image.SetPixel(1, 0, 0x123456);
    ReplaceColor(image, 0xFF00FF, clWindow);
    EXPECT_EQ(image.PixelFormat(), pf24bit);
    EXPECT_EQ(image.Pixel(0, 0), static_cast<TColor>(::GetSysColor(COLOR_WINDOW)));
    ReplaceColor(image, -1, 0x123456);
    ReplaceColor(image, 0x123456, -1);
    EXPECT_EQ(image.Pixel(1, 0), 0x123456);
}

}  // namespace
}  // namespace ov
