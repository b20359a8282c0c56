// The data file and package writers: record layout and terminator as the reader walks them, and
// packages that both the skin reader and Info-ZIP accept, with and without a password.
#include "tools/skinc/package_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/data/byte_order.h"
#include "skin/data/package_reader.h"
#include "skin/data/sk2_file.h"
#include "skin/data/skin_test_support.h"
#include "tools/skinc/sk2_writer.h"
#include "tools/skinc/skinc_error.h"

namespace ov::skinc {
namespace {

using testing::Bytes;

Bytes SampleBmp(int width, int height)
{
    return testing::MakeBmp24(width, height, [](int x, int y) { return static_cast<uint32_t>((x * 37) ^ (y * 91)); });
}

std::vector<SkinEntry> SampleEntries()
{
    return {{"SKIN2_BUTTON", sk2::EntryKind::Bitmap, SampleBmp(90, 70)},
            IntegerEntry("SKIN2_TITLEBARREGIONMINY", -5),
            BooleanEntry("SKIN2_RADIOBUTTONTRANS", true),
            StringEntry(std::string(64, 'S'), "hi")};
}

TEST(DataFileWriter, RecordsCarryTheirDataBehindThemAndEndInTheTerminator)
{
    const std::vector<SkinEntry> entries = SampleEntries();
    const Bytes file = WriteSkinDataFile(entries);
    size_t payloads = 0;
    for (const SkinEntry& entry : entries)
        payloads += entry.data.size();
    ASSERT_EQ(file.size(), 24 + 5 * 77 + payloads);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 12), "KRAVELON_SK2");
    EXPECT_EQ(LoadLe32(&file[12]), 24u);
    EXPECT_EQ(LoadLe32(&file[16]), 2u);
    EXPECT_EQ(LoadLe32(&file[20]), 24u);

    const uint8_t* first = &file[24];
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(first)), "SKIN2_BUTTON");
    EXPECT_EQ(first[64], 0);
    EXPECT_EQ(LoadLe32(first + 65), 24u + 77);
    EXPECT_EQ(LoadLe32(first + 69), entries[0].data.size());
    EXPECT_EQ(LoadLe32(first + 73), 24u + 77 + entries[0].data.size());

    const uint8_t* terminator = &file[file.size() - 77];
    EXPECT_EQ(Bytes(terminator, terminator + 64), Bytes(64, 0));
    EXPECT_EQ(terminator[64], 2);
    EXPECT_EQ(Bytes(terminator + 65, terminator + 77), Bytes(12, 0));

    const std::vector<SkinDataEntry> parsed = ParseSkinDataFile(file);
    ASSERT_EQ(parsed.size(), 4u);
    EXPECT_EQ(std::get<DecodedBitmap>(parsed[0].value).width, 90);
    EXPECT_EQ(std::get<int32_t>(parsed[1].value), -5);
    EXPECT_EQ(std::get<uint8_t>(parsed[2].value), 1);
    EXPECT_EQ(parsed[3].name, std::string(64, 'S'));  // a full field, no NUL
    EXPECT_EQ(std::get<std::string>(parsed[3].value), "hi");
}

TEST(DataFileWriter, RefusesNamesARecordCannotHold)
{
    EXPECT_THROW(WriteSkinDataFile(std::vector{IntegerEntry(std::string(65, 'N'), 1)}), Error);
    EXPECT_THROW(WriteSkinDataFile(std::vector{IntegerEntry("", 1)}), Error);
    EXPECT_EQ(WriteSkinDataFile({}).size(), 24u + 77);  // only the terminator
}

// A package whose first two bytes are turned back into "PK", written where Info-ZIP can read it.
class InfoZip {
public:
    explicit InfoZip(const Bytes& package) : zip_(scratch_.File("skin.zip"))
    {
        Bytes copy = package;
        copy[0] = 'P';
        copy[1] = 'K';
        testing::WriteFile(zip_, copy);
    }
    [[nodiscard]] int Run(const std::string& arguments) const
    {
        return testing::Run("unzip " + arguments + " " + zip_ + " > " + scratch_.File("out") + " 2>&1");
    }
    [[nodiscard]] std::string Output() const
    {
        const Bytes out = testing::ReadFile(scratch_.File("out"));
        return {out.begin(), out.end()};
    }
    [[nodiscard]] std::string File(const std::string& name) const { return scratch_.File(name); }

private:
    testing::ScratchFolder scratch_;
    std::string zip_;
};

TEST(PackageWriter, PlainPackageIsARealZipThatTheReaderOpens)
{
    const Bytes data = WriteSkinDataFile(SampleEntries());
    const Bytes package = WritePackage(data, "");
    EXPECT_EQ(Bytes(package.begin(), package.begin() + 4), (Bytes{0x53, 0x4B, 0x03, 0x04}));
    EXPECT_EQ(LoadLe16(&package[4]), 20);  // version needed
    EXPECT_EQ(LoadLe16(&package[6]), 0);   // flags
    EXPECT_EQ(LoadLe16(&package[8]), 8);   // deflate
    EXPECT_EQ(LoadLe16(&package[26]), 12);
    EXPECT_EQ(LoadLe16(&package[28]), 0);  // no extra field
    EXPECT_EQ(std::string(package.begin() + 30, package.begin() + 42), "SKINDATA.SK2");
    EXPECT_EQ(LoadLe32(&package[package.size() - 22]), 0x06054b50u);
    EXPECT_EQ(LoadLe16(&package[package.size() - 2]), 0);  // no comment
    EXPECT_EQ(WritePackage(data, ""), package);            // no clock, no randomness: reproducible

    Bytes extracted;
    ASSERT_EQ(ExtractPackageMember(package, "SKINDATA.SK2", extracted, ""), ExtractResult::MemberWritten);
    EXPECT_EQ(extracted, data);

    InfoZip zip(package);
    EXPECT_EQ(zip.Run("-l"), 0) << zip.Output();
    EXPECT_NE(zip.Output().find(std::to_string(data.size()) + "  1980-01-01 00:00   SKINDATA.SK2"), std::string::npos)
        << zip.Output();
    EXPECT_EQ(zip.Run("-t"), 0) << zip.Output();
}

TEST(PackageWriter, EncryptedPackageOpensOnlyWithItsPassword)
{
    const Bytes data = WriteSkinDataFile(SampleEntries());
    const Bytes package = WritePackage(data, "rose petal");
    EXPECT_EQ(LoadLe16(&package[6]), 1);  // encrypted

    Bytes extracted;
    EXPECT_EQ(ExtractPackageMember(package, "SKINDATA.SK2", extracted, "rose petal"), ExtractResult::MemberWritten);
    EXPECT_EQ(extracted, data);
    EXPECT_EQ(ExtractPackageMember(package, "SKINDATA.SK2", extracted, ""), ExtractResult::WrongPassword);

    InfoZip zip(package);
    EXPECT_EQ(zip.Run("-P 'rose petal' -t"), 0) << zip.Output();
    EXPECT_EQ(zip.Run("-P 'rose petal' -d " + zip.File("x")), 0) << zip.Output();
    EXPECT_EQ(testing::ReadFile(zip.File("x/SKINDATA.SK2")), data);
    EXPECT_NE(zip.Run("-P thorn -t"), 0) << zip.Output();
}

}  // namespace
}  // namespace ov::skinc
