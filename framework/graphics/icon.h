// TIcon: an HICON taken from a resource or from .ico data, of the size asked for, drawn at its
// own size or stretched.
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/graphics/graphic.h"
#include "framework/core/handle.h"

namespace ov {

// Loading picks, among the images of the icon, the one that best fits RequestedSize (by default
// the system's large icon size, SM_CXICON × SM_CYICON): the exact size with the most colours,
// else the nearest larger one, else the largest. Icons always draw transparently.
class TIcon : public TGraphic {
    OV_CLASS(TIcon, TGraphic)

    TIcon();
    TIcon(const TIcon& other);
    TIcon& operator=(const TIcon& other);
    ~TIcon() override;

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int Height() const override { return height_; }

    void SetRequestedSize(int width, int height) noexcept
    {
        requestedWidth_ = width;
        requestedHeight_ = height;
    }

    // .ico file data from the stream's Position; Exception "Icon image is not valid" otherwise.
    void LoadFromStream(TStream& stream) override;
    // RT_GROUP_ICON resource; Exception "Resource <name> not found" when missing.
    void LoadFromResourceName(HINSTANCE instance, std::wstring_view name);
    void LoadFromResourceID(HINSTANCE instance, int id);

    [[nodiscard]] HICON Handle() const noexcept { return icon_.get(); }
    // Takes ownership of icon (a handle from LoadIcon is shared and must not be given here).
    void SetHandle(HICON icon);
    // Hands the icon over to the caller, who must destroy it; the icon is empty afterwards.
    HICON ReleaseHandle();

    void Assign(const TPersistent& source) override;
    void Draw(TCanvas& canvas, const RECT& rect) const override;

private:
    void LoadFromResource(HINSTANCE instance, const wchar_t* name, const std::wstring& shownName);

    UniqueIcon icon_;
    int width_ = 0;
    int height_ = 0;
    int requestedWidth_ = 0;
    int requestedHeight_ = 0;
};

}  // namespace ov
