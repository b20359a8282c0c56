// Piece placement for three-slice, end-cap and nine-slice drawing.
#include "skin/data/slice_layout.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

using M = SliceMode;
using Blits = std::vector<SliceBlit>;

TEST(NineSliceLayout, BuiltInButtonFaceAtItsOwnSize)
{
    const Blits expected = {
        {{0, 0, 31, 9}, {0, 0, 31, 9}, M::KeyWhenAsked},  // corners: 31 / 30 wide, 9 / 8 high
        {{0, 11, 31, 19}, {0, 11, 31, 19}, M::KeyWhenAsked},
        {{33, 0, 63, 9}, {33, 0, 63, 9}, M::KeyWhenAsked},
        {{33, 11, 63, 19}, {33, 11, 63, 19}, M::KeyWhenAsked},
        {{0, 9, 31, 10}, {0, 9, 31, 11}, M::KeyAlways},  // side edges from row 9
        {{33, 9, 63, 10}, {33, 9, 63, 11}, M::KeyAlways},
        {{31, 0, 33, 9}, {31, 0, 33, 9}, M::KeyAlways},  // strips from columns 31 and 32
        {{31, 9, 33, 10}, {31, 9, 33, 10}, M::KeyAlways},
        {{31, 10, 33, 19}, {30, 10, 33, 19}, M::KeyAlways},
    };
    EXPECT_EQ(NineSliceLayout(63, 19, {0, 0, 63, 19}), expected);
}

TEST(NineSliceLayout, LargerTargetStretchesOnlyTheStrips)
{
    const Blits blits = NineSliceLayout(63, 19, {0, 0, 120, 40});
    ASSERT_EQ(blits.size(), 9u);
    EXPECT_EQ(blits[1].target, (PixelRect{0, 32, 31, 40}));
    EXPECT_EQ(blits[2].target, (PixelRect{90, 0, 120, 9}));
    EXPECT_EQ(blits[3].target, (PixelRect{90, 32, 120, 40}));
    EXPECT_EQ(blits[4].target, (PixelRect{0, 9, 31, 32}));
    EXPECT_EQ(blits[6].target, (PixelRect{31, 0, 90, 9}));
    EXPECT_EQ(blits[7].target, (PixelRect{31, 9, 90, 31}));
    EXPECT_EQ(blits[8], (SliceBlit{{31, 10, 33, 19}, {30, 31, 90, 40}, M::KeyAlways}));
}

TEST(NineSliceLayout, SmallerTargetCropsCornersAwayFromTheirCorner)
{
    const Blits expected = {
        {{0, 0, 20, 6}, {5, 7, 25, 13}, M::KeyWhenAsked},
        {{0, 14, 20, 19}, {5, 14, 25, 19}, M::KeyWhenAsked},
        {{44, 0, 63, 6}, {26, 7, 45, 13}, M::KeyWhenAsked},
        {{44, 14, 63, 19}, {26, 14, 45, 19}, M::KeyWhenAsked},
        {{0, 9, 20, 10}, {5, 13, 25, 14}, M::KeyAlways},
        {{44, 9, 63, 10}, {26, 13, 45, 14}, M::KeyAlways},
        {{31, 0, 33, 6}, {25, 7, 26, 13}, M::KeyAlways},
        {{31, 13, 33, 19}, {24, 13, 26, 19}, M::KeyAlways},  // the centre is empty here
    };
    EXPECT_EQ(NineSliceLayout(63, 19, {5, 7, 45, 19}), expected);
}

TEST(NineSliceLayout, LowTargetsDrawOnlyTheTopLeftCorner)
{
    EXPECT_EQ(NineSliceLayout(63, 19, {0, 0, 63, 3}), (Blits{{{0, 0, 31, 1}, {0, 0, 31, 1}, M::KeyWhenAsked}}));
    EXPECT_TRUE(NineSliceLayout(63, 19, {0, 5, 63, 5}).empty());
}

TEST(NineSliceLayout, EvenFaceTakesItsSideEdgesFromTheMiddleRow)
{
    const Blits blits = NineSliceLayout(62, 18, {0, 0, 62, 30});
    ASSERT_EQ(blits.size(), 9u);
    EXPECT_EQ(blits[1].source, (PixelRect{0, 10, 31, 18}));  // bottom corners start below row 9
    EXPECT_EQ(blits[4], (SliceBlit{{0, 9, 31, 10}, {0, 9, 31, 22}, M::KeyAlways}));
    EXPECT_EQ(blits[7], (SliceBlit{{31, 9, 32, 10}, {31, 9, 32, 21}, M::KeyAlways}));  // middle row and column
}

TEST(ThreeSliceLayout, EndsKeptMiddleStretchedNarrowTargetGetsLeftPart)
{
    EXPECT_EQ(ThreeSliceLayout(100, 1, {10, 5, 110, 50}), (Blits{
                                                              {{0, 0, 33, 1}, {10, 5, 43, 6}, M::KeyWhenAsked},
                                                              {{66, 0, 99, 1}, {77, 5, 110, 6}, M::KeyWhenAsked},
                                                              {{33, 0, 66, 1}, {43, 5, 77, 6}, M::KeyWhenAsked},
                                                          }));
    EXPECT_EQ(ThreeSliceLayout(100, 4, {0, 0, 20, 4}), (Blits{{{0, 0, 20, 4}, {0, 0, 20, 4}, M::KeyWhenAsked}}));
}

TEST(CapsLayout, CapsKeepTheirSizeAndStayInsideNarrowTargets)
{
    EXPECT_EQ(CapsLayoutH(7, 14, {0, 0, 20, 14}, 2), (Blits{
                                                         {{0, 0, 2, 14}, {0, 0, 2, 14}, M::Plain},
                                                         {{5, 0, 7, 14}, {18, 0, 20, 14}, M::Plain},
                                                         {{2, 0, 5, 14}, {2, 0, 18, 14}, M::Halftone},
                                                     }));
    EXPECT_EQ(CapsLayoutH(7, 14, {3, 0, 4, 14}, 2), (Blits{
                                                        {{0, 0, 1, 14}, {3, 0, 4, 14}, M::Plain},
                                                        {{6, 0, 7, 14}, {3, 0, 4, 14}, M::Plain},
                                                    }));
    EXPECT_TRUE(CapsLayoutH(7, 14, {-1, 0, 20, 14}, 2).empty());
    EXPECT_EQ(CapsLayoutV(18, 33, {0, 0, 18, 100}, 0), (Blits{
                                                           {{0, 0, 18, 11}, {0, 0, 18, 11}, M::Plain},
                                                           {{0, 22, 18, 33}, {0, 89, 18, 100}, M::Plain},
                                                           {{0, 11, 18, 22}, {0, 11, 18, 89}, M::Halftone},
                                                       }));
}

}  // namespace
}  // namespace ov
