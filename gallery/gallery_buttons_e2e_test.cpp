// The buttons, check boxes and radio buttons of the real ovalune-gallery.exe under the skin, used
// with the real pointer and read back from the screen against the skin's own pictures: on its
// Buttons page, in the message box (whose buttons poll the pointer) and in the plain dialog (which
// shows progress and so gets no polling), and after the skin went off and on again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/reader_driver.h"
#include "tests/gallery_process.h"
#include "skin/data/skin_reader_win.h"
#include "skin/data/skin_test_builders.h"
#include "tests/real_input.h"
#include "tests/skin_pictures_on_screen.h"

namespace ov::test {
namespace {

constexpr int kToolButtonWidth = 100;  // the tool bar's ButtonWidth in the gallery's layout
constexpr int kMessageBoxButton = 0;
constexpr int kPlainDialogButton = 3;
constexpr int kSkinButton = 6;
constexpr int kCheckBoxImages = 6;
constexpr int kRadioImages = 4;

TkrvSkinReader& Skin()
{
    static TkrvSkinReader reader(testing::HostPath(OV_BUILTIN_SKIN_PATH), "");
    return reader;
}

SIZE BoxImageSize(Skin2Bitmap id, int count)
{
    const TBitmap* strip = Skin().GetBitmap(id);
    return {strip->Width() / count, strip->Height()};
}

POINT Centre(HWND window)
{
    RECT r = ScreenRect(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool ShowsFace(HWND button, int face)
{
    return WaitUntil([&] { return ShownButtonFace(Skin(), ScreenRect(button)) == face; });
}

bool ShowsImage(Skin2Bitmap id, int count, int index, POINT at)
{
    return WaitUntil([&] { return DifferencesFromSkinImage(Skin(), id, count, index, at) == 0; });
}

// Where a framework check box or radio button shows the skin's image: left, centred in height.
POINT FrameworkBoxAt(HWND control, SIZE image)
{
    RECT r = ScreenRect(control);
    int room = r.bottom - r.top - image.cy;
    return {r.left, r.top + (room >= 0 ? room / 2 : (room - 1) / 2)};
}

// The pointer moved onto the window's centre and then within it, so that the window hears of it
// even when the first move went to a window that was being activated.
void HoverOver(HWND window)
{
    POINT centre = Centre(window);
    MoveMouseTo(centre);
    Sleep(50);
    MoveMouseTo({centre.x + 1, centre.y});
}

POINT TopLeft(HWND window)
{
    RECT r = ScreenRect(window);
    return {r.left, r.top};
}

class GalleryButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Skin().Loaded());
        ASSERT_NE(gallery.Main(), nullptr);
        SetForegroundWindow(gallery.Main());
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == gallery.Main(); }));
        MoveMouseTo(Away());
    }
    void TearDown() override { MoveMouseTo({2, 2}); }

    // A point on the main window's status bar, over no control.
    [[nodiscard]] POINT Away() const
    {
        RECT r = ScreenRect(gallery.Main());
        return {r.left + 300, r.bottom - 12};
    }
    HWND Control(const wchar_t* className, const wchar_t* text) const
    {
        return GalleryProcess::Child(gallery.Main(), className, text);
    }
    void ClickToolButton(int index)
    {
        HWND toolBar = GalleryProcess::Child(gallery.Main(), L"TToolBar");
        POINT at{index * kToolButtonWidth + kToolButtonWidth / 2, 11};
        ClientToScreen(toolBar, &at);
        ClickAt(at);
    }
    HWND OpenDialog(int toolButton)
    {
        ClickToolButton(toolButton);
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = gallery.DialogWindow()) != nullptr; });
        return dialog;
    }
    bool Closes(HWND dialog) const
    {
        return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
    }

    GalleryProcess gallery{GALLERY_EXE, L""};
};

