// TBitmap: the DIB section and its canvas, pixel access, transparency, BMP reading and writing.
#include "framework/graphics/bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/graphics/dib.h"
#include "framework/core/exception.h"
#include "framework/core/file_stream.h"
#include "framework/core/resource_stream.h"
#include "framework/core/streams.h"

namespace ov {

// The canvas of a bitmap: a memory DC with the bitmap's DIB section selected, made on first use
// and given back whenever the DIB section changes or is handed out.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(const TBitmap& bitmap) : bitmap_(bitmap) {}
    ~TBitmapCanvas() override { FreeDC(); }

    void FreeDC()
    {
        if (HDC dc = DetachHandle()) {
            ::SelectObject(dc, oldBitmap_);
            ::DeleteDC(dc);
        }
    }

protected:
    void CreateHandle() override
    {
        UniqueDC dc(::CreateCompatibleDC(nullptr));
        if (!dc)
            return;
        oldBitmap_ = bitmap_.dib_ ? ::SelectObject(dc.get(), bitmap_.dib_.get()) : nullptr;
        if (!oldBitmap_)
            oldBitmap_ = ::GetCurrentObject(dc.get(), OBJ_BITMAP);
        SetHandle(dc.release());
    }

private:
    const TBitmap& bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
};

namespace {

TPixelFormat StoredFormat(TPixelFormat format) { return format == pf32bit ? pf32bit : pf24bit; }

BITMAPINFOHEADER TopDownHeader(int width, int height, TPixelFormat format)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = format == pf32bit ? 32 : 24;
    header.biCompression = BI_RGB;
    return header;
}

// Copies the common part of two rows of possibly different formats (3 or 4 bytes per pixel).
void ConvertRow(const std::uint8_t* from, int fromBytes, std::uint8_t* to, int toBytes, int pixels)
{
    if (fromBytes == toBytes) {
        std::memcpy(to, from, static_cast<size_t>(pixels) * toBytes);
        return;
    }
    for (int x = 0; x < pixels; ++x, from += fromBytes, to += toBytes)
        std::memcpy(to, from, 3);  // a new fourth byte stays 0
}

bool StandardMasks(const DibImage& image)
{
    return image.compression == BI_RGB ||
           (image.masks[0] == 0xFF0000 && image.masks[1] == 0xFF00 && image.masks[2] == 0xFF);
}

}  // namespace

const TClassInfo& TBitmap::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TBitmap>(L"TBitmap", TGraphic::StaticClass())
            .Property(L"Width", &TBitmap::Width, &TBitmap::SetWidth)
            .Property(L"Height", &TBitmap::Height, &TBitmap::SetHeight)
            .Property(L"PixelFormat", &TBitmap::PixelFormat, &TBitmap::SetPixelFormat)
            .Property(L"Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent)
            .Property(L"TransparentMode", &TBitmap::TransparentMode, &TBitmap::SetTransparentMode)
            .Property(L"TransparentColor", ColorType(), &TBitmap::TransparentColor, &TBitmap::SetTransparentColor)
            .Build();
    return info;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) { Recreate(width, height, StoredFormat(format), false); }

// A copy takes the picture (Assign), not the OnChange handler of the bitmap it was copied from.
// NOLINTNEXTLINE(bugprone-copy-constructor-init): the base's state is the handler, deliberately not copied
TBitmap::TBitmap(const TBitmap& other) : TGraphic() { Assign(other); }

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other)
        Assign(other);
    return *this;
}

TBitmap::~TBitmap() { canvas_.reset(); }

void TBitmap::FreeCanvasDC() const
{
    if (canvas_)
        canvas_->FreeDC();
}

// Makes a new DIB section (or none for an empty size), optionally copying the old pixels over.
void TBitmap::Recreate(int width, int height, TPixelFormat format, bool keepPixels)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width > kMaxDibSide || height > kMaxDibSide || std::int64_t{width} * height > kMaxDibPixels)
        throw Exception(L"Out of system resources");
    UniqueBitmap dib;
    void* bits = nullptr;
    if (width > 0 && height > 0) {
        BITMAPINFOHEADER header = TopDownHeader(width, height, format);
        dib.reset(
            ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!dib)
            throw Exception(L"Out of system resources");
    }
    FreeCanvasDC();
    ::GdiFlush();
    if (keepPixels && bits_ && bits) {
        int oldBytes = BytesPerPixel(), newBytes = format == pf32bit ? 4 : 3;
        int newStride = (width * newBytes + 3) & ~3;
        for (int y = 0; y < std::min(height, height_); ++y)
            ConvertRow(bits_ + static_cast<size_t>(y) * BytesPerScanLine(), oldBytes,
                       static_cast<std::uint8_t*>(bits) + static_cast<size_t>(y) * newStride, newBytes,
                       std::min(width, width_));
    }
    dib_ = std::move(dib);
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = bits ? width : 0;
    height_ = bits ? height : 0;
    format_ = format;
}

