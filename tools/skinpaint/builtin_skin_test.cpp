// The built-in skin: every tabled entry with its value and size, the data file's size and layout,
// pictures drawn the way the readers cut them, the drawn files reproducible by skinpaint, and the
// package the build puts into build/bin.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "skin/data/byte_stream.h"
#include "skin/data/package_reader.h"
#include "skin/data/sk2_file.h"
#include "skin/data/skin2_define.h"
#include "tools/skinc/sk2_writer.h"
#include "tools/skinc/skin_source.h"
#include "tools/skinpaint/art.h"
#include "tools/skinpaint/image_io.h"

namespace ov {
namespace {

const std::string kSource = OV_BUILTIN_SOURCE;
constexpr uint32_t kKey = 0x00FF00FF;

std::vector<uint8_t> BuiltinDataFile() { return skinc::WriteSkinDataFile(skinc::ReadSkinSource(kSource)); }

class BuiltinSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { entries_ = new std::vector<SkinDataEntry>(ParseSkinDataFile(BuiltinDataFile())); }
    static void TearDownTestSuite() { delete entries_; }

    static const SkinDataEntry* Find(std::string_view name)
    {
        for (const SkinDataEntry& entry : *entries_) {
            if (entry.name == name)
                return &entry;
        }
        return nullptr;
    }
    static const DecodedBitmap& Bitmap(Skin2Bitmap id) { return std::get<DecodedBitmap>(Find(Skin2Name(id))->value); }

