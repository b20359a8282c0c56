// The screen read back, for comparing what a window shows with the pictures it was painted from.
#pragma once

#include <windows.h>

#include <vector>

namespace ov::test {

// A copy of a screen rectangle, 0x00BBGGRR per pixel.
class ScreenPixels {
public:
    explicit ScreenPixels(const RECT& screen);
    [[nodiscard]] COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }

private:
    int width_;
    int height_;
    std::vector<COLORREF> pixels_;
};

// A whole window as it stands on the screen (it must be in front).
ScreenPixels CaptureWindow(HWND window);

}  // namespace ov::test
