// Skin source folders: the order entries are written in, canonical bitmaps, the messages for bad
// input, and folders written by extract reading back the same.
#include "tools/skinc/skin_source.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/byte_order.h"
#include "skin/data/skin_test_support.h"
#include "tools/skinc/skinc_error.h"

namespace ov::skinc {
namespace {

using testing::Bytes;

// A BMP of any depth with a zeroed palette and zeroed pixels: enough for the depth checks.
Bytes MakeBmp(int bitsPerPixel, uint32_t compression, int width = 4, int height = 2)
{
    const uint32_t palette = bitsPerPixel <= 8 ? (4u << bitsPerPixel) : 0;
    const uint32_t stride = ((width * bitsPerPixel + 31) / 32) * 4;
    Bytes file(54 + palette + stride * height, 0);
    file[0] = 'B', file[1] = 'M';
    StoreLe32(&file[2], static_cast<uint32_t>(file.size()));
    StoreLe32(&file[10], 54 + palette);
    StoreLe32(&file[14], 40);
    StoreLe32(&file[18], width);
    StoreLe32(&file[22], height);
    StoreLe16(&file[26], 1);
    StoreLe16(&file[28], static_cast<uint16_t>(bitsPerPixel));
    StoreLe32(&file[30], compression);
    return file;
}

Bytes SmallBmp(bool topDown = false)
{
    return testing::MakeBmp24(
        3, 2, [](int x, int y) { return static_cast<uint32_t>(0x102030 * (x + 1) + y); }, topDown);
}

class SourceFolder {
public:
    [[nodiscard]] std::filesystem::path Path() const { return scratch_.Path(); }
    void Manifest(const std::string& text) { Put("skin.txt", {text.begin(), text.end()}); }
    void Put(const std::string& name, const Bytes& bytes) { testing::WriteFile(scratch_.File(name), bytes); }

