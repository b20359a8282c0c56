// Tests of TFont: size and height, styles over the weight, handles taken and made, published
// properties by name.
#include "framework/graphics/font.h"
#include "tests/test_counts.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(Font, DefaultsAndSizeHeightConversion)
{
    TFont font;
    font.SetPixelsPerInch(96);
    font.SetHeight(-11);
    EXPECT_EQ(font.Size(), 8);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_TRUE(font.Style().Empty());
}

TEST(Font, ChangesFireOnChangeAndRemakeTheHandle)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    HFONT first = font.Handle();
    font.SetColor(clRed);  // colour is not part of the handle
    EXPECT_EQ(font.Handle(), first);
    font.SetStyle({fsBold, fsUnderline});
    font.SetStyle({fsBold, fsUnderline});  // unchanged: no event
    EXPECT_EQ(changes, 2);
    LOGFONTW lf{};
    ASSERT_EQ(::GetObjectW(font.Handle(), sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfItalic);
}

// The pitch is the low two bits of lfPitchAndFamily; the family above them stays.
TEST(Font, PitchReplacesOnlyThePitchBits)
{
    TFont font;
    LOGFONTW lf = font.LogFont();
    lf.lfPitchAndFamily = FF_ROMAN | VARIABLE_PITCH;
    font.SetLogFont(lf);
    EXPECT_EQ(font.Pitch(), fpVariable);
    font.SetPitch(fpFixed);
    EXPECT_EQ(font.Pitch(), fpFixed);
    EXPECT_EQ(font.LogFont().lfPitchAndFamily, FF_ROMAN | FIXED_PITCH);
    font.SetPitch(fpDefault);
    EXPECT_EQ(font.LogFont().lfPitchAndFamily, FF_ROMAN | DEFAULT_PITCH);
}

TEST(Font, SetHandleTakesTheDescriptionOfASystemFont)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    metrics.lfCaptionFont.lfWeight = FW_SEMIBOLD;
    TFont font;
    font.SetHandle(::CreateFontIndirectW(&metrics.lfCaptionFont));
    EXPECT_EQ(font.Name(), metrics.lfCaptionFont.lfFaceName);
    EXPECT_EQ(font.Height(), metrics.lfCaptionFont.lfHeight);
    font.SetStyle({fsItalic});  // weight other than bold is kept
    EXPECT_EQ(font.LogFont().lfWeight, FW_SEMIBOLD);
}

TEST(Font, PublishedPropertiesByName)
{
    TFont font;
    SetPropertyIdent(font, L"Charset", L"GB2312_CHARSET");
    SetPropertyIdent(font, L"Color", L"clBlue");
    SetPropertyIdent(font, L"Style", L"[fsBold,fsItalic]");
    SetPropertyValue(font, L"Name", std::wstring(L"Tahoma"));
    EXPECT_EQ(font.Charset(), GB2312_CHARSET);
    EXPECT_EQ(font.Color(), clBlue);
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(font.Name(), L"Tahoma");
    EXPECT_EQ(PropertyTypeName(font, L"Color"), L"TColor");
}

TEST(Font, CreatingAndFreeingFontsLeaksNoGdiObject)
{
    int before = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        TFont font;
        font.Handle();
        font.SetSize(9 + i % 5);
        font.Handle();
        TFont copy(font);
        copy.Handle();
    }
    EXPECT_EQ(testing::LiveGdiObjects(), before);
}

}  // namespace
}  // namespace ov
