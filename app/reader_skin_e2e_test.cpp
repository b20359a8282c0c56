// The real ovalune.exe under the skin, used with the real pointer: its frame shows the built-in
// skin's pictures, the title buttons hover, minimise, maximise and restore, the caption maximises
// on a double click and moves the window when dragged, the icon opens the window menu, and the
// About box closes from its skinned close button.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/reader_driver.h"
#include "skin/data/scroll_btn_res_win.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_reader_win.h"
#include "skin/data/skin_test_builders.h"
#include "tests/real_input.h"
#include "tests/screen_pixels.h"

namespace ov::test {
namespace {

TkrvSkinReader& Skin()
{
    static TkrvSkinReader reader(testing::HostPath(OV_BUILTIN_SKIN_PATH), "");
    return reader;
}

COLORREF SkinPixel(Skin2Bitmap id, int x, int y)
{
    return static_cast<COLORREF>(ColorToRGB(Skin().GetBitmap(id)->Pixel(x, y)));
}

COLORREF ButtonPixel(int frame, int x, int y)
{
    TBitmap cell;
    CopyCell(Skin().GetBitmap(SKIN2_TITLEBUTTONS), cell, 18, frame);
    return static_cast<COLORREF>(ColorToRGB(cell.Pixel(x, y)));
}

constexpr UINT kQuerySkinned = 0x2AAA;  // a skinned window answers 1

int ButtonWidth() { return Skin().GetBitmap(SKIN2_TITLEBUTTONS)->Width() / 18; }
int ButtonTop() { return Skin().GetInteger(SKIN2_TITLEBARBUTTONPOSY); }
int TitleHeight() { return Skin().GetBitmap(SKIN2_TITLEBAR1)->Height(); }

// Screen centre of title button `slot` (0 close, 1 maximise, 2 minimise) of a normal window.
POINT TitleButton(HWND window, int slot)
{
    RECT r = ScreenRect(window);
    int left = r.right - Skin().GetInteger(SKIN2_TITLEBARBUTTONPOSX) - ButtonWidth() - slot * (ButtonWidth() + 2);
    return {left + ButtonWidth() / 2, r.top + ButtonTop() + 10};
}

POINT InCaption(HWND window)
{
    RECT r = ScreenRect(window);
    return {(r.left + r.right) / 2, r.top + TitleHeight() / 2};
}

class SkinnedReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Skin().Loaded());
        ASSERT_TRUE(reader.Start(WinePath(OVALUNE_EXE))) << "the reader did not paint its first chapter";
        main = reader.MainWindow();
    }

    ReaderProcess reader;
    HWND main = nullptr;
};

TEST_F(SkinnedReader, TheFrameIsDrawnFromTheSkinsBitmapsAndButtonsHover)
{
    ScreenPixels shot = CaptureWindow(main);
    const int width = shot.Width(), height = shot.Height();
    const int endWidth = Skin().GetBitmap(SKIN2_TITLEBAR3)->Width();
    for (int y = 0; y < TitleHeight(); ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(shot.At(1, y), SkinPixel(SKIN2_TITLEBAR1, 1, y));
        EXPECT_EQ(shot.At(width - 200, y), SkinPixel(SKIN2_TITLEBAR2, 0, y));
        if (y < ButtonTop()) {
            EXPECT_EQ(shot.At(width - 2, y), SkinPixel(SKIN2_TITLEBAR3, endWidth - 2, y));
        }
    }
    for (int y = TitleHeight(); y < height - 1; y += 11) {
        EXPECT_EQ(shot.At(0, y), SkinPixel(SKIN2_FORMLEFTBORDER, 0, 0));
        EXPECT_EQ(shot.At(width - 1, y), SkinPixel(SKIN2_FORMRIGHTBORDER, 0, 0));
    }
    for (int x = 0; x < width; x += 17)
        EXPECT_EQ(shot.At(x, height - 1), SkinPixel(SKIN2_FORMBOTTOMBORDER1, 0, 0));
    RECT r = ScreenRect(main);
    const int frames[] = {16, 7, 13};  // close, maximise, minimise in their normal frames
    for (int slot = 0; slot < 3; ++slot) {
        int left = TitleButton(main, slot).x - ButtonWidth() / 2 - r.left;
        for (int i = 0; i < ButtonWidth(); i += 2)
            EXPECT_EQ(shot.At(left + i, ButtonTop() + 10), ButtonPixel(frames[slot], i, 10)) << "slot " << slot;
    }

    MoveMouseTo(InCaption(main));
    MoveMouseTo(TitleButton(main, 1));
    int left = TitleButton(main, 1).x - ButtonWidth() / 2 - r.left;
    auto hovered = [&] {
        ScreenPixels now = CaptureWindow(main);
        for (int i = 0; i < ButtonWidth(); ++i)
            for (int j = 0; j < 20; ++j)
                if (now.At(left + i, ButtonTop() + j) != ButtonPixel(8, i, j))
                    return false;
        return true;
    };
    EXPECT_TRUE(WaitUntil(hovered)) << "the maximise button shows its hover frame";
}

