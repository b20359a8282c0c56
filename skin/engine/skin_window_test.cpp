// Skinned frames on real windows: the title button geometry, the frame's pixels against the skin's
// own bitmaps, hovering a title button with the real pointer, message boxes, switching the skin off
// and on, the window region, and frames of borderless and parented forms.
#include "skin/engine/skin_window.h"

#include <gtest/gtest.h>

#include "framework/forms/application.h"
#include "framework/controls/button.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/engine/engine_test_support.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window_wnd.h"
#include "tests/real_input.h"
#include "tests/screen_pixels.h"

namespace ov {
namespace {

TEST(TitleButtonGeometry, ButtonsFromTheRightAndTheirFrames)
{
    // Three buttons 19 wide in a 400-pixel window, 7 pixels from the right edge.
    TkrvTitleButtonLayout layout = LayoutTitleButtons(400, 18 * 19, 20, 3, 7, 4, false, 0);
    EXPECT_EQ(layout.width, 19);
    EXPECT_EQ(layout.firstLeft, 400 - 7 - 19);
    EXPECT_EQ(layout.top, 4);
    EXPECT_EQ(layout.buttonsLeft, 374 - 3 * 21 + 19);
    EXPECT_EQ(TitleButtonGroupWidth(19, 3), 19 * 3 + 4 + 15);
    // A minimised window: 5 pixels from the edge, centred in 26 rows.
    TkrvTitleButtonLayout minimized = LayoutTitleButtons(160, 18 * 19, 20, 3, 7, 4, true, MinimizedButtonTop(20));
    EXPECT_EQ(minimized.firstLeft, 160 - 19 - 5);
    EXPECT_EQ(MinimizedButtonTop(20), 3);
    EXPECT_EQ(MinimizedButtonTop(14), 8) << "a short button moves down two more";

    EXPECT_EQ(TitleButtonFrame(tbClose, false, false, false, false), 16);
    EXPECT_EQ(TitleButtonFrame(tbClose, false, false, true, false), 17);
    EXPECT_EQ(TitleButtonFrame(tbClose, false, false, true, true), 18);
    EXPECT_EQ(TitleButtonFrame(tbMaximize, false, false, false, false), 7);
    EXPECT_EQ(TitleButtonFrame(tbMaximize, true, false, true, false), 11) << "restore on a maximised window";
    EXPECT_EQ(TitleButtonFrame(tbMinimize, false, false, false, false), 13);
    EXPECT_EQ(TitleButtonFrame(tbMinimize, false, true, false, false), 10) << "restore on a minimised window";
    EXPECT_EQ(TitleButtonFrame(tbHelp, false, false, true, true), 6);
}

// One pixel of the skin's bitmap, as the screen shows it.
COLORREF SkinPixel(Skin2Bitmap id, int x, int y)
{
    return static_cast<COLORREF>(ColorToRGB(test::BuiltinSkin().GetBitmap(id)->Pixel(x, y)));
}

COLORREF ButtonPixel(int frame, int x, int y)
{
    TBitmap cell;
    CopyCell(test::BuiltinSkin().GetBitmap(SKIN2_TITLEBUTTONS), cell, 18, frame);
    return static_cast<COLORREF>(ColorToRGB(cell.Pixel(x, y)));
}

class SkinnedFrame : public ::testing::Test {
protected:
    SkinnedFrame() : skinned(test::FormLayout(400, 200)) { skinned.ShowInFront(); }

    [[nodiscard]] RECT Bounds() const
    {
        RECT r{};
        GetWindowRect(skinned.Window(), &r);
        return r;
    }
    [[nodiscard]] int TitleHeight() const { return test::BuiltinSkin().GetBitmap(SKIN2_TITLEBAR1)->Height(); }
    [[nodiscard]] int ButtonWidth() const { return test::BuiltinSkin().GetBitmap(SKIN2_TITLEBUTTONS)->Width() / 18; }
    [[nodiscard]] int CloseLeft() const
    {
        return Bounds().right - Bounds().left - test::BuiltinSkin().GetInteger(SKIN2_TITLEBARBUTTONPOSX) -
               ButtonWidth();
    }
    [[nodiscard]] int ButtonTop() const { return test::BuiltinSkin().GetInteger(SKIN2_TITLEBARBUTTONPOSY); }

