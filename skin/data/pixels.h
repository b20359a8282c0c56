// Pixel memory as the skin code sees it: a non-owning view over rows of 24-bit (B, G, R) or 32-bit
// (B, G, R, unused) pixels, and an owning 24-bit buffer. No Windows header: the Windows layer makes
// views over DIB sections, the portable code and its tests over plain memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ov {

// A rectangle in pixels; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
    [[nodiscard]] bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// Colours are Windows colour values 0x00BBGGRR; a pixel's bytes in memory are B, G, R.
constexpr uint32_t kRgbMask = 0x00FFFFFF;

// Like std::span, a view does not make its pixels const: copying a view shares the pixels.
struct PixelView {
    uint8_t* data = nullptr;  // first byte of the top row
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // bytes from a row to the row below it; negative for bottom-up memory
    int bytesPerPixel = 3;      // 3 or 4

    [[nodiscard]] bool IsEmpty() const { return data == nullptr || width <= 0 || height <= 0; }
    [[nodiscard]] uint8_t* Row(int y) const { return data + y * stride; }
    [[nodiscard]] uint8_t* Pixel(int x, int y) const { return Row(y) + static_cast<std::ptrdiff_t>(x) * bytesPerPixel; }

    [[nodiscard]] uint32_t At(int x, int y) const
    {
        const uint8_t* p = Pixel(x, y);
        return p[2] | (p[1] << 8) | (static_cast<uint32_t>(p[0]) << 16);
    }
    void Set(int x, int y, uint32_t color) const
    {
        uint8_t* p = Pixel(x, y);
        p[0] = static_cast<uint8_t>(color >> 16);
        p[1] = static_cast<uint8_t>(color >> 8);
        p[2] = static_cast<uint8_t>(color);
    }
};

// An owning 24-bit image, rows top-down without padding.
class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, uint32_t fill = 0);

    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    [[nodiscard]] bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
    PixelView View() { return {pixels_.data(), width_, height_, static_cast<std::ptrdiff_t>(width_) * 3, 3}; }
    [[nodiscard]] PixelView View() const { return const_cast<PixelBuffer*>(this)->View(); }
    [[nodiscard]] uint32_t At(int x, int y) const { return View().At(x, y); }
    void Set(int x, int y, uint32_t color) { View().Set(x, y, color); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> pixels_;
};

// A copy of the part of `source` inside `area`; the area is first clipped to the source.
PixelBuffer CopyBlock(const PixelView& source, PixelRect area);

// Copies `source` into `target` with its top-left pixel at (x, y), clipped to the target.
void PasteBlock(const PixelView& source, const PixelView& target, int x, int y);

}  // namespace ov