TEST_F(SkinnedReader, TitleButtonsMinimiseMaximiseAndRestore)
{
    RECT normal = ScreenRect(main);
    ClickAt(TitleButton(main, 1));
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(main) != FALSE; })) << "maximise";
    ClickAt(TitleButton(main, 1));
    ASSERT_TRUE(WaitUntil([&] {
        RECT now = ScreenRect(main);
        return !IsZoomed(main) && EqualRect(&normal, &now);
    })) << "restore to where it was";

    ClickAt(TitleButton(main, 2));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; })) << "minimise";
    // The minimised title keeps its buttons, 5 pixels from its right edge; minimise is now restore.
    // The system places the minimised window after it has shrunk: wait until it stays put.
    RECT small{};
    ASSERT_TRUE(WaitUntil([&] {
        RECT before = ScreenRect(main);
        Sleep(150);
        small = ScreenRect(main);
        return EqualRect(&before, &small) && small.bottom - small.top < 60;
    }));
    Sleep(200);
    int w = ButtonWidth();
    int top = std::max((26 - 20) / 2, 0);
    POINT restore{small.right - w - 5 - 2 * (w + 2) + w / 2, small.top + top + 10};
    ClickAt(restore);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(main); })) << "restore from the minimised title";
}

TEST_F(SkinnedReader, TheCaptionMaximisesOnDoubleClickAndMovesWhenDragged)
{
    RECT before = ScreenRect(main);
    POINT caption = InCaption(main);
    DragTo(caption, {caption.x + 40, caption.y + 30});
    ASSERT_TRUE(WaitUntil([&] { return ScreenRect(main).left == before.left + 40; }));
    RECT moved = ScreenRect(main);
    EXPECT_EQ(moved.top, before.top + 30);
    EXPECT_EQ(moved.right - moved.left, before.right - before.left);

    DoubleClickAt(InCaption(main));
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(main) != FALSE; }));
    // A maximised window is not dragged by its title.
    RECT zoomed = ScreenRect(main);
    DragTo(InCaption(main), {InCaption(main).x + 50, InCaption(main).y + 50});
    RECT afterDrag = ScreenRect(main);
    EXPECT_TRUE(EqualRect(&zoomed, &afterDrag));
    DoubleClickAt(InCaption(main));
    EXPECT_TRUE(WaitUntil([&] { return !IsZoomed(main); }));
}

// A click on the icon opens the window menu under it, at the client area's corner, drawn with the
// skin's menu colours: the left bar and the items' background (its captions are checked in-process).
TEST_F(SkinnedReader, TheIconOpensTheSkinnedWindowMenu)
{
    RECT r = ScreenRect(main);
    POINT icon{r.left + Skin().GetInteger(SKIN2_TITLEBARICONPOSX) + 8,
               r.top + std::max(Skin().GetInteger(SKIN2_TITLEBARICONPOSY), 4) + 8};
    ClickAt(icon);
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        popup = FindWindowW(L"#32768", nullptr);
        return popup && IsWindowVisible(popup);
    }));
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    RECT menu = ScreenRect(popup);
    EXPECT_EQ(menu.left, origin.x);
    EXPECT_EQ(menu.top, origin.y);
    auto colour = [](Skin2Color id) { return static_cast<COLORREF>(ColorToRGB(Skin().GetColor(id))); };
    auto painted = [&] {  // shown before it has painted: wait for its items
        ScreenPixels shot = CaptureWindow(popup);
        return shot.At(6, 8) == colour(SKIN2_LEFTBARSTARTCOLOR) &&
               shot.At(shot.Width() - 6, 8) == colour(SKIN2_MENUITEMCOLOR);
    };
    EXPECT_TRUE(WaitUntil(painted)) << "the left bar and the items in the skin's menu colours";
    reader.PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(popup); }));
}

TEST_F(SkinnedReader, TheAboutBoxIsSkinnedAndItsCloseButtonClosesIt)
{
    reader.ClickToolButton(3);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = reader.FindTopLevel(L"关于")) != nullptr; }));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(about, kQuerySkinned, 0, 0) == 1; }));
    EXPECT_TRUE(WaitUntil([&] {
        ScreenPixels shot = CaptureWindow(about);
        return shot.At(1, TitleHeight() / 2) == SkinPixel(SKIN2_TITLEBAR1, 1, TitleHeight() / 2) &&
               shot.At(0, shot.Height() - 2) == SkinPixel(SKIN2_FORMLEFTBORDER, 0, 0);
    })) << "the About box's title bar and border are the skin's";
    ClickAt(TitleButton(about, 0));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
}

