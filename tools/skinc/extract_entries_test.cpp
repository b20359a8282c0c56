// What extract keeps of a data file that skinc did not write: only what the reader would use, in
// build order, with a note for everything it changes or leaves out.
#include "tools/skinc/extract_entries.h"

#include <gtest/gtest.h>

#include "skin/data/bmp_decoder.h"
#include "skin/data/skin_test_support.h"

namespace ov::skinc {
namespace {

DecodedBitmap Bitmap(int bitsPerPixel)
{
    DecodedBitmap bitmap = DecodeBmp(testing::MakeBmp24(2, 2, [](int x, int) { return 0x0000FF00u * x; }));
    bitmap.bitsPerPixel = bitsPerPixel;  // as the decoder reports a paletted file it converted
    return bitmap;
}

TEST(ExtractEntries, KeepsWhatTheReaderUsesInBuildOrder)
{
    const std::vector<SkinDataEntry> parsed = {
        {"skin2_radiobuttontrans", uint8_t{7}},
        {"SKIN2_SYSTEMCOLOR2", int32_t{0x00800000}},
        {"SKIN2_FORMCOLOR", int32_t{0x00F1F0FC}},
        {"SKIN2_BUTTON", Bitmap(8)},
        {"SKIN2_FORMCOLOR", int32_t{0x00123456}},  // the reader takes the first
        {"SKIN2_TITLEBAR1", int32_t{5}},           // a bitmap name stored as an integer: never found
        {"MYSTERY", int32_t{1}},                   // no entry of that name
        {"AUTHOR", std::string("Rose")},
        {"HAS SPACE", std::string("x")},           // cannot stand in a manifest line
        {"SKIN2_TRANSCOLOR", int32_t{-16777201}},  // kept, though build will want it changed
    };
    const ExtractedSkin skin = ToSourceEntries(parsed);
    std::vector<std::string> names;
    for (const SkinEntry& entry : skin.entries)
        names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"SKIN2_BUTTON", "SKIN2_TRANSCOLOR", "SKIN2_FORMCOLOR",
                                               "SKIN2_SYSTEMCOLOR2", "SKIN2_RADIOBUTTONTRANS", "AUTHOR"}));
    EXPECT_EQ(DecodeBmp(skin.entries[0].data).bitsPerPixel, 24);
    EXPECT_EQ(skin.entries[2].data, (std::vector<uint8_t>{0xFC, 0xF0, 0xF1, 0x00}));
    EXPECT_EQ(skin.entries[4].data, std::vector<uint8_t>{1});
    EXPECT_EQ(skin.notes,
              (std::vector<std::string>{
                  "SKIN2_RADIOBUTTONTRANS: boolean byte 7 written as 1", "SKIN2_BUTTON: 8-bit bitmap written as 24-bit",
                  "left out a second SKIN2_FORMCOLOR: the reader uses the first",
                  "left out SKIN2_TITLEBAR1: stored with the wrong kind, so no reader finds it",
                  "left out MYSTERY: no skin entry has this name",
                  "left out string entry 'HAS SPACE': its name cannot stand in a manifest",
                  // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one message, split to fit the line
                  "SKIN2_TRANSCOLOR: colour 0xFF00000F is no 0x00BBGGRR value; skinc build refuses it "
                  "until it is changed"}));
}

}  // namespace
}  // namespace ov::skinc
