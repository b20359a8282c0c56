// Tests of TCanvas, checked by pixels of a bitmap: fills, frames, lines and text, text background
// by brush style, and a borrowed DC left exactly as it was found.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "tests/test_counts.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

// A white bitmap to draw on.
TBitmap WhiteBitmap(int width, int height)
{
    TBitmap bitmap(width, height);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(RECT{0, 0, width, height});
    return bitmap;
}

int CountPixels(const TBitmap& bitmap, const RECT& area, TColor color)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += bitmap.Pixel(x, y) == color;
    return count;
}

TEST(Canvas, ShapesUsePenOutlinesAndBrushInsides)
{
    TBitmap bitmap = WhiteBitmap(20, 20);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Pen()->SetColor(clRed);
    canvas.Brush()->SetColor(clBlue);
    canvas.Rectangle(2, 2, 10, 10);
    EXPECT_EQ(bitmap.Pixel(2, 2), clRed);
    EXPECT_EQ(bitmap.Pixel(9, 9), clRed);
    EXPECT_EQ(bitmap.Pixel(5, 5), clBlue);
    EXPECT_EQ(bitmap.Pixel(10, 10), clWhite);  // right and bottom are exclusive

    canvas.Brush()->SetColor(clLime);
    canvas.FrameRect(RECT{12, 12, 18, 18});
    EXPECT_EQ(bitmap.Pixel(12, 17), clLime);
    EXPECT_EQ(bitmap.Pixel(14, 14), clWhite);

    canvas.Pen()->SetColor(clBlack);
    canvas.MoveTo(0, 19);
    canvas.LineTo(5, 19);
    EXPECT_EQ(CountPixels(bitmap, RECT{0, 19, 20, 20}, clBlack), 5);  // the end point is not drawn
    EXPECT_EQ(canvas.PenPos().x, 5);

    const POINT triangle[] = {{12, 0}, {18, 0}, {15, 3}};
    canvas.Brush()->SetColor(clYellow);
    canvas.Polygon(triangle);
    EXPECT_EQ(bitmap.Pixel(15, 1), clYellow);
}

TEST(Canvas, TextIsDrawnInTheFontColourOverTheBrushUnlessClear)
{
    TBitmap bitmap = WhiteBitmap(120, 40);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Font()->SetName(L"Tahoma");
    canvas.Font()->SetHeight(-16);
    canvas.Font()->SetColor(clRed);
    canvas.Brush()->SetColor(clLime);
    SIZE extent = canvas.TextExtent(L"WWW");
    EXPECT_GT(extent.cx, 20);
    EXPECT_GE(extent.cy, 16);
    canvas.TextOut(0, 0, L"WWW");
    RECT cell{0, 0, extent.cx, extent.cy};
    EXPECT_GT(CountPixels(bitmap, cell, clRed), 20);
    EXPECT_GT(CountPixels(bitmap, cell, clLime), 20);  // opaque background in the brush colour
    EXPECT_EQ(canvas.PenPos().x, extent.cx);

    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(60, 0, L"WWW");
    RECT second{60, 0, 60 + extent.cx, extent.cy};
    EXPECT_GT(CountPixels(bitmap, second, clRed), 20);
    EXPECT_EQ(CountPixels(bitmap, second, clLime), 0);

    // A bigger font makes wider text: the change reaches the DC.
    canvas.Font()->SetHeight(-32);
    EXPECT_GT(canvas.TextWidth(L"WWW"), extent.cx);
}

