// Tsk2SkinFileReader end to end: packages in, lookups out, the user-facing messages, and a
// temporary folder left as it was found on every path.
#include "skin/data/skin_file_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/data/crc32.h"
#include "skin/data/skin2_define.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_test_support.h"
#include "skin/data/temp_file.h"

namespace ov {
namespace {

using testing::Bytes;
using testing::Sk2Record;

constexpr uint8_t kBitmap = 0, kInteger = 1, kBoolean = 2, kString = 3;

Bytes SmallBmp(uint32_t color)
{
    return testing::MakeBmp24(4, 2, [color](int, int) { return color; });
}

const std::vector<Sk2Record> kRecords = {
    {"SKIN2_TITLEBAR1", kBitmap, SmallBmp(0x123456)},
    {"skin2_transcolor", kInteger, testing::IntegerData(0xFF00FF)},
    {"SKIN2_TRANSCOLOR", kInteger, testing::IntegerData(7)},  // a later duplicate does not count
    {"SKIN2_TITLEBARICONPOSX", kInteger, testing::IntegerData(-3)},
    {"SKIN2_RADIOBUTTONTRANS", kBoolean, Bytes{1}},
    {"SKIN2_BUTTONTRANS", kBoolean, Bytes{0}},
    {"SKIN2_TABCONTROLTRANS", kBoolean, Bytes{2}},
    {"NOTE", kString, Bytes{'x'}},
    {"SKIN2_BUTTON", kBitmap, SmallBmp(0xFF00FF)},
};

// Points the temporary folder at a scratch folder of its own, to see what is left in it.
class SkinFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("TMPDIR");
        oldTmpDir_ = old ? old : "";
        hadTmpDir_ = old != nullptr;
        setenv("TMPDIR", temporary_.Path().c_str(), 1);
    }
    void TearDown() override
    {
        EXPECT_TRUE(temporary_.List().empty()) << "a temporary file was left behind";
        if (hadTmpDir_)
            setenv("TMPDIR", oldTmpDir_.c_str(), 1);
        else
            unsetenv("TMPDIR");
    }

    std::string Write(const Bytes& package)
    {
        std::string path = folder_.File("skin.ssk");
        testing::WriteFile(path, package);
        return path;
    }

    // The message the reader raises for `package`.
    std::string FailureOf(const Bytes& package, const std::string& password = "")
    {
        try {
            Tsk2SkinFileReader reader(Write(package), password);
        } catch (const SkinFileError& e) {
            return e.what();
        }
        return "(loaded)";
    }

    testing::ScratchFolder folder_;
    testing::ScratchFolder temporary_;
    std::string oldTmpDir_;
    bool hadTmpDir_ = false;
};

TEST_F(SkinFileReaderTest, FindsEntriesByNameIgnoringCaseFirstOneFirst)
{
    const Tsk2SkinFileReader reader(Write(testing::MakeDeflatedPackage(testing::MakeSk2(kRecords))), "");
    EXPECT_EQ(reader.FindInteger(Skin2Name(SKIN2_TRANSCOLOR)), 0xFF00FF);
    EXPECT_EQ(reader.FindInteger("skin2_titlebariconposx"), -3);
    EXPECT_EQ(reader.FindInteger("SKIN2_BOTTOMREGIONMINY"), -1);
    EXPECT_EQ(reader.FindInteger("SKIN2_RADIOBUTTONTRANS"), -1);  // a boolean is no integer
    EXPECT_TRUE(reader.FindBoolean(Skin2Name(SKIN2_RADIOBUTTONTRANS)));
    EXPECT_FALSE(reader.FindBoolean("SKIN2_BUTTONTRANS"));
    EXPECT_TRUE(reader.FindBoolean("SKIN2_TABCONTROLTRANS"));
    EXPECT_FALSE(reader.FindBoolean("SKIN2_TITLEFIVESECT"));
    EXPECT_EQ(reader.FindBitmap("NOTE"), nullptr);
    EXPECT_EQ(reader.FindBitmap(Skin2Name(SKIN2_MENUBAR)), nullptr);
    ASSERT_NE(reader.FindBitmap("skin2_titlebar1"), nullptr);
    EXPECT_EQ(reader.FindBitmap("SKIN2_TITLEBAR1")->Pixel(3, 1), 0x123456u);
    EXPECT_EQ(reader.Strings().Count(), 1u);
}

