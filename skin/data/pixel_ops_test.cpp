// Cell cutting, turns and colour replacement on real pixel memory, in both row orders and depths.
#include "skin/data/pixel_ops.h"

#include <gtest/gtest.h>

#include <vector>

namespace ov {
namespace {

// A distinct colour per pixel, so that every move of a pixel shows.
uint32_t MakeTag(int x, int y) { return static_cast<uint32_t>(x) | static_cast<uint32_t>(y) << 12; }

PixelBuffer Tagged(int width, int height)
{
    PixelBuffer image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.Set(x, y, MakeTag(x, y));
    return image;
}

TEST(CopyCell, TitleButtonStripGivesNineteenPixelCells)
{
    const PixelBuffer strip = Tagged(343, 20);  // the built-in caption button strip: 18 cells
    const PixelBuffer cell18 = CopyCell(strip.View(), 18, 18);
    ASSERT_EQ(cell18.Width(), 19);
    ASSERT_EQ(cell18.Height(), 20);
    EXPECT_EQ(cell18.At(0, 0), MakeTag(323, 0));
    EXPECT_EQ(cell18.At(18, 19), MakeTag(341, 19));  // column 342 belongs to no cell
    const PixelBuffer cell1 = CopyCell(strip.View(), 18, 1);
    EXPECT_EQ(cell1.At(18, 5), MakeTag(18, 5));

    EXPECT_TRUE(CopyCell(strip.View(), 18, 0).IsEmpty());
    EXPECT_TRUE(CopyCell(strip.View(), 18, 19).IsEmpty());
    EXPECT_TRUE(CopyCell(PixelView{}, 3, 1).IsEmpty());
}

TEST(Rotate, ThreePixelRowTurnsBothWays)
{
    constexpr uint32_t A = 0x0000AA, B = 0x00BB00, C = 0xCC0000;
    PixelBuffer abc(3, 1);
    abc.Set(0, 0, A);
    abc.Set(1, 0, B);
    abc.Set(2, 0, C);

    const PixelBuffer left = RotateLeft(abc.View());
    ASSERT_EQ(left.Width(), 1);
    ASSERT_EQ(left.Height(), 3);
    EXPECT_EQ(left.At(0, 0), C);
    EXPECT_EQ(left.At(0, 2), A);

    const PixelBuffer right = RotateRight(abc.View());
    ASSERT_EQ(right.Height(), 3);
    EXPECT_EQ(right.At(0, 0), A);
    EXPECT_EQ(right.At(0, 2), C);
}

TEST(Rotate, TurnsComposeOnAnOddRectangle)
{
    const PixelBuffer image = Tagged(5, 3);
    PixelBuffer left = RotateLeft(image.View());
    ASSERT_EQ(left.Width(), 3);
    ASSERT_EQ(left.Height(), 5);
    EXPECT_EQ(left.At(0, 4), MakeTag(0, 0));  // top-left corner goes to the bottom-left
    EXPECT_EQ(left.At(2, 0), MakeTag(4, 2));  // bottom-right corner goes to the top-right

    // Left then right is the identity; left twice is a half turn.
    const PixelBuffer back = RotateRight(left.View());
    PixelBuffer half = RotateLeft(left.View());
    PixelBuffer flipped = Tagged(5, 3);
    Rotate180(flipped.View());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(back.At(x, y), MakeTag(x, y));
            EXPECT_EQ(half.At(x, y), flipped.At(x, y));
            EXPECT_EQ(flipped.At(x, y), MakeTag(4 - x, 2 - y));
        }
}

TEST(ReplaceColor, WorksOnBottomUpThirtyTwoBitMemory)
{
    // 2 x 2 pixels, 32 bits, stored bottom-up as a DIB would be: the view starts at the last row.
    std::vector<uint8_t> memory = {0xFF, 0x00, 0xFF, 0x00, 1, 2, 3, 0,   // bottom row: magenta, (3,2,1)
                                   0xFF, 0x00, 0xFF, 0x7F, 9, 9, 9, 0};  // top row: magenta (top byte set), grey
    const PixelView view{memory.data() + 8, 2, 2, -8, 4};
    EXPECT_EQ(view.At(0, 0), 0xFF00FFu);
    EXPECT_EQ(view.At(1, 1), 0x010203u);

    ReplaceColor(view, 0xFF00FF, 0xF9F9F9);
    EXPECT_EQ(view.At(0, 0), 0xF9F9F9u);
    EXPECT_EQ(view.At(0, 1), 0xF9F9F9u);
    EXPECT_EQ(view.At(1, 0), 0x090909u);
    EXPECT_EQ(view.At(1, 1), 0x010203u);
    EXPECT_EQ(memory[7], 0);  // the unused byte is left alone
}

}  // namespace
}  // namespace ov
