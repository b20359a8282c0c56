// Reading the screen into memory with one BitBlt into a top-down 32-bit DIB.
#include "tests/screen_pixels.h"

namespace ov::test {

ScreenPixels::ScreenPixels(const RECT& screen)
    : width_(screen.right - screen.left),
      height_(screen.bottom - screen.top),
      pixels_(static_cast<size_t>(width_) * height_)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screenDc = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screenDc);
    HBITMAP dib = ::CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, dib);
    ::BitBlt(memory, 0, 0, width_, height_, screenDc, screen.left, screen.top, SRCCOPY);
    ::GdiFlush();
    const auto* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        DWORD bgra = source[i];
        pixels_[i] = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(dib);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screenDc);
}

ScreenPixels CaptureWindow(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return ScreenPixels(r);
}

}  // namespace ov::test
