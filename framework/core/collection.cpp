// TCollection: items made by the factory, owned by the collection.
#include "framework/core/collection.h"

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TCollectionItem::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCollectionItem>(L"TCollectionItem", TPersistent::StaticClass()).Build();
    return info;
}

const TClassInfo& TCollection::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCollection>(L"TCollection", TPersistent::StaticClass()).Build();
    return info;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

TCollection::TCollection(TItemFactory itemFactory, TPersistent* owner)
    : itemFactory_(std::move(itemFactory)), owner_(owner)
{
}

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Add()
{
    items_.push_back(itemFactory_(this));
    OnChange.Fire(this);
    return items_.back().get();
}

void TCollection::Delete(int index)
{
    items_.erase(items_.begin() + index);
    OnChange.Fire(this);
}

void TCollection::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    OnChange.Fire(this);
}

int TCollection::IndexOf(const TCollectionItem* item) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

}  // namespace ov
