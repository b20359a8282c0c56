// The real ovalune.exe under the skin: a right click in a chapter view opens the view's edit menu
// drawn by the skin (left bar, item ground, separator line, the selected item) like every other
// menu of the program, and the window menu of the skinned icon enables its items as the frame's
// buttons say.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/reader_driver.h"
#include "skin/data/skin_reader_win.h"
#include "skin/data/skin_test_builders.h"
#include "tests/real_input.h"
#include "tests/screen_pixels.h"

namespace ov::test {
namespace {

constexpr COLORREF kSeparatorColour = 0x848284;
constexpr int kItemHeight = 21;  // an item of a menu without images
constexpr int kLineHeight = 5;

std::wstring ReaderPath()
{
    std::wstring path = L"Z:";
    for (char c : std::string(OVALUNE_EXE))
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

TkrvSkinReader& Skin()
{
    static TkrvSkinReader reader(testing::HostPath(OV_BUILTIN_SKIN_PATH), "");
    return reader;
}

COLORREF SkinColour(Skin2Color id) { return static_cast<COLORREF>(ColorToRGB(Skin().GetColor(id))); }
COLORREF PixelAt(POINT screen) { return ScreenPixels({screen.x, screen.y, screen.x + 1, screen.y + 1}).At(0, 0); }

HWND WaitForPopup()
{
    HWND popup = nullptr;
    WaitUntil([&] {
        popup = FindWindowW(L"#32768", nullptr);
        return popup && IsWindowVisible(popup);
    });
    return popup && IsWindowVisible(popup) ? popup : nullptr;
}

class ReaderMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Skin().Loaded());
        ASSERT_TRUE(reader.Start(ReaderPath())) << "the reader did not paint its first chapter";
    }
    ReaderProcess reader;
};

// The edit menu: undo, a line, cut, copy, paste, delete, a line, select all. Its items are the
// skin's; "Select all" (always enabled) is filled and framed in the selection colours under the
// pointer.
TEST_F(ReaderMenus, RightClickInAChapterShowsTheEditMenuDrawnByTheSkin)
{
    HWND view = reader.VisibleView();
    ASSERT_NE(view, nullptr);
    RECT v = ScreenRect(view);
    RightClickAt({(v.left + v.right) / 2, (v.top + v.bottom) / 2});
    HWND popup = WaitForPopup();
    ASSERT_NE(popup, nullptr);
    RECT r = ScreenRect(popup);
    POINT first{r.left + 3, r.top + 3};  // inside the menu window's border and margin
    EXPECT_TRUE(WaitUntil([&] {
        return PixelAt({first.x + 2, first.y + 8}) == SkinColour(SKIN2_LEFTBARSTARTCOLOR) &&
               PixelAt({r.right - 8, first.y + 8}) == SkinColour(SKIN2_MENUITEMCOLOR);
    })) << "the left bar and the item ground in the skin's colours";
    EXPECT_EQ(PixelAt({first.x + 26 + 10, first.y + kItemHeight + 2}), kSeparatorColour) << "the line after Undo";
    int selectAll = first.y + kItemHeight + kLineHeight + 4 * kItemHeight + kLineHeight;
    POINT inside{r.right - 12, selectAll + kItemHeight / 2};
    EXPECT_TRUE(WaitUntil([&] {  // given again until the menu's loop, maybe not running yet, takes it
        MoveMouseTo(inside);
        return PixelAt(inside) == SkinColour(SKIN2_SELECTEDMENUCOLOR);
    }));
    EXPECT_EQ(PixelAt({inside.x, selectAll}), SkinColour(SKIN2_SELECTEDMENUBORDERCOLOR));
    reader.PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(popup); }));
}

}  // namespace
}  // namespace ov::test
