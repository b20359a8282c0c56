// Cutting a scroll bar thumb: the rows of the five pieces and the centre uniformity test.
#include "skin/data/thumb_layout.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(CutThumbRows, BuiltInThumbOf48Rows)
{
    const auto p = CutThumbRows(48);
    EXPECT_EQ(p[0], (ThumbPieceRows{0, 3}));
    EXPECT_EQ(p[1], (ThumbPieceRows{4, 14}));
    EXPECT_EQ(p[2], (ThumbPieceRows{18, 14}));
    EXPECT_EQ(p[3], (ThumbPieceRows{31, 14}));
    EXPECT_EQ(p[4], (ThumbPieceRows{45, 3}));
}

TEST(CutThumbRows, ShortThumbsHaveBlankMiddles)
{
    const auto eight = CutThumbRows(8);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(eight[i], (ThumbPieceRows{0, 1, true}));
    EXPECT_EQ(eight[4], (ThumbPieceRows{5, 3}));
    const auto nine = CutThumbRows(9);  // f = 1: the smallest thumb with real middles
    EXPECT_EQ(nine[1], (ThumbPieceRows{4, 1}));
    EXPECT_EQ(nine[2], (ThumbPieceRows{5, 1}));
    EXPECT_EQ(nine[3], (ThumbPieceRows{5, 1}));
}

TEST(ThumbCentre, UniformWhenRowOneIsOneColourBetweenTheInsets)
{
    PixelBuffer centre(12, 3, 0x808080);
    centre.Set(3, 1, 0x000000);  // outside x = 4 .. width - 4
    centre.Set(9, 1, 0x000000);
    centre.Set(6, 0, 0x000000);  // another row
    EXPECT_TRUE(IsThumbCentreUniform(centre.View()));
    centre.Set(8, 1, 0x000001);  // x = width - 4 is still compared
    EXPECT_FALSE(IsThumbCentreUniform(centre.View()));

    PixelBuffer narrow(7, 3, 0x808080);
    narrow.Set(4, 1, 0);
    narrow.Set(5, 1, 1);
    EXPECT_TRUE(IsThumbCentreUniform(narrow.View()));
    EXPECT_TRUE(IsThumbCentreUniform(PixelBuffer(12, 1, 0).View()));
}

}  // namespace
}  // namespace ov
