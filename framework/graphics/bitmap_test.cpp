// Tests of TBitmap: pixel access and resizing, transparency when drawn, BMP data of several forms
// built byte by byte here (an independent producer), refusal of broken data, and GDI object counts.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/core/exception.h"
#include "framework/core/streams.h"
#include "tests/test_counts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace ov {
namespace {

// Little-endian BMP builder for the tests.
struct Bytes {
    std::vector<std::uint8_t> data;
    Bytes& u8(int v)
    {
        data.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Bytes& u16(int v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
    Bytes& u32(std::uint32_t v) { return u16(static_cast<int>(v & 0xFFFF)).u16(static_cast<int>(v >> 16)); }
};

// File header + 40-byte info header; the caller appends palette and rows.
Bytes BmpHeader(int width, int height, int bitCount, int compression, std::uint32_t offBits, std::uint32_t colors = 0,
                std::uint32_t sizeImage = 0)
{
    Bytes b;
    b.u16(0x4D42).u32(0).u32(0).u32(offBits);
    b.u32(40).u32(static_cast<std::uint32_t>(width)).u32(static_cast<std::uint32_t>(height)).u16(1).u16(bitCount);
    b.u32(static_cast<std::uint32_t>(compression)).u32(sizeImage).u32(2835).u32(2835).u32(colors).u32(0);
    return b;
}

TBitmap LoadBmp(const Bytes& b)
{
    TMemoryStream stream(b.data);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    return bitmap;
}

TEST(Bitmap, PixelsAreDirectAndResizingKeepsTheSharedArea)
{
    TBitmap bitmap(5, 3);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(bitmap.BytesPerScanLine(), 16);
    bitmap.SetPixel(4, 2, 0x00123456);
    EXPECT_EQ(bitmap.ScanLine(2)[12], 0x12);  // B, G, R in memory
    EXPECT_EQ(bitmap.ScanLine(2)[14], 0x56);
    EXPECT_EQ(bitmap.Pixel(4, 2), 0x00123456);
    EXPECT_EQ(bitmap.Pixel(5, 0), -1);
    bitmap.SetPixel(1, 1, clBlue);
    bitmap.SetSize(8, 2);
    EXPECT_EQ(bitmap.Pixel(1, 1), clBlue);
    EXPECT_EQ(bitmap.Pixel(7, 1), clBlack);
    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(bitmap.Pixel(1, 1), clBlue);
    EXPECT_EQ(bitmap.ScanLine(1)[7], 0);  // the new fourth byte
}

TEST(Bitmap, CanvasDrawingShowsInThePixels)
{
    TBitmap bitmap(10, 10);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(RECT{2, 2, 5, 5});
    EXPECT_EQ(bitmap.Pixel(2, 2), clRed);
    EXPECT_EQ(bitmap.Pixel(4, 4), clRed);
    EXPECT_EQ(bitmap.Pixel(5, 5), clBlack);
    EXPECT_TRUE(bitmap.Handle());              // taken out of the canvas DC ...
    bitmap.Canvas()->SetPixels(9, 9, clLime);  // ... and put back on the next use
    EXPECT_EQ(bitmap.Pixel(9, 9), clLime);
}

TEST(Bitmap, TransparentDrawingSkipsTheBottomLeftColourOrAFixedOne)
{
    TBitmap sprite(2, 2);
    sprite.SetPixel(0, 0, clRed);
    sprite.SetPixel(1, 0, clBlue);
    sprite.SetPixel(0, 1, clLime);  // bottom-left: the automatic transparent colour
    sprite.SetPixel(1, 1, clBlue);
    sprite.SetTransparent(true);
    EXPECT_EQ(sprite.TransparentColor(), clLime);

    TBitmap target(4, 4);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(RECT{0, 0, 4, 4});
    target.Canvas()->Draw(1, 1, sprite);
    EXPECT_EQ(target.Pixel(1, 1), clRed);
    EXPECT_EQ(target.Pixel(2, 1), clBlue);
    EXPECT_EQ(target.Pixel(1, 2), clWhite);
    EXPECT_EQ(target.Pixel(2, 2), clBlue);

    sprite.SetTransparentColor(clBlue);
    EXPECT_EQ(sprite.TransparentMode(), tmFixed);
    target.Canvas()->StretchDraw(RECT{0, 0, 4, 4}, sprite);  // doubled
    EXPECT_EQ(target.Pixel(0, 0), clRed);
    EXPECT_EQ(target.Pixel(1, 3), clLime);
    EXPECT_EQ(target.Pixel(3, 0), clWhite);  // the blue quarter is skipped
    EXPECT_EQ(target.Pixel(3, 3), clWhite);
}

TEST(Bitmap, Loads24BitBottomUpRowsWithPadding)
{
    // 3x2: bottom row first; each row 9 bytes + 3 padding.
    Bytes b = BmpHeader(3, 2, 24, BI_RGB, 54);
    b.u8(0x00).u8(0x00).u8(0xFF).u8(0x00).u8(0xFF).u8(0x00).u8(0xFF).u8(0x00).u8(0x00).u8(0).u8(0).u8(0);
    b.u8(0x11).u8(0x22).u8(0x33).u8(0x44).u8(0x55).u8(0x66).u8(0x77).u8(0x88).u8(0x99).u8(0).u8(0).u8(0);
    TBitmap bitmap = LoadBmp(b);
    ASSERT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Pixel(0, 1), clRed);
    EXPECT_EQ(bitmap.Pixel(1, 1), clLime);
    EXPECT_EQ(bitmap.Pixel(2, 1), clBlue);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0x112233);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0x778899);
}

