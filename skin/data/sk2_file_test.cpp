// The skin data file parser: chain order, names, kinds, the terminator, and the bounds it refuses.
#include "skin/data/sk2_file.h"

#include <gtest/gtest.h>

#include <set>

#include "skin/data/byte_order.h"
#include "skin/data/skin2_define.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_test_support.h"

namespace ov {
namespace {

using testing::Bytes;
using testing::Sk2Record;

constexpr uint8_t kBitmap = 0, kInteger = 1, kBoolean = 2, kString = 3;

Bytes SmallBmp()
{
    return testing::MakeBmp24(3, 2, [](int x, int y) { return x == 0 && y == 0 ? 0xFF00FFu : 0x102030u; });
}

// Shaped like the built-in file: 28 bitmaps, then 43 integers, then 9 booleans.
std::vector<Sk2Record> BuiltInShape()
{
    std::vector<Sk2Record> records;
    records.reserve(28 + 43 + 9);
    for (int i = 0; i < 28; ++i)
        records.push_back({std::string(kSkin2BitmapNames[i]), kBitmap, SmallBmp()});
    for (int i = 0; i < 43; ++i)
        records.push_back({"SKIN2_INT" + std::to_string(i), kInteger, testing::IntegerData(i)});
    for (int i = 0; i < 9; ++i)
        records.push_back({std::string(kSkin2BooleanNames[i]), kBoolean, Bytes{uint8_t(i % 2)}});
    return records;
}

TEST(Sk2File, ReadsEveryEntryInFileOrderButNotTheTerminator)
{
    const std::vector<Sk2Record> records = BuiltInShape();
    const std::vector<SkinDataEntry> entries = ParseSkinDataFile(testing::MakeSk2(records));
    ASSERT_EQ(entries.size(), 80u);
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].name, records[i].name);
        EXPECT_EQ(static_cast<int>(entries[i].Kind()), records[i].kind);
    }
    const auto& bitmap = std::get<DecodedBitmap>(entries[0].value);
    EXPECT_EQ(bitmap.width, 3);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFF00FFu);
    EXPECT_EQ(std::get<int32_t>(entries[30].value), 2);
    EXPECT_EQ(std::get<uint8_t>(entries[72].value), 1);
}

TEST(Sk2File, ReadsValuesNamesAndKinds)
{
    const std::string name64(64, 'N');
    const Bytes file = testing::MakeSk2({
        {name64, kInteger, testing::IntegerData(-2)},
        {"ODD", 4, Bytes{9, 9, 9}},  // unknown kind: skipped, the chain goes on
        {"NOTE", kString, Bytes{'h', 'i', ' ', '!'}},
        {"EMPTY", kString, {}},
        {"FLAG", kBoolean, Bytes{7}},
    });
    const std::vector<SkinDataEntry> entries = ParseSkinDataFile(file);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].name, name64);  // a full 64-byte field has no NUL and is read whole
    EXPECT_EQ(std::get<int32_t>(entries[0].value), -2);
    EXPECT_EQ(std::get<std::string>(entries[1].value), "hi !");
    EXPECT_EQ(std::get<std::string>(entries[2].value), "");
    EXPECT_EQ(std::get<uint8_t>(entries[3].value), 7);

    EXPECT_TRUE(ParseSkinDataFile(testing::MakeSk2({})).empty());  // the first record is the terminator
}

TEST(Sk2File, FollowsTheOffsetsNotTheLayout)
{
    // Three records, chained last-to-first: the chain's order is what counts.
    std::vector<Sk2Record> records = {{"C", kInteger, testing::IntegerData(3)},
                                      {"B", kInteger, testing::IntegerData(2)},
                                      {"A", kInteger, testing::IntegerData(1)}};
    Bytes file = testing::MakeSk2(records);
    const size_t offsets[] = {testing::RecordOffset(records, 0), testing::RecordOffset(records, 1),
                              testing::RecordOffset(records, 2), testing::RecordOffset(records, 3)};
    StoreLe32(file.data() + sk2::kHeaderFirstRecordOffset, static_cast<uint32_t>(offsets[2]));
    StoreLe32(file.data() + offsets[2] + sk2::kRecordNextOffset, static_cast<uint32_t>(offsets[1]));
    StoreLe32(file.data() + offsets[1] + sk2::kRecordNextOffset, static_cast<uint32_t>(offsets[0]));
    StoreLe32(file.data() + offsets[0] + sk2::kRecordNextOffset, static_cast<uint32_t>(offsets[3]));
    const std::vector<SkinDataEntry> entries = ParseSkinDataFile(file);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name + entries[1].name + entries[2].name, "ABC");
}

TEST(Sk2File, RefusesWhatLeavesItsBounds)
{
    const std::vector<Sk2Record> records = {{"INT", kInteger, testing::IntegerData(5)}, {"BMP", kBitmap, SmallBmp()}};
    const Bytes good = testing::MakeSk2(records);
    const size_t first = testing::RecordOffset(records, 0);
    const size_t second = testing::RecordOffset(records, 1);
    auto with = [&](size_t offset, uint32_t value) {
        Bytes b = good;
        StoreLe32(b.data() + offset, value);
        return b;
    };
    auto recordOf = [](const Sk2Record& r) { return testing::MakeSk2({r}); };
    const std::pair<const char*, Bytes> cases[] = {
        {"shorter than the header", Bytes(good.begin(), good.begin() + 20)},
        {"header size above 24", with(sk2::kHeaderSizeOffset, 28)},
        {"header size below 24", with(sk2::kHeaderSizeOffset, 16)},
        {"first record outside", with(sk2::kHeaderFirstRecordOffset, static_cast<uint32_t>(good.size()))},
        {"terminator cut short", Bytes(good.begin(), good.end() - 1)},
        {"chain loops", with(second + sk2::kRecordNextOffset, static_cast<uint32_t>(first))},
        {"chain points at itself", with(first + sk2::kRecordNextOffset, static_cast<uint32_t>(first))},
        {"data outside", with(first + sk2::kRecordDataOffset, static_cast<uint32_t>(good.size() - 2))},
        {"data size wraps", with(first + sk2::kRecordDataSizeOffset, 0xFFFFFFFF)},
        {"integer of 2 bytes", recordOf({"I", kInteger, Bytes{1, 2}})},
        {"integer of 8 bytes", recordOf({"I", kInteger, Bytes(8, 1)})},
        {"boolean of 4 bytes", recordOf({"B", kBoolean, testing::IntegerData(1)})},
        {"boolean of no bytes", recordOf({"B", kBoolean, {}})},
        {"bitmap that is no BMP", recordOf({"P", kBitmap, testing::IntegerData(1)})},
    };
    for (const auto& [what, file] : cases)
        EXPECT_THROW(ParseSkinDataFile(file), SkinFileError) << what;
}

TEST(Skin2Define, NamesAreDistinctAndFitTheRecordNameField)
{
    std::set<std::string_view> names;
    auto add = [&](const auto& group) {
        for (std::string_view name : group) {
            EXPECT_TRUE(name.starts_with("SKIN2_")) << name;
            EXPECT_LE(name.size(), sk2::kNameSize) << name;
            EXPECT_TRUE(names.insert(name).second) << name;
        }
    };
    add(kSkin2ColorNames);
    add(kSkin2BitmapNames);
    add(kSkin2IntegerNames);
    add(kSkin2BooleanNames);
    add(std::array{kSkin2SystemColor1, kSkin2SystemColor2});
    EXPECT_EQ(names.size(), 86u);
}

}  // namespace
}  // namespace ov
