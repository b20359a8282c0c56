// The skin package reader on Windows: temporary names from GetTempPathA and CoCreateGuid, and a
// package read through the Windows temporary folder without leaving a file in it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "skin/data/skin_error.h"
#include "skin/data/skin_file_reader.h"
#include "skin/data/skin_test_builders.h"
#include "skin/data/temp_file.h"

namespace ov {
namespace {

std::string WindowsTempPath()
{
    char buffer[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

// Names in the temporary folder that look like our GUID names.
int GuidNamedFiles()
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((WindowsTempPath() + "{*}").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        ++count;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

void WriteBytes(const std::string& path, const testing::Bytes& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

TEST(TemporaryFileWin, IsAGuidNameInTheWindowsTemporaryFolder)
{
    const std::string folder = WindowsTempPath();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(TemporaryFolder(), folder.back() == '\\' ? folder : folder + "\\");
    const std::string name = NewTemporaryFileName();
    ASSERT_EQ(name.size(), TemporaryFolder().size() + 38);
    EXPECT_EQ(name[TemporaryFolder().size()], '{');
    EXPECT_EQ(name.back(), '}');
    EXPECT_NE(name, NewTemporaryFileName());
}

TEST(SkinFileReaderWin, ReadsAPackageAndLeavesNoTemporaryFile)
{
    const testing::Bytes data = testing::MakeSk2({
        {"SKIN2_TRANSCOLOR", 1, testing::IntegerData(0xFF00FF)},
        {"SKIN2_BUTTON", 0, testing::MakeBmp24(6, 2, [](int x, int) { return x * 0x10u; })},
        {"SKIN2_BUTTONTRANS", 2, testing::Bytes{1}},
    });
    const std::string package = TemporaryFolder() + "ov_skin_reader_test.ssk";
    WriteBytes(package, testing::MakeStoredPackage(data));
    const int before = GuidNamedFiles();
    {
        Tsk2SkinFileReader reader(package, "");
        EXPECT_EQ(reader.FindInteger("skin2_transcolor"), 0xFF00FF);
        EXPECT_TRUE(reader.FindBoolean("SKIN2_BUTTONTRANS"));
        ASSERT_NE(reader.FindBitmap("SKIN2_BUTTON"), nullptr);
        EXPECT_EQ(reader.FindBitmap("SKIN2_BUTTON")->Pixel(5, 1), 0x50u);
    }
    testing::Bytes pk = testing::MakeStoredPackage(data);
    pk[0] = 'P';
    WriteBytes(package, pk);
    try {
        Tsk2SkinFileReader reader(package, "");
        ADD_FAILURE() << "a package starting with PK was read";
    } catch (const SkinFileError& e) {
        EXPECT_STREQ(e.what(), kFailedToReadSkinMessage);
    }
    EXPECT_EQ(GuidNamedFiles(), before);
    std::remove(package.c_str());
}

}  // namespace
}  // namespace ov
