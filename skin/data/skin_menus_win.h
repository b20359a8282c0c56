// Owner-drawing hooks for framework menus, and which image list draws a menu item's image.
#pragma once

#include "framework/graphics/image_list.h"
#include "framework/forms/menus.h"

namespace ov {

// Sets the item's OnMeasureItem and OnDrawItem, and those of every item below it. An item whose
// parent is a top-level item with its own sub-menu image list is remembered with that list.
void HookMenuItems(TMenuItem* item, const TMenuMeasureItemEvent& measure, const TMenuDrawItemEvent& draw);

// True for an item with a parent and a component name whose parent is its menu's root item (an
// item of the menu bar, or of a popup menu's first level).
bool IsTopLevelMenuItem(const TMenuItem* item);

// The image list for the item's image: the one remembered for a top-level item; else that of the
// nearest item above it with a sub-menu image list (or remembered); else that of the item's menu.
TCustomImageList* GetMenuItemImages(const TMenuItem* item);

// The image lists a menu item or menu carries, where the framework gives them one (null otherwise).
TCustomImageList* SubMenuImagesOf(const TMenuItem& item);
TCustomImageList* ImagesOf(const TMenu& menu);

}  // namespace ov
