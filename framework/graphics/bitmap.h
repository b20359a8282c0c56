// TBitmap: a picture held as a top-down DIB section (24 bits per pixel, or 32 when asked or loaded
// so), with direct pixel access, a canvas to draw on it, transparency, and BMP reading and writing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "framework/graphics/color.h"
#include "framework/graphics/graphic.h"
#include "framework/core/handle.h"
#include "framework/core/properties.h"

namespace ov {

class TCanvas;
class TBitmapCanvas;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

OV_ENUM_TYPE(TPixelFormat, L"pfDevice", L"pf1bit", L"pf4bit", L"pf8bit", L"pf15bit", L"pf16bit", L"pf24bit", L"pf32bit",
             L"pfCustom")
OV_ENUM_TYPE(TTransparentMode, L"tmAuto", L"tmFixed")

// Pixels: rows top to bottom, each BytesPerScanLine() long (a multiple of 4), pixels left to right
// as B, G, R bytes (pf24bit) or B, G, R, A (pf32bit; GDI drawing leaves A at 0). ScanLine(y)
// points at row y; GDI drawing through Canvas is flushed before it is returned. The pixel memory
// stays valid until the size or pixel format changes.
//
// Only pf24bit and pf32bit are stored: asking for another format gives pf24bit, and loading a
// paletted, 16-bit or compressed BMP converts it to pf24bit (32-bit BMPs stay pf32bit with their
// fourth byte).
//
// Transparency: when Transparent is set, drawing skips the pixels of TransparentColor, which is the
// bottom-left pixel (tmAuto) or the colour set with SetTransparentColor (tmFixed).
//
// The DIB section is selected into the canvas's memory DC while the canvas is in use; Handle()
// takes it out again so that others (image lists, SelectObject elsewhere) can use the HBITMAP.
class TBitmap : public TGraphic {
    OV_CLASS(TBitmap, TGraphic)

    TBitmap();
    TBitmap(int width, int height, TPixelFormat format = pf24bit);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap() override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // Keeps the pixels of the area both sizes share; new pixels are black.
    void SetSize(int width, int height);
    void SetWidth(int value) { SetSize(value, height_); }
    void SetHeight(int value) { SetSize(width_, value); }
    TPixelFormat PixelFormat() const noexcept { return format_; }
    void SetPixelFormat(TPixelFormat value);

    int BytesPerPixel() const noexcept { return format_ == pf32bit ? 4 : 3; }
    int BytesPerScanLine() const noexcept { return (width_ * BytesPerPixel() + 3) & ~3; }
    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;
    // One pixel as 0x00BBGGRR; -1 outside the bitmap (setting outside does nothing).
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    TCanvas* Canvas();
    // The canvas's device context, for copying the picture from (BitBlt, StretchBlt, CopyRect);
    // null when none can be made. Drawing goes through Canvas().
    HDC SourceDC() const;

    TTransparentMode TransparentMode() const noexcept { return transparentMode_; }
    void SetTransparentMode(TTransparentMode value);
    TColor TransparentColor() const;
    // Sets the colour and switches to tmFixed.
    void SetTransparentColor(TColor value);

    // BMP file data from the stream's Position; raises Exception "Bitmap image is not valid" for
    // anything else (the stream is then left wherever reading stopped).
    void LoadFromStream(TStream& stream) override;
    // A BITMAPINFO followed by its bits, as in RT_BITMAP resources and CF_DIB data.
    void LoadFromDib(std::span<const std::uint8_t> dib);
    // RT_BITMAP resource; Exception "Resource <name> not found" when missing.
    void LoadFromResourceName(HINSTANCE instance, std::wstring_view name);
    void LoadFromResourceID(HINSTANCE instance, int id);
    // Rows of raw pixels in the layout described above (24 or 32 bits), top row first, `stride`
    // bytes apart; `pixels` must hold height rows.
    void LoadFromPixels(int width, int height, std::span<const std::uint8_t> pixels, int stride,
                        TPixelFormat format = pf24bit);
    // A copy of any HBITMAP's picture (the handle stays the caller's).
    void LoadFromHandle(HBITMAP bitmap);
    void LoadFromFile(const std::wstring& fileName);
    // A BMP file of the current format (bottom-up, uncompressed).
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::wstring& fileName) const;

    void Assign(const TPersistent& source) override;
    void Draw(TCanvas& canvas, const RECT& rect) const override;

    // The DIB section (null when empty), taken out of the canvas's DC.
    HBITMAP Handle() const;
    // Hands the DIB section over to the caller, who must delete it; the bitmap is empty afterwards.
    HBITMAP ReleaseHandle();

private:
    friend class TBitmapCanvas;

    // The canvas, made on first use (reading the picture needs it too).
    TBitmapCanvas& OwnCanvas() const;
    void Recreate(int width, int height, TPixelFormat format, bool keepPixels);
    void FreeCanvasDC() const;
    void LoadFromDibParts(std::span<const std::uint8_t> dib, size_t bitsOffset);

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = pf24bit;
    UniqueBitmap dib_;
    std::uint8_t* bits_ = nullptr;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
    mutable std::unique_ptr<TBitmapCanvas> canvas_;
};

}  // namespace ov