    static std::vector<SkinDataEntry>* entries_;
};
std::vector<SkinDataEntry>* BuiltinSkin::entries_ = nullptr;

TEST_F(BuiltinSkin, DataFileHas80EntriesIn91874Bytes)
{
    EXPECT_EQ(BuiltinDataFile().size(), 91874u);
    ASSERT_EQ(entries_->size(), 80u);
    // 28 bitmaps, then 43 integers, then 9 booleans, no strings.
    for (size_t i = 0; i < entries_->size(); ++i) {
        const auto expected = i < 28   ? sk2::EntryKind::Bitmap
                              : i < 71 ? sk2::EntryKind::Integer
                                       : sk2::EntryKind::Boolean;
        EXPECT_EQ((*entries_)[i].Kind(), expected) << (*entries_)[i].name;
    }
}

TEST_F(BuiltinSkin, ValuesAreTheTabledOnes)
{
    const std::map<std::string, int32_t> integers = {{"SKIN2_TRANSCOLOR", 0x00FF00FF},
                                                     {"SKIN2_TITLEFONTCOLOR", 0x00FFFFFF},
                                                     {"SKIN2_FORMCOLOR", 0x00F1F0FC},
                                                     {"SKIN2_MENUBARSTARTCOLOR", 0x00F1F0FC},
                                                     {"SKIN2_MENUBARENDCOLOR", 0x00F1F0FC},
                                                     {"SKIN2_TOPSELECTEDMENUCOLOR", 0x00FFFFFF},
                                                     {"SKIN2_TOPSELECTEDMENUBORDERCOLOR", 0x008760DA},
                                                     {"SKIN2_TOPSELECTEDMENUFONTCOLOR", 0x00261E46},
                                                     {"SKIN2_TOPMENUFONTCOLOR", 0x005C4CA3},
                                                     {"SKIN2_LEFTBARSTARTCOLOR", 0x00F1F0FC},
                                                     {"SKIN2_LEFTBARENDCOLOR", 0x00F1F0FC},
                                                     {"SKIN2_MENUITEMCOLOR", 0x00FFFFFF},
                                                     {"SKIN2_MENUITEMFONTCOLOR", 0x005C4CA3},
                                                     {"SKIN2_SELECTEDMENUCOLOR", 0x00FFFFFF},
                                                     {"SKIN2_SELECTEDMENUBORDERCOLOR", 0x008760DA},
                                                     {"SKIN2_SELECTEDMENUFONTCOLOR", 0x00261E46},
                                                     {"SKIN2_TOOLBARSTARTCOLOR", 0x00DDD7FC},
                                                     {"SKIN2_TOOLBARENDCOLOR", 0x00DDD7FC},
                                                     {"SKIN2_TOOLBARONCOLOR", 0x00FFFFFF},
                                                     {"SKIN2_TOOLBARBORDERCOLOR", 0x005C4CA3},
                                                     {"SKIN2_TOOLBARDOWNCOLOR", 0x00F1F0FC},
                                                     {"SKIN2_CONTROLCOLOR", 0x00DAD9E3},
                                                     {"SKIN2_CONTROLBORDERCOLOR", 0x005C4CA3},
                                                     {"SKIN2_CONTROLFONTCOLOR", 0x005C4CA3},
                                                     {"SKIN2_BUTTONFONTCOLOR", 0x00261E46},
                                                     {"SKIN2_SCROLLBARCOLOR", 0x00F9F9F9},
                                                     {"SKIN2_TABCONTROLCOLOR", 0x00DAD9E3},
                                                     {"SKIN2_TABCONTROLBORDERCOLOR", 0x005C4CA3},
                                                     {"SKIN2_TABCONTROLACTIVEFONTCOLOR", 0x00FFFFFF},
                                                     {"SKIN2_TABCONTROLINACTIVEFONTCOLOR", 0x005C4CA3},
                                                     {"SKIN2_SIDECHANNELCOLOR", 0x00C8D0D4},
                                                     {"SKIN2_SIDECHANNELBORDERCOLOR", 0x005C4CA3},
                                                     {"SKIN2_TITLEBARICONPOSX", 7},
                                                     {"SKIN2_TITLEBARICONPOSY", 4},
                                                     {"SKIN2_TITLEBARCAPTIONTOP", 7},
                                                     {"SKIN2_TITLEBARBUTTONPOSX", 7},
                                                     {"SKIN2_TITLEBARBUTTONPOSY", 4},
                                                     {"SKIN2_TITLEBARREGIONMINY", -1},
                                                     {"SKIN2_TITLEBARREGIONMAXY", -1},
                                                     {"SKIN2_BOTTOMREGIONMINY", -1},
                                                     {"SKIN2_BOTTOMREGIONMAXY", -1},
                                                     {"SKIN2_SYSTEMCOLOR1", 0x0000FF00},
                                                     {"SKIN2_SYSTEMCOLOR2", 0x00800000}};
    const std::map<std::string, int> booleans = {
        {"SKIN2_TITLEFIVESECT", 0},          {"SKIN2_BOTTOMBORDERTHREESECT", 0}, {"SKIN2_TITLEBARNEEDREGION", 0},
        {"SKIN2_BOTTOMBORDERNEEDREGION", 0}, {"SKIN2_TITLEBTNTRANS", 0},         {"SKIN2_BUTTONTRANS", 0},
        {"SKIN2_CHECKBOXTRANS", 0},          {"SKIN2_RADIOBUTTONTRANS", 1},      {"SKIN2_TABCONTROLTRANS", 0}};
    for (const auto& [name, value] : integers) {
        ASSERT_NE(Find(name), nullptr) << name;
        EXPECT_EQ(std::get<int32_t>(Find(name)->value), value) << name;
    }
    for (const auto& [name, value] : booleans) {
        ASSERT_NE(Find(name), nullptr) << name;
        EXPECT_EQ(std::get<uint8_t>(Find(name)->value), value) << name;
    }
}

TEST_F(BuiltinSkin, BitmapsHaveTheTabledSizesAndSixAreMissing)
{
    const std::map<Skin2Bitmap, std::pair<int, int>> sizes = {{SKIN2_TITLEBAR1, {56, 27}},
                                                              {SKIN2_TITLEBAR2, {55, 27}},
                                                              {SKIN2_TITLEBAR3, {56, 27}},
                                                              {SKIN2_FORMLEFTBORDER, {1, 20}},
                                                              {SKIN2_FORMRIGHTBORDER, {1, 20}},
                                                              {SKIN2_FORMBOTTOMBORDER1, {100, 1}},
                                                              {SKIN2_MINIMIZEDTITLE, {160, 27}},
                                                              {SKIN2_TITLEBUTTONS, {343, 20}},
                                                              {SKIN2_CHECKEDMENUICON, {16, 16}},
                                                              {SKIN2_BUTTON, {189, 19}},
                                                              {SKIN2_CHECKBOX, {72, 12}},
                                                              {SKIN2_CHECKBOXLIST, {44, 11}},
                                                              {SKIN2_RADIOBUTTON, {48, 12}},
                                                              {SKIN2_PROGRESSBAR1, {1, 14}},
                                                              {SKIN2_PROGRESSBAR2, {7, 14}},
                                                              {SKIN2_PROGRESSBAR3, {7, 14}},
                                                              {SKIN2_PROGRESSBAR4, {1, 14}},
                                                              {SKIN2_TRACKBAR, {135, 6}},
                                                              {SKIN2_TRACKBARSLIDER, {9, 18}},
                                                              {SKIN2_TRACKBARVSLIDER, {18, 9}},
                                                              {SKIN2_SCROLLBARUPBUTTON, {54, 17}},
                                                              {SKIN2_SCROLLBAR, {18, 48}},
                                                              {SKIN2_SCROLLBARDOWNBUTTON, {54, 17}},
                                                              {SKIN2_TABCONTROL, {18, 18}},
                                                              {SKIN2_TABCONTROLLINE, {10, 5}},
                                                              {SKIN2_SIDECHANNELBAR, {8, 86}},
                                                              {SKIN2_SIDECHANNELTITLE, {1, 28}},
                                                              {SKIN2_SCROLLBUTTON, {64, 16}}};
    size_t index = 0;
    for (int id = 0; id < kSkin2BitmapCount; ++id) {
        const auto bitmap = static_cast<Skin2Bitmap>(id);
        const auto size = sizes.find(bitmap);
        if (size == sizes.end()) {
            EXPECT_EQ(Find(Skin2Name(bitmap)), nullptr) << Skin2Name(bitmap);
            continue;
        }
        const SkinDataEntry& entry = (*entries_)[index++];  // in bitmap id order
        ASSERT_EQ(entry.name, Skin2Name(bitmap));
        const auto& decoded = std::get<DecodedBitmap>(entry.value);
        EXPECT_EQ(std::pair(decoded.width, decoded.height), size->second) << entry.name;
        EXPECT_EQ(decoded.bitsPerPixel, 24) << entry.name;
    }
    EXPECT_EQ(index, 28u);
}

bool RowsAlike(const DecodedBitmap& b, int first, int last)
{
    for (int y = first; y <= last; ++y) {
        for (int x = 0; x < b.width; ++x) {
            if (b.Pixel(x, y) != b.Pixel(x, first))
                return false;
        }
    }
    return true;
}

bool ColumnsAlike(const DecodedBitmap& b, int first, int last)
{
    for (int x = first; x <= last; ++x) {
        for (int y = 0; y < b.height; ++y) {
            if (b.Pixel(x, y) != b.Pixel(first, y))
                return false;
        }
    }
    return true;
}

TEST_F(BuiltinSkin, PicturesSuitTheWayTheReadersCutAndStretchThem)
{
    // The thumb: stretched rows 4-17 and 31-44 alike; the grip's row 1 not uniform from x 4 to 14.
    const DecodedBitmap& thumb = Bitmap(SKIN2_SCROLLBAR);
    EXPECT_TRUE(RowsAlike(thumb, 4, 17));
    EXPECT_TRUE(RowsAlike(thumb, 31, 44));
    bool gripUniform = true;
    for (int x = 4; x <= 14; ++x)
        gripUniform &= thumb.Pixel(x, 19) == thumb.Pixel(4, 19);
    EXPECT_FALSE(gripUniform);
    // Stretched title middle and tab middles; progress pieces stretched across.
    EXPECT_TRUE(ColumnsAlike(Bitmap(SKIN2_TITLEBAR2), 0, 54));
    EXPECT_TRUE(ColumnsAlike(Bitmap(SKIN2_TABCONTROL), 3, 5));
    EXPECT_TRUE(ColumnsAlike(Bitmap(SKIN2_TABCONTROL), 12, 14));
    EXPECT_TRUE(ColumnsAlike(Bitmap(SKIN2_PROGRESSBAR2), 0, 6));
    // Key colour where the form colour or the track should show; the thumbs' key in their
    // bottom-left pixel, which the track bar painter takes as their transparent colour.
    const DecodedBitmap& groove = Bitmap(SKIN2_TRACKBAR);
    EXPECT_EQ(groove.Pixel(0, 0), kKey);
    EXPECT_EQ(groove.Pixel(134, 5), kKey);
    EXPECT_EQ(Bitmap(SKIN2_TRACKBARSLIDER).Pixel(0, 17), kKey);
    EXPECT_EQ(Bitmap(SKIN2_TRACKBARVSLIDER).Pixel(0, 8), kKey);
    EXPECT_EQ(Bitmap(SKIN2_RADIOBUTTON).Pixel(0, 0), kKey);
    EXPECT_EQ(Bitmap(SKIN2_CHECKEDMENUICON).Pixel(0, 0), kKey);
    // Nothing opaque by design carries the key colour.
    for (Skin2Bitmap id : {SKIN2_TITLEBAR1, SKIN2_TITLEBAR2, SKIN2_TITLEBAR3, SKIN2_TITLEBUTTONS, SKIN2_BUTTON,
                           SKIN2_CHECKBOX, SKIN2_TABCONTROL, SKIN2_MINIMIZEDTITLE}) {
        const DecodedBitmap& b = Bitmap(id);
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x)
                ASSERT_NE(b.Pixel(x, y), kKey) << Skin2Name(id);
        }
    }
}

