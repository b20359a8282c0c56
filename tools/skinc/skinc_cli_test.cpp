// skinc build and extract as people run them: what dump lists after a build, build -> extract ->
// build giving the same data file, and failures that leave no file behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "skin/data/skin_test_support.h"

namespace ov::skinc {
namespace {

using testing::Bytes;

const std::string kSkinc = OV_SKINC_PATH;
const std::string kBuiltinSource = OV_BUILTIN_SOURCE;

std::string Text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

class SkincRun : public ::testing::Test {
protected:
    // Runs skinc with the arguments; its output and errors land in out.txt and err.txt.
    int Skinc(const std::string& arguments)
    {
        return testing::Run(kSkinc + " " + arguments + " > " + File("out.txt") + " 2> " + File("err.txt"));
    }
    [[nodiscard]] std::string Out() const { return Text(testing::ReadFile(File("out.txt"))); }
    [[nodiscard]] std::string Err() const { return Text(testing::ReadFile(File("err.txt"))); }
    [[nodiscard]] std::string File(const std::string& name) const { return scratch_.File(name); }
    [[nodiscard]] bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }

    // A small source folder with every kind of entry, listed out of order.
    std::string SmallSource()
    {
        std::string folder = File("src");
        std::filesystem::create_directory(folder);
        const std::string manifest =
            "string NOTE  made by hand\\x20\n"
            "integer SKIN2_TITLEBARBUTTONPOSX 7\n"
            "boolean SKIN2_RADIOBUTTONTRANS 1\n"
            "integer SKIN2_FORMCOLOR 0x00F1F0FC\n";
        testing::WriteFile(folder + "/skin.txt", Bytes(manifest.begin(), manifest.end()));
        auto pixel = [](int x, int y) { return static_cast<uint32_t>(0xFF00FF * ((x + y) % 2)); };
        testing::WriteFile(folder + "/SKIN2_TRACKBAR.bmp", testing::MakeBmp24(5, 3, pixel));
        testing::WriteFile(folder + "/SKIN2_TITLEBAR1.bmp", testing::MakeBmp24(4, 2, pixel, true));
        return folder;
    }

private:
    testing::ScratchFolder scratch_;
};

TEST_F(SkincRun, DumpListsExactlyTheManifestAndTheFolder)
{
    const std::string source = SmallSource();
    ASSERT_EQ(Skinc("build " + source + " -o " + File("small.ssk")), 0) << Err();
    ASSERT_EQ(Skinc("dump " + File("small.ssk")), 0) << Err();
    EXPECT_EQ(Out(),
              "bitmap SKIN2_TITLEBAR1 4x2 24\n"
              "bitmap SKIN2_TRACKBAR 5x3 24\n"
              "integer SKIN2_FORMCOLOR 15855868\n"
              "integer SKIN2_TITLEBARBUTTONPOSX 7\n"
              "boolean SKIN2_RADIOBUTTONTRANS 1\n"
              "string NOTE made by hand \n"
              "entries: 2 bitmaps, 2 integers, 1 booleans, 1 strings\n");
}

TEST_F(SkincRun, BuildExtractBuildGivesTheSameDataFile)
{
    for (const std::string& source : {kBuiltinSource, SmallSource()}) {
        ASSERT_EQ(Skinc("build " + source + " -o " + File("first.sk2") + " --data-only"), 0) << Err();
        ASSERT_EQ(Skinc("build " + source + " -o " + File("pack.ssk") + " --password 'p w'"), 0) << Err();
        std::filesystem::remove_all(File("back"));
        ASSERT_EQ(Skinc("extract " + File("pack.ssk") + " " + File("back") + " --password 'p w'"), 0) << Err();
        EXPECT_EQ(Err(), "");  // nothing left out or changed
        ASSERT_EQ(Skinc("build " + File("back") + " -o " + File("second.sk2") + " --data-only"), 0) << Err();
        EXPECT_EQ(testing::ReadFile(File("first.sk2")), testing::ReadFile(File("second.sk2"))) << source;
    }
}

TEST_F(SkincRun, BadInputStopsWithAMessageAndWritesNothing)
{
    const std::string source = SmallSource();
    testing::WriteFile(source + "/skin.txt", Bytes{'\n', 'i', 'n', 't', 'e', 'g', 'e', 'r', ' ', 'X', ' ', '1'});
    EXPECT_EQ(Skinc("build " + source + " -o " + File("new.ssk")), 1);
    EXPECT_EQ(Err(), "skinc build: " + source + "/skin.txt:2: unknown entry name 'X'\n");
    EXPECT_FALSE(Exists("new.ssk"));

    testing::WriteFile(File("old.ssk"), Bytes{'o', 'l', 'd'});
    EXPECT_EQ(Skinc("build " + source + " -o " + File("old.ssk")), 1);
    EXPECT_EQ(testing::ReadFile(File("old.ssk")), (Bytes{'o', 'l', 'd'}));  // an earlier build stays whole
    EXPECT_EQ(Skinc("build " + File("nowhere") + " -o " + File("new.ssk")), 1);
    EXPECT_FALSE(Exists("new.ssk"));
}

TEST_F(SkincRun, ExtractRefusesWrongPasswordsAndDamagedPackagesWithoutWriting)
{
    ASSERT_EQ(Skinc("build " + kBuiltinSource + " -o " + File("pack.ssk") + " --password secret"), 0) << Err();
    EXPECT_EQ(Skinc("extract " + File("pack.ssk") + " " + File("out")), 1);
    EXPECT_EQ(Err(), "skinc extract: " + File("pack.ssk") + ": Wrong password!\n");
    EXPECT_EQ(Skinc("extract " + File("pack.ssk") + " " + File("out") + " --password guess"), 1);
    EXPECT_FALSE(Exists("out"));

    Bytes damaged = testing::ReadFile(File("pack.ssk"));
    damaged.resize(damaged.size() - 1);
    testing::WriteFile(File("damaged.ssk"), damaged);
    EXPECT_EQ(Skinc("extract " + File("damaged.ssk") + " " + File("out")), 1);
    EXPECT_EQ(Err(), "skinc extract: " + File("damaged.ssk") + ": Failed to read skin file!\n");
    EXPECT_FALSE(Exists("out"));
}

TEST_F(SkincRun, MisusedCommandLinesGetTheUsage)
{
    EXPECT_EQ(Skinc("build " + kBuiltinSource), 2);
    EXPECT_EQ(Skinc("build " + kBuiltinSource + " -o " + File("x") + " --colour red"), 1);
    EXPECT_EQ(Err(), "skinc build: unknown option --colour\n");
    EXPECT_EQ(Skinc("build " + kBuiltinSource + " -o " + File("x") + " --data-only --password p"), 1);
    EXPECT_EQ(Skinc("extract " + File("x")), 2);
    EXPECT_FALSE(Exists("x"));
}

}  // namespace
}  // namespace ov::skinc
