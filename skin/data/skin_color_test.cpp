// Colour arithmetic and gradient steps.
#include "skin/data/skin_color.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(SkinColor, MakeSplitInvert)
{
    EXPECT_EQ(MakeColor(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(SplitRgb(0x00F1F0FC), (Rgb{0xFC, 0xF0, 0xF1}));
    EXPECT_EQ(InvertRgb(0x00F1F0FC), 0x000E0F03u);
}

TEST(Gradient, ThreeRowsRepeatTheFirstColour)
{
    EXPECT_EQ(GradientColors(0x000000, 0xFFFFFF, 3), (std::vector<uint32_t>{0x000000, 0x000000, 0xFFFFFF}));
    EXPECT_EQ(GradientColors(0x10, 0x20, 1), (std::vector<uint32_t>{0x20}));
    EXPECT_TRUE(GradientColors(0x10, 0x20, 0).empty());
}

TEST(Gradient, StepsTruncateTowardTheFirstColourInBothDirections)
{
    // Red rises 0 -> 100 over 6 lines, blue falls 100 -> 0: step i is trunc(+-100 / 6 x (i - 1)).
    const auto colors = GradientColors(MakeColor(0, 7, 100), MakeColor(100, 7, 0), 6);
    ASSERT_EQ(colors.size(), 6u);
    EXPECT_EQ(colors[1], MakeColor(0, 7, 100));
    EXPECT_EQ(colors[2], MakeColor(16, 7, 84));
    EXPECT_EQ(colors[4], MakeColor(50, 7, 50));
    EXPECT_EQ(colors[5], MakeColor(100, 7, 0));
}

}  // namespace
}  // namespace ov
