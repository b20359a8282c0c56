// Package extraction against packages made by Info-ZIP and by zlib, the password paths, and the
// refusals; after every failure no output file may remain.
#include "skin/data/package_reader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "skin/data/byte_order.h"
#include "skin/data/crc32.h"
#include "skin/data/skin_test_support.h"
#include "skin/data/zip_crypto.h"

namespace ov {
namespace {

using testing::Bytes;

Bytes SampleData(size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes out;
    while (out.size() < size) {
        if (rng() % 2) {
            out.insert(out.end(), 20 + rng() % 100, static_cast<uint8_t>("BGR\x7F"[rng() % 4]));
        } else {
            for (int i = 0; i < 30; ++i)
                out.push_back(static_cast<uint8_t>('a' + rng() % 26));
        }
    }
    out.resize(size);
    return out;
}

class PackageReaderTest : public ::testing::Test {
protected:
    [[nodiscard]] std::string Output() const { return folder_.File("out.sk2"); }

    // Writes `package` and extracts its "SKINDATA.SK2" into Output().
    ExtractResult Extract(const Bytes& package, const std::string& password = "",
                          const std::string& member = "SKINDATA.SK2")
    {
        testing::WriteFile(folder_.File("package.ssk"), package);
        return ExtractPackageMember(folder_.File("package.ssk"), member, Output(), password);
    }

    // Runs Info-ZIP's zip in the scratch folder on a file named `memberFile` holding `data`, with
    // `options`, and returns the archive with "PK" turned into "SK".
    Bytes InfoZip(const Bytes& data, const std::string& options, const std::string& memberFile = "SKINDATA.SK2")
    {
        testing::WriteFile(folder_.File(memberFile), data);
        const std::string command = "cd '" + folder_.Path() + "' && rm -f made.zip && zip -q " + options;
        EXPECT_EQ(testing::Run(command), 0) << command;
        Bytes archive = testing::ReadFile(folder_.File("made.zip"));
        std::remove(folder_.File(memberFile).c_str());
        std::remove(folder_.File("made.zip").c_str());
        EXPECT_EQ(archive.at(0), 'P');
        archive[0] = 'S';
        archive[1] = 'K';
        return archive;
    }

    void ExpectNoOutput() const
    {
        EXPECT_FALSE(FileExists(Output()));
        EXPECT_EQ(folder_.List(), std::vector<std::string>{"package.ssk"});
    }

    testing::ScratchFolder folder_;
};

TEST_F(PackageReaderTest, ReadsWhatInfoZipWrites)
{
    const Bytes data = SampleData(150000, 1);
    struct Case {
        const char* what;
        const char* options;
        const char* password;
    };
    const Case cases[] = {
        {"deflated", "made.zip SKINDATA.SK2", ""},
        {"stored", "-0 made.zip SKINDATA.SK2", ""},
        {"encrypted", "-P 'pass word' made.zip SKINDATA.SK2", "pass word"},
        {"encrypted and stored", "-0 -P secret made.zip SKINDATA.SK2", "secret"},
        {"password given for a plain member", "made.zip SKINDATA.SK2", "unused"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Extract(InfoZip(data, c.options), c.password), ExtractResult::MemberWritten) << c.what;
        EXPECT_EQ(testing::ReadFile(Output()), data) << c.what;
    }
}

TEST_F(PackageReaderTest, ReadsStreamedMembersWithADataDescriptor)
{
    // Input from a pipe: zip cannot know the CRC before it writes the local header, so it sets
    // flag bit 3 and an encrypted member's check byte is the time's high byte.
    const Bytes data = SampleData(90000, 2);
    testing::WriteFile(folder_.File("input"), data);
    for (const std::string password : {"", "streamed"}) {
        const std::string encrypt = password.empty() ? "" : "-P " + password + " ";
        Bytes package = InfoZip({}, encrypt + "- - < input | cat > made.zip", "unused");
        ASSERT_TRUE(LoadLe16(package.data() + 6) & 8) << "zip did not write a data descriptor";
        ASSERT_EQ(Extract(package, password, "-"), ExtractResult::MemberWritten) << password;
        EXPECT_EQ(testing::ReadFile(Output()), data);
    }
    std::remove(folder_.File("input").c_str());
}

TEST_F(PackageReaderTest, MatchesMemberNamesWhateverTheirCase)
{
    const Bytes data = SampleData(1000, 3);
    ASSERT_EQ(Extract(InfoZip(data, "made.zip skindata.sk2", "skindata.sk2")), ExtractResult::MemberWritten);
    EXPECT_EQ(testing::ReadFile(Output()), data);
    ASSERT_EQ(Extract(testing::MakeDeflatedPackage(data), "", "SkinData.Sk2"), ExtractResult::MemberWritten);
}

TEST_F(PackageReaderTest, ReadsZlibStreamsOfEveryLevelAndBlockType)
{
    const Bytes data = SampleData(200000, 4);
    for (int level = 0; level <= 9; ++level) {
        for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED}) {
            testing::PackageMember member;
            member.stored = testing::ZlibDeflate(data, level, strategy);
            member.crc = Crc32(data);
            member.uncompressedSize = static_cast<uint32_t>(data.size());
            ASSERT_EQ(Extract(testing::MakePackage(member)), ExtractResult::MemberWritten) << level;
            EXPECT_EQ(testing::ReadFile(Output()), data) << "level " << level << " strategy " << strategy;
        }
    }
}