void TBitmap::SetSize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    Recreate(width, height, format_, true);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value)
{
    value = StoredFormat(value);
    if (value == format_)
        return;
    Recreate(width_, height_, value, true);
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int row)
{
    if (row < 0 || row >= height_)
        return nullptr;
    ::GdiFlush();
    return bits_ + static_cast<size_t>(row) * BytesPerScanLine();
}

const std::uint8_t* TBitmap::ScanLine(int row) const { return const_cast<TBitmap*>(this)->ScanLine(row); }

TColor TBitmap::Pixel(int x, int y) const
{
    if (x < 0 || x >= width_ || y < 0 || y >= height_)
        return -1;
    const std::uint8_t* p = ScanLine(y) + static_cast<size_t>(x) * BytesPerPixel();
    return static_cast<TColor>(p[2] | (p[1] << 8) | (p[0] << 16));
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (x < 0 || x >= width_ || y < 0 || y >= height_)
        return;
    COLORREF rgb = ColorToRGB(color);
    std::uint8_t* p = ScanLine(y) + static_cast<size_t>(x) * BytesPerPixel();
    p[0] = GetBValue(rgb);
    p[1] = GetGValue(rgb);
    p[2] = GetRValue(rgb);
}

TBitmapCanvas& TBitmap::OwnCanvas() const
{
    if (!canvas_)
        canvas_ = std::make_unique<TBitmapCanvas>(*this);
    return *canvas_;
}

TCanvas* TBitmap::Canvas() { return &OwnCanvas(); }

HDC TBitmap::SourceDC() const { return OwnCanvas().Handle(); }

void TBitmap::SetTransparentMode(TTransparentMode value)
{
    if (value == transparentMode_)
        return;
    transparentMode_ = value;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    return height_ > 0 ? Pixel(0, height_ - 1) : clDefault;
}

void TBitmap::SetTransparentColor(TColor value)
{
    transparentColor_ = value;
    transparentMode_ = tmFixed;
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream)
{
    // A memory stream is parsed where it lies; any other is read to its end first.
    std::vector<std::uint8_t> copy;
    std::span<const std::uint8_t> bytes;
    std::int64_t start = stream.Position();
    if (auto memory = dynamic_cast<TCustomMemoryStream*>(&stream)) {
        bytes = memory->Bytes().subspan(static_cast<size_t>(std::min(start, memory->Size())));
    } else {
        copy.resize(static_cast<size_t>(std::max<std::int64_t>(0, stream.Size() - start)));
        stream.ReadBuffer(copy.data(), static_cast<std::int64_t>(copy.size()));
        bytes = copy;
    }
    DibImage image = ParseBmpFile(bytes);
    std::span<const std::uint8_t> dib = bytes.subspan(sizeof(BITMAPFILEHEADER));
    LoadFromDibParts(dib, static_cast<size_t>(image.bits.data() - dib.data()));
    stream.SetPosition(start + static_cast<std::int64_t>(image.end));
}

void TBitmap::LoadFromDib(std::span<const std::uint8_t> dib)
{
    DibImage image = ParseDib(dib);
    LoadFromDibParts(dib, static_cast<size_t>(image.bits.data() - dib.data()));
}

// Uncompressed 24- and 32-bit rows are copied as they are (fourth bytes included); every other
// form is converted to 24 bits by SetDIBits.
void TBitmap::LoadFromDibParts(std::span<const std::uint8_t> dib, size_t bitsOffset)
{
    DibImage image = ParseDib(dib, bitsOffset);
    bool direct =
        (image.bitCount == 24 && image.compression == BI_RGB) || (image.bitCount == 32 && StandardMasks(image));
    TPixelFormat format = image.bitCount == 32 && direct ? pf32bit : pf24bit;
    Recreate(image.width, image.height, format, false);
    if (direct) {
        size_t rowBytes = static_cast<size_t>(image.width) * (image.bitCount / 8);
        for (int y = 0; y < image.height; ++y) {
            int sourceRow = image.topDown ? y : image.height - 1 - y;
            std::memcpy(bits_ + static_cast<size_t>(y) * BytesPerScanLine(),
                        image.bits.data() + static_cast<size_t>(sourceRow) * image.Stride(), rowBytes);
        }
    } else {
        UniqueDC dc(::CreateCompatibleDC(nullptr));
        if (!::SetDIBits(dc.get(), dib_.get(), 0, static_cast<UINT>(image.height), image.bits.data(), image.Info(),
                         DIB_RGB_COLORS))
            throw Exception(L"Bitmap image is not valid");
    }
    Changed();
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, std::wstring_view name)
{
    TResourceStream resource(instance, name, RT_BITMAP);
    LoadFromDib(resource.Bytes());
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id)
{
    TResourceStream resource = TResourceStream::FromId(instance, id, RT_BITMAP);
    LoadFromDib(resource.Bytes());
}

