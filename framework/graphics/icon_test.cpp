// Tests of TIcon: .ico data built here with two images, the choice of image by requested size,
// transparent drawing checked by pixels, RT_GROUP_ICON resources, and refusal of broken data.
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/core/exception.h"
#include "framework/core/handle.h"
#include "framework/graphics/icon.h"
#include "framework/core/streams.h"
#include "tests/test_counts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ov {
namespace {

void Put16(std::vector<std::uint8_t>& b, int v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    Put16(b, static_cast<int>(v & 0xFFFF));
    Put16(b, static_cast<int>(v >> 16));
}

// One icon image: 24-bit colour rows, then the AND mask; the left half is transparent (mask 1,
// colour black, as the screen is ANDed with the mask and then XORed with the colour) when
// `halfTransparent`. Both bottom-up, height doubled in the header as icons require.
std::vector<std::uint8_t> IconImage(int side, COLORREF color, bool halfTransparent)
{
    std::vector<std::uint8_t> b;
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(side));
    Put32(b, static_cast<std::uint32_t>(side * 2));
    Put16(b, 1);
    Put16(b, 24);
    for (int i = 0; i < 6; ++i)
        Put32(b, 0);
    int colorStride = (side * 3 + 3) & ~3, maskStride = ((side + 31) / 32) * 4;
    auto transparent = [&](int x) { return halfTransparent && x < side / 2; };
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < colorStride; ++x) {
            bool inside = x < side * 3 && !transparent(x / 3);
            b.push_back(inside ? static_cast<std::uint8_t>(color >> (8 * (2 - x % 3))) : 0);
        }
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < maskStride; ++x) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (transparent(x * 8 + bit))
                    bits |= 0x80 >> bit;
            b.push_back(bits);
        }
    return b;
}

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

// A .ico file: a 16x16 red image with a transparent left half, and a 32x32 blue one.
std::vector<std::uint8_t> IcoFile()
{
    std::vector<std::vector<std::uint8_t>> images{IconImage(16, kRed, true), IconImage(32, kBlue, false)};
    std::vector<std::uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, 2);
    std::uint32_t offset = 6 + 16 * 2;
    for (size_t i = 0; i < images.size(); ++i) {
        int side = i == 0 ? 16 : 32;
        file.push_back(static_cast<std::uint8_t>(side));
        file.push_back(static_cast<std::uint8_t>(side));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 24);
        Put32(file, static_cast<std::uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        file.insert(file.end(), image.begin(), image.end());
    return file;
}

TIcon LoadIco(int requested)
{
    TMemoryStream stream(IcoFile());
    TIcon icon;
    icon.SetRequestedSize(requested, requested);
    icon.LoadFromStream(stream);
    return icon;
}

TEST(Icon, PicksTheImageThatFitsTheRequestedSize)
{
    EXPECT_EQ(LoadIco(16).Width(), 16);
    EXPECT_EQ(LoadIco(32).Height(), 32);
    EXPECT_EQ(LoadIco(20).Width(), 32);  // the nearest larger
    EXPECT_EQ(LoadIco(48).Width(), 32);  // none larger: the largest
    EXPECT_EQ(LoadIco(8).Width(), 16);
}

TEST(Icon, DrawsThroughItsMaskAndStretches)
{
    TIcon icon = LoadIco(16);
    TBitmap target(32, 32);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(RECT{0, 0, 32, 32});
    target.Canvas()->Draw(0, 0, icon);
    EXPECT_EQ(target.Pixel(3, 8), clWhite);  // transparent half
    EXPECT_EQ(target.Pixel(12, 8), clRed);
    EXPECT_EQ(target.Pixel(20, 8), clWhite);  // outside the icon
    target.Canvas()->StretchDraw(RECT{0, 0, 32, 32}, icon);
    EXPECT_EQ(target.Pixel(28, 28), clRed);
    EXPECT_EQ(target.Pixel(6, 28), clWhite);

    TIcon copy(icon);  // NOLINT(performance-unnecessary-copy-initialization): the copy is what is tested
    EXPECT_NE(copy.Handle(), icon.Handle());
    EXPECT_EQ(copy.Width(), 16);
}

TEST(Icon, RefusesBrokenData)
{
    std::vector<std::uint8_t> file = IcoFile();
    file[2] = 2;  // a cursor directory
    TMemoryStream cursor(file);
    TIcon icon;
    EXPECT_THROW(icon.LoadFromStream(cursor), Exception);
    file = IcoFile();
    file.resize(file.size() - 10);  // the last image runs past the end
    TMemoryStream truncated(file);
    icon.SetRequestedSize(32, 32);
    try {
        icon.LoadFromStream(truncated);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Icon image is not valid");
    }
}

TEST(Icon, LoadsGroupIconResourcesByNameAndReportsMissingOnes)
{
    // This program copied with RT_ICON 1 and 2 and the group MAINICON added.
    wchar_t folder[MAX_PATH], self[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = std::wstring(folder) + L"ovicon" + std::to_wstring(::GetCurrentProcessId()) + L".exe";
    struct Remove {
        std::wstring path;
        ~Remove() { ::DeleteFileW(path.c_str()); }
    } remove{path};
    ASSERT_TRUE(::CopyFileW(self, path.c_str(), FALSE));
    std::vector<std::uint8_t> small = IconImage(16, kRed, true), large = IconImage(32, kBlue, false);
    std::vector<std::uint8_t> group;
    Put16(group, 0);
    Put16(group, 1);
    Put16(group, 2);
    for (int i = 0; i < 2; ++i) {
        group.push_back(i == 0 ? 16 : 32);
        group.push_back(i == 0 ? 16 : 32);
        group.push_back(0);
        group.push_back(0);
        Put16(group, 1);
        Put16(group, 24);
        Put32(group, static_cast<std::uint32_t>((i == 0 ? small : large).size()));
        Put16(group, i + 1);
    }
    HANDLE update = ::BeginUpdateResourceW(path.c_str(), FALSE);
    ASSERT_TRUE(update);
    WORD neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    ::UpdateResourceW(update, RT_ICON, MAKEINTRESOURCEW(1), neutral, small.data(), static_cast<DWORD>(small.size()));
    ::UpdateResourceW(update, RT_ICON, MAKEINTRESOURCEW(2), neutral, large.data(), static_cast<DWORD>(large.size()));
    ::UpdateResourceW(update, RT_GROUP_ICON, L"MAINICON", neutral, group.data(), static_cast<DWORD>(group.size()));
    ASSERT_TRUE(::EndUpdateResourceW(update, FALSE));
    UniqueModule module(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(module);

    TIcon icon;
    icon.SetRequestedSize(32, 32);
    icon.LoadFromResourceName(module.get(), L"mainicon");
    EXPECT_EQ(icon.Width(), 32);
    icon.SetRequestedSize(16, 16);
    icon.LoadFromResourceName(module.get(), L"MAINICON");
    EXPECT_EQ(icon.Width(), 16);
    try {
        icon.LoadFromResourceName(module.get(), L"OTHERICON");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Resource OTHERICON not found");
    }
}

TEST(Icon, LoadingAndFreeingLeaksNoGdiObject)
{
    int before = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        TIcon icon = LoadIco(i % 2 ? 16 : 32);
        TIcon copy(icon);  // NOLINT(performance-unnecessary-copy-initialization): the copy is what is tested
        TBitmap target(8, 8);
        target.Canvas()->Draw(0, 0, copy);
    }
    EXPECT_EQ(testing::LiveGdiObjects(), before);
}

}  // namespace
}  // namespace ov
