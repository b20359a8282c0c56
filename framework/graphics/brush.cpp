// TBrush: property changes, the lazily made HBRUSH, published properties.
#include "framework/graphics/brush.h"

#include <utility>

namespace ov {

const TClassInfo& TBrush::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TBrush>(L"TBrush", TPersistent::StaticClass())
                                        .Property(L"Color", ColorType(), &TBrush::Color, &TBrush::SetColor)
                                        .Property(L"Style", &TBrush::Style, &TBrush::SetStyle)
                                        .Build();
    return info;
}

TBrush& TBrush::operator=(const TBrush& other)
{
    Assign(other);
    return *this;
}

void TBrush::SetColor(TColor value)
{
    TBrushStyle style = value == clNone ? bsClear : style_ == bsClear ? bsSolid : style_;
    if (value == color_ && style == style_)
        return;
    color_ = value;
    style_ = style;
    HandleChanged();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (std::exchange(style_, value) != value)
        HandleChanged();
}

HBRUSH TBrush::Handle() const
{
    if (handle_)
        return handle_.get();
    LOGBRUSH lb{};
    lb.lbColor = ColorToRGB(color_);
    switch (style_) {
    case bsSolid:
        lb.lbStyle = BS_SOLID;
        break;
    case bsClear:
        lb.lbStyle = BS_HOLLOW;
        break;
    default:
        static constexpr int kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                           HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = kHatches[style_ - bsHorizontal];
        break;
    }
    handle_.reset(::CreateBrushIndirect(&lb));
    return handle_.get();
}

void TBrush::Assign(const TPersistent& source)
{
    auto brush = dynamic_cast<const TBrush*>(&source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    if (brush == this)
        return;
    color_ = brush->color_;
    style_ = brush->style_;
    HandleChanged();
}

// The old handle outlives the notification so that a canvas can deselect it first.
void TBrush::HandleChanged()
{
    UniqueBrush old = std::move(handle_);
    OnChange.Fire(this);
}

}  // namespace ov