TEST_F(BuiltinSkin, EveryTitleButtonFrameIsItsOwnPicture)
{
    const DecodedBitmap& buttons = Bitmap(SKIN2_TITLEBUTTONS);
    const int w = buttons.width / 18;
    auto frame = [&](int k) {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < buttons.height; ++y) {
            for (int x = 0; x < w; ++x)
                pixels.push_back(buttons.Pixel((k - 1) * w + x, y));
        }
        return pixels;
    };
    for (int a = 1; a <= 18; ++a) {
        for (int b = a + 1; b <= 18; ++b)
            EXPECT_NE(frame(a), frame(b)) << a << " " << b;
    }
}

TEST(BuiltinSkinSources, SkinpaintDrawsExactlyTheCommittedBitmaps)
{
    const std::vector<skinpaint::Artwork> art = skinpaint::DrawBuiltinSkin();
    EXPECT_EQ(art.size(), 28u);
    for (const skinpaint::Artwork& piece : art) {
        const std::string file = kSource + "/" + std::string(Skin2Name(piece.id)) + ".bmp";
        EXPECT_EQ(skinpaint::EncodeImage(piece.image), ReadWholeFile(file))
            << file << " differs from what skinpaint draws: run skinpaint draw " << kSource;
    }
}

TEST(BuiltinSkinSources, BuiltPackageHoldsTheSourcesDataFile)
{
    const std::vector<uint8_t> package = ReadWholeFile(OV_BUILTIN_PACKAGE);
    std::vector<uint8_t> data;
    ASSERT_EQ(ExtractPackageMember(package, "SKINDATA.SK2", data, ""), ExtractResult::MemberWritten);
    EXPECT_EQ(data, BuiltinDataFile());
}

}  // namespace
}  // namespace ov
