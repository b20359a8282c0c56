// TPicture: one owned graphic, its stored form, change notification.
#include "framework/graphics/picture.h"

#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/core/properties.h"
#include "framework/core/streams.h"

namespace ov {

namespace {

std::unique_ptr<TGraphic> NewGraphic(std::string_view className)
{
    if (className == "TBitmap")
        return std::make_unique<TBitmap>();
    if (className == "TIcon")
        return std::make_unique<TIcon>();
    return nullptr;
}

std::unique_ptr<TGraphic> CopyOf(const TGraphic& graphic)
{
    std::unique_ptr<TGraphic> copy;
    if (dynamic_cast<const TBitmap*>(&graphic))
        copy = std::make_unique<TBitmap>();
    else if (dynamic_cast<const TIcon*>(&graphic))
        copy = std::make_unique<TIcon>();
    else
        throw Exception(L"Cannot assign a %s to a TPicture", {graphic.ClassName()});
    copy->Assign(graphic);
    return copy;
}

}  // namespace

const TClassInfo& TPicture::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPicture>(L"TPicture", TPersistent::StaticClass()).Build();
    return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
    OnChange.Fire(this);
}

void TPicture::GraphicChanged(TObject*) { OnChange.Fire(this); }

void TPicture::SetGraphic(const TGraphic* graphic) { TakeGraphic(graphic ? CopyOf(*graphic) : nullptr); }

TBitmap* TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(graphic_.get()))
        TakeGraphic(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(graphic_.get());
}

TIcon* TPicture::Icon()
{
    if (!dynamic_cast<TIcon*>(graphic_.get()))
        TakeGraphic(std::make_unique<TIcon>());
    return static_cast<TIcon*>(graphic_.get());
}

int TPicture::Width() const { return graphic_ ? graphic_->Width() : 0; }
int TPicture::Height() const { return graphic_ ? graphic_->Height() : 0; }

void TPicture::Assign(const TPersistent& source)
{
    if (auto picture = dynamic_cast<const TPicture*>(&source)) {
        SetGraphic(picture->Graphic());
    } else if (auto graphic = dynamic_cast<const TGraphic*>(&source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(source);
    }
}

void TPicture::LoadData(TStream& stream)
{
    std::uint8_t length = 0;
    stream.ReadBuffer(&length, 1);
    std::string className(length, '\0');
    stream.ReadBuffer(className.data(), length);
    if (className.empty()) {
        TakeGraphic(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> graphic = NewGraphic(className);
    if (!graphic)
        throw Exception(L"Unknown picture class %s", {className});
    if (dynamic_cast<TBitmap*>(graphic.get())) {
        std::uint32_t size = 0;
        stream.ReadBuffer(&size, 4);
        if (size > stream.Size() - stream.Position())
            throw Exception(L"Bitmap image is not valid");
    }
    graphic->LoadFromStream(stream);
    TakeGraphic(std::move(graphic));
}

void TPicture::DefineProperties(TFiler& filer)
{
    filer.DefineBinaryProperty(L"Data", [this](TStream& stream) { LoadData(stream); });
}

}  // namespace ov
