// Slice drawing checked on real pixels drawn by GDI into a memory DIB.
#include "skin/data/skin_draw_win.h"

#include <gtest/gtest.h>

#include "skin/data/dib_surface_win.h"

namespace ov {
namespace {

constexpr uint32_t kKey = 0xFF00FF;
constexpr uint32_t kBack = 0x202020;

// A distinct colour per pixel that is never the key: x in red, y in green, 0x40 blue.
uint32_t Tag(int x, int y) { return static_cast<uint32_t>(x) | static_cast<uint32_t>(y) << 8 | 0x400000u; }

PixelBuffer TaggedFace(int width, int height)
{
    PixelBuffer face(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            face.Set(x, y, Tag(x, y));
    return face;
}

DibSurface Canvas(int width, int height)
{
    DibSurface canvas(width, height);
    const PixelView p = canvas.Pixels();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.Set(x, y, kBack);
    return canvas;
}

TEST(DrawNineSlice, KeyPixelsOfEdgesAreAlwaysLeftOutThoseOfCornersOnRequest)
{
    PixelBuffer face = TaggedFace(63, 19);
    face.Set(0, 0, kKey);  // a corner pixel
    face.Set(5, 9, kKey);  // a left-edge pixel
    for (const bool useKey : {false, true}) {
        DibSurface canvas = Canvas(63, 19);
        DrawNineSlice(face.View(), canvas.Dc(), {0, 0, 63, 19}, kKey, useKey);
        const PixelView out = canvas.Pixels();
        EXPECT_EQ(out.At(0, 0), useKey ? kBack : kKey);
        EXPECT_EQ(out.At(5, 9), kBack);
        EXPECT_EQ(out.At(5, 10), kBack);
        EXPECT_EQ(out.At(6, 9), face.At(6, 9));
    }
}

TEST(DrawThreeSliceH, NarrowTargetGetsOnlyTheLeftPartOfTheFirstCell)
{
    const PixelBuffer strip = TaggedFace(90, 2);  // cells of 30 columns
    DibSurface canvas = Canvas(40, 3);
    DrawThreeSliceH(strip.View(), canvas.Dc(), {5, 0, 25, 3}, kKey, false);
    const PixelView out = canvas.Pixels();
    EXPECT_EQ(out.At(5, 0), strip.At(0, 0));
    EXPECT_EQ(out.At(24, 1), strip.At(19, 1));
    EXPECT_EQ(out.At(25, 0), kBack);
    EXPECT_EQ(out.At(10, 2), kBack);  // drawn at the bitmap's height only
}

TEST(DrawThreeSliceH, EndsKeptMiddleStretchedKeyLeftOutWhenAsked)
{
    PixelBuffer strip = TaggedFace(90, 2);
    strip.Set(0, 0, kKey);
    DibSurface canvas = Canvas(200, 2);
    DrawThreeSliceH(strip.View(), canvas.Dc(), {0, 0, 200, 2}, kKey, true);
    const PixelView out = canvas.Pixels();
    EXPECT_EQ(out.At(0, 0), kBack);
    EXPECT_EQ(out.At(29, 1), strip.At(29, 1));
    EXPECT_EQ(out.At(170, 0), strip.At(60, 0));
    EXPECT_EQ(out.At(199, 1), strip.At(89, 1));
    EXPECT_EQ(out.At(30, 0), strip.At(30, 0));
    EXPECT_EQ(out.At(169, 0), strip.At(59, 0));
}

TEST(DrawCaps, CapsKeepTheirColumnsAndTheMiddleStretches)
{
    const PixelBuffer piece = TaggedFace(7, 14);
    DibSurface canvas = Canvas(30, 14);
    DrawCapsH(piece.View(), canvas.Dc(), {0, 0, 30, 14}, 2);
    PixelView out = canvas.Pixels();
    for (int y = 0; y < 14; ++y) {
        EXPECT_EQ(out.At(1, y), piece.At(1, y));
        EXPECT_EQ(out.At(28, y), piece.At(5, y));
        EXPECT_EQ(out.At(29, y), piece.At(6, y));
    }
    // Caps along rows, a third of the height when no cap is given; stretched across to the width.
    DibSurface tall = Canvas(14, 60);
    DrawCapsV(piece.View(), tall.Dc(), {0, 0, 14, 60}, 0);
    out = tall.Pixels();
    EXPECT_EQ(out.At(0, 3), piece.At(0, 3));
    EXPECT_EQ(out.At(13, 59), piece.At(6, 13));
    EXPECT_EQ(out.At(0, 56), piece.At(0, 10));

    DibSurface untouched = Canvas(10, 10);
    DrawCapsH(piece.View(), untouched.Dc(), {-1, 0, 10, 10}, 2);
    EXPECT_EQ(untouched.Pixels().At(0, 0), kBack);
}

TEST(StretchBitmap, FillsTheRectangleFromTheWholeBitmap)
{
    PixelBuffer solid(4, 4, 0x336699);
    DibSurface canvas = Canvas(20, 20);
    StretchBitmap(solid.View(), canvas.Dc(), {2, 2, 18, 12});
    const PixelView out = canvas.Pixels();
    EXPECT_EQ(out.At(2, 2), 0x336699u);
    EXPECT_EQ(out.At(17, 11), 0x336699u);
    EXPECT_EQ(out.At(17, 12), kBack);
}

}  // namespace
}  // namespace ov