TEST(Bitmap, Loads8BitPalettedData)
{
    // 2x2, three palette entries (B, G, R, 0), rows of 2 indexes padded to 4 bytes.
    Bytes b = BmpHeader(2, 2, 8, BI_RGB, 54 + 12, 3);
    b.u32(0x000000FF).u32(0x0000FF00).u32(0x00FF0000);  // blue, green, red as RGBQUAD
    b.u8(0).u8(1).u8(0).u8(0);                          // bottom row: blue, green
    b.u8(2).u8(2).u8(0).u8(0);                          // top row: red, red
    TBitmap bitmap = LoadBmp(b);
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    EXPECT_EQ(bitmap.Pixel(0, 1), clBlue);
    EXPECT_EQ(bitmap.Pixel(1, 1), clLime);
    EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
    EXPECT_EQ(bitmap.Pixel(1, 0), clRed);
}

TEST(Bitmap, Loads32BitTopDownDataKeepingTheFourthByte)
{
    Bytes b = BmpHeader(2, -1, 32, BI_RGB, 54);
    b.u32(0x80FF0000).u32(0x400000FF);
    TBitmap bitmap = LoadBmp(b);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
    EXPECT_EQ(bitmap.Pixel(1, 0), clBlue);
    EXPECT_EQ(bitmap.ScanLine(0)[3], 0x80);
    EXPECT_EQ(bitmap.ScanLine(0)[7], 0x40);
}

TEST(Bitmap, LoadsRle8AndSixteenBitData)
{
    // RLE8 2x1: a run of 2 pixels of index 1, end of bitmap.
    Bytes rle = BmpHeader(2, 1, 8, BI_RLE8, 54 + 8, 2, 4);
    rle.u32(0x00000000).u32(0x0000FFFF);  // black, yellow... as RGBQUAD: B=FF G=FF R=00 -> cyan
    rle.u8(2).u8(1).u8(0).u8(1);
    EXPECT_EQ(LoadBmp(rle).Pixel(1, 0), 0xFFFF00);
    // 16-bit 5-5-5: pure red is 0x7C00.
    Bytes b16 = BmpHeader(1, 1, 16, BI_RGB, 54);
    b16.u16(0x7C00).u16(0);
    EXPECT_EQ(LoadBmp(b16).Pixel(0, 0), clRed);
}

TEST(Bitmap, RefusesDataThatIsNotAWholeBmp)
{
    Bytes good = BmpHeader(4, 4, 24, BI_RGB, 54);
    good.data.resize(54 + 48);
    auto expectInvalid = [](const Bytes& b) {
        try {
            LoadBmp(b);
            ADD_FAILURE() << "loaded";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), L"Bitmap image is not valid");
        }
    };
    Bytes truncated = good;
    truncated.data.resize(54 + 47);
    expectInvalid(truncated);
    Bytes magic = good;
    magic.data[0] = 'X';
    expectInvalid(magic);
    Bytes huge = BmpHeader(100000, 100000, 24, BI_RGB, 54);
    expectInvalid(huge);
    Bytes offset = good;
    offset.data[10] = 200;  // pixel data would start past the end
    expectInvalid(offset);
    Bytes text;
    for (char c : std::string("just some text, not a picture"))
        text.u8(c);
    expectInvalid(text);
    EXPECT_NO_THROW(LoadBmp(good));
}

