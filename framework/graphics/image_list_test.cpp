// Tests of TImageList: masked drawing by colour and by mask bitmap, strips, disabled drawing,
// the stored form (written here and built by hand), change links, and GDI object counts.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/core/exception.h"
#include "framework/graphics/image_list.h"
#include "framework/core/streams.h"
#include "tests/test_counts.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TBitmap Filled(int width, int height, TColor color)
{
    TBitmap bitmap(width, height);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(RECT{0, 0, width, height});
    return bitmap;
}

// Draws image `index` onto white and returns the result.
TBitmap DrawnOnWhite(const TImageList& list, int index, bool enabled = true)
{
    TBitmap target = Filled(list.Width() + 2, list.Height() + 2, clWhite);
    list.Draw(*target.Canvas(), 0, 0, index, enabled);
    return target;
}

TEST(ImageList, AddMaskedMakesOneColourTransparentAndLeavesTheSourceAlone)
{
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(8);
    TBitmap image = Filled(8, 8, clRed);
    image.Canvas()->Brush()->SetColor(clFuchsia);
    image.Canvas()->FillRect(RECT{0, 4, 8, 8});  // lower half in the mask colour
    EXPECT_EQ(list.AddMasked(image, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(image.Pixel(0, 7), clFuchsia);
    TBitmap drawn = DrawnOnWhite(list, 0);
    EXPECT_EQ(drawn.Pixel(3, 2), clRed);
    EXPECT_EQ(drawn.Pixel(3, 6), clWhite);

    // clDefault takes the bottom-left pixel as the mask colour.
    EXPECT_EQ(list.AddMasked(image, clDefault), 1);
    EXPECT_EQ(DrawnOnWhite(list, 1).Pixel(3, 6), clWhite);
}

TEST(ImageList, AddWithAMaskBitmapAndStripsOfSeveralImages)
{
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    TBitmap strip = Filled(8, 4, clBlue);
    strip.Canvas()->Brush()->SetColor(clLime);
    strip.Canvas()->FillRect(RECT{4, 0, 8, 4});
    TBitmap mask = Filled(8, 4, clBlack);
    mask.SetPixel(0, 0, clWhite);  // white: transparent
    mask.SetPixel(5, 1, clWhite);
    EXPECT_EQ(list.Add(strip, &mask), 0);
    EXPECT_EQ(list.Count(), 2);
    TBitmap first = DrawnOnWhite(list, 0), second = DrawnOnWhite(list, 1);
    EXPECT_EQ(first.Pixel(0, 0), clWhite);
    EXPECT_EQ(first.Pixel(1, 0), clBlue);
    EXPECT_EQ(second.Pixel(1, 1), clWhite);
    EXPECT_EQ(second.Pixel(2, 2), clLime);

    TBitmap wrong = Filled(6, 4, clRed);
    try {
        list.Add(wrong, nullptr);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Invalid image size");
    }
    list.SetWidth(5);  // a new size empties the list
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, DisabledImagesAreEmbossedInShadowAndHighlight)
{
    TImageList list(nullptr);
    list.SetWidth(6);
    list.SetHeight(6);
    TBitmap image = Filled(6, 6, clFuchsia);
    image.SetPixel(2, 2, clBlack);
    list.AddMasked(image, clFuchsia);
    TBitmap target = Filled(8, 8, clBtnFace);
    list.Draw(*target.Canvas(), 0, 0, 0, false);
    EXPECT_EQ(target.Pixel(2, 2), static_cast<TColor>(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(target.Pixel(3, 3), static_cast<TColor>(ColorToRGB(clBtnHighlight)));
    EXPECT_EQ(target.Pixel(4, 2), static_cast<TColor>(ColorToRGB(clBtnFace)));
    list.Draw(*target.Canvas(), 0, 0, 5);  // no such image: nothing
}

TEST(ImageList, StoredFormRoundTripsAndReadsHandMadeData)
{
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    TBitmap image = Filled(4, 4, clNavy);
    image.SetPixel(3, 3, clFuchsia);
    list.AddMasked(image, clFuchsia);
    TMemoryStream stored;
    list.SaveToStream(stored);

    TImageList again(nullptr);
    again.SetWidth(4);
    again.SetHeight(4);
    stored.SetPosition(0);
    again.LoadFromStream(stored);
    ASSERT_EQ(again.Count(), 1);
    EXPECT_EQ(DrawnOnWhite(again, 0).Pixel(0, 0), clNavy);
    EXPECT_EQ(DrawnOnWhite(again, 0).Pixel(3, 3), clWhite);

    // Two 32-bit images whose fourth byte is the mask, read through the layout's binary property.
    TMemoryStream handMade;
    for (TColor color : {clRed, clLime}) {
        TBitmap picture(4, 4, pf32bit);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                picture.SetPixel(x, y, color);
                picture.ScanLine(y)[4 * x + 3] = x == 0 ? 0 : 0xFF;  // left column transparent
            }
        picture.SaveToStream(handMade);
    }
    handMade.SetPosition(0);
    TImageList fromLayout(nullptr);
    fromLayout.SetWidth(4);
    fromLayout.SetHeight(4);
    TFiler filer;
    fromLayout.DefineProperties(filer);
    const TFiler::TBinaryReader* reader = filer.FindBinaryReader(L"bitmap");
    ASSERT_TRUE(reader);
    (*reader)(handMade);
    ASSERT_EQ(fromLayout.Count(), 2);
    EXPECT_EQ(DrawnOnWhite(fromLayout, 1).Pixel(0, 2), clWhite);
    EXPECT_EQ(DrawnOnWhite(fromLayout, 1).Pixel(1, 2), clLime);

    TBitmap copy;
    EXPECT_TRUE(fromLayout.GetBitmap(0, copy));
    EXPECT_EQ(copy.Pixel(2, 2), clRed);
    EXPECT_EQ(copy.Pixel(0, 2), clBlack);
}

TEST(ImageList, ChangeLinksHearChangesAndOutliveTheirList)
{
    TChangeLink link;
    int changes = 0;
    link.OnChange = [&](TObject*) { ++changes; };
    {
        TImageList list(nullptr);
        list.SetWidth(2);
        list.SetHeight(2);
        list.RegisterChanges(link);
        EXPECT_EQ(link.Sender(), &list);
        TBitmap image = Filled(2, 2, clRed);
        list.Add(image, nullptr);
        list.Delete(0);
        EXPECT_EQ(changes, 2);
        {
            TChangeLink shortLived;
            list.RegisterChanges(shortLived);
        }  // unregisters itself
        list.Clear();
        EXPECT_EQ(changes, 3);
    }
    EXPECT_EQ(link.Sender(), nullptr);
}

TEST(ImageList, CreatingFillingDrawingAndFreeingLeaksNoGdiObject)
{
    TBitmap image = Filled(16, 16, clRed);
    TBitmap target = Filled(20, 20, clWhite);
    image.Handle();  // frees the canvas DC that filling made, before counting
    int before = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        TImageList list(nullptr);
        list.AddMasked(image, clWhite);
        list.Add(image, &image);
        list.Draw(*target.Canvas(), 0, 0, 0);
        list.Draw(*target.Canvas(), 0, 0, 1, false);
        TMemoryStream stream;
        list.SaveToStream(stream);
    }
    EXPECT_EQ(testing::LiveGdiObjects(), before);
}

}  // namespace
}  // namespace ov