    // The message ReadSkinSource stops with, the folder's path replaced by "DIR".
    [[nodiscard]] std::string Failure() const
    {
        try {
            ReadSkinSource(Path());
        } catch (const Error& e) {
            std::string message = e.what();
            if (message.starts_with(scratch_.Path()))
                message.replace(0, scratch_.Path().size(), "DIR");
            return message;
        }
        return "(no error)";
    }

private:
    testing::ScratchFolder scratch_;
};

std::vector<std::string> Names(const std::vector<SkinEntry>& entries)
{
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (const SkinEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

TEST(SkinSource, EntriesComeInFileOrderWhateverTheManifestOrder)
{
    SourceFolder source;
    source.Manifest(
        "boolean SKIN2_TABCONTROLTRANS 1\n"
        "string ZETA z\n"
        "integer SKIN2_SYSTEMCOLOR1 0x0000FF00\n"
        "boolean SKIN2_TITLEFIVESECT 0\n"
        "integer SKIN2_TITLEBARICONPOSX 7\n"
        "integer skin2_formcolor 0x00F1F0FC\n"
        "string ALPHA a\n"
        "integer SKIN2_TRANSCOLOR 0x00FF00FF\n");
    source.Put("SKIN2_TABCONTROL.bmp", SmallBmp());
    source.Put("skin2_titlebar1.BMP", SmallBmp());
    source.Put("SKIN2_BUTTON.bmp", SmallBmp());
    source.Put("notes.txt", {'x'});  // other files are no entries
    const std::vector<SkinEntry> entries = ReadSkinSource(source.Path());
    EXPECT_EQ(Names(entries),
              (std::vector<std::string>{"SKIN2_TITLEBAR1", "SKIN2_BUTTON", "SKIN2_TABCONTROL", "SKIN2_TRANSCOLOR",
                                        "SKIN2_FORMCOLOR", "SKIN2_TITLEBARICONPOSX", "SKIN2_SYSTEMCOLOR1",
                                        "SKIN2_TITLEFIVESECT", "SKIN2_TABCONTROLTRANS", "ZETA", "ALPHA"}));
    EXPECT_EQ(entries[4].kind, sk2::EntryKind::Integer);
    EXPECT_EQ(LoadLe32(entries[4].data.data()), 0x00F1F0FCu);
    EXPECT_EQ(entries[8].data, Bytes{1});
    EXPECT_EQ(entries[9].data, Bytes{'z'});
}

TEST(SkinSource, BitmapsAreStoredInCanonicalForm)
{
    SourceFolder source;
    source.Manifest("");
    source.Put("SKIN2_BUTTON.bmp", SmallBmp(true));  // top-down rows, size-of-image field 0
    const Bytes stored = ReadSkinSource(source.Path()).at(0).data;
    Bytes expected = SmallBmp(false);
    StoreLe32(&expected[34], 24);  // bottom-up, and the size of the image written out: 2 rows of 12
    EXPECT_EQ(stored, expected);
}

TEST(SkinSource, BadManifestStopsWithFileLineAndReason)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\n\ninteger SKIN2_FORMCOLOUR 1\n", "DIR/skin.txt:3: unknown entry name 'SKIN2_FORMCOLOUR'"},
        {"integer SKIN2_FORMCOLOR 0x01000000\n",
         "DIR/skin.txt:1: SKIN2_FORMCOLOR: value out of range (a colour is 0x00BBGGRR from 0 to 0x00FFFFFF, or -1 "
         "for none)"},
        {"integer SKIN2_SYSTEMCOLOR2 -2\n",
         "DIR/skin.txt:1: SKIN2_SYSTEMCOLOR2: value out of range (a colour is "
         "0x00BBGGRR from 0 to 0x00FFFFFF, or -1 for none)"},
        {"integer SKIN2_TITLEBARICONPOSX 2147483648\n",
         "DIR/skin.txt:1: SKIN2_TITLEBARICONPOSX: value out of range (an integer is signed 32-bit)"},
        {"boolean SKIN2_TITLEFIVESECT 2\n", "DIR/skin.txt:1: SKIN2_TITLEFIVESECT: a boolean is 0 or 1"},
        {"integer SKIN2_FORMCOLOR 1\n# again\ninteger skin2_formcolor 2\n",
         "DIR/skin.txt:3: SKIN2_FORMCOLOR is given twice (first on line 1)"},
        {"boolean SKIN2_FORMCOLOR 1\n",
         "DIR/skin.txt:1: SKIN2_FORMCOLOR is a colour entry: write 'integer SKIN2_FORMCOLOR VALUE'"},
        {"integer SKIN2_TITLEFIVESECT 1\n",
         "DIR/skin.txt:1: SKIN2_TITLEFIVESECT is a boolean entry: write 'boolean SKIN2_TITLEFIVESECT 0|1'"},
        {"integer SKIN2_BUTTON 1\n", "DIR/skin.txt:1: SKIN2_BUTTON is a bitmap entry: it comes from SKIN2_BUTTON.bmp"},
        {"string SKIN2_TITLEBARICONPOSX 7\n",
         "DIR/skin.txt:1: SKIN2_TITLEBARICONPOSX is an integer entry: write 'integer SKIN2_TITLEBARICONPOSX VALUE'"},
        {"string " + std::string(65, 'N') + " x\n", "DIR/skin.txt:1: entry names have at most 64 characters"},
        {"string NOTE a\nstring note b\n", "DIR/skin.txt:2: note is given twice (first on line 1)"},
    };
    for (const auto& [manifest, message] : cases) {
        SourceFolder source;
        source.Manifest(manifest);
        EXPECT_EQ(source.Failure(), message) << manifest;
    }
}

TEST(SkinSource, BadBitmapsStopWithTheirFileName)
{
    const std::vector<std::tuple<std::string, Bytes, std::string>> cases = {
        {"SKIN2_BUTTONS.bmp", SmallBmp(), "DIR/SKIN2_BUTTONS.bmp: 'SKIN2_BUTTONS' is not a bitmap entry name"},
        {"SKIN2_FORMCOLOR.bmp", SmallBmp(),
         "DIR/SKIN2_FORMCOLOR.bmp: SKIN2_FORMCOLOR is a colour entry: write 'integer SKIN2_FORMCOLOR VALUE' in "
         "skin.txt"},
        {"SKIN2_BUTTON.bmp", MakeBmp(8, 0),
         "DIR/SKIN2_BUTTON.bmp: 8 bits per pixel; skin bitmaps must be 24-bit uncompressed"},
        {"SKIN2_BUTTON.bmp", MakeBmp(32, 0),
         "DIR/SKIN2_BUTTON.bmp: 32 bits per pixel; skin bitmaps must be 24-bit uncompressed"},
        {"SKIN2_BUTTON.bmp", MakeBmp(8, 1),
         "DIR/SKIN2_BUTTON.bmp: Bad bitmap: unsupported format (8 bits, compression 1) (skin bitmaps are 24-bit "
         "uncompressed BMP files)"},
        {"SKIN2_BUTTON.bmp", Bytes{'G', 'I', 'F', '8'},
         "DIR/SKIN2_BUTTON.bmp: Bad bitmap: no BMP file header (skin bitmaps are 24-bit uncompressed BMP files)"},
    };
    for (const auto& [file, bytes, message] : cases) {
        SourceFolder source;
        source.Manifest("integer SKIN2_FORMCOLOR 0\n");
        source.Put(file, bytes);
        EXPECT_EQ(source.Failure(), message) << file;
    }
}

TEST(SkinSource, MissingManifestAndRepeatedBitmapFile)
{
    SourceFolder source;
    source.Put("SKIN2_BUTTON.bmp", SmallBmp());
    EXPECT_EQ(source.Failure(), "DIR/skin.txt: missing manifest (a skin source folder holds skin.txt and the bitmaps)");
    source.Manifest("");
    source.Put("skin2_button.BMP", SmallBmp());
    EXPECT_EQ(source.Failure(), "DIR/skin2_button.BMP: a second file for SKIN2_BUTTON");
}

TEST(SkinSource, WrittenFolderReadsBackTheSameAndIsNeverMixedIntoAnother)
{
    SourceFolder source;
    source.Manifest("integer SKIN2_FORMCOLOR 0x00F1F0FC\nboolean SKIN2_BUTTONTRANS 1\nstring TEXT tab\\there\n");
    source.Put("SKIN2_SCROLLBAR.bmp", SmallBmp());
    const std::vector<SkinEntry> entries = ReadSkinSource(source.Path());

    testing::ScratchFolder out;
    const std::filesystem::path folder = std::filesystem::path(out.Path()) / "skin";
    WriteSkinSource(folder.string() + "/", entries);
    const std::vector<SkinEntry> again = ReadSkinSource(folder);
    ASSERT_EQ(Names(again), Names(entries));
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(again[i].data, entries[i].data) << entries[i].name;

    EXPECT_THROW(WriteSkinSource(folder, entries), Error);    // not empty: a stale bitmap could slip in
    EXPECT_EQ(out.List(), std::vector<std::string>{"skin"});  // nothing half-written beside it
}

}  // namespace
}  // namespace ov::skinc