COLORREF SkinColour(Skin2Color id) { return static_cast<COLORREF>(ColorToRGB(Skin().GetColor(id))); }

// The tool bar draws a button under the pointer in the skin's hot colours, framed in its border
// colour, and a button held down still in the skin's colours (the down colour where the control
// reports the button hot and pressed at once; Wine's tool bar reports it pressed only, which the
// skin draws like a hot one); let go elsewhere, the button goes back to the tool bar's own drawing.
TEST_F(SkinnedReader, ToolButtonsHoverAndPressInTheSkinsColours)
{
    HWND bar = reader.ToolBar();
    RECT button = reader.ToolButtonRect(2);
    POINT corner{button.left + 2, button.top + 2};  // inside the frame, clear of image and caption
    ClientToScreen(bar, &corner);
    POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(bar, &centre);
    auto pixel = [&](POINT at) { return ScreenPixels({at.x, at.y, at.x + 1, at.y + 1}).At(0, 0); };
    const COLORREF on = SkinColour(SKIN2_TOOLBARONCOLOR), down = SkinColour(SKIN2_TOOLBARDOWNCOLOR);

    MoveMouseTo(centre);
    ASSERT_TRUE(WaitUntil([&] { return pixel(corner) == on; })) << "hot";
    EXPECT_TRUE(WaitUntil([&] { return pixel({corner.x - 2, corner.y - 2}) == SkinColour(SKIN2_TOOLBARBORDERCOLOR); }));
    PressLeftAt(centre);
    EXPECT_TRUE(WaitUntil([&] { return pixel(corner) == down || pixel(corner) == on; })) << "held down";
    POINT away{centre.x, centre.y + 200};
    MoveMouseTo(away);
    ReleaseLeftAt(away);
    EXPECT_TRUE(WaitUntil([&] { return pixel(corner) != on && pixel(corner) != down; }));
}

// The sub-page tabs are the skin's tab faces: the selected one in the first state with its caption
// in the active colour, the others in the second state.
TEST_F(SkinnedReader, SubPageTabsAreDrawnFromTheSkinsTabBitmap)
{
    reader.ClickToolButton(1);
    HWND pages = nullptr;
    for (HWND pc : reader.PageControls())
        if (SendMessageW(pc, TCM_GETITEMCOUNT, 0, 0) == 4)
            pages = pc;
    ASSERT_NE(pages, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(pages, TCM_GETCURSEL, 0, 0) == 3; }));
    MoveMouseTo({10, 10});
    const TBitmap* face = Skin().GetBitmap(SKIN2_TABCONTROL);
    ASSERT_NE(face, nullptr);
    int half = face->Width() / 2;
    auto facePixel = [&](int state, int x, int y) {
        return static_cast<COLORREF>(ColorToRGB(face->Pixel((state - 1) * half + x, y)));
    };
    for (int tab = 0; tab < 4; ++tab) {
        RECT r = reader.TabRect(pages, tab);
        POINT at{r.left + 1, r.top + 1};
        ClientToScreen(pages, &at);
        int state = tab == 3 ? 1 : 2;
        EXPECT_TRUE(WaitUntil([&] {
            return ScreenPixels({at.x, at.y, at.x + 1, at.y + 1}).At(0, 0) == facePixel(state, 1, 1);
        })) << "tab "
            << tab;
    }
    RECT selected = reader.TabRect(pages, 3);
    MapWindowPoints(pages, nullptr, reinterpret_cast<POINT*>(&selected), 2);
    ScreenPixels shot(selected);
    bool captionInActiveColour = false;
    for (int y = 0; y < shot.Height() && !captionInActiveColour; ++y)
        for (int x = 0; x < shot.Width(); ++x)
            captionInActiveColour |= shot.At(x, y) == SkinColour(SKIN2_TABCONTROLACTIVEFONTCOLOR);
    EXPECT_TRUE(captionInActiveColour);
}

// The overlay bar the skin lays over a view's vertical scroll bar, found by its place: along the
// view's right edge, from its top. (The view's scroll bar information cannot be asked for from
// another process under Wine.)
HWND OverlayOver(HWND view)
{
    RECT v = ScreenRect(view);
    for (HWND window : Descendants(GetAncestor(view, GA_ROOT))) {
        RECT r = ScreenRect(window);
        if (WindowClass(window) == L"TkrvSkinInternalScrollBar" && IsWindowVisible(window) && r.right == v.right &&
            r.top == v.top && r.bottom > r.top + 40)
            return window;
    }
    return nullptr;
}