TEST(Canvas, DrawTextMeasuresAndClips)
{
    TBitmap bitmap = WhiteBitmap(60, 30);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Font()->SetColor(clBlack);
    RECT measured{0, 0, 1000, 0};
    int height = canvas.DrawText(L"Hello", measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(measured.right, canvas.TextWidth(L"Hello"));
    EXPECT_EQ(height, measured.bottom);
    EXPECT_EQ(CountPixels(bitmap, RECT{0, 0, 60, 30}, clWhite), 60 * 30);  // measuring draws nothing
    RECT clip{0, 0, 10, 30};
    canvas.DrawText(L"WWWWWWWW", clip, DT_SINGLELINE);
    EXPECT_LT(CountPixels(bitmap, RECT{0, 0, 10, 30}, clWhite), 10 * 30);
    EXPECT_EQ(CountPixels(bitmap, RECT{10, 0, 60, 30}, clWhite), 50 * 30);
}

TEST(Canvas, CopyRectStretchesAndHonoursCopyMode)
{
    TBitmap source = WhiteBitmap(2, 2);
    source.SetPixel(0, 0, clRed);
    TBitmap target = WhiteBitmap(4, 4);
    target.Canvas()->CopyRect(RECT{0, 0, 4, 4}, *source.Canvas(), RECT{0, 0, 2, 2});
    EXPECT_EQ(target.Pixel(1, 1), clRed);
    EXPECT_EQ(target.Pixel(2, 2), clWhite);
    target.Canvas()->SetCopyMode(cmNotSrcCopy);
    target.Canvas()->CopyRect(RECT{0, 0, 2, 2}, *source.Canvas(), RECT{0, 0, 2, 2});
    EXPECT_EQ(target.Pixel(0, 0), 0x00FFFF00);  // not red
    EXPECT_EQ(target.Pixel(1, 1), clBlack);     // not white
}

// A picture that is only read (a const bitmap) is copied the same way as from its canvas.
TEST(Canvas, CopyRectReadsAConstBitmap)
{
    TBitmap picture = WhiteBitmap(3, 1);
    picture.SetPixel(2, 0, clRed);
    const TBitmap& source = picture;
    TBitmap target = WhiteBitmap(4, 2);
    target.Canvas()->CopyRect(RECT{1, 1, 3, 2}, source, RECT{1, 0, 3, 1});
    EXPECT_EQ(target.Pixel(1, 1), clWhite);
    EXPECT_EQ(target.Pixel(2, 1), clRed);
    EXPECT_EQ(CountPixels(target, RECT{0, 0, 4, 1}, clWhite), 4);
}

TEST(Canvas, BorrowedDCIsRestoredAndNotDeleted)
{
    TBitmap bitmap(8, 8);
    UniqueDC dc(::CreateCompatibleDC(nullptr));
    HGDIOBJ oldBitmap = ::SelectObject(dc.get(), bitmap.Handle());
    HGDIOBJ font = ::GetCurrentObject(dc.get(), OBJ_FONT);
    HGDIOBJ brush = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    COLORREF textColor = ::GetTextColor(dc.get());
    {
        TCanvas canvas(dc.get());
        canvas.Font()->SetColor(clRed);
        canvas.Brush()->SetColor(clBlue);
        canvas.TextOut(0, 0, L"x");
        canvas.FillRect(RECT{0, 0, 8, 8});
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), canvas.Brush()->Handle());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), font);
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush);
    EXPECT_EQ(::GetTextColor(dc.get()), textColor);
    EXPECT_EQ(::GetObjectType(dc.get()), static_cast<DWORD>(OBJ_MEMDC));
    ::SelectObject(dc.get(), oldBitmap);
    EXPECT_EQ(bitmap.Pixel(3, 3), clBlue);
}

TEST(Canvas, WrappingBorrowedDCsLeaksNoGdiObject)
{
    UniqueDC dc(::CreateCompatibleDC(nullptr));
    int before = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        TCanvas canvas(dc.get());
        canvas.Font()->SetHeight(-10 - i % 4);
        canvas.TextOut(0, 0, L"a");
        canvas.Pen()->SetWidth(2);
        canvas.Rectangle(0, 0, 4, 4);
        canvas.Brush()->SetStyle(bsCross);
        canvas.FillRect(RECT{0, 0, 2, 2});
    }
    EXPECT_EQ(testing::LiveGdiObjects(), before);
}

}  // namespace
}  // namespace ov
