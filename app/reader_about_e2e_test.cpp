// The About box of the real ovalune.exe under the skin: its OK button is the reader's skinned push
// button. Its face comes from the skin's button picture in each state the real pointer puts it in,
// a click on it closes the box, and Enter still does.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/reader_driver.h"
#include "skin/data/skin_reader_win.h"
#include "skin/data/skin_test_builders.h"
#include "tests/real_input.h"
#include "tests/skin_pictures_on_screen.h"

namespace ov::test {
namespace {

constexpr int kAboutToolButton = 3;

TkrvSkinReader& Skin()
{
    static TkrvSkinReader reader(testing::HostPath(OV_BUILTIN_SKIN_PATH), "");
    return reader;
}

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Skin().Loaded());
        ASSERT_TRUE(reader.Start(WinePath(OVALUNE_EXE))) << "the reader did not paint its first chapter";
        reader.ClickToolButton(kAboutToolButton);
        ASSERT_TRUE(WaitUntil([&] { return (about = reader.FindTopLevel(L"关于")) != nullptr; }));
        for (HWND child : Descendants(about))
            if (WindowClass(child) == L"TButton")
                ok = child;
        ASSERT_NE(ok, nullptr) << "the About box has its OK button";
    }
    void TearDown() override { MoveMouseTo({2, 2}); }

    [[nodiscard]] POINT OkCentre() const
    {
        RECT r = ScreenRect(ok);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // Waits for the OK button to show one of the skin's faces.
    [[nodiscard]] bool ShowsFace(int face) const
    {
        return WaitUntil([&] { return ShownButtonFace(Skin(), ScreenRect(ok)) == face; });
    }
    [[nodiscard]] bool Closed() const
    {
        return WaitUntil([&] { return !IsWindowVisible(about) && IsWindowEnabled(reader.MainWindow()); });
    }

    ReaderProcess reader;
    HWND about = nullptr;
    HWND ok = nullptr;
};

TEST_F(AboutBox, TheOkButtonIsTheSkinsButtonAndAClickClosesTheBox)
{
    RECT box = ScreenRect(about);
    MoveMouseTo({box.left + 4, box.bottom - 4});
    EXPECT_TRUE(ShowsFace(1)) << "normal";
    MoveMouseTo(OkCentre());
    EXPECT_TRUE(ShowsFace(2)) << "hot under the pointer";
    PressLeftAt(OkCentre());
    EXPECT_TRUE(ShowsFace(3)) << "pressed";
    EXPECT_TRUE(IsWindowVisible(about)) << "a press alone does not close the box";
    ReleaseLeftAt(OkCentre());
    EXPECT_TRUE(Closed());

    // Shown again, the button is skinned again and Enter closes the box as before.
    reader.ClickToolButton(kAboutToolButton);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(about) != FALSE; }));
    MoveMouseTo({2, 2});
    EXPECT_TRUE(ShowsFace(1));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));
    reader.PressKey(VK_RETURN);
    EXPECT_TRUE(Closed());
}

}  // namespace
}  // namespace ov::test
