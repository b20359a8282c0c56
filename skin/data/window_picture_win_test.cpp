// Finished pictures copied onto a real window, read back from the screen: the whole-window surface
// starts at the window's outer corner, the client surface inside the frame.
#include "skin/data/window_picture_win.h"

#include <gtest/gtest.h>

#include "framework/graphics/canvas.h"
#include "tests/screen_pixels.h"

namespace ov {
namespace {

// A picture whose every pixel differs from its neighbours, so a copy one pixel off shows.
TBitmap Stripes(int width, int height, TColor first, TColor second)
{
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, (x + y) % 2 ? second : first);
    return picture;
}

// A plain framed window of a class of its own (the system's STATIC class draws through its
// parent's device context).
UniqueWindow FramedWindow()
{
    static const ATOM kClass = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = L"WindowPictureTest";
        return ::RegisterClassW(&windowClass);
    }();
    return UniqueWindow(::CreateWindowExW(WS_EX_TOPMOST, MAKEINTATOM(kClass), L"",
                                          WS_POPUP | WS_THICKFRAME | WS_VISIBLE, 30, 30, 80, 60, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr));
}

// Runs the messages for a while: the window paints itself before the copies, and what is drawn
// reaches the screen (Wine hands a window's drawing on to the screen from its message loop).
void Pump(int ms)
{
    for (int waited = 0; waited < ms; waited += 5) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::Sleep(5);
    }
}

void ExpectPictureAt(const test::ScreenPixels& screen, const TBitmap& picture, POINT at)
{
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            ASSERT_EQ(screen.At(at.x + x, at.y + y), static_cast<COLORREF>(picture.Pixel(x, y))) << x << "," << y;
}

TEST(CopyToWindow, WholeStartsAtTheOuterCornerClientInsideTheFrame)
{
    UniqueWindow window = FramedWindow();
    ASSERT_TRUE(window);
    ::UpdateWindow(window.get());
    Pump(100);
    RECT bounds{};
    ::GetWindowRect(window.get(), &bounds);
    POINT client{0, 0};
    ::ClientToScreen(window.get(), &client);
    POINT inset{client.x - bounds.left, client.y - bounds.top};
    ASSERT_GT(inset.x, 0) << "the window needs a frame";

    TBitmap frame = Stripes(12, 3, 0x0000C0, 0x00C000);
    TBitmap inside = Stripes(7, 5, 0xC00000, 0x00C0C0);
    CopyToWindow(frame, window.get(), WindowArea::Whole);
    CopyToWindow(inside, window.get(), WindowArea::Client, {3, 2});
    Pump(100);
    test::ScreenPixels screen = test::CaptureWindow(window.get());
    ExpectPictureAt(screen, frame, {0, 0});
    ExpectPictureAt(screen, inside, {inset.x + 3, inset.y + 2});
}

// The part of a picture lands where it stands in the picture, and nothing around it is touched.
TEST(CopyPicturePart, CopiesOnlyThePartInPlace)
{
    TBitmap picture = Stripes(6, 4, 0x0000C0, 0x00C000);
    TBitmap target(6, 4);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 6, 4});
    CopyPicturePart(picture, target.Canvas()->Handle(), {2, 1, 5, 3});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
            EXPECT_EQ(target.Pixel(x, y), inside ? picture.Pixel(x, y) : clWhite) << x << "," << y;
        }
}

}  // namespace
}  // namespace ov
