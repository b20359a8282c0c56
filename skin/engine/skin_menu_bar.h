// The skinned menu bar of a framework form: a tool bar at the top of the client area whose buttons
// carry the top-level items of the form's menu (merged with an MDI child's), the three small
// buttons that minimise, restore and close a maximised MDI child, and the merge of the items.
#pragma once

#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/forms/menus.h"
#include "framework/controls/panel.h"
#include "framework/controls/tool_bar.h"

namespace ov {

class TkrvSkinWindowVCL;

// The Tag the bar button painter gives the top-level button that is hot or open.
inline constexpr int kHotMenuButtonTag = 888;

// The top-level items a skinned bar shows. Without a child menu: the form's own items. With one:
// the form's items whose GroupIndex none of the child's items has, and the child's items inserted,
// in their order, right after the last own item whose GroupIndex is below the child's first item's
// (at the start when there is none).
struct TkrvMenuBarItems {
    std::vector<TMenuItem*> items;
    bool hasImages = false;  // one of them has an image index
};
TkrvMenuBarItems CollectMenuItems(TMainMenu* mainMenu, TMainMenu* childMenu);

class TkrvSkinMenuBar : public TToolBar {
    OV_CLASS(TkrvSkinMenuBar, TToolBar)

    TkrvSkinMenuBar(TComponent* owner, TkrvSkinWindowVCL* skinWindow);

    TkrvSkinWindowVCL* SkinWindow() const noexcept { return FSkinWindow; }
    // The button marked hot or open by the button painter, or null.
    TToolButton* HotButton() const;

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void WndProc(TMessage& message) override;

private:
    bool IgnoresPress(const TMessage& message) const;
    void EnterOnHotItem();
    void CopyAutoHotkeys(TObject* sender);

    TkrvSkinWindowVCL* FSkinWindow;
};

// One of the three buttons at the right end of an MDI parent's bar while a child is maximised.
class TkrvSkinMenuBarControlButton : public TCustomPanel {
    OV_CLASS(TkrvSkinMenuBarControlButton, TCustomPanel)

    explicit TkrvSkinMenuBarControlButton(TComponent* owner);

    TBitmap* Glyph() noexcept { return &FGlyph; }
    void SetGlyph(const TBitmap& value)
    {
        FGlyph.Assign(value);
        Invalidate();
    }
    TColor ToColor() const noexcept { return FToColor; }
    void SetToColor(TColor value)
    {
        FToColor = value;
        Invalidate();
    }
    bool Hovered() const noexcept { return FHover; }

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;

private:
    TBitmap FGlyph;
    TColor FToColor = 0xFFFFFF;
    bool FHover = false;
};

}  // namespace ov
