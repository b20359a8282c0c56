// TImage: draws its picture on the parent's DC.
#include "framework/controls/image.h"

#include "framework/graphics/canvas.h"
#include "framework/graphics/graphic.h"
#include "framework/graphics/picture.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TImage::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TImage>(L"TImage", TGraphicControl::StaticClass())
                                        .Creatable()
                                        .Property(L"Center", &TImage::Center, &TImage::SetCenter)
                                        .Property(L"Picture", &TImage::Picture, &TImage::SetPicture)
                                        .Property(L"Stretch", &TImage::Stretch, &TImage::SetStretch)
                                        .Property(L"Transparent", &TImage::Transparent, &TImage::SetTransparent)
                                        .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>())
{
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    picture_->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::SetPicture(TPicture* value)
{
    if (value)
        picture_->Assign(*value);
}

void TImage::SetStretch(bool value)
{
    if (stretch_ != value) {
        stretch_ = value;
        Invalidate();
    }
}

void TImage::SetCenter(bool value)
{
    if (center_ != value) {
        center_ = value;
        Invalidate();
    }
}

void TImage::SetTransparent(bool value)
{
    if (transparent_ == value)
        return;
    transparent_ = value;
    if (TGraphic* graphic = picture_->Graphic())
        graphic->SetTransparent(value);
    Invalidate();
}

void TImage::PictureChanged(TObject*)
{
    if (TGraphic* graphic = picture_->Graphic(); graphic && transparent_ && !graphic->Transparent())
        graphic->SetTransparent(true);
    Invalidate();
}

RECT TImage::DestinationRect() const
{
    if (stretch_)
        return ClientRect();
    int w = picture_->Width(), h = picture_->Height();
    int x = center_ ? (Width() - w) / 2 : 0;
    int y = center_ ? (Height() - h) / 2 : 0;
    return {x, y, x + w, y + h};
}

void TImage::Paint()
{
    TGraphic* graphic = picture_->Graphic();
    if (!graphic || graphic->Empty())
        return;
    Canvas()->StretchDraw(DestinationRect(), *graphic);
}

}  // namespace ov