TEST_F(GalleryButtons, TheButtonsPageShowsEveryStateFromTheSkin)
{
    HWND button = Control(L"TButton", L"Button");
    HWND disabled = Control(L"TButton", L"Disabled");
    ASSERT_TRUE(button && disabled);
    EXPECT_TRUE(ShowsFace(button, 1)) << "normal";
    EXPECT_TRUE(ShowsFace(disabled, 1)) << "disabled: the normal face";
    HoverOver(button);
    EXPECT_TRUE(ShowsFace(button, 2)) << "hot";
    HoverOver(disabled);
    EXPECT_TRUE(ShowsFace(disabled, 1)) << "a disabled button does not light up";
    EXPECT_TRUE(ShowsFace(button, 1)) << "the pointer left";

    SIZE box = BoxImageSize(SKIN2_CHECKBOX, kCheckBoxImages);
    struct {
        const wchar_t* text;
        int image;
    } const boxes[] = {{L"Checked", 1}, {L"Grayed", 2}, {L"Unchecked", 3}, {L"Disabled, checked", 4}};
    for (const auto& expected : boxes) {
        HWND check = Control(L"TCheckBox", expected.text);
        ASSERT_NE(check, nullptr) << expected.text;
        EXPECT_TRUE(ShowsImage(SKIN2_CHECKBOX, kCheckBoxImages, expected.image, FrameworkBoxAt(check, box)))
            << expected.text;
    }
    HWND right = Control(L"TCheckBox", L"Box on the right");
    ASSERT_NE(right, nullptr);
    RECT r = ScreenRect(right);
    EXPECT_TRUE(ShowsImage(SKIN2_CHECKBOX, kCheckBoxImages, 3, {r.right - box.cx - 1, FrameworkBoxAt(right, box).y}))
        << "the box at the right edge";
    SIZE circle = BoxImageSize(SKIN2_RADIOBUTTON, kRadioImages);
    HWND radio = Control(L"TRadioButton", L"Unchecked");
    HWND disabledRadio = Control(L"TRadioButton", L"Disabled");
    ASSERT_TRUE(radio && disabledRadio);
    EXPECT_TRUE(ShowsImage(SKIN2_RADIOBUTTON, kRadioImages, 2, FrameworkBoxAt(radio, circle)));
    EXPECT_TRUE(ShowsImage(SKIN2_RADIOBUTTON, kRadioImages, 4, FrameworkBoxAt(disabledRadio, circle)));

    // A click checks the box and shows the checked image; the radio button takes the check.
    HWND unchecked = Control(L"TCheckBox", L"Unchecked");
    ClickAt(Centre(unchecked));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(unchecked, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_TRUE(ShowsImage(SKIN2_CHECKBOX, kCheckBoxImages, 1, FrameworkBoxAt(unchecked, box)));
    ClickAt(Centre(radio));
    EXPECT_TRUE(ShowsImage(SKIN2_RADIOBUTTON, kRadioImages, 1, FrameworkBoxAt(radio, circle)));
    HWND formerlyChecked = Control(L"TRadioButton", L"Checked");
    EXPECT_TRUE(ShowsImage(SKIN2_RADIOBUTTON, kRadioImages, 2, FrameworkBoxAt(formerlyChecked, circle)));
    EXPECT_EQ(gallery.Close(), 0);
}

TEST_F(GalleryButtons, TheMessageBoxButtonsAreSkinnedLoseTheirHotFaceAndClose)
{
    HWND dialog = OpenDialog(kMessageBoxButton);
    ASSERT_NE(dialog, nullptr);
    HWND ok = GalleryProcess::Child(dialog, L"Button", L"OK");
    HWND cancel = GalleryProcess::Child(dialog, L"Button", L"Cancel");
    ASSERT_TRUE(ok && cancel);
    MoveMouseTo(TopLeft(dialog));
    EXPECT_TRUE(ShowsFace(ok, 1));
    EXPECT_TRUE(ShowsFace(cancel, 1));
    HoverOver(cancel);
    EXPECT_TRUE(ShowsFace(cancel, 2)) << "hot under the pointer";
    RECT r = ScreenRect(dialog);
    MoveMouseTo({r.left + 10, (r.top + r.bottom) / 2});
    EXPECT_TRUE(ShowsFace(cancel, 1)) << "the polling timer found the pointer gone";
    PressLeftAt(Centre(ok));
    EXPECT_TRUE(ShowsFace(ok, 3)) << "pressed";
    EXPECT_TRUE(IsWindowVisible(dialog));
    ReleaseLeftAt(Centre(ok));
    EXPECT_TRUE(Closes(dialog));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(gallery.Main()) != FALSE; }));
    EXPECT_EQ(gallery.Close(), 0);
}

