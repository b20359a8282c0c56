// The window outline built from key-colour pixels of the drawn title bar and bottom frame.
#include "skin/data/region_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace ov {
namespace {

constexpr uint32_t kKey = 0xFF00FF;
constexpr uint32_t kInk = 0x123456;

// A band from rows of 'k' (key) and 'x' (anything else).
PixelBuffer Band(std::initializer_list<std::string> rows)
{
    PixelBuffer band(static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()));
    int y = 0;
    for (const std::string& row : rows) {
        for (int x = 0; x < band.Width(); ++x)
            band.Set(x, y, row[x] == 'k' ? kKey : kInk);
        ++y;
    }
    return band;
}

TEST(SkinRegion, KeyPixelsOfAScannedRowAreLeftOut)
{
    const PixelBuffer title = Band({"kkxxkx"});
    const auto rects = SkinRegionRects({title.View(), true}, {}, kKey, 6, 10);
    const std::vector<PixelRect> expected = {{2, 0, 4, 1}, {5, 0, 6, 1}, {0, 1, 6, 10}};
    EXPECT_EQ(rects, expected);
}

TEST(SkinRegion, RowsOutsideTheLimitsAreWholeAndTheBottomSitsAtTheBottom)
{
    const PixelBuffer title = Band({"kkkk", "kxxk", "kxxk", "kkkk"});
    const PixelBuffer bottom = Band({"xkkx", "kkkk"});
    // Title: rows 1-2 scanned, rows 0 and 3 whole. Bottom: min row above max row, scanned to the end.
    const auto rects = SkinRegionRects({title.View(), true, 1, 2}, {bottom.View(), true, 0, 5}, kKey, 4, 20);
    const std::vector<PixelRect> expected = {
        {0, 0, 4, 1},   {1, 1, 3, 2},   {1, 2, 3, 3}, {0, 3, 4, 4},  // title
        {0, 4, 4, 18},                                               // between the bands
        {0, 18, 1, 19}, {3, 18, 4, 19},                              // bottom row 0; row 1 is all key
    };
    EXPECT_EQ(rects, expected);
}

TEST(SkinRegion, BandsThatDoNotNeedTheRegionAreWhole)
{
    const PixelBuffer title = Band({"kkkk"});
    EXPECT_EQ(SkinRegionRects({title.View(), false}, {title.View(), false}, kKey, 4, 9),
              (std::vector<PixelRect>{{0, 0, 4, 9}}));
    // Both limits -1: every row is scanned; limits past the image are held to it.
    const PixelBuffer two = Band({"xk", "kx"});
    EXPECT_EQ(SkinRegionRects({two.View(), true, -1, -1}, {}, kKey, 2, 2),
              (std::vector<PixelRect>{{0, 0, 1, 1}, {1, 1, 2, 2}}));
    EXPECT_EQ(SkinRegionRects({two.View(), true, 1, 40}, {}, kKey, 2, 2),
              (std::vector<PixelRect>{{0, 0, 2, 1}, {1, 1, 2, 2}}));
}

}  // namespace
}  // namespace ov
