// The skin reader and the resource objects, on the built-in skin and on small skins built here.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "framework/core/exception.h"
#include "skin/data/crc32.h"
#include "skin/data/decoded_view.h"
#include "skin/data/pixel_ops.h"
#include "skin/data/progress_bar_res_win.h"
#include "skin/data/scroll_btn_res_win.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_test_builders.h"
#include "skin/data/tab_res_win.h"
#include "skin/data/temp_file.h"
#include "skin/data/zip_crypto.h"

namespace ov {
namespace {

using testing::Bytes;

constexpr TColor kKey = 0xFF00FF;

using testing::HostPath;
using testing::PackageFile;
const std::string kBuiltin = HostPath(OV_BUILTIN_SKIN_PATH);

// The pixels of `image` equal `expected` (sizes included).
void ExpectPixels(const TBitmap* image, const PixelBuffer& expected)
{
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->Width(), expected.Width());
    ASSERT_EQ(image->Height(), expected.Height());
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            ASSERT_EQ(static_cast<uint32_t>(image->Pixel(x, y)), expected.At(x, y)) << x << "," << y;
}

PixelBuffer Recoloured(PixelBuffer image, uint32_t to)
{
    ReplaceColor(image.View(), kKey, to);
    return image;
}

int CountColor(const TBitmap& image, TColor color)
{
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            count += image.Pixel(x, y) == color;
    return count;
}

TEST(TkrvSkinReader, BuiltInSkinLookupsAndTrackBarRecolouring)
{
    Tsk2SkinFileReader raw(kBuiltin, "");
    const DecodedBitmap* rawTrack = raw.FindBitmap("SKIN2_TRACKBAR");
    ASSERT_NE(rawTrack, nullptr);
    int magenta = 0;
    for (int y = 0; y < rawTrack->height; ++y)
        for (int x = 0; x < rawTrack->width; ++x)
            magenta += rawTrack->Pixel(x, y) == 0xFF00FFu;
    ASSERT_GT(magenta, 0);

    TkrvSkinReader reader(kBuiltin, "");
    ASSERT_TRUE(reader.Loaded());
    EXPECT_EQ(reader.GetColor(SKIN2_TRANSCOLOR), kKey);
    EXPECT_EQ(reader.GetColor(SKIN2_SCROLLBARCOLOR), 0x00F9F9F9);
    EXPECT_EQ(reader.GetInteger(SKIN2_TITLEBARICONPOSX), 7);
    EXPECT_EQ(reader.GetInteger(SKIN2_TITLEBARREGIONMINY), -1);
    EXPECT_TRUE(reader.GetBoolean(SKIN2_RADIOBUTTONTRANS));
    EXPECT_FALSE(reader.GetBoolean(SKIN2_BUTTONTRANS));
    EXPECT_EQ(reader.GetBitmap(SKIN2_TITLEBAR4), nullptr);

    const TBitmap* track = reader.GetBitmap(SKIN2_TRACKBAR);
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(CountColor(*track, kKey), 0);
    for (int y = 0; y < track->Height(); ++y)
        for (int x = 0; x < track->Width(); ++x) {
            if (rawTrack->Pixel(x, y) == 0xFF00FFu) {
                EXPECT_EQ(track->Pixel(x, y), 0x00F1F0FC);
            }
        }
    const TBitmap* button = reader.GetBitmap(SKIN2_BUTTON);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->TransparentMode(), tmFixed);
    EXPECT_EQ(button->TransparentColor(), kKey);

    TBitmap cell;
    CopyCell(reader.GetBitmap(SKIN2_TITLEBUTTONS), cell, 18, 18);
    EXPECT_EQ(cell.Width(), 19);
    EXPECT_EQ(cell.Height(), 20);
    EXPECT_EQ(cell.Pixel(18, 7), reader.GetBitmap(SKIN2_TITLEBUTTONS)->Pixel(341, 7));
    CopyCell(nullptr, cell, 18, 1);
    EXPECT_EQ(cell.Width(), 19);  // no source: unchanged
}

TEST(TkrvSkinReader, MissingFileUnloadsAndStillCallsOnLoaded)
{
    TkrvSkinReader reader(kBuiltin, "");
    int calls = 0;
    reader.SetOnLoaded([&](TObject* sender) {
        EXPECT_EQ(sender, &reader);
        ++calls;
    });
    reader.Load(HostPath("/no/such/skin.ssk"), "");
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(reader.Loaded());
    EXPECT_EQ(reader.GetBitmap(SKIN2_BUTTON), nullptr);
    EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), -1);
    EXPECT_EQ(reader.GetInteger(SKIN2_TITLEBARICONPOSX), -1);
    EXPECT_FALSE(reader.GetBoolean(SKIN2_RADIOBUTTONTRANS));
}