void TBitmap::LoadFromPixels(int width, int height, std::span<const std::uint8_t> pixels, int stride,
                             TPixelFormat format)
{
    format = StoredFormat(format);
    int bytesPerPixel = format == pf32bit ? 4 : 3;
    if (width < 0 || height < 0 || stride < width * bytesPerPixel ||
        (height > 0 &&
         pixels.size() < static_cast<size_t>(stride) * (height - 1) + static_cast<size_t>(width) * bytesPerPixel))
        throw Exception(L"Bitmap image is not valid");
    Recreate(width, height, format, false);
    for (int y = 0; y < height_; ++y)
        std::memcpy(bits_ + static_cast<size_t>(y) * BytesPerScanLine(),
                    pixels.data() + static_cast<size_t>(y) * stride, static_cast<size_t>(width) * bytesPerPixel);
    Changed();
}

void TBitmap::LoadFromHandle(HBITMAP bitmap)
{
    BITMAP description{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof(description), &description))
        throw Exception(L"Bitmap image is not valid");
    TPixelFormat format = description.bmBitsPixel == 32 ? pf32bit : pf24bit;
    Recreate(description.bmWidth, std::abs(description.bmHeight), format, false);
    BITMAPINFOHEADER header = TopDownHeader(width_, height_, format_);
    UniqueDC dc(::CreateCompatibleDC(nullptr));
    if (height_ > 0)
        ::GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(height_), bits_, reinterpret_cast<BITMAPINFO*>(&header),
                    DIB_RGB_COLORS);
    Changed();
}

void TBitmap::LoadFromFile(const std::wstring& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TBitmap::SaveToStream(TStream& stream) const
{
    BITMAPINFOHEADER header = TopDownHeader(width_, height_, format_);
    header.biHeight = height_;  // bottom-up, as most readers expect
    header.biSizeImage = static_cast<DWORD>(BytesPerScanLine()) * height_;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + header.biSizeImage;
    stream.WriteBuffer(&file, sizeof(file));
    stream.WriteBuffer(&header, sizeof(header));
    for (int y = height_ - 1; y >= 0; --y)
        stream.WriteBuffer(ScanLine(y), BytesPerScanLine());
}

void TBitmap::SaveToFile(const std::wstring& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

void TBitmap::Assign(const TPersistent& source)
{
    auto bitmap = dynamic_cast<const TBitmap*>(&source);
    if (!bitmap) {
        TGraphic::Assign(source);
        return;
    }
    if (bitmap == this)
        return;
    Recreate(bitmap->width_, bitmap->height_, bitmap->format_, false);
    for (int y = 0; y < height_; ++y)
        std::memcpy(ScanLine(y), bitmap->ScanLine(y), static_cast<size_t>(BytesPerScanLine()));
    transparentMode_ = bitmap->transparentMode_;
    transparentColor_ = bitmap->transparentColor_;
    TGraphic::SetTransparent(bitmap->Transparent());
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const RECT& rect) const
{
    if (Empty())
        return;
    HDC target = canvas.Handle();
    HDC source = SourceDC();
    if (!target || !source)
        return;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    // gdi32's own transparent copy: no further library is loaded for it.
    if (Transparent())
        ::GdiTransparentBlt(target, rect.left, rect.top, width, height, source, 0, 0, width_, height_,
                            ColorToRGB(TransparentColor()));
    else
        ::StretchBlt(target, rect.left, rect.top, width, height, source, 0, 0, width_, height_, canvas.CopyMode());
}

HBITMAP TBitmap::Handle() const
{
    FreeCanvasDC();
    ::GdiFlush();
    return dib_.get();
}

HBITMAP TBitmap::ReleaseHandle()
{
    FreeCanvasDC();
    ::GdiFlush();
    HBITMAP bitmap = dib_.release();
    bits_ = nullptr;
    width_ = height_ = 0;
    Changed();
    return bitmap;
}

}  // namespace ov
