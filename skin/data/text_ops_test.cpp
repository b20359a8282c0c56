// Replacing, accelerator stripping and shortening with an ellipsis, for 8-bit and wide text.
#include "skin/data/text_ops.h"

#include <gtest/gtest.h>

#include "skin/data/pixels.h"
#include "skin/data/rect_ops.h"

namespace ov {
namespace {

TEST(ReplaceAll, RepeatsUntilNoneIsLeft)
{
    EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "a");  // one pass would leave "aa"
    EXPECT_EQ(ReplaceAll("abcabc", "b", ""), "acac");
    EXPECT_EQ(ReplaceAll("xaab", "ab", "b"), "xb");  // the match made by the first replacement
    EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
    EXPECT_EQ(ReplaceAll(L"中文&文", L"文", L"字"), L"中字&字");
}

TEST(ReplaceAll, AReplacementHoldingTheSearchedTextEnds) { EXPECT_EQ(ReplaceAll("a-a", "a", "aa"), "aa-aa"); }

TEST(StripAccelerators, RemovesEveryAmpersand)
{
    EXPECT_EQ(StripAccelerators("Mi&nimize"), "Minimize");
    EXPECT_EQ(StripAccelerators(L"&&Close&"), L"Close");
}

// One unit per character, like a fixed-pitch font.
int Units(std::string_view s) { return static_cast<int>(s.size()); }
int WideUnits(std::wstring_view s) { return static_cast<int>(s.size()); }

TEST(EllipsizeText, FittingTextStaysAndLimitZeroKeepsOneCharacter)
{
    EXPECT_EQ(EllipsizeText<char>("Hello", 5, Units), "Hello");
    EXPECT_EQ(EllipsizeText<char>("Hello", 0, Units), "H...");
    EXPECT_EQ(EllipsizeText<char>("Hello world", 6, Units), "Hel...");  // first candidate at least 6 wide
    EXPECT_EQ(EllipsizeText<char>("", -1, Units), "");
}

TEST(EllipsizeText, NoShorterPrefixReachesTheLimitGivesTheWholeText)
{
    // Every candidate with "..." is narrower than the limit: only the whole text is left.
    const auto dotsAreFree = [](std::string_view s) {
        int w = 0;
        for (char c : s)
            w += c == '.' ? 1 : 10;
        return w;
    };
    EXPECT_EQ(EllipsizeText<char>("abcdef", 59, dotsAreFree), "abcdef");
}

TEST(EllipsizeText, WideTextIsNotCutInsideASurrogatePair)
{
    const std::wstring text = L"\U0001F600\U0001F601xyz";  // two surrogate pairs, then three units
    EXPECT_EQ(EllipsizeText<wchar_t>(text, 0, WideUnits), L"\U0001F600...");
}

TEST(PointInRectInclusive, RightAndBottomEdgesAreInside)
{
    const PixelRect r{10, 20, 30, 40};
    EXPECT_TRUE(PointInRectInclusive(30, 40, r));
    EXPECT_TRUE(PointInRectInclusive(10, 20, r));
    EXPECT_FALSE(PointInRectInclusive(31, 25, r));
    EXPECT_FALSE(PointInRectInclusive(15, 19, r));
    struct P {
        int x, y;
    };
    EXPECT_TRUE(PointInRectInclusive(P{30, 30}, r));
}

}  // namespace
}  // namespace ov