TEST(Bitmap, SavedFilesLoadBackAndStreamsStopAfterThePicture)
{
    TBitmap original(3, 2, pf32bit);
    original.SetPixel(2, 1, 0x00ABCDEF);
    original.ScanLine(0)[3] = 0x7F;
    TMemoryStream stream;
    original.SaveToStream(stream);
    std::int64_t pictureEnd = stream.Position();
    stream.WriteBuffer("tail", 4);
    stream.SetPosition(0);
    TBitmap copy;
    copy.LoadFromStream(stream);
    EXPECT_EQ(stream.Position(), pictureEnd);
    EXPECT_EQ(copy.PixelFormat(), pf32bit);
    EXPECT_EQ(copy.Pixel(2, 1), 0x00ABCDEF);
    EXPECT_EQ(copy.ScanLine(0)[3], 0x7F);
}

TEST(Bitmap, RawPixelsHandlesAndAssign)
{
    const std::uint8_t pixels[] = {0xFF, 0, 0,    0, 0xFF, 0, 0xAA, 0xBB,  // row 0 + 2 bytes of stride
                                   0,    0, 0xFF, 1, 2,    3, 0xCC, 0xDD};
    TBitmap bitmap;
    bitmap.LoadFromPixels(2, 2, pixels, 8);
    EXPECT_EQ(bitmap.Pixel(0, 0), clBlue);
    EXPECT_EQ(bitmap.Pixel(1, 0), clLime);
    EXPECT_EQ(bitmap.Pixel(0, 1), clRed);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0x010203);
    EXPECT_THROW(bitmap.LoadFromPixels(2, 3, pixels, 8), Exception);

    TBitmap viaHandle;
    viaHandle.LoadFromHandle(bitmap.Handle());
    EXPECT_EQ(viaHandle.Pixel(1, 1), 0x010203);
    TBitmap assigned(bitmap);
    bitmap.SetPixel(0, 0, clWhite);
    EXPECT_EQ(assigned.Pixel(0, 0), clBlue);

    HBITMAP released = bitmap.ReleaseHandle();
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(::GetObjectType(released), static_cast<DWORD>(OBJ_BITMAP));
    ::DeleteObject(released);
}

// A copy from the source DC of a bitmap seen as const gives what was drawn on its canvas, also
// once the DIB was handed out (Handle takes it out of the DC) and after a resize.
TEST(Bitmap, SourceDCGivesWhatTheCanvasDrew)
{
    auto copied = [](const TBitmap& source, int x, int y) {
        TBitmap target(source.Width(), source.Height());
        ::BitBlt(target.Canvas()->Handle(), 0, 0, source.Width(), source.Height(), source.SourceDC(), 0, 0, SRCCOPY);
        return target.Pixel(x, y);
    };
    TBitmap bitmap(3, 2);
    bitmap.Canvas()->SetPixels(2, 1, clRed);
    EXPECT_EQ(copied(bitmap, 2, 1), clRed);
    EXPECT_EQ(copied(bitmap, 0, 0), clBlack);
    ASSERT_NE(bitmap.Handle(), nullptr);
    EXPECT_EQ(copied(bitmap, 2, 1), clRed);
    bitmap.SetSize(4, 2);
    bitmap.SetPixel(3, 0, clBlue);
    EXPECT_EQ(copied(bitmap, 3, 0), clBlue);
    EXPECT_EQ(copied(bitmap, 2, 1), clRed);
}

TEST(Bitmap, CreatingDrawingAndFreeingLeaksNoGdiObject)
{
    int before = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        TBitmap bitmap(16 + i, 8);
        bitmap.Canvas()->Font()->SetSize(8 + i % 3);
        bitmap.Canvas()->TextOut(0, 0, L"abc");
        bitmap.Canvas()->Font()->SetStyle({fsBold});  // changed while selected
        bitmap.Canvas()->Pen()->SetColor(clRed);
        bitmap.Canvas()->LineTo(5, 5);
        bitmap.SetSize(20, 20);  // the canvas DC goes with the old DIB
        bitmap.Canvas()->TextOut(0, 0, L"abc");
        TBitmap copy(bitmap);
        copy.SetTransparent(true);
        bitmap.Canvas()->Draw(0, 0, copy);
    }
    EXPECT_EQ(testing::LiveGdiObjects(), before);
}

}  // namespace
}  // namespace ov
