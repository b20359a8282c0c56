// TCollection: an owned, ordered list of items of one class (TCollectionItem descendants), the
// value of collection properties (`Items = <item ... end>` in layouts).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "framework/core/component.h"

namespace ov {

class TCollection;

class TCollectionItem : public TPersistent {
    OV_CLASS(TCollectionItem, TPersistent)

    explicit TCollectionItem(TCollection* collection) : collection_(collection) {}

    [[nodiscard]] TCollection* Collection() const noexcept { return collection_; }
    [[nodiscard]] int Index() const;

private:
    TCollection* collection_;
};

class TCollection : public TPersistent {
    OV_CLASS(TCollection, TPersistent)

    using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;

    // itemFactory makes the items (of the collection's item class); owner is what the collection
    // belongs to (for descendants that need it).
    TCollection(TItemFactory itemFactory, TPersistent* owner = nullptr);
    ~TCollection() override;

    [[nodiscard]] TPersistent* Owner() const noexcept { return owner_; }
    [[nodiscard]] int Count() const noexcept { return static_cast<int>(items_.size()); }
    [[nodiscard]] TCollectionItem* Items(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
    TCollectionItem* Add();
    void Delete(int index);
    void Clear();
    int IndexOf(const TCollectionItem* item) const;

    TNotifyEvent OnChange;

private:
    TItemFactory itemFactory_;
    TPersistent* owner_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
};

}  // namespace ov
