// TImageList: the HIMAGELIST, adding and drawing images, disabled drawing, the stored form.
#include "framework/graphics/image_list.h"

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/core/exception.h"
#include "framework/graphics/icon.h"
#include "framework/core/streams.h"

namespace ov {

namespace {

COLORREF ImageListColor(TColor color)
{
    if (color == clNone)
        return CLR_NONE;
    if (color == clDefault)
        return CLR_DEFAULT;
    return ColorToRGB(color);
}

// The stored form's alpha byte split into a 24-bit image and a white-is-transparent mask.
void SplitAlpha(const TBitmap& stored, TBitmap& image, TBitmap& mask)
{
    image.SetSize(stored.Width(), stored.Height());
    mask.SetSize(stored.Width(), stored.Height());
    for (int y = 0; y < stored.Height(); ++y) {
        const std::uint8_t* from = stored.ScanLine(y);
        std::uint8_t* to = image.ScanLine(y);
        std::uint8_t* m = mask.ScanLine(y);
        for (int x = 0; x < stored.Width(); ++x, from += 4, to += 3, m += 3) {
            std::copy_n(from, 3, to);
            std::fill_n(m, 3, from[3] == 0 ? 0xFF : 0x00);
        }
    }
}

}  // namespace

TChangeLink::~TChangeLink()
{
    if (sender_)
        sender_->UnRegisterChanges(*this);
}

const TClassInfo& TCustomImageList::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomImageList>(L"TCustomImageList", TComponent::StaticClass())
            .Property(L"AllocBy", &TCustomImageList::AllocBy, &TCustomImageList::SetAllocBy)
            .Property(L"BkColor", ColorType(), &TCustomImageList::BkColor, &TCustomImageList::SetBkColor)
            .Property(L"BlendColor", ColorType(), &TCustomImageList::BlendColor, &TCustomImageList::SetBlendColor)
            .Property(L"DrawingStyle", &TCustomImageList::DrawingStyle, &TCustomImageList::SetDrawingStyle)
            .Property(L"Height", &TCustomImageList::Height, &TCustomImageList::SetHeight)
            .Property(L"ImageType", &TCustomImageList::ImageType, &TCustomImageList::SetImageType)
            .Property(L"Masked", &TCustomImageList::Masked, &TCustomImageList::SetMasked)
            .Property(L"Width", &TCustomImageList::Width, &TCustomImageList::SetWidth)
            .Event(L"OnChange", &TCustomImageList::OnChange)
            .Build();
    return info;
}

const TClassInfo& TImageList::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TImageList>(L"TImageList", TCustomImageList::StaticClass()).Creatable().Build();
    return info;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList()
{
    for (TChangeLink* link : links_)
        link->sender_ = nullptr;
}

void TCustomImageList::SetWidth(int value)
{
    if (value == width_ || value <= 0)
        return;
    width_ = value;
    Recreate();
}

void TCustomImageList::SetHeight(int value)
{
    if (value == height_ || value <= 0)
        return;
    height_ = value;
    Recreate();
}

void TCustomImageList::SetMasked(bool value)
{
    if (value == masked_)
        return;
    masked_ = value;
    Recreate();
}

void TCustomImageList::SetBkColor(TColor value)
{
    bkColor_ = value;
    if (handle_)
        ImageList_SetBkColor(handle_.get(), ImageListColor(value));
    Change();
}

// The images cannot survive a change of size or of masking: the list starts empty again.
void TCustomImageList::Recreate()
{
    handle_.reset();
    Change();
}

HIMAGELIST TCustomImageList::Handle() const
{
    if (!handle_) {
        handle_.reset(ImageList_Create(width_, height_, ILC_COLOR24 | (masked_ ? ILC_MASK : 0), allocBy_, allocBy_));
        if (handle_)
            ImageList_SetBkColor(handle_.get(), ImageListColor(bkColor_));
    }
    return handle_.get();
}

int TCustomImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_.get()) : 0; }

void TCustomImageList::CheckSize(const TBitmap& image) const
{
    if (image.Height() != height_ || image.Width() < width_ || image.Width() % width_ != 0)
        throw Exception(L"Invalid image size");
}

int TCustomImageList::Add(TBitmap& image, TBitmap* mask)
{
    CheckSize(image);
    int index = ImageList_Add(Handle(), image.Handle(), mask ? mask->Handle() : nullptr);
    Change();
    return index;
}

int TCustomImageList::AddMasked(TBitmap& image, TColor maskColor)
{
    CheckSize(image);
    if (maskColor == clDefault)
        maskColor = image.Pixel(0, image.Height() - 1);
    // ImageList_AddMasked blackens the masked pixels of the bitmap it is given: give it a copy.
    TBitmap copy(image);
    copy.SetPixelFormat(pf24bit);
    int index = ImageList_AddMasked(Handle(), copy.Handle(), ColorToRGB(maskColor));
    Change();
    return index;
}

int TCustomImageList::AddIcon(TIcon& icon)
{
    if (!icon.Handle())
        return -1;
    int index = ImageList_ReplaceIcon(Handle(), -1, icon.Handle());
    Change();
    return index;
}

void TCustomImageList::Replace(int index, TBitmap& image, TBitmap* mask)
{
    CheckSize(image);
    if (index < 0 || index >= Count())
        throw Exception(L"Invalid ImageList Index");
    ImageList_Replace(Handle(), index, image.Handle(), mask ? mask->Handle() : nullptr);
    Change();
}

void TCustomImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw Exception(L"Invalid ImageList Index");
    ImageList_Remove(Handle(), index);
    Change();
}

