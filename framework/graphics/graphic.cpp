// TGraphic: the transparency switch and the class information shared by bitmaps and icons.
#include "framework/graphics/graphic.h"

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TGraphic::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGraphic>(L"TGraphic", TPersistent::StaticClass()).Build();
    return info;
}

void TGraphic::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Changed();
}

}  // namespace ov
