// Menus: TMenuItem (a captioned command, or a submenu of items), TMenu with its native HMENU,
// TMainMenu (a form's menu bar) and TPopupMenu (shown at a screen point). With OwnerDraw set on
// the menu, every item is measured and drawn by OnMeasureItem / OnDrawItem (or by the default
// painter when those are not assigned).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/forms/control.h"
#include "framework/core/handle.h"

namespace ov {

class TBitmap;
class TCanvas;
class TCustomImageList;
class TMenu;

// A key with its modifiers: the virtual key in the low byte, plus scShift, scCtrl, scAlt.
using TShortCut = WORD;
inline constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
// "Ctrl+S", "Shift+F10"; empty for scNone.
std::wstring ShortCutToText(TShortCut shortCut);
const TTypeInfo& ShortCutType();

enum TMenuAutoFlag { maAutomatic, maManual, maParent };
enum TPopupAlignment { paLeft, paRight, paCenter };
OV_ENUM_TYPE(TMenuAutoFlag, L"maAutomatic", L"maManual", L"maParent")
OV_ENUM_TYPE(TPopupAlignment, L"paLeft", L"paRight", L"paCenter")

using TMenuMeasureItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, RECT ARect, bool Selected)>;
OV_EVENT_TYPE(TMenuMeasureItemEvent)
OV_EVENT_TYPE(TMenuDrawItemEvent)

class TMenuItem : public TComponent {
    OV_CLASS(TMenuItem, TComponent)

    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    [[nodiscard]] const std::wstring& Caption() const noexcept { return caption_; }
    void SetCaption(const std::wstring& value);
    // A caption of "-" makes the item a separator line.
    [[nodiscard]] bool IsLine() const noexcept { return caption_ == L"-"; }
    [[nodiscard]] bool Checked() const noexcept { return checked_; }
    void SetChecked(bool value);
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool value);
    [[nodiscard]] bool Visible() const noexcept { return visible_; }
    void SetVisible(bool value);
    // The default item of a menu is shown in bold.
    [[nodiscard]] bool Default() const noexcept { return default_; }
    void SetDefault(bool value);
    [[nodiscard]] bool RadioItem() const noexcept { return radioItem_; }
    void SetRadioItem(bool value);
    [[nodiscard]] int GroupIndex() const noexcept { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }
    void SetImageIndex(int value);
    [[nodiscard]] TShortCut ShortCut() const noexcept { return shortCut_; }
    void SetShortCut(TShortCut value);
    [[nodiscard]] const std::wstring& Hint() const noexcept { return hint_; }
    void SetHint(const std::wstring& value) { hint_ = value; }
    // Images for the sub-items of this item (instead of the menu's Images).
    [[nodiscard]] TCustomImageList* SubMenuImages() const noexcept { return subMenuImages_; }
    void SetSubMenuImages(TCustomImageList* value);
    // A picture of the item's own; made empty on first use.
    TBitmap* Bitmap();
    [[nodiscard]] bool HasBitmap() const;

    // Sub-items.
    [[nodiscard]] int Count() const noexcept { return static_cast<int>(items_.size()); }
    [[nodiscard]] TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    void Delete(int index) { Remove(Items(index)); }
    // Frees every sub-item.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    [[nodiscard]] TMenuItem* Parent() const noexcept { return parent_; }
    [[nodiscard]] int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    // The menu this item belongs to (through its parents), or null.
    [[nodiscard]] TMenu* GetParentMenu() const;
    // The images this item's ImageIndex refers to: the SubMenuImages of the nearest parent item that
    // has them, else the menu's Images; null when there are none.
    [[nodiscard]] TCustomImageList* GetImageList() const;
    // The item's command identifier in WM_COMMAND.
    [[nodiscard]] UINT Command() const noexcept { return command_; }
    // The item (this or below) with that command identifier or submenu handle, or null.
    TMenuItem* FindByCommand(UINT command);
    TMenuItem* FindBySubmenu(HMENU submenu);
    // The native submenu holding the sub-items; created on first use.
    HMENU Handle();

    virtual void Click();
    // Owner drawing: the events, or the default look (caption, check mark, shortcut).
    virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
    virtual void DrawItem(TCanvas& canvas, const RECT& rect, bool selected);

    [[nodiscard]] bool HasParent() const override { return true; }
    [[nodiscard]] TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

protected:
    void BeforeDestruction() override;

private:
    friend class TMenu;
    friend class TMainMenu;
    friend std::vector<TMenuItem*> MergeMenuItems(const TMenuItem& own, const TMenuItem* merged);

    void Changed();
    void RebuildHandle();
    void AppendTo(HMENU menu, bool ownerDraw);
    void Notification(TComponent* component, TOperation operation) override;

    std::wstring caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    TShortCut shortCut_ = scNone;
    std::wstring hint_;
    TCustomImageList* subMenuImages_ = nullptr;
    std::unique_ptr<TBitmap> bitmap_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item of a menu
    UINT command_;
    UniqueMenu handle_;
    bool mainMenuBar_ = false;  // the root of a TMainMenu is a menu bar, not a popup
    bool rebuilding_ = false;
};

