// TPicture: holds one graphic (a bitmap or an icon) for an image control. In layouts its picture
// is the binary property Data: one length byte, the graphic's class name ("TBitmap", "TIcon"),
// then the graphic's data (a TBitmap: a 4-byte little-endian size and a BMP file; a TIcon: .ico
// file data).
#pragma once

#include <memory>

#include "framework/core/component.h"

namespace ov {

class TGraphic;
class TBitmap;
class TIcon;
class TStream;

class TPicture : public TPersistent {
    OV_CLASS(TPicture, TPersistent)

    TPicture();
    ~TPicture() override;

    [[nodiscard]] TGraphic* Graphic() const noexcept { return graphic_.get(); }
    // Copies graphic (null empties the picture).
    void SetGraphic(const TGraphic* graphic);
    // The graphic as a bitmap / an icon, replacing a graphic of another kind by an empty one.
    TBitmap* Bitmap();
    TIcon* Icon();
    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;

    // Reads the Data layout (see above); raises Exception for an unknown class or bad data.
    void LoadData(TStream& stream);

    void Assign(const TPersistent& source) override;
    void DefineProperties(TFiler& filer) override;

    TNotifyEvent OnChange;

private:
    void TakeGraphic(std::unique_ptr<TGraphic> graphic);
    void GraphicChanged(TObject* sender);

    std::unique_ptr<TGraphic> graphic_;
};

}  // namespace ov
