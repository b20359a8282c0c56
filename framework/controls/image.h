// TImage: a windowless control showing a picture (a bitmap or an icon), at its own size, centred,
// or stretched to the control.
#pragma once

#include <memory>

#include "framework/controls/graphic_control.h"

namespace ov {

class TPicture;

class TImage : public TGraphicControl {
    OV_CLASS(TImage, TGraphicControl)

    explicit TImage(TComponent* owner);
    ~TImage() override;

    [[nodiscard]] TPicture* Picture() const noexcept { return picture_.get(); }
    void SetPicture(TPicture* value);
    [[nodiscard]] bool Stretch() const noexcept { return stretch_; }
    void SetStretch(bool value);
    [[nodiscard]] bool Center() const noexcept { return center_; }
    void SetCenter(bool value);
    [[nodiscard]] bool Transparent() const noexcept { return transparent_; }
    void SetTransparent(bool value);

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* sender);
    [[nodiscard]] RECT DestinationRect() const;

    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

}  // namespace ov