// A stored member under the traditional ZIP encryption with `password`.
Bytes EncryptedPackage(const Bytes& data, const std::string& password)
{
    testing::PackageMember member;
    member.method = 0;
    member.flags = 1;
    member.crc = Crc32(data);
    member.uncompressedSize = static_cast<uint32_t>(data.size());
    Bytes plain(kEncryptionHeaderSize, 0x5A);
    plain.back() = ExpectedCheckByte(member.flags, member.crc, member.time);
    plain.insert(plain.end(), data.begin(), data.end());
    ZipCipher(password).Encrypt(plain);
    member.stored = plain;
    return testing::MakePackage(member);
}

TEST(TkrvSkinReader, WrongPasswordRaisesAndDoesNotCallOnLoaded)
{
    const Bytes data = testing::MakeSk2({{"SKIN2_FORMCOLOR", 1, testing::IntegerData(0x123456)}});
    const PackageFile package(EncryptedPackage(data, "rose"));
    TkrvSkinReader reader(kBuiltin, "");
    int calls = 0;
    reader.SetOnLoaded([&](TObject*) { ++calls; });
    try {
        reader.Load(package.Path(), "tulip");
        ADD_FAILURE() << "a wrong password was accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Wrong password!");
    }
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(reader.Loaded());
    EXPECT_EQ(reader.GetColor(SKIN2_TRANSCOLOR), -1);

    reader.Load(package.Path(), "rose");
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(reader.Loaded());
    EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), 0x123456);
    EXPECT_EQ(reader.GetBitmap(SKIN2_TRACKBAR), nullptr);  // nothing to recolour, no failure
}

TEST(TkrvSkinScrollBtnRes, BuiltInThumbPiecesAndRecolouredKeyPixels)
{
    Tsk2SkinFileReader raw(kBuiltin, "");
    TkrvSkinReader reader(kBuiltin, "");
    TkrvSkinScrollBtnRes res;
    res.SetReader(&reader);
    const PixelView thumb = ViewOf(*raw.FindBitmap("SKIN2_SCROLLBAR"));
    ASSERT_EQ(thumb.width, 18);
    ASSERT_EQ(thumb.height, 48);
    constexpr uint32_t kTrack = 0xF9F9F9;
    const int tops[] = {0, 4, 18, 31, 45}, heights[] = {3, 14, 14, 14, 3};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        ExpectPixels(res.GetVertThumbPiece(i + 1),
                     Recoloured(CopyBlock(thumb, {0, tops[i], 18, tops[i] + heights[i]}), kTrack));
    }
    EXPECT_EQ(res.ThumbWidth(), 18);
    EXPECT_FALSE(res.WholeThumb());
    EXPECT_EQ(res.WholeVertThumb(), nullptr);

    const PixelView up = ViewOf(*raw.FindBitmap("SKIN2_SCROLLBARUPBUTTON"));
    const PixelView down = ViewOf(*raw.FindBitmap("SKIN2_SCROLLBARDOWNBUTTON"));
    for (int cell = 1; cell <= 3; ++cell) {
        ExpectPixels(res.GetVertArrow(cell), Recoloured(CopyCell(up, 3, cell), kTrack));
        ExpectPixels(res.GetVertArrow(cell + 3), Recoloured(CopyCell(down, 3, cell), kTrack));
    }
    int keyPixels = 0;
    for (int i = 1; i <= 6; ++i) {
        keyPixels += CountColor(*res.GetHorzArrow(i), kKey) + CountColor(*res.GetVertArrow(i), kKey);
        EXPECT_EQ(res.GetHorzArrow(i)->PixelFormat(), pf24bit);
    }
    for (int i = 1; i <= 5; ++i)
        keyPixels += CountColor(*res.GetHorzThumbPiece(i), kKey) + CountColor(*res.GetVertThumbPiece(i), kKey);
    EXPECT_EQ(keyPixels, 0);
    EXPECT_EQ(res.GetVertArrow(0), nullptr);
    EXPECT_EQ(res.GetHorzThumbPiece(6), nullptr);
}

// A small skin for the scroll bar resource: arrows of three 3 x 3 cells and a thumb.
constexpr uint32_t kBack = 0x0000AA;
uint32_t Tag(int x, int y) { return 0x100000u | static_cast<uint32_t>(y) << 8 | static_cast<uint32_t>(x); }

