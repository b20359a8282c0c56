// skinc dump on bare data files and packages: the listing, and the reader's messages on failure.
#include <gtest/gtest.h>

#include "skin/data/crc32.h"
#include "skin/data/skin_test_support.h"
#include "skin/data/zip_crypto.h"
#include "tools/skinc/commands.h"

namespace ov::skinc {
namespace {

using testing::Bytes;

const Bytes kData = testing::MakeSk2({
    {"SKIN2_TITLEBAR1", 0, testing::MakeBmp24(56, 27, [](int, int) { return 0x808080u; })},
    {"SKIN2_TRANSCOLOR", 1, testing::IntegerData(0xFF00FF)},
    {"SKIN2_RADIOBUTTONTRANS", 2, Bytes{1}},
    {"SKIN2_TITLEBARREGIONMINY", 1, testing::IntegerData(-1)},
    {"ODD", 7, Bytes{}},
    {"NOTE", 3, Bytes{'t', 'w', 'o', ' ', 'w'}},
});

const char* const kListing =
    "bitmap SKIN2_TITLEBAR1 56x27 24\n"
    "integer SKIN2_TRANSCOLOR 16711935\n"
    "boolean SKIN2_RADIOBUTTONTRANS 1\n"
    "integer SKIN2_TITLEBARREGIONMINY -1\n"
    "string NOTE two w\n"
    "entries: 1 bitmaps, 2 integers, 1 booleans, 1 strings\n";

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class DumpTest : public ::testing::Test {
protected:
    Outcome Dump(const Bytes& file, std::vector<std::string> extra = {})
    {
        const std::string path = folder_.File("input");
        testing::WriteFile(path, file);
        std::vector<std::string> args = {path};
        args.insert(args.end(), extra.begin(), extra.end());
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const int code = DumpCommand(args);
        std::string out = ::testing::internal::GetCapturedStdout();
        return {code, out, ::testing::internal::GetCapturedStderr()};
    }

    testing::ScratchFolder folder_;
};

TEST_F(DumpTest, ListsEntriesOfDataFilesAndPackagesInFileOrder)
{
    for (const Bytes& file : {kData, testing::MakeDeflatedPackage(kData), testing::MakeStoredPackage(kData)}) {
        const Outcome o = Dump(file);
        EXPECT_EQ(o.code, 0) << o.err;
        EXPECT_EQ(o.out, kListing);
    }
}

TEST_F(DumpTest, ReadsEncryptedPackagesWithThePassword)
{
    testing::PackageMember member;
    member.crc = Crc32(kData);
    member.uncompressedSize = static_cast<uint32_t>(kData.size());
    member.flags = 1;
    member.stored = Bytes(kEncryptionHeaderSize, 0);
    member.stored.back() = ExpectedCheckByte(member.flags, member.crc, 0);
    const Bytes deflated = testing::ZlibDeflate(kData, 9);
    member.stored.insert(member.stored.end(), deflated.begin(), deflated.end());
    ZipCipher("open sesame").Encrypt(member.stored);
    const Bytes package = testing::MakePackage(member);

    EXPECT_EQ(Dump(package, {"--password", "open sesame"}).out, kListing);
    const Outcome none = Dump(package);
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "Wrong password!\n");
}

TEST_F(DumpTest, PrintsTheReadersMessageOnFailure)
{
    Bytes pk = testing::MakeDeflatedPackage(kData);
    pk[0] = 'P';
    Bytes badHeader = kData;
    badHeader[12] = 30;
    const std::pair<Bytes, std::string> cases[] = {
        {pk, "Failed to read skin file!\n"},
        {badHeader, "Bad skin data file: header size 30 is not 24\n"},
        {testing::MakeDeflatedPackage(badHeader), "Bad skin data file: header size 30 is not 24\n"},
    };
    for (const auto& [file, message] : cases) {
        const Outcome o = Dump(file);
        EXPECT_EQ(o.code, 1);
        EXPECT_EQ(o.err, message);
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DumpCommand(std::vector<std::string>{}), 2);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "usage: skinc dump FILE [--password P]\n");
}

}  // namespace
}  // namespace ov::skinc
