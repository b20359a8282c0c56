// Manifest syntax: the forms a line takes, the messages for lines that cannot be read, and text
// that FormatManifest writes reading back the same.
#include "tools/skinc/manifest.h"

#include <gtest/gtest.h>

#include "tools/skinc/skinc_error.h"

namespace ov::skinc {
namespace {

std::string MessageFor(std::string_view text)
{
    try {
        ParseManifest(text, "skin.txt");
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(Manifest, ReadsNumbersBooleansStringsAndSkipsComments)
{
    const auto lines = ParseManifest(
        "\xEF\xBB\xBF# header\r\n"
        "integer SKIN2_FORMCOLOR 0x00F1F0FC   # trailing comment\r\n"
        "\n"
        "  integer\tSKIN2_TITLEBARREGIONMINY  -1\n"
        "boolean SKIN2_RADIOBUTTONTRANS 1\n"
        "string MYTEXT   a # is text here\\t\\x41\\\\ \n",
        "skin.txt");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].line, 2);
    EXPECT_EQ(lines[0].name, "SKIN2_FORMCOLOR");
    EXPECT_EQ(lines[0].number, 0x00F1F0FC);
    EXPECT_EQ(lines[1].number, -1);
    EXPECT_EQ(lines[1].line, 4);
    EXPECT_EQ(lines[2].kind, sk2::EntryKind::Boolean);
    EXPECT_EQ(lines[2].number, 1);
    EXPECT_EQ(lines[3].kind, sk2::EntryKind::String);
    EXPECT_EQ(lines[3].text, "a # is text here\tA\\");
}

TEST(Manifest, HugeNumbersStayHugeForTheRangeCheck)
{
    const auto lines = ParseManifest("integer A 99999999999999999999\ninteger B 0xFFFFFFFFFFFF\n", "f");
    EXPECT_GT(lines[0].number, int64_t{1} << 32);
    EXPECT_GT(lines[1].number, int64_t{1} << 32);
}

TEST(Manifest, MessagesNameFileAndLine)
{
    EXPECT_EQ(MessageFor("\nbitmap SKIN2_BUTTON x\n"),
              "skin.txt:2: unknown line kind 'bitmap' (integer, boolean or string)");
    EXPECT_EQ(MessageFor("integer SKIN2_FORMCOLOR\n"), "skin.txt:1: SKIN2_FORMCOLOR has no value");
    EXPECT_EQ(MessageFor("integer SKIN2_FORMCOLOR 12ab\n"), "skin.txt:1: '12ab' is not a number");
    EXPECT_EQ(MessageFor("integer SKIN2_FORMCOLOR 0x\n"), "skin.txt:1: '0x' is not a number");
    EXPECT_EQ(MessageFor("integer SKIN2_FORMCOLOR 1 2\n"), "skin.txt:1: unexpected '2'");
    EXPECT_EQ(MessageFor("boolean\n"), "skin.txt:1: boolean line without a name");
    EXPECT_EQ(MessageFor("string S bad \\q escape\n"),
              "skin.txt:1: unknown escape in string text (use \\\\, \\n, \\r, \\t or \\xHH)");
    EXPECT_EQ(MessageFor("string S cut \\x4\n"),
              "skin.txt:1: unknown escape in string text (use \\\\, \\n, \\r, \\t or \\xHH)");
}

TEST(Manifest, FormattedEntriesReadBackTheSame)
{
    const std::string awkward = std::string(" lead\\ing\ttab\nline\r\x7F\x01 # not a comment \xE4\xBD\xA0 ") + '\0';
    const std::vector<SkinEntry> entries = {IntegerEntry("SKIN2_FORMCOLOR", 0x00F1F0FC),
                                            IntegerEntry("SKIN2_TITLEBARREGIONMINY", -1),
                                            IntegerEntry("SKIN2_TRANSCOLOR", -1),
                                            BooleanEntry("SKIN2_TITLEFIVESECT", true),
                                            StringEntry("NOTE", awkward),
                                            StringEntry("EMPTY", ""),
                                            StringEntry("SPACE", " ")};
    const std::string text = FormatManifest(entries);
    EXPECT_NE(text.find("integer SKIN2_FORMCOLOR"), std::string::npos);
    EXPECT_NE(text.find("0x00F1F0FC"), std::string::npos);  // colours in hex
    const auto lines = ParseManifest(text, "skin.txt");
    ASSERT_EQ(lines.size(), entries.size());
    EXPECT_EQ(lines[0].number, 0x00F1F0FC);
    EXPECT_EQ(lines[1].number, -1);
    EXPECT_EQ(lines[2].number, -1);
    EXPECT_EQ(lines[3].number, 1);
    EXPECT_EQ(lines[4].text, awkward);
    EXPECT_EQ(lines[5].text, "");
    EXPECT_EQ(lines[6].text, " ");
}

}  // namespace
}  // namespace ov::skinc