// Where the overlay shows its thumb: the run of rows between the two arrow squares whose middle
// pixel is not the track colour.
struct Span {
    int top = -1, bottom = -1;
};
Span OverlayThumb(HWND overlay)
{
    ScreenPixels shot = CaptureWindow(overlay);
    const int arrow = shot.Width();
    const COLORREF track = SkinColour(SKIN2_SCROLLBARCOLOR);
    Span thumb;
    for (int y = arrow; y < shot.Height() - arrow; ++y) {
        if (shot.At(shot.Width() / 2, y) == track)
            continue;
        if (thumb.top < 0)
            thumb.top = y;
        thumb.bottom = y + 1;
    }
    return thumb;
}

// The chapter view's vertical bar is the skin's: its arrows, track and thumb; the arrows, the
// track and the wheel scroll the chapter as the view's own bar would, and the overlay's thumb
// moves with the view's scroll position each time.
TEST_F(SkinnedReader, AChaptersScrollBarIsTheSkinsAndScrollsTheChapter)
{
    HWND view = reader.VisibleView();
    ASSERT_NE(view, nullptr);
    HWND overlay = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (overlay = OverlayOver(view)) != nullptr; }));
    RECT bar = ScreenRect(overlay);
    const int side = bar.right - bar.left, length = bar.bottom - bar.top;

    TkrvSkinScrollBtnRes pieces;
    pieces.SetReader(&Skin());
    TBitmap up(side, side);
    StretchBitmap(*pieces.GetVertArrow(1), *up.Canvas(), {0, 0, side, side});
    EXPECT_TRUE(WaitUntil([&] {
        return CaptureWindow(overlay).At(side / 2, side / 2) ==
               static_cast<COLORREF>(ColorToRGB(up.Pixel(side / 2, side / 2)));
    })) << "the skin's up arrow";
    Span thumb;
    ASSERT_TRUE(WaitUntil([&] { return (thumb = OverlayThumb(overlay)).top == side; })) << "the thumb at the top";

    // How far the chapter has scrolled: where its first character now stands, above the view.
    auto scrolled = [&] { return -reader.CharPosition(view, 0).y; };
    const int viewHeight = ClientSize(view).cy;
    int start = scrolled();
    ClickAt({bar.left + side / 2, bar.bottom - side / 2});
    ASSERT_TRUE(WaitUntil([&] { return scrolled() > start; })) << "the down arrow scrolls";
    EXPECT_LT(scrolled() - start, viewHeight / 4) << "by a line, not a page";

    int beforePage = scrolled();
    ClickAt({bar.left + side / 2, (thumb.bottom + length - side) / 2 + bar.top});
    ASSERT_TRUE(WaitUntil([&] { return scrolled() > beforePage + viewHeight / 2; })) << "the track pages";
    ASSERT_TRUE(WaitUntil([&] { return OverlayThumb(overlay).top > thumb.top; })) << "the thumb moved down";

    // (Under Wine the view's own thumb tracking does not follow synthesised pointer moves, while it
    // follows the X pointer; the thumb's place after a jump to the end is checked instead.)
    SendMessageW(view, WM_VSCROLL, SB_BOTTOM, 0);
    ASSERT_TRUE(WaitUntil([&] { return OverlayThumb(overlay).bottom == length - side; })) << "the thumb at the bottom";

    int atEnd = scrolled();
    RECT v = ScreenRect(view);
    MoveMouseTo({(v.left + v.right) / 2, (v.top + v.bottom) / 2});
    TurnWheel(WHEEL_DELTA);
    ASSERT_TRUE(WaitUntil([&] { return scrolled() < atEnd; })) << "the wheel scrolls back";
    EXPECT_TRUE(WaitUntil([&] { return OverlayThumb(overlay).bottom < length - side; })) << "the thumb moved up";
}

// After the window grows, the overlay covers the view's bar where it now is.
TEST_F(SkinnedReader, OverlaysFollowTheWindowsSize)
{
    HWND view = reader.VisibleView();
    ASSERT_TRUE(WaitUntil([&] { return OverlayOver(view) != nullptr; }));
    RECT r = ScreenRect(main);
    SetWindowPos(main, nullptr, 0, 0, r.right - r.left + 120, r.bottom - r.top + 80, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(WaitUntil([&] {
        HWND overlay = OverlayOver(view);
        return overlay && ScreenRect(overlay).bottom == ScreenRect(view).bottom;
    })) << "the overlay reaches the grown view's bottom";
}

}  // namespace
}  // namespace ov::test