    test::SkinnedForm skinned;
};

// The title bar's end pieces and middle, the side borders and the bottom border are the skin's
// pictures; the title buttons show their normal frames.
TEST_F(SkinnedFrame, TheFrameShowsTheSkinsPictures)
{
    test::ScreenPixels shot = test::CaptureWindow(skinned.Window());
    const int width = shot.Width(), height = shot.Height(), title = TitleHeight();
    const int endWidth = test::BuiltinSkin().GetBitmap(SKIN2_TITLEBAR3)->Width();
    for (int y = 0; y < title; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(shot.At(2, y), SkinPixel(SKIN2_TITLEBAR1, 2, y));
        EXPECT_EQ(shot.At(width / 2 + 60, y), SkinPixel(SKIN2_TITLEBAR2, 0, y));
        if (y < ButtonTop()) {
            EXPECT_EQ(shot.At(width - 3, y), SkinPixel(SKIN2_TITLEBAR3, endWidth - 3, y));
        }
    }
    for (int y = title; y < height - 1; y += 7) {
        EXPECT_EQ(shot.At(0, y), SkinPixel(SKIN2_FORMLEFTBORDER, 0, 0));
        EXPECT_EQ(shot.At(width - 1, y), SkinPixel(SKIN2_FORMRIGHTBORDER, 0, 0));
    }
    for (int x = 0; x < width; x += 13)
        EXPECT_EQ(shot.At(x, height - 1), SkinPixel(SKIN2_FORMBOTTOMBORDER1, 0, 0));
    const int close = CloseLeft(), w = ButtonWidth();
    for (int i = 0; i < w; i += 3) {
        EXPECT_EQ(shot.At(close + i, ButtonTop() + 10), ButtonPixel(16, i, 10)) << "close";
        EXPECT_EQ(shot.At(close - (w + 2) + i, ButtonTop() + 10), ButtonPixel(7, i, 10)) << "maximise";
        EXPECT_EQ(shot.At(close - 2 * (w + 2) + i, ButtonTop() + 10), ButtonPixel(13, i, 10)) << "minimise";
    }
    // Both region flags are off in this skin: the window's region is its whole rectangle.
    RECT box{};
    ASSERT_NE(GetWindowRgnBox(skinned.Window(), &box), ERROR);
    EXPECT_EQ(box.right - box.left, width);
    EXPECT_EQ(box.bottom - box.top, height);
}

// The close button under the real pointer shows its hover frame, and a click on it closes the form.
TEST_F(SkinnedFrame, TheCloseButtonHoversUnderThePointerAndCloses)
{
    RECT r = Bounds();
    const int close = CloseLeft();
    POINT centre{r.left + close + ButtonWidth() / 2, r.top + ButtonTop() + 10};
    test::MoveMouseTo({centre.x - 60, centre.y});
    test::Pump(100);
    test::MoveMouseTo(centre);
    test::Pump(150);
    TkrvSkinWindow* frame = skinned.Engine()->FindSkinWindow(skinned.Window());
    EXPECT_EQ(frame->HoverButton(), tbClose);
    test::ScreenPixels shot = test::CaptureWindow(skinned.Window());
    for (int i = 0; i < ButtonWidth(); i += 3)
        EXPECT_EQ(shot.At(close + i, ButtonTop() + 2), ButtonPixel(17, i, 2));

    test::ClickAt(centre);
    test::Pump(200);
    EXPECT_FALSE(IsWindowVisible(skinned.Window())) << "the close button hid the form";
}

// Switching the skin off gives the native frame back with the same client size and the controls in
// place; on again, nothing moves twice.
TEST(SkinSwitching, ActiveOffAndOnKeepsTheClientAndTheControls)
{
    test::SkinnedForm skinned(test::FormLayout(300, 150,
                                               "  object Button1: TButton\n    Left = 20\n    Top = 30\n"
                                               "    Anchors = [akLeft, akTop]\n  end\n"));
    skinned.ShowInFront();
    auto* button = static_cast<TButton*>(skinned.Form()->FindComponent(L"Button1"));
    auto clientOf = [&] {
        RECT c{};
        GetClientRect(skinned.Window(), &c);
        return std::pair{c.right, c.bottom};
    };
    auto buttonAt = [&] {
        RECT b{};
        GetWindowRect(button->Handle(), &b);
        MapWindowPoints(nullptr, skinned.Window(), reinterpret_cast<POINT*>(&b), 2);
        return std::pair{b.left, b.top};
    };
    EXPECT_EQ(clientOf(), (std::pair{300L, 150L}));
    EXPECT_EQ(buttonAt(), (std::pair{20L, 30L}));
    EXPECT_EQ(SendMessageW(skinned.Window(), WM_KRV_QUERYSKINNED, 0, 0), 1);
    for (int round = 0; round < 3; ++round) {
        skinned.Engine()->SetActive(false);
        test::Pump(30);
        EXPECT_EQ(clientOf(), (std::pair{300L, 150L}));
        EXPECT_EQ(buttonAt(), (std::pair{20L, 30L}));
        EXPECT_NE(GetWindowLongPtrW(skinned.Window(), GWL_STYLE) & WS_SYSMENU, 0) << "the native buttons are back";
        skinned.Engine()->SetActive(true);
        test::Pump(30);
        EXPECT_EQ(clientOf(), (std::pair{300L, 150L}));
        EXPECT_EQ(buttonAt(), (std::pair{20L, 30L}));
        EXPECT_EQ(GetWindowLongPtrW(skinned.Window(), GWL_STYLE) & WS_SYSMENU, 0);
    }
}

// A borderless form has neither title nor borders; a form placed inside another has borders only.
TEST(SkinnedFrames, BorderlessAndParentedForms)
{
    test::SkinnedForm skinned(test::FormLayout(200, 100, "  BorderStyle = bsNone\n"));
    skinned.ShowInFront();
    RECT window{}, client{};
    GetWindowRect(skinned.Window(), &window);
    GetClientRect(skinned.Window(), &client);
    EXPECT_EQ(window.right - window.left, client.right);
    EXPECT_EQ(window.bottom - window.top, client.bottom);
    EXPECT_EQ(skinned.Engine()->FindSkinWindow(skinned.Window())->CaptionHeight(), 0);
}

// A message box is skinned when it activates: it grows by the skin's borders, and its title close
// button answers IDCANCEL.
struct MessageBoxProbe {
    std::wstring caption;
    RECT bounds{};
    POINT clientOrigin{};
    bool skinned = false;
    bool clickClose = false;
    static MessageBoxProbe* current;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        HWND box = FindWindowW(L"#32770", current->caption.c_str());
        if (!box || !IsWindowVisible(box))
            return;
        KillTimer(nullptr, id);
        test::Pump(100);
        current->skinned = SendMessageW(box, WM_KRV_QUERYSKINNED, 0, 0) == 1;
        GetWindowRect(box, &current->bounds);
        current->clientOrigin = {0, 0};
        ClientToScreen(box, &current->clientOrigin);
        if (!current->clickClose) {
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return;
        }
        TkrvSkinReader& skin = test::BuiltinSkin();
        int w = skin.GetBitmap(SKIN2_TITLEBUTTONS)->Width() / 18;
        POINT close{current->bounds.right - skin.GetInteger(SKIN2_TITLEBARBUTTONPOSX) - w + w / 2,
                    current->bounds.top + skin.GetInteger(SKIN2_TITLEBARBUTTONPOSY) + 10};
        test::MoveMouseTo(close);
        test::ClickAt(close);
    }

