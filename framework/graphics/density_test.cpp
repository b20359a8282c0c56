// Scaling lengths to a density: one rounding rule, exact at 96 DPI, and the lookups that fall back
// on systems without per-monitor functions.
#include "framework/graphics/density.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(Density, ScalingIsExactAt96AndRoundsHalvesAwayFromZero)
{
    for (int value : {-27, -1, 0, 1, 12, 27, 4000})
        EXPECT_EQ(ScaleToDpi(value, 96), value);
    EXPECT_EQ(ScaleToDpi(27, 144), 41);  // 40.5
    EXPECT_EQ(ScaleToDpi(-27, 144), -41);
    EXPECT_EQ(ScaleToDpi(27, 120), 34);  // 33.75
    EXPECT_EQ(ScaleToDpi(27, 192), 54);
    EXPECT_EQ(ScaleToDpi(5, 168), 9);  // 8.75
    EXPECT_EQ(UnscaleFromDpi(54, 192), 27);
    EXPECT_EQ(UnscaleFromDpi(41, 144), 27);  // 27.33
    EXPECT_EQ(UnscaleFromDpi(41, 96), 41);
}

TEST(Density, WindowsAndTheSystemHaveADensity)
{
    EXPECT_GE(SystemDpi(), 96);
    EXPECT_EQ(WindowDpi(nullptr), SystemDpi());
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_GE(WindowDpi(window), 96);
    ::DestroyWindow(window);
    EXPECT_GT(SystemMetricForDpi(SM_CYCAPTION, 192), SystemMetricForDpi(SM_CYCAPTION, 96));
}

TEST(Density, ADpiChangeMessageGivesTheNewDensityAndTheSuggestedRectangle)
{
    RECT suggested{10, 20, 810, 620};
    TDpiChange change = ReadDpiChange(MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(change.dpi, 192);
    EXPECT_EQ(change.suggested.right, 810);
    EXPECT_EQ(ReadDpiChange(MAKEWPARAM(120, 120), 0).dpi, 120);
}

}  // namespace
}  // namespace ov