TEST_F(GalleryButtons, ThePlainDialogsButtonsCheckBoxAndRadioButtonsAreSkinnedAndWork)
{
    HWND dialog = OpenDialog(kPlainDialogButton);
    ASSERT_NE(dialog, nullptr);
    HWND check = GalleryProcess::Child(dialog, L"Button", L"Check box");
    HWND first = GalleryProcess::Child(dialog, L"Button", L"First");
    HWND second = GalleryProcess::Child(dialog, L"Button", L"Second");
    HWND ok = GalleryProcess::Child(dialog, L"Button", L"OK");
    HWND cancel = GalleryProcess::Child(dialog, L"Button", L"Cancel");
    ASSERT_TRUE(check && first && second && ok && cancel);
    MoveMouseTo(TopLeft(dialog));  // not over a control, whose hot picture would show instead

    // The dialog opens with the box checked and the first choice taken.
    EXPECT_TRUE(ShowsImage(SKIN2_CHECKBOX, kCheckBoxImages, 1, TopLeft(check)));
    EXPECT_TRUE(ShowsImage(SKIN2_RADIOBUTTON, kRadioImages, 1, TopLeft(first)));
    EXPECT_TRUE(ShowsImage(SKIN2_RADIOBUTTON, kRadioImages, 2, TopLeft(second)));
    ClickAt(Centre(check));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(check, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    EXPECT_TRUE(ShowsImage(SKIN2_CHECKBOX, kCheckBoxImages, 3, TopLeft(check)));
    ClickAt(Centre(second));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(second, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    EXPECT_TRUE(ShowsImage(SKIN2_RADIOBUTTON, kRadioImages, 1, TopLeft(second)));
    EXPECT_TRUE(ShowsImage(SKIN2_RADIOBUTTON, kRadioImages, 2, TopLeft(first)));

    // This dialog shows progress and an animation: its buttons do not poll the pointer, so the
    // hot face stays until the button hears from the mouse again.
    HoverOver(ok);
    EXPECT_TRUE(ShowsFace(ok, 2));
    MoveMouseTo(TopLeft(dialog));
    Sleep(500);
    EXPECT_EQ(ShownButtonFace(Skin(), ScreenRect(ok)), 2);
    ClickAt(Centre(cancel));
    EXPECT_TRUE(Closes(dialog));
    EXPECT_EQ(gallery.Close(), 0);
}

TEST_F(GalleryButtons, SkinOffAndOnAgainLeavesTheControlsAsTheyWere)
{
    HWND button = Control(L"TButton", L"Button");
    HWND check = Control(L"TCheckBox", L"Checked");
    ASSERT_TRUE(button && check);
    SIZE box = BoxImageSize(SKIN2_CHECKBOX, kCheckBoxImages);
    EXPECT_TRUE(ShowsFace(button, 1));
    ClickToolButton(kSkinButton);
    MoveMouseTo(Away());
    EXPECT_TRUE(ShowsFace(button, 0)) << "the button's own face";
    EXPECT_TRUE(WaitUntil([&] {
        return DifferencesFromSkinImage(Skin(), SKIN2_CHECKBOX, kCheckBoxImages, 1, FrameworkBoxAt(check, box)) != 0;
    })) << "the system's own box";
    ClickToolButton(kSkinButton);
    MoveMouseTo(Away());
    EXPECT_TRUE(ShowsFace(button, 1));
    EXPECT_TRUE(ShowsImage(SKIN2_CHECKBOX, kCheckBoxImages, 1, FrameworkBoxAt(check, box)));
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(gallery.Close(), 0);
}

}  // namespace
}  // namespace ov::test
