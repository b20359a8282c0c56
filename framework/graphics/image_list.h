// TImageList: a list of equally sized images with masks over a system HIMAGELIST, drawn by tool
// bars, page controls and menus; its images can be stored in a layout.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/graphics/color.h"
#include "framework/core/component.h"
#include "framework/core/handle.h"
#include "framework/core/properties.h"

namespace ov {

class TBitmap;
class TCanvas;
class TIcon;
class TStream;
class TCustomImageList;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

OV_ENUM_TYPE(TDrawingStyle, L"dsFocus", L"dsSelected", L"dsNormal", L"dsTransparent")
OV_ENUM_TYPE(TImageType, L"itImage", L"itMask")

// How a control that shows an image list hears about changes to its images: it owns a link,
// registers it with the list (RegisterChanges) and gets OnChange whenever images are added,
// replaced, deleted or resized. A link unregisters itself when it is destroyed, and the list
// clears the links' Sender when it goes first.
class TChangeLink {
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;
    ~TChangeLink();

    [[nodiscard]] TCustomImageList* Sender() const noexcept { return sender_; }
    TNotifyEvent OnChange;

private:
    friend class TCustomImageList;
    TCustomImageList* sender_ = nullptr;
};

// Images are Width × Height (16 × 16 by default). Changing Width, Height or Masked empties the
// list. Bitmaps given to Add must be Height high and a whole multiple of Width wide (a strip of
// several images); anything else raises Exception "Invalid image size".
//
// Masks: Add takes a mask bitmap whose white pixels are transparent; AddMasked makes the mask from
// one colour of the image (clDefault: its bottom-left pixel), without changing the caller's
// bitmap.
//
// Stored form (the binary property "Bitmap" of a layout, also SaveToStream / LoadFromStream): the
// images one after another, each a complete BMP file of 32 bits per pixel, Width × Height (or a
// strip of several images side by side), whose fourth byte is the mask: 0 transparent, anything
// else opaque. Streams written here load back unchanged; 24-bit BMPs are accepted as opaque images.
class TCustomImageList : public TComponent {
    OV_CLASS(TCustomImageList, TComponent)

    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    int Width() const noexcept { return width_; }
    void SetWidth(int value);
    int Height() const noexcept { return height_; }
    void SetHeight(int value);
    bool Masked() const noexcept { return masked_; }
    void SetMasked(bool value);
    // Background drawn under transparent pixels; clNone keeps them transparent.
    TColor BkColor() const noexcept { return bkColor_; }
    void SetBkColor(TColor value);
    TColor BlendColor() const noexcept { return blendColor_; }
    void SetBlendColor(TColor value) { blendColor_ = value; }
    TDrawingStyle DrawingStyle() const noexcept { return drawingStyle_; }
    void SetDrawingStyle(TDrawingStyle value) { drawingStyle_ = value; }
    TImageType ImageType() const noexcept { return imageType_; }
    void SetImageType(TImageType value) { imageType_ = value; }
    int AllocBy() const noexcept { return allocBy_; }
    void SetAllocBy(int value) { allocBy_ = value > 0 ? value : 1; }

    int Count() const;
    HIMAGELIST Handle() const;

    // Each returns the index of the first image added.
    int Add(TBitmap& image, TBitmap* mask);
    int AddMasked(TBitmap& image, TColor maskColor);
    int AddIcon(TIcon& icon);
    void Replace(int index, TBitmap& image, TBitmap* mask);
    void Delete(int index);
    void Clear();

    // Draws image `index` with DrawingStyle and ImageType; a disabled image is drawn embossed in
    // the button shadow and highlight colours. An index outside the list draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // The image on a black background, Width × Height, in `image`.
    bool GetBitmap(int index, TBitmap& image) const;

    void SaveToStream(TStream& stream) const;
    // Appends the images of a stream in the stored form; raises "Bitmap image is not valid" or
    // "Invalid image size" for data that is not.
    void LoadFromStream(TStream& stream);
    void DefineProperties(TFiler& filer) override;

    void RegisterChanges(TChangeLink& link);
    void UnRegisterChanges(TChangeLink& link);

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    void Recreate();
    void CheckSize(const TBitmap& image) const;
    void DrawDisabled(HDC dc, int x, int y, int index) const;

    int width_ = 16;
    int height_ = 16;
    bool masked_ = true;
    TColor bkColor_ = clNone;
    TColor blendColor_ = clNone;
    TDrawingStyle drawingStyle_ = dsNormal;
    TImageType imageType_ = itImage;
    int allocBy_ = 4;
    mutable UniqueImageList handle_;
    std::vector<TChangeLink*> links_;
};

// Points a control's image list field `slot` at `value`: the change link and the free
// notification move from the old list to the new one. False when `value` is already there.
bool AttachImageList(TComponent& client, TCustomImageList*& slot, TCustomImageList* value, TChangeLink& link);

// An image index for the common controls' items: our "no image" (-1) is their I_IMAGENONE, since
// to them -1 means I_IMAGECALLBACK (ask the parent for the image).
inline int ImageIndexOrNone(int index) { return index >= 0 ? index : I_IMAGENONE; }

// The published image list of layouts.
class TImageList : public TCustomImageList {
    OV_CLASS(TImageList, TCustomImageList)

    explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};

}  // namespace ov