class TMenu : public TComponent {
    OV_CLASS(TMenu, TComponent)

    explicit TMenu(TComponent* owner);

    // The root item; its sub-items are the menu's items.
    [[nodiscard]] TMenuItem* Items() const noexcept { return items_; }
    HMENU Handle() { return items_->Handle(); }
    [[nodiscard]] bool OwnerDraw() const noexcept { return ownerDraw_; }
    void SetOwnerDraw(bool value);
    [[nodiscard]] TMenuAutoFlag AutoHotkeys() const noexcept { return autoHotkeys_; }
    void SetAutoHotkeys(TMenuAutoFlag value) noexcept { autoHotkeys_ = value; }
    // The images the items' ImageIndex refers to.
    [[nodiscard]] TCustomImageList* Images() const noexcept { return images_; }
    void SetImages(TCustomImageList* value);
    [[nodiscard]] TBiDiMode BiDiMode() const noexcept { return bdLeftToRight; }
    void Notification(TComponent* component, TOperation operation) override;

    // Clicks the item with this command identifier; false when the menu has none.
    bool DispatchCommand(UINT command);
    // Clicks the item whose submenu is about to open; false when the menu has none.
    bool DispatchPopup(HMENU submenu);
    // The item whose shortcut is this key with the current modifiers, or null.
    TMenuItem* FindShortCut(WORD key, TShiftState shift);
    // Clicks the item with this shortcut; false when there is none (or it is disabled).
    bool IsShortCut(WORD key, TShiftState shift);

    // Called by the items when the native menu changed.
    virtual void MenuChanged() {}

protected:
    void BeforeDestruction() override;

private:
    TMenuItem* items_;
    TCustomImageList* images_ = nullptr;
    bool ownerDraw_ = false;
    TMenuAutoFlag autoHotkeys_ = maAutomatic;
};

class TMainMenu : public TMenu {
    OV_CLASS(TMainMenu, TMenu)

    explicit TMainMenu(TComponent* owner);
    // Redraws the menu bar of the form that shows this menu (and of the menu it is merged into).
    void MenuChanged() override;

    // An MDI parent's bar shows its active child's menu merged into its own (MergeMenuItems);
    // null unmerges. A menu is merged into at most one other.
    void Merge(TMainMenu* menu);
    void Unmerge(TMainMenu* menu);
    [[nodiscard]] TMainMenu* Merged() const noexcept { return merged_; }
    // The top-level items the bar shows: the menu's own, with the merged menu's in their places.
    [[nodiscard]] std::vector<TMenuItem*> BarItems() const;
    // Clicks the item (own or merged) with this command identifier.
    bool DispatchMergedCommand(UINT command);

    void Notification(TComponent* component, TOperation operation) override;

private:
    TMainMenu* merged_ = nullptr;
    TMainMenu* mergedInto_ = nullptr;
};

// How the platform merges a child's menu bar into its parent's: every child item replaces the
// parent's items of its GroupIndex and stands, in the child's order, before the first parent
// item of a higher GroupIndex. Invisible items are left out.
std::vector<TMenuItem*> MergeMenuItems(const TMenuItem& own, const TMenuItem* merged);

class TPopupMenu : public TMenu {
    OV_CLASS(TPopupMenu, TMenu)

    explicit TPopupMenu(TComponent* owner);

    // Shows the menu at a screen point and runs the chosen item's OnClick (after OnPopup).
    virtual void Popup(int x, int y);
    [[nodiscard]] bool AutoPopup() const noexcept { return autoPopup_; }
    void SetAutoPopup(bool value) noexcept { autoPopup_ = value; }
    [[nodiscard]] TPopupAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TPopupAlignment value) noexcept { alignment_ = value; }
    // The component the menu was last shown for (a control's context menu).
    [[nodiscard]] TComponent* PopupComponent() const noexcept { return popupComponent_; }
    void SetPopupComponent(TComponent* value);
    [[nodiscard]] POINT PopupPoint() const noexcept { return popupPoint_; }

    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnPopup;

private:
    bool autoPopup_ = true;
    TPopupAlignment alignment_ = paLeft;
    TComponent* popupComponent_ = nullptr;
    POINT popupPoint_{0, 0};
};

// Runs with every popup menu just before it shows, after its OnPopup; one per process. Whoever
// draws menus of its own (the skin engine) takes over menus made after it last looked, such as a
// view's edit menu, this way.
using TPopupMenuHook = std::function<void(TPopupMenu& menu)>;
void SetPopupMenuHook(TPopupMenuHook hook);

// WM_MEASUREITEM, WM_DRAWITEM (of menus) and WM_INITMENUPOPUP for the menus of the framework;
// answers whether the message was one of them.
bool HandleMenuMessage(TMessage& message);

}  // namespace ov