TEST_F(SkinFileReaderTest, SetsOneTransparentColourOnEveryBitmap)
{
    Tsk2SkinFileReader reader(Write(testing::MakeDeflatedPackage(testing::MakeSk2(kRecords))), "");
    EXPECT_EQ(reader.FindBitmap("SKIN2_BUTTON")->transparentMode, TransparentMode::Auto);
    reader.SetBitmapsTransparentColor(static_cast<uint32_t>(reader.FindInteger("SKIN2_TRANSCOLOR")));
    for (const auto& [name, bitmap] : reader.Bitmaps()) {
        EXPECT_EQ(bitmap.transparentMode, TransparentMode::Fixed) << name;
        EXPECT_EQ(bitmap.transparentColor, 0xFF00FFu) << name;
    }
}

TEST_F(SkinFileReaderTest, ReadsAPackageMadeByInfoZip)
{
    testing::WriteFile(folder_.File("SKINDATA.SK2"), testing::MakeSk2(kRecords));
    ASSERT_EQ(testing::Run("cd '" + folder_.Path() + "' && zip -q -P pw made.zip SKINDATA.SK2"), 0);
    Bytes package = testing::ReadFile(folder_.File("made.zip"));
    package[0] = 'S';
    const Tsk2SkinFileReader reader(Write(package), "pw");
    EXPECT_EQ(reader.FindInteger("SKIN2_TRANSCOLOR"), 0xFF00FF);
    EXPECT_EQ(reader.Bitmaps().Count(), 2u);
    EXPECT_EQ(FailureOf(package, "wrong"), kWrongPasswordMessage);
    EXPECT_EQ(FailureOf(package, ""), kWrongPasswordMessage);
}

TEST_F(SkinFileReaderTest, AnEmptyChainGivesEmptyTables)
{
    const Tsk2SkinFileReader reader(Write(testing::MakeDeflatedPackage(testing::MakeSk2({}))), "");
    EXPECT_EQ(reader.Bitmaps().Count() + reader.Integers().Count() + reader.Booleans().Count(), 0u);
    EXPECT_EQ(reader.FindInteger("SKIN2_TRANSCOLOR"), -1);
}

TEST_F(SkinFileReaderTest, ReportsFailuresWithTheirMessages)
{
    Bytes pk = testing::MakeDeflatedPackage(testing::MakeSk2(kRecords));
    pk[0] = 'P';
    Bytes badData = testing::MakeSk2(kRecords);
    badData[sk2::kHeaderSizeOffset] = 99;
    EXPECT_EQ(FailureOf(pk), kFailedToReadSkinMessage);
    EXPECT_EQ(FailureOf(testing::MakeDeflatedPackage(testing::MakeSk2(kRecords), "OTHER")), kFailedToReadSkinMessage);
    EXPECT_EQ(FailureOf(badData), kFailedToReadSkinMessage);  // a bare data file is no package
    // Parsing fails after the extraction: the temporary file goes all the same (checked in TearDown).
    EXPECT_EQ(FailureOf(testing::MakeDeflatedPackage(badData)), "Bad skin data file: header size 99 is not 24");
    EXPECT_THROW(Tsk2SkinFileReader(folder_.File("missing.ssk"), ""), SkinFileError);
}

TEST(TemporaryFile, IsNamedByAGuidInTheTemporaryFolder)
{
    Guid guid{0x0123ABCD, 0x4567, 0x89EF, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10}};
    EXPECT_EQ(FormatGuid(guid), "{0123ABCD-4567-89EF-FEDC-BA9876543210}");
    const std::string name = NewTemporaryFileName();
    EXPECT_EQ(name.rfind(TemporaryFolder(), 0), 0u);
    EXPECT_EQ(name.size() - TemporaryFolder().size(), 38u);
    EXPECT_NE(name, NewTemporaryFileName());
}

}  // namespace
}  // namespace ov