void TCustomImageList::Clear()
{
    if (handle_)
        ImageList_Remove(handle_.get(), -1);
    Change();
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    HDC dc = canvas.Handle();
    if (!dc || index < 0 || index >= Count())
        return;
    if (!enabled) {
        DrawDisabled(dc, x, y, index);
        return;
    }
    static constexpr UINT kStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
    UINT style = kStyles[drawingStyle_] | (imageType_ == itMask ? ILD_MASK : 0);
    ImageList_DrawEx(handle_.get(), index, dc, x, y, 0, 0, ImageListColor(bkColor_), ImageListColor(blendColor_),
                     style);
}

// The image drawn on white into a monochrome bitmap: its pixels that are not white become black
// bits, the ink. Blitted to colour with text colour white and background black, black bits turn
// white and white bits black; raster operation 0x00E20746 (DSPDxax) then paints the brush where
// the source is white and keeps the rest. The ink is laid down in the highlight colour one pixel
// down and right, then in the shadow colour in place.
void TCustomImageList::DrawDisabled(HDC dc, int x, int y, int index) const
{
    constexpr DWORD kDSPDxax = 0x00E20746;
    UniqueDC monoDC(::CreateCompatibleDC(nullptr));
    UniqueBitmap mono(::CreateBitmap(width_, height_, 1, 1, nullptr));
    {
        ScopedSelect selectMono(monoDC.get(), mono.get());
        RECT all{0, 0, width_, height_};
        ::FillRect(monoDC.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ImageList_DrawEx(handle_.get(), index, monoDC.get(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);

        int saved = ::SaveDC(dc);
        ::SetTextColor(dc, RGB(255, 255, 255));
        ::SetBkColor(dc, RGB(0, 0, 0));
        UniqueBrush highlight(::CreateSolidBrush(ColorToRGB(clBtnHighlight)));
        ::SelectObject(dc, highlight.get());
        ::BitBlt(dc, x + 1, y + 1, width_, height_, monoDC.get(), 0, 0, kDSPDxax);
        UniqueBrush shadow(::CreateSolidBrush(ColorToRGB(clBtnShadow)));
        ::SelectObject(dc, shadow.get());
        ::BitBlt(dc, x, y, width_, height_, monoDC.get(), 0, 0, kDSPDxax);
        ::RestoreDC(dc, saved);
    }
}

bool TCustomImageList::GetBitmap(int index, TBitmap& image) const
{
    if (index < 0 || index >= Count())
        return false;
    image.SetPixelFormat(pf24bit);
    image.SetSize(width_, height_);
    TCanvas& canvas = *image.Canvas();
    canvas.Brush()->SetColor(clBlack);
    canvas.FillRect(RECT{0, 0, width_, height_});
    ImageList_Draw(handle_.get(), index, canvas.Handle(), 0, 0, ILD_TRANSPARENT);
    return true;
}

// The list keeps its bitmaps selected into DCs of its own, so images and masks are taken out by
// drawing them: the image on black without its mask, the mask (white where transparent) alone.
// Without a mask (Masked off) every pixel is stored opaque.
void TCustomImageList::SaveToStream(TStream& stream) const
{
    for (int i = 0; i < Count(); ++i) {
        TBitmap image(width_, height_), mask(width_, height_);
        ImageList_DrawEx(handle_.get(), i, image.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
        if (masked_) {  // the mask is ANDed onto what is there: start from white
            mask.Canvas()->Brush()->SetColor(clWhite);
            mask.Canvas()->FillRect(RECT{0, 0, width_, height_});
            ImageList_DrawEx(handle_.get(), i, mask.Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_MASK);
        }
        TBitmap stored(width_, height_, pf32bit);
        for (int y = 0; y < height_; ++y) {
            const std::uint8_t* from = image.ScanLine(y);
            const std::uint8_t* m = mask.ScanLine(y);
            std::uint8_t* to = stored.ScanLine(y);
            for (int x = 0; x < width_; ++x, from += 3, m += 3, to += 4) {
                std::copy_n(from, 3, to);
                to[3] = m[0] == 0xFF ? 0 : 0xFF;
            }
        }
        stored.SaveToStream(stream);
    }
}

void TCustomImageList::LoadFromStream(TStream& stream)
{
    while (stream.Position() < stream.Size()) {
        TBitmap stored;
        stored.LoadFromStream(stream);
        if (stored.PixelFormat() != pf32bit) {
            Add(stored, nullptr);
            continue;
        }
        TBitmap image, mask;
        SplitAlpha(stored, image, mask);
        Add(image, masked_ ? &mask : nullptr);
    }
}

void TCustomImageList::DefineProperties(TFiler& filer)
{
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(L"Bitmap", [this](TStream& stream) { LoadFromStream(stream); });
}

void TCustomImageList::RegisterChanges(TChangeLink& link)
{
    if (link.sender_ == this)
        return;
    if (link.sender_)
        link.sender_->UnRegisterChanges(link);
    link.sender_ = this;
    links_.push_back(&link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink& link)
{
    links_.erase(std::remove(links_.begin(), links_.end(), &link), links_.end());
    if (link.sender_ == this)
        link.sender_ = nullptr;
}

void TCustomImageList::Change()
{
    std::vector<TChangeLink*> links = links_;  // a handler may unregister links
    for (TChangeLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end())
            link->OnChange.Fire(this);
    OnChange.Fire(this);
}

bool AttachImageList(TComponent& client, TCustomImageList*& slot, TCustomImageList* value, TChangeLink& link)
{
    if (value == slot)
        return false;
    if (slot) {
        slot->UnRegisterChanges(link);
        slot->RemoveFreeNotification(&client);
    }
    slot = value;
    if (slot) {
        slot->RegisterChanges(link);
        slot->FreeNotification(&client);
    }
    return true;
}

}  // namespace ov
