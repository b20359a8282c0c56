// TSizeConstraints: published limits and copying.
#include "framework/forms/size_constraints.h"

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TSizeConstraints::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TSizeConstraints>(L"TSizeConstraints", TPersistent::StaticClass())
            .Property(L"MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
            .Property(L"MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
            .Property(L"MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
            .Property(L"MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth)
            .Build();
    return info;
}

void TSizeConstraints::Assign(const TPersistent& source)
{
    auto other = dynamic_cast<const TSizeConstraints*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    minWidth_ = other->minWidth_;
    minHeight_ = other->minHeight_;
    maxWidth_ = other->maxWidth_;
    maxHeight_ = other->maxHeight_;
    OnChange.Fire(this);
}

}  // namespace ov
