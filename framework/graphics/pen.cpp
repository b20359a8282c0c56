// TPen: property changes, the lazily made HPEN, published properties.
#include "framework/graphics/pen.h"

#include <utility>

namespace ov {

const TClassInfo& TPen::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPen>(L"TPen", TPersistent::StaticClass())
                                        .Property(L"Color", ColorType(), &TPen::Color, &TPen::SetColor)
                                        .Property(L"Mode", &TPen::Mode, &TPen::SetMode)
                                        .Property(L"Style", &TPen::Style, &TPen::SetStyle)
                                        .Property(L"Width", &TPen::Width, &TPen::SetWidth)
                                        .Build();
    return info;
}

TPen& TPen::operator=(const TPen& other)
{
    Assign(other);
    return *this;
}

void TPen::SetColor(TColor value)
{
    if (std::exchange(color_, value) != value)
        HandleChanged();
}

void TPen::SetWidth(int value)
{
    if (value >= 0 && std::exchange(width_, value) != value)
        HandleChanged();
}

void TPen::SetStyle(TPenStyle value)
{
    if (std::exchange(style_, value) != value)
        HandleChanged();
}

void TPen::SetMode(TPenMode value)
{
    if (std::exchange(mode_, value) != value)
        OnChange.Fire(this);
}

HPEN TPen::Handle() const
{
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    if (!handle_)
        handle_.reset(::CreatePen(kStyles[style_], width_, ColorToRGB(color_)));
    return handle_.get();
}

void TPen::Assign(const TPersistent& source)
{
    auto pen = dynamic_cast<const TPen*>(&source);
    if (!pen) {
        TPersistent::Assign(source);
        return;
    }
    if (pen == this)
        return;
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    mode_ = pen->mode_;
    HandleChanged();
}

// The old handle outlives the notification so that a canvas can deselect it first.
void TPen::HandleChanged()
{
    UniquePen old = std::move(handle_);
    OnChange.Fire(this);
}

}  // namespace ov
