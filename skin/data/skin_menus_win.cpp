// Menu hooking and the image lists of menu items.
#include "skin/data/skin_menus_win.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ov {
namespace {

// Items remembered with the image list of their top-level parent. A component, so that an item or
// an image list that is freed leaves the list instead of staying behind as a dangling pointer.
class TMenuImageRegistry : public TComponent {
public:
    TMenuImageRegistry() : TComponent(nullptr) {}

    void Add(TMenuItem* item, TCustomImageList* images)
    {
        entries_.emplace_back(item, images);
        FreeNotification(item);
        FreeNotification(images);
    }

    TCustomImageList* Find(const TMenuItem* item) const
    {
        const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == item; });
        return it == entries_.end() ? nullptr : it->second;
    }

    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation != opRemove)
            return;
        std::erase_if(entries_, [&](const auto& e) {
            return e.first == component || static_cast<TComponent*>(e.second) == component;
        });
    }

private:
    std::vector<std::pair<TMenuItem*, TCustomImageList*>> entries_;
};

TMenuImageRegistry& Registry()
{
    static TMenuImageRegistry registry;
    return registry;
}

}  // namespace

// Templates, so that the branch for a member the framework lacks is never compiled.
template <typename Item>
TCustomImageList* ItemImages(const Item& item)
{
    if constexpr (requires { item.SubMenuImages(); })
        return item.SubMenuImages();
    else
        return nullptr;  // the framework's menu items carry no image list of their own
}

template <typename Menu>
TCustomImageList* MenuImages(const Menu& menu)
{
    if constexpr (requires { menu.Images(); })
        return menu.Images();
    else
        return nullptr;  // the framework's menus carry no image list
}

TCustomImageList* SubMenuImagesOf(const TMenuItem& item) { return ItemImages(item); }

TCustomImageList* ImagesOf(const TMenu& menu) { return MenuImages(menu); }

void HookMenuItems(TMenuItem* item, const TMenuMeasureItemEvent& measure, const TMenuDrawItemEvent& draw)
{
    if (!item)
        return;
    item->OnMeasureItem = measure;
    item->OnDrawItem = draw;
    TMenuItem* parent = item->Parent();
    if (IsTopLevelMenuItem(parent))
        if (TCustomImageList* images = SubMenuImagesOf(*parent))
            Registry().Add(item, images);
    for (int i = 0; i < item->Count(); ++i)
        HookMenuItems(item->Items(i), measure, draw);
}

bool IsTopLevelMenuItem(const TMenuItem* item)
{
    if (!item || !item->Parent() || item->Name().empty())
        return false;
    const TMenu* menu = item->Parent()->GetParentMenu();
    return menu && menu->Items() == item->Parent();
}

TCustomImageList* GetMenuItemImages(const TMenuItem* item)
{
    if (!item)
        return nullptr;
    if (IsTopLevelMenuItem(item))
        if (TCustomImageList* images = Registry().Find(item))
            return images;
    for (const TMenuItem* above = item->Parent(); above; above = above->Parent()) {
        if (TCustomImageList* images = SubMenuImagesOf(*above))
            return images;
        if (IsTopLevelMenuItem(above))
            if (TCustomImageList* images = Registry().Find(above))
                return images;
    }
    const TMenu* menu = item->GetParentMenu();
    return menu ? ImagesOf(*menu) : nullptr;
}

}  // namespace ov
