// Line-break expansion: every break form, pairs split across buffers, in-place use.
#include "richview/line_breaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ov {
namespace {

// Feeds `pieces` one after the other through one state, as the stream callback does.
template <typename Char>
std::basic_string<Char> Expand(std::initializer_list<std::basic_string<Char>> pieces)
{
    LineBreakState state;
    std::basic_string<Char> result;
    for (const auto& piece : pieces) {
        std::vector<Char> out(piece.size() * 2 + 1);
        size_t n = ExpandLineBreaks(piece.data(), piece.size(), out.data(), state);
        result.append(out.data(), n);
    }
    return result;
}

TEST(LineBreaks, EveryFormBecomesOneCrLf)
{
    EXPECT_EQ(Expand<char>({"a\rb"}), "a\r\nb");
    EXPECT_EQ(Expand<char>({"a\nb"}), "a\r\nb");
    EXPECT_EQ(Expand<char>({"a\r\nb"}), "a\r\nb");
    EXPECT_EQ(Expand<char>({"a\n\rb"}), "a\r\nb");
    EXPECT_EQ(Expand<char>({"plain"}), "plain");
}

TEST(LineBreaks, RepeatedBreaksStayApart)
{
    EXPECT_EQ(Expand<char>({"a\r\n\r\nb"}), "a\r\n\r\nb");
    EXPECT_EQ(Expand<char>({"a\r\rb"}), "a\r\n\r\nb");
    EXPECT_EQ(Expand<char>({"a\n\nb"}), "a\r\n\r\nb");
    EXPECT_EQ(Expand<char>({"\n\r\n\r"}), "\r\n\r\n");
    EXPECT_EQ(Expand<char>({"\r\n\n"}), "\r\n\r\n");
}

TEST(LineBreaks, PairSplitAcrossBuffersIsOneBreak)
{
    EXPECT_EQ(Expand<char>({"a\r", "\nb"}), "a\r\nb");
    EXPECT_EQ(Expand<char>({"a\n", "\rb"}), "a\r\nb");
    EXPECT_EQ(Expand<char>({"a\r", "", "\nb"}), "a\r\nb");
    // A character between the halves ends the pair.
    EXPECT_EQ(Expand<char>({"a\r", "x\nb"}), "a\r\nx\r\nb");
}

TEST(LineBreaks, WideCharactersWorkTheSame)
{
    EXPECT_EQ(Expand<wchar_t>({L"\u4f60\r", L"\n\u597d\n\r\n"}), L"\u4f60\r\n\u597d\r\n\r\n");
}

TEST(LineBreaks, ExpandsInPlaceFromTheUpperHalf)
{
    const std::string text = "\r\n\n\r\r\r\n\nxy\r";
    std::vector<char> buffer(text.size() * 2);
    std::copy(text.begin(), text.end(), buffer.begin() + static_cast<long>(text.size()));
    LineBreakState state;
    size_t n = ExpandLineBreaks(buffer.data() + text.size(), text.size(), buffer.data(), state);
    EXPECT_EQ(std::string(buffer.data(), n), Expand<char>({text}));
    EXPECT_EQ(std::string(buffer.data(), n), "\r\n\r\n\r\n\r\n\r\nxy\r\n");
}

}  // namespace
}  // namespace ov