Bytes ScrollSkin(int thumbWidth, int thumbHeight, const std::function<uint32_t(int, int)>& thumbColor,
                 uint32_t back = kBack)
{
    const auto arrow = [](uint32_t base) {
        return [base](int x, int y) { return x == 0 && y == 0 ? 0xFF00FFu : base + static_cast<uint32_t>(y * 9 + x); };
    };
    return testing::MakeSk2({
        {"SKIN2_TRANSCOLOR", 1, testing::IntegerData(0xFF00FF)},
        {"SKIN2_SCROLLBARCOLOR", 1, testing::IntegerData(static_cast<int32_t>(back))},
        {"SKIN2_SCROLLBARUPBUTTON", 0, testing::MakeBmp24(9, 3, arrow(0x200000))},
        {"SKIN2_SCROLLBARDOWNBUTTON", 0, testing::MakeBmp24(9, 3, arrow(0x300000))},
        {"SKIN2_SCROLLBAR", 0, testing::MakeBmp24(thumbWidth, thumbHeight, thumbColor)},
    });
}

// The pieces of a 24-row thumb: f = 6, the centre is rows 10-15 and shares row 15 with piece 4.
constexpr int kTops24[] = {0, 4, 10, 15, 21};
constexpr int kHeights24[] = {3, 6, 6, 6, 3};

struct LoadedSkin {
    explicit LoadedSkin(const Bytes& data) : package(testing::MakeStoredPackage(data)), reader(package.Path(), "")
    {
        res.SetReader(&reader);
    }
    PackageFile package;
    TkrvSkinReader reader;
    TkrvSkinScrollBtnRes res;
};

PixelBuffer Painted(int width, int height, const std::function<uint32_t(int, int)>& color)
{
    PixelBuffer image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.Set(x, y, color(x, y));
    return image;
}

// Arrow cell 1 of the built skins, its key pixel already replaced by the track colour.
PixelBuffer ArrowCell(uint32_t base)
{
    return Painted(3, 3, [base](int x, int y) { return x == 0 && y == 0 ? kBack : base + y * 9 + x; });
}

// Piece i (0-4) of a 10 x 24 thumb.
PixelBuffer Piece24(const PixelBuffer& thumb, int i)
{
    return Recoloured(CopyBlock(thumb.View(), {0, kTops24[i], 10, kTops24[i] + kHeights24[i]}), kBack);
}

TEST(TkrvSkinScrollBtnRes, UniformCentreTurnsPiecesLeftAndKeepsArrowsInPlace)
{
    // 10 x 24: f = 6, the centre is rows 10-15; its row 1 (thumb row 11) is one colour at x = 4..6.
    const auto color = [](int x, int y) { return y == 11 ? 0x00CC00u : x == 0 && y == 0 ? 0xFF00FFu : Tag(x, y); };
    LoadedSkin skin(ScrollSkin(10, 24, color));
    const PixelBuffer thumb = Painted(10, 24, color);
    for (int i = 0; i < 5; ++i) {
        ExpectPixels(skin.res.GetVertThumbPiece(i + 1), Piece24(thumb, i));
        ExpectPixels(skin.res.GetHorzThumbPiece(i + 1), RotateLeft(Piece24(thumb, i).View()));
    }
    ExpectPixels(skin.res.GetHorzArrow(1), RotateLeft(ArrowCell(0x200000).View()));
}

TEST(TkrvSkinScrollBtnRes, UnevenCentreTurnsPiecesRightInReverseAndSwapsTheArrows)
{
    LoadedSkin skin(ScrollSkin(10, 24, Tag));
    const PixelBuffer thumb = Painted(10, 24, Tag);
    for (int i = 0; i < 5; ++i)
        ExpectPixels(skin.res.GetHorzThumbPiece(5 - i), RotateRight(Piece24(thumb, i).View()));
    // The left arrows are now the down button's cells turned clockwise, the right ones the up button's.
    ExpectPixels(skin.res.GetHorzArrow(1), RotateRight(ArrowCell(0x300000).View()));
    ExpectPixels(skin.res.GetHorzArrow(4), RotateRight(ArrowCell(0x200000).View()));
    ExpectPixels(skin.res.GetVertArrow(1), ArrowCell(0x200000));
}