TEST_F(PackageReaderTest, PassesTwoStoredBlocksThroughTheWindowFlush)
{
    const Bytes data = SampleData(70000, 5);
    testing::PackageMember member;
    member.stored = testing::ZlibDeflate(data, 0);
    member.crc = Crc32(data);
    member.uncompressedSize = 70000;
    ASSERT_EQ(member.stored[0], 0x00);                // a stored block, not the final one
    ASSERT_EQ(member.stored.size(), 70000u + 2 * 5);  // and exactly one more behind it
    ASSERT_EQ(Extract(testing::MakePackage(member)), ExtractResult::MemberWritten);
    EXPECT_EQ(testing::ReadFile(Output()), data);
}

// The encryption header of the one member of an Info-ZIP archive.
Bytes EncryptionHeader(const Bytes& package)
{
    const size_t at = 30 + LoadLe16(package.data() + 26) + LoadLe16(package.data() + 28);
    const auto begin = package.begin() + static_cast<std::ptrdiff_t>(at);
    return Bytes(begin, begin + kEncryptionHeaderSize);
}

// The first password "wrong<n>" whose check byte does or does not come out right.
std::string WrongPassword(const Bytes& package, bool passesCheck)
{
    const uint32_t crc = LoadLe32(package.data() + 14);
    for (int n = 0;; ++n) {
        std::string password = "wrong" + std::to_string(n);
        Bytes header = EncryptionHeader(package);
        ZipCipher(password).Decrypt(header);
        if ((header.back() == ExpectedCheckByte(0, crc, 0)) == passesCheck)
            return password;
    }
}

TEST_F(PackageReaderTest, WrongPasswordsAreReportedAndLeaveNothing)
{
    const Bytes package = InfoZip(SampleData(20000, 6), "-P secret made.zip SKINDATA.SK2");
    EXPECT_EQ(Extract(package, ""), ExtractResult::WrongPassword);
    ExpectNoOutput();
    EXPECT_EQ(Extract(package, WrongPassword(package, false)), ExtractResult::WrongPassword);
    ExpectNoOutput();
    // Past the one-byte check, the decoded data is garbage: it fails to decode or has the wrong size.
    EXPECT_EQ(Extract(package, WrongPassword(package, true)), ExtractResult::WrongPassword);
    ExpectNoOutput();
}

// An encrypted member as a writer that knows the CRC in advance makes it: check byte from the CRC
// (no data descriptor), or from the time when flag bit 3 is set.
testing::PackageMember EncryptedMember(const Bytes& data, const std::string& password, bool descriptor)
{
    testing::PackageMember member;
    member.crc = Crc32(data);
    member.uncompressedSize = static_cast<uint32_t>(data.size());
    member.flags = descriptor ? 9 : 1;
    member.time = 0xA5C3;
    Bytes plain(kEncryptionHeaderSize, 0x5A);
    plain.back() = ExpectedCheckByte(member.flags, member.crc, member.time);
    const Bytes deflated = testing::ZlibDeflate(data, 6);
    plain.insert(plain.end(), deflated.begin(), deflated.end());
    ZipCipher(password).Encrypt(plain);
    member.stored = plain;
    return member;
}

