// Memory DIB sections and block drawing from pixel memory onto a device context.
#include "skin/data/dib_surface_win.h"

#include <utility>

namespace ov {

DibSurface::DibSurface(int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    dc_.reset(::CreateCompatibleDC(nullptr));
    if (!dc_)
        return;
    bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (!bitmap_)
        return;
    oldBitmap_ = ::SelectObject(dc_.get(), bitmap_.get());
    width_ = width;
    height_ = height;
}

DibSurface::DibSurface(const PixelView& pixels) : DibSurface(pixels.width, pixels.height)
{
    if (*this)
        PasteBlock(pixels, Pixels(), 0, 0);
}

DibSurface::~DibSurface() { Release(); }

DibSurface::DibSurface(DibSurface&& other) noexcept { *this = std::move(other); }

DibSurface& DibSurface::operator=(DibSurface&& other) noexcept
{
    if (this != &other) {
        Release();
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        bits_ = std::exchange(other.bits_, nullptr);
        oldBitmap_ = std::exchange(other.oldBitmap_, nullptr);
        dc_ = std::move(other.dc_);
        bitmap_ = std::move(other.bitmap_);
    }
    return *this;
}

void DibSurface::Release()
{
    if (dc_ && oldBitmap_)
        ::SelectObject(dc_.get(), oldBitmap_);
    oldBitmap_ = nullptr;
    bitmap_.reset();
    dc_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

PixelView DibSurface::Pixels() const
{
    if (!bits_)
        return {};
    ::GdiFlush();
    return {static_cast<uint8_t*>(bits_), width_, height_, static_cast<std::ptrdiff_t>((width_ * 3 + 3) & ~3), 3};
}

namespace {

// Selects a stretch mode for one call and puts the previous one back.
class ScopedStretchMode {
public:
    ScopedStretchMode(HDC dc, int mode) : dc_(dc), old_(::SetStretchBltMode(dc, mode))
    {
        POINT origin;
        if (mode == HALFTONE)
            ::SetBrushOrgEx(dc, 0, 0, &origin);  // required after choosing HALFTONE
    }
    ~ScopedStretchMode()
    {
        if (old_)
            ::SetStretchBltMode(dc_, old_);
    }
    ScopedStretchMode(const ScopedStretchMode&) = delete;
    ScopedStretchMode& operator=(const ScopedStretchMode&) = delete;

private:
    HDC dc_;
    int old_;
};

void Stretch(HDC target, PixelRect to, const DibSurface& piece, int mode)
{
    const ScopedStretchMode stretchMode(target, mode);
    ::StretchBlt(target, to.left, to.top, to.Width(), to.Height(), piece.Dc(), 0, 0, piece.Width(), piece.Height(),
                 SRCCOPY);
}

}  // namespace

void BlitPixels(HDC target, const PixelView& source, PixelRect from, PixelRect to, BlitMode mode, COLORREF key)
{
    if (to.IsEmpty())
        return;
    const PixelBuffer block = CopyBlock(source, from);
    if (block.IsEmpty())
        return;
    DibSurface piece(block.View());
    if (!piece)
        return;
    if (mode == BlitMode::Halftone)
        return Stretch(target, to, piece, HALFTONE);
    if (mode == BlitMode::Plain)
        return Stretch(target, to, piece, COLORONCOLOR);
    // Keyed: stretch first into a piece of the target's size, then leave out the key pixels.
    if (piece.Width() != to.Width() || piece.Height() != to.Height()) {
        DibSurface sized(to.Width(), to.Height());
        if (!sized)
            return;
        Stretch(sized.Dc(), {0, 0, to.Width(), to.Height()}, piece, COLORONCOLOR);
        piece = std::move(sized);
    }
    // gdi32's own transparent copy: no further library is loaded for it.
    ::GdiTransparentBlt(target, to.left, to.top, to.Width(), to.Height(), piece.Dc(), 0, 0, piece.Width(),
                        piece.Height(), key & kRgbMask);
}

}  // namespace ov