TEST(TkrvSkinScrollBtnRes, ShortThumbGivesBlankOnePixelMiddles)
{
    LoadedSkin skin(ScrollSkin(10, 8, Tag));
    for (int i = 2; i <= 4; ++i)
        ExpectPixels(skin.res.GetVertThumbPiece(i), PixelBuffer(10, 1));
    EXPECT_EQ(skin.res.GetVertThumbPiece(5)->Pixel(0, 0), static_cast<TColor>(Tag(0, 5)));
}

TEST(TkrvSkinScrollBtnRes, TheOneSkinWithAWholeThumbKeepsItsKeyColour)
{
    const auto color = [](int x, int y) {
        return x == 1 && y == 10 ? 0xB23901u : x == 0 && y == 0 ? 0xFF00FFu : Tag(x, y);
    };
    LoadedSkin skin(ScrollSkin(18, 33, color, 0xCBCBCB));
    ASSERT_TRUE(skin.res.WholeThumb());
    ASSERT_NE(skin.res.WholeVertThumb(), nullptr);
    EXPECT_EQ(skin.res.WholeVertThumb()->Pixel(0, 0), kKey);
    EXPECT_EQ(skin.res.WholeVertThumb()->Height(), 33);
    EXPECT_EQ(skin.res.WholeHorzThumb()->Width(), 33);
    EXPECT_EQ(skin.res.WholeHorzThumb()->Pixel(0, 17), kKey);  // turned left: the top row runs up the left
    EXPECT_EQ(skin.res.GetVertThumbPiece(1)->Pixel(0, 0), 0xCBCBCB);

    skin.reader.Load(HostPath("/no/such/skin.ssk"), "");
    skin.res.Reload();
    EXPECT_FALSE(skin.res.WholeThumb());
    EXPECT_EQ(skin.res.GetVertArrow(1), nullptr);
}

TEST(TkrvSkinProgressBarRes, BuiltInPiecesAndTheirTurns)
{
    TkrvSkinReader reader(kBuiltin, "");
    TkrvSkinProgressBarRes res;
    res.SetReader(&reader);
    const int widths[] = {1, 7, 7, 1};
    for (int i = 1; i <= 4; ++i) {
        ASSERT_NE(res.GetPiece(i), nullptr);
        EXPECT_EQ(res.GetPiece(i)->Width(), widths[i - 1]);
        EXPECT_EQ(res.GetPiece(i)->Height(), 14);
        EXPECT_EQ(res.GetRotatedPiece(i)->Width(), 14);
        EXPECT_EQ(res.GetRotatedPiece(i)->Height(), widths[i - 1]);
        // Turned left: the piece's top-right pixel is the turned one's top-left.
        EXPECT_EQ(res.GetRotatedPiece(i)->Pixel(0, 0), res.GetPiece(i)->Pixel(widths[i - 1] - 1, 0));
    }
    EXPECT_EQ(res.FirstWidth(), 1);
    EXPECT_EQ(res.LastWidth(), 1);
    res.SetReader(nullptr);
    EXPECT_EQ(res.GetPiece(1), nullptr);
}

TEST(TkrvSkinTabRes, FourOrientationsAndEmptyImagesWithoutASkin)
{
    TkrvSkinReader reader(kBuiltin, "");
    TkrvSkinTabRes res;
    res.SetReader(&reader);
    const TBitmap* tab = reader.GetBitmap(SKIN2_TABCONTROL);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(res.Line(0)->Width(), 10);
    EXPECT_EQ(res.Line(1)->Width(), 5);
    EXPECT_EQ(res.Line(2)->Pixel(9, 4), res.Line(0)->Pixel(0, 0));
    EXPECT_EQ(res.Line(3)->Pixel(4, 0), res.Line(0)->Pixel(0, 0));  // turned right: the left column on top
    EXPECT_EQ(res.TabA(0)->Width(), 9);
    EXPECT_EQ(res.TabA(0)->Pixel(8, 17), tab->Pixel(8, 17));
    EXPECT_EQ(res.TabB(0)->Pixel(0, 0), tab->Pixel(9, 0));
    EXPECT_EQ(res.TabB(1)->Pixel(0, 8), res.TabB(0)->Pixel(0, 0));  // turned left: the top row up the left

    TkrvSkinReader empty;
    res.SetReader(&empty);
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(res.TabA(i), nullptr);
        EXPECT_TRUE(res.TabA(i)->Empty());
        EXPECT_TRUE(res.Line(i)->Empty());
    }
    res.SetReader(nullptr);
    EXPECT_EQ(res.TabB(0), nullptr);
}

}  // namespace
}  // namespace ov
