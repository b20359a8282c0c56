// A 24-bit top-down DIB section selected into its own memory DC: GDI can draw on it and read from
// it, and its pixels are a PixelView. The skin painters use it for temporary pieces and composites.
#pragma once

#include <windows.h>

#include "framework/core/handle.h"
#include "skin/data/pixels.h"

namespace ov {

class DibSurface {
public:
    DibSurface() = default;
    // Zero-filled (black); an empty size gives an empty surface.
    DibSurface(int width, int height);
    // A copy of `pixels`.
    explicit DibSurface(const PixelView& pixels);
    ~DibSurface();
    DibSurface(DibSurface&& other) noexcept;
    DibSurface& operator=(DibSurface&& other) noexcept;

    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    [[nodiscard]] HDC Dc() const { return dc_.get(); }
    [[nodiscard]] HBITMAP Bitmap() const { return bitmap_.get(); }
    // Finishes pending GDI drawing first, so the pixels are current.
    [[nodiscard]] PixelView Pixels() const;

private:
    void Release();

    int width_ = 0;
    int height_ = 0;
    void* bits_ = nullptr;
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;  // selected back before the bitmap is deleted
};

enum class BlitMode {
    Plain,     // copy, stretched pixel by pixel when the sizes differ
    Halftone,  // stretched with halftone smoothing
    Keyed,     // like Plain, leaving out the pixels of the key colour
};

// Draws the `from` block of `source` into `to` on `target`.
void BlitPixels(HDC target, const PixelView& source, PixelRect from, PixelRect to, BlitMode mode, COLORREF key = 0);

}  // namespace ov