    int Show(bool closeWithTitleButton)
    {
        current = this;
        clickClose = closeWithTitleButton;
        SetTimer(nullptr, 0, 30, Tick);
        return MessageBoxW(nullptr, L"Skinned message box", caption.c_str(), MB_OK);
    }
};
MessageBoxProbe* MessageBoxProbe::current = nullptr;

TEST(SkinnedDialogs, MessageBoxGrowsByTheBordersAndItsCloseButtonCancels)
{
    test::SkinnedForm skinned(test::FormLayout(200, 100));
    skinned.ShowInFront();
    skinned.Engine()->SetSkinDialogs(false);
    MessageBoxProbe native{L"Native box"};
    EXPECT_EQ(native.Show(false), IDOK);
    EXPECT_FALSE(native.skinned);

    skinned.Engine()->SetSkinDialogs(true);
    MessageBoxProbe box{L"Native box"};
    EXPECT_EQ(box.Show(true), IDCANCEL);
    EXPECT_TRUE(box.skinned);
    const TkrvSkinMetrics& m = skinned.Engine()->Metrics();
    int nativeTop = native.clientOrigin.y - native.bounds.top;
    EXPECT_EQ(box.bounds.right - box.bounds.left,
              native.bounds.right - native.bounds.left + m.leftBorderWidth + m.rightBorderWidth);
    EXPECT_EQ(box.bounds.bottom - box.bounds.top, native.bounds.bottom - native.bounds.top + m.titleBarHeight +
                                                      std::max(4, m.bottomBorderHeight) - nativeTop);
    EXPECT_EQ(skinned.Engine()->SkinWindows().size(), 1u) << "the box's skinner went with it";
}

}  // namespace
}  // namespace ov