TEST_F(PackageReaderTest, TakesTheCheckByteFromTheCrcOrWithADescriptorFromTheTime)
{
    const Bytes data = SampleData(30000, 11);
    for (bool descriptor : {false, true}) {
        testing::PackageMember member = EncryptedMember(data, "key", descriptor);
        ASSERT_EQ(Extract(testing::MakePackage(member), "key"), ExtractResult::MemberWritten) << descriptor;
        EXPECT_EQ(testing::ReadFile(Output()), data);
        member.flags ^= 8;  // the other rule picks the other byte, which does not match
        EXPECT_EQ(Extract(testing::MakePackage(member), "key"), ExtractResult::WrongPassword) << descriptor;
        ExpectNoOutput();
    }
}

TEST_F(PackageReaderTest, RefusesWhatIsNotAReadablePackage)
{
    const Bytes good = testing::MakeDeflatedPackage(SampleData(5000, 7));
    Bytes pk = good;
    pk[0] = 'P';
    Bytes anyNextBytes = good;
    anyNextBytes[2] = 'x';
    anyNextBytes[3] = 'y';
    Bytes trailing = good;
    trailing.push_back(0);
    Bytes withComment = good;
    withComment[withComment.size() - 2] = 3;
    withComment.insert(withComment.end(), {'a', 'b', 'c'});
    testing::PackageMember longName;
    longName.name = std::string(300, 'N');
    longName.stored = testing::ZlibDeflate(Bytes{1, 2, 3}, 9);

    ASSERT_EQ(Extract(anyNextBytes), ExtractResult::MemberWritten);
    std::remove(Output().c_str());
    const std::pair<const char*, Bytes> cases[] = {
        {"starts with PK", pk},
        {"shorter than an end record", Bytes{'S', 'K', 3, 4, 0, 0}},
        {"byte after the end record", trailing},
        {"archive comment", withComment},
        {"member missing", testing::MakeDeflatedPackage(SampleData(100, 8), "OTHER.SK2")},
        {"name longer than 259 bytes", testing::MakePackage(longName)},
    };
    for (const auto& [what, package] : cases) {
        EXPECT_EQ(Extract(package), ExtractResult::Failure) << what;
        ExpectNoOutput();
    }
    EXPECT_EQ(ExtractPackageMember(folder_.File("missing.ssk"), "SKINDATA.SK2", Output(), ""), ExtractResult::Failure);
}

TEST_F(PackageReaderTest, ClosingRulesJudgeTheOutputSize)
{
    const Bytes data = SampleData(5000, 9);
    testing::PackageMember member;
    member.stored = testing::ZlibDeflate(data, 9);
    member.crc = Crc32(data);

    member.uncompressedSize = 4999;  // decodes fine, but not to the directory's size
    EXPECT_EQ(Extract(testing::MakePackage(member)), ExtractResult::WrongPassword);
    ExpectNoOutput();

    member.uncompressedSize = 5000;
    member.stored.resize(member.stored.size() / 2);  // damaged: decoding fails part way
    EXPECT_EQ(Extract(testing::MakePackage(member)), ExtractResult::WrongPassword);
    ExpectNoOutput();

    member.stored = testing::ZlibDeflate(Bytes{}, 9);  // decodes to nothing
    member.uncompressedSize = 0;
    EXPECT_EQ(Extract(testing::MakePackage(member)), ExtractResult::Failure);
    ExpectNoOutput();

    member.stored = {0x07};  // block type 3, refused, with nothing written and size 0 expected
    EXPECT_EQ(Extract(testing::MakePackage(member)), ExtractResult::Failure);
    ExpectNoOutput();
}

TEST_F(PackageReaderTest, ExtractsFromMemoryAsFromFiles)
{
    const Bytes data = SampleData(40000, 10);
    Bytes out = {1, 2, 3};
    EXPECT_EQ(ExtractPackageMember(testing::MakeDeflatedPackage(data), "SKINDATA.SK2", out, ""),
              ExtractResult::MemberWritten);
    EXPECT_EQ(out, data);
    Bytes damaged = testing::MakeDeflatedPackage(data);
    damaged[50] ^= 0xFF;  // inside the deflate data
    EXPECT_NE(ExtractPackageMember(damaged, "SKINDATA.SK2", out, ""), ExtractResult::MemberWritten);
    EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace ov
