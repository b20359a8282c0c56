// Tests of message formatting and of the exception's two views of its message.
#include "framework/core/exception.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(Format, PlaceholdersTakeArgumentsInOrder)
{
    EXPECT_EQ(Format(L"Resource %s not found", {L"rtf_5"}), L"Resource rtf_5 not found");
    EXPECT_EQ(Format(L"%s=%d (%x, %u)", {"a", -3, 255, 7u}), L"a=-3 (ff, 7)");
    EXPECT_EQ(Format(L"100%% %s", {std::wstring(L"done")}), L"100% done");
}

TEST(Format, MissingArgumentsAndUnknownPlaceholdersStayAsWritten)
{
    EXPECT_EQ(Format(L"%s and %s", {L"one"}), L"one and %s");
    EXPECT_EQ(Format(L"%q %", {L"x"}), L"%q %");
}

TEST(Exception, MessageIsWideAndWhatIsUtf8)
{
    Exception e(L"Resource %s not found", {L"\u7ae0\u8282"});
    EXPECT_EQ(e.Message(), L"Resource \u7ae0\u8282 not found");
    EXPECT_STREQ(e.what(), "Resource \xe7\xab\xa0\xe8\x8a\x82 not found");
}

}  // namespace
}  // namespace ov
