// Menus: the item tree, its native HMENUs, command dispatch, popping up and owner drawing.
#include "framework/forms/menus.h"

#include <algorithm>
#include <memory>

#include "framework/forms/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/forms/form.h"
#include "framework/graphics/image_list.h"
#include "framework/core/properties.h"
#include "framework/forms/screen.h"
#include "framework/forms/utility_window.h"

namespace ov {

namespace {

UINT NextCommand()
{
    static UINT next = 100;
    return next++;
}

// The window popup menus report to (owner drawing); one per process, made on first use.
bool PopupWindowHandler(TMessage& message) { return HandleMenuMessage(message); }

HWND PopupOwnerWindow()
{
    static TUtilityWindow window{TUtilityWindow::THandler(&PopupWindowHandler)};
    return window.Handle();
}

LOGFONTW MenuFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfMenuFont;
}

std::wstring KeyName(WORD key)
{
    if ((key >= L'0' && key <= L'9') || (key >= L'A' && key <= L'Z'))
        return std::wstring(1, static_cast<wchar_t>(key));
    if (key >= VK_F1 && key <= VK_F24)
        return L"F" + std::to_wstring(key - VK_F1 + 1);
    switch (key) {
    case VK_BACK:
        return L"BkSp";
    case VK_TAB:
        return L"Tab";
    case VK_RETURN:
        return L"Enter";
    case VK_ESCAPE:
        return L"Esc";
    case VK_SPACE:
        return L"Space";
    case VK_PRIOR:
        return L"PgUp";
    case VK_NEXT:
        return L"PgDn";
    case VK_END:
        return L"End";
    case VK_HOME:
        return L"Home";
    case VK_LEFT:
        return L"Left";
    case VK_UP:
        return L"Up";
    case VK_RIGHT:
        return L"Right";
    case VK_DOWN:
        return L"Down";
    case VK_INSERT:
        return L"Ins";
    case VK_DELETE:
        return L"Del";
    default:
        return L"";
    }
}

}  // namespace

std::wstring ShortCutToText(TShortCut shortCut)
{
    std::wstring name = KeyName(static_cast<WORD>(shortCut & 0xFF));
    if (name.empty())
        return L"";
    std::wstring text;
    if (shortCut & scShift)
        text += L"Shift+";
    if (shortCut & scCtrl)
        text += L"Ctrl+";
    if (shortCut & scAlt)
        text += L"Alt+";
    return text + name;
}

const TTypeInfo& ShortCutType()
{
    static const TTypeInfo t = [] {
        TTypeInfo info;
        info.Kind = TTypeKind::Integer;
        info.Name = L"TShortCut";
        return info;
    }();
    return t;
}

// --- TMenuItem ------------------------------------------------------------------------------------

const TClassInfo& TMenuItem::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TMenuItem>(L"TMenuItem", TComponent::StaticClass())
            .Creatable()
            .Property(L"Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
            .Property(L"Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
            .Property(L"Default", &TMenuItem::Default, &TMenuItem::SetDefault)
            .Property(L"Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
            .Property(L"GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
            .Property(L"Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
            .Property(L"ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
            .Property(L"RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
            .Property(L"ShortCut", ShortCutType(), &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
            .Property(L"SubMenuImages", &TMenuItem::SubMenuImages, &TMenuItem::SetSubMenuImages)
            .Property(L"Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
            .Event(L"OnClick", &TMenuItem::OnClick)
            .Event(L"OnDrawItem", &TMenuItem::OnDrawItem)
            .Event(L"OnMeasureItem", &TMenuItem::OnMeasureItem)
            .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem()
{
    if (handle_) {
        // Take the sub-items out first: DestroyMenu would destroy their submenus too.
        while (GetMenuItemCount(handle_.get()) > 0)
            RemoveMenu(handle_.get(), 0, MF_BYPOSITION);
    }
}

void TMenuItem::BeforeDestruction()
{
    Destroying();
    if (parent_)
        parent_->Remove(this);
    while (!items_.empty())
        items_.back()->Free();
    TComponent::BeforeDestruction();
}

void TMenuItem::SetCaption(const std::wstring& value)
{
    if (caption_ == value)
        return;
    caption_ = value;
    Changed();
}

void TMenuItem::SetChecked(bool value)
{
    if (checked_ == value)
        return;
    checked_ = value;
    if (value && radioItem_ && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
                sibling->checked_ = false;
    Changed();
}

void TMenuItem::SetEnabled(bool value)
{
    if (enabled_ != value) {
        enabled_ = value;
        Changed();
    }
}

void TMenuItem::SetVisible(bool value)
{
    if (visible_ != value) {
        visible_ = value;
        Changed();
    }
}

void TMenuItem::SetDefault(bool value)
{
    if (default_ == value)
        return;
    if (value && parent_)
        for (TMenuItem* sibling : parent_->items_)
            sibling->default_ = false;
    default_ = value;
    Changed();
}

void TMenuItem::SetRadioItem(bool value)
{
    if (radioItem_ != value) {
        radioItem_ = value;
        Changed();
    }
}

void TMenuItem::SetImageIndex(int value)
{
    if (imageIndex_ != value) {
        imageIndex_ = value;
        Changed();
    }
}

void TMenuItem::SetShortCut(TShortCut value)
{
    if (shortCut_ != value) {
        shortCut_ = value;
        Changed();
    }
}

void TMenuItem::SetSubMenuImages(TCustomImageList* value)
{
    if (subMenuImages_)
        subMenuImages_->RemoveFreeNotification(this);
    subMenuImages_ = value;
    if (value)
        value->FreeNotification(this);
    Changed();
}

void TMenuItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == subMenuImages_)
        subMenuImages_ = nullptr;
}

TBitmap* TMenuItem::Bitmap()
{
    if (!bitmap_)
        bitmap_ = std::make_unique<TBitmap>();
    return bitmap_.get();
}

bool TMenuItem::HasBitmap() const { return bitmap_ && !bitmap_->Empty(); }

TCustomImageList* TMenuItem::GetImageList() const
{
    for (const TMenuItem* item = parent_; item; item = item->parent_)
        if (item->subMenuImages_)
            return item->subMenuImages_;
    TMenu* menu = GetParentMenu();
    return menu ? menu->Images() : nullptr;
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this)
        return;
    if (item->parent_)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    RebuildHandle();
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
    RebuildHandle();
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        items_.back()->Free();
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* item = this;
    while (item->parent_)
        item = item->parent_;
    return item->menu_;
}

TMenuItem* TMenuItem::FindByCommand(UINT command)
{
    if (command_ == command)
        return this;
    for (TMenuItem* item : items_)
        if (TMenuItem* found = item->FindByCommand(command))
            return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindBySubmenu(HMENU submenu)
{
    if (handle_ && handle_.get() == submenu)
        return this;
    for (TMenuItem* item : items_)
        if (TMenuItem* found = item->FindBySubmenu(submenu))
            return found;
    return nullptr;
}

TComponent* TMenuItem::GetParentComponent() const
{
    if (parent_ && parent_->menu_)
        return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (auto item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
    else if (auto menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
}

HMENU TMenuItem::Handle()
{
    if (!handle_) {
        handle_.reset(mainMenuBar_ ? CreateMenu() : CreatePopupMenu());
        RebuildHandle();
    }
    return handle_.get();
}

void TMenuItem::Changed()
{
    if (parent_)
        parent_->RebuildHandle();
}

// Fills the submenu again from the visible sub-items (simple and always right; menus are small).
void TMenuItem::RebuildHandle()
{
    if (ComponentState().Contains(csDestroying) || rebuilding_)
        return;
    if (!handle_) {
        // A menu never shown may still be merged into a bar that is.
        if (menu_)
            menu_->MenuChanged();
        return;
    }
    // Appending a merged item makes its submenu, which tells this bar to rebuild once more.
    rebuilding_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{rebuilding_};
    HMENU menu = handle_.get();
    while (GetMenuItemCount(menu) > 0)
        RemoveMenu(menu, 0, MF_BYPOSITION);
    TMenu* owner = GetParentMenu();
    bool ownerDraw = owner && owner->OwnerDraw();
    auto* bar = dynamic_cast<TMainMenu*>(menu_);
    for (TMenuItem* item : bar ? bar->BarItems() : MergeMenuItems(*this, nullptr))
        item->AppendTo(menu, ownerDraw);
    if (owner)
        owner->MenuChanged();
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw)
{
    std::wstring text = caption_;
    if (!IsLine() && shortCut_ != scNone)
        text += L"\t" + ShortCutToText(shortCut_);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
    info.fType = IsLine() ? MFT_SEPARATOR : MFT_STRING;
    if (ownerDraw)
        info.fType |= MFT_OWNERDRAW;
    if (radioItem_)
        info.fType |= MFT_RADIOCHECK;
    info.fState = (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_DISABLED) | (default_ ? MFS_DEFAULT : 0);
    info.wID = command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    info.hSubMenu = items_.empty() ? nullptr : Handle();
    info.dwTypeData = text.data();
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::Click() { OnClick.Fire(this); }

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height)
{
    if (OnMeasureItem.Assigned()) {
        OnMeasureItem(this, &canvas, width, height);
        return;
    }
    if (IsLine()) {
        height = 8;
        width = 8;
        return;
    }
    TCustomImageList* images = GetImageList();
    height = std::max(canvas.TextHeight(L"Wg") + 6, GetSystemMetrics(SM_CYMENUCHECK) + 4);
    width = canvas.TextWidth(caption_) + 40;
    if (images) {
        height = std::max(height, images->Height() + 4);
        width += std::max(0, images->Width() + 6 - 24);
    }
    if (shortCut_ != scNone)
        width += canvas.TextWidth(ShortCutToText(shortCut_)) + 16;
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, bool selected)
{
    if (OnDrawItem.Assigned()) {
        OnDrawItem(this, &canvas, rect, selected);
        return;
    }
    canvas.Brush()->SetColor(selected && enabled_ ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (IsLine()) {
        RECT line{rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, (rect.top + rect.bottom) / 2 + 1};
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    canvas.Font()->SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
    if (default_)
        canvas.Font()->SetStyle(canvas.Font()->Style() + TFontStyles{fsBold});
    canvas.Brush()->SetStyle(bsClear);
    TCustomImageList* images = GetImageList();
    int column = images ? std::max(24, images->Width() + 6) : 24;
    RECT text{rect.left + column, rect.top, rect.right - 8, rect.bottom};
    canvas.RequireFont();
    HDC dc = canvas.Handle();
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, caption_.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
    if (shortCut_ != scNone)
        DrawTextW(dc, ShortCutToText(shortCut_).c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
        images->Draw(canvas, rect.left + 2, rect.top + (rect.bottom - rect.top - images->Height()) / 2, imageIndex_,
                     enabled_);
    } else if (HasBitmap()) {
        canvas.StretchDraw(RECT{rect.left + 4, rect.top + 2, rect.left + 20, rect.top + 18}, *bitmap_);
    } else if (checked_) {
        RECT mark{rect.left + 4, rect.top + (rect.bottom - rect.top - 14) / 2, rect.left + 18,
                  rect.top + (rect.bottom - rect.top - 14) / 2 + 14};
        DrawFrameControl(dc, &mark, DFC_MENU, radioItem_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    }
}

// --- TMenu ------------------------------------------------------------------------------------------

const TClassInfo& TMenu::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMenu>(L"TMenu", TComponent::StaticClass())
                                        .Property(L"AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys)
                                        .Property(L"Images", &TMenu::Images, &TMenu::SetImages)
                                        .Property(L"OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
                                        .Build();
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) { items_->menu_ = this; }

void TMenu::BeforeDestruction()
{
    Destroying();
    TComponent::BeforeDestruction();  // frees the root item (owned) and with it every item
}

void TMenu::SetImages(TCustomImageList* value)
{
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = value;
    if (value)
        value->FreeNotification(this);
    MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_)
        images_ = nullptr;
}

void TMenu::SetOwnerDraw(bool value)
{
    if (ownerDraw_ == value)
        return;
    ownerDraw_ = value;
    // Every submenu is rebuilt with the new item type.
    struct Walk {
        static void Rebuild(TMenuItem* item)
        {
            item->RebuildHandle();
            for (TMenuItem* child : item->items_)
                Rebuild(child);
        }
    };
    Walk::Rebuild(items_);
}

bool TMenu::DispatchCommand(UINT command)
{
    TMenuItem* item = items_->FindByCommand(command);
    if (!item || item == items_)
        return false;
    item->Click();
    return true;
}

bool TMenu::DispatchPopup(HMENU submenu)
{
    TMenuItem* item = items_->FindBySubmenu(submenu);
    if (!item)
        return false;
    if (item != items_)
        item->Click();
    return true;
}

TMenuItem* TMenu::FindShortCut(WORD key, TShiftState shift)
{
    TShortCut wanted = static_cast<TShortCut>(key & 0xFF);
    if (shift.Contains(ssShift))
        wanted |= scShift;
    if (shift.Contains(ssCtrl))
        wanted |= scCtrl;
    if (shift.Contains(ssAlt))
        wanted |= scAlt;
    struct Walk {
        static TMenuItem* Find(TMenuItem* item, TShortCut s)
        {
            for (TMenuItem* child : item->items_) {
                if (child->ShortCut() == s && child->Visible())
                    return child;
                if (TMenuItem* found = Find(child, s))
                    return found;
            }
            return nullptr;
        }
    };
    return Walk::Find(items_, wanted);
}

bool TMenu::IsShortCut(WORD key, TShiftState shift)
{
    TMenuItem* item = FindShortCut(key, shift);
    if (!item || !item->Enabled())
        return false;
    item->Click();
    return true;
}

// --- TMainMenu, TPopupMenu ------------------------------------------------------------------------------

const TClassInfo& TMainMenu::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TMainMenu>(L"TMainMenu", TMenu::StaticClass()).Creatable().Build();
    return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) { Items()->mainMenuBar_ = true; }

void TMainMenu::MenuChanged()
{
    if (mergedInto_)
        mergedInto_->Items()->RebuildHandle();
    for (int i = 0; i < Screen->CustomFormCount(); ++i) {
        TCustomForm* form = Screen->CustomForms(i);
        if (form->Menu() == this && form->WindowHandle() && form->FormStyle() != fsMDIChild)
            DrawMenuBar(form->WindowHandle());
    }
}

void TMainMenu::Merge(TMainMenu* menu)
{
    if (menu == merged_ || menu == this)
        return;
    if (merged_) {
        merged_->mergedInto_ = nullptr;
        merged_->RemoveFreeNotification(this);
    }
    if (menu && menu->mergedInto_)
        menu->mergedInto_->Unmerge(menu);
    merged_ = menu;
    if (menu) {
        menu->mergedInto_ = this;
        menu->FreeNotification(this);
    }
    Items()->RebuildHandle();
}

void TMainMenu::Unmerge(TMainMenu* menu)
{
    if (menu && menu == merged_)
        Merge(nullptr);
}

std::vector<TMenuItem*> TMainMenu::BarItems() const
{
    return MergeMenuItems(*Items(), merged_ ? merged_->Items() : nullptr);
}

bool TMainMenu::DispatchMergedCommand(UINT command)
{
    return DispatchCommand(command) || (merged_ && merged_->DispatchCommand(command));
}

void TMainMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == mergedInto_)
        mergedInto_ = nullptr;
    if (component == merged_) {
        merged_ = nullptr;
        if (!ComponentState().Contains(csDestroying))
            Items()->RebuildHandle();
    }
}

std::vector<TMenuItem*> MergeMenuItems(const TMenuItem& own, const TMenuItem* merged)
{
    std::vector<TMenuItem*> result;
    for (TMenuItem* item : own.items_)
        if (item->visible_)
            result.push_back(item);
    if (!merged)
        return result;
    for (TMenuItem* item : merged->items_) {
        if (!item->visible_)
            continue;
        std::erase_if(result, [&](TMenuItem* o) { return o->groupIndex_ == item->groupIndex_ && o->Parent() == &own; });
        auto place = std::find_if(result.begin(), result.end(),
                                  [&](TMenuItem* o) { return o->groupIndex_ > item->groupIndex_; });
        result.insert(place, item);
    }
    return result;
}

const TClassInfo& TPopupMenu::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TPopupMenu>(L"TPopupMenu", TMenu::StaticClass())
                                        .Creatable()
                                        .Property(L"Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment)
                                        .Property(L"AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
                                        .Event(L"OnPopup", &TPopupMenu::OnPopup)
                                        .Build();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::SetPopupComponent(TComponent* value)
{
    if (popupComponent_ == value)
        return;
    if (popupComponent_)
        popupComponent_->RemoveFreeNotification(this);
    popupComponent_ = value;
    if (value)
        value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == popupComponent_)
        popupComponent_ = nullptr;
}

namespace {

TPopupMenuHook& PopupMenuHook()
{
    static TPopupMenuHook hook;
    return hook;
}

}  // namespace

void SetPopupMenuHook(TPopupMenuHook hook) { PopupMenuHook() = std::move(hook); }

void TPopupMenu::Popup(int x, int y)
{
    popupPoint_ = {x, y};
    OnPopup.Fire(this);
    if (PopupMenuHook())
        PopupMenuHook()(*this);
    UINT align = alignment_ == paRight ? TPM_RIGHTALIGN : alignment_ == paCenter ? TPM_CENTERALIGN : TPM_LEFTALIGN;
    HWND owner = PopupOwnerWindow();
    UINT command =
        static_cast<UINT>(TrackPopupMenu(Handle(), align | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command != 0)
        DispatchCommand(command);
}

// --- owner drawing -------------------------------------------------------------------------------------

bool HandleMenuMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_MEASUREITEM: {
        auto measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        if (measure->CtlType != ODT_MENU || !measure->itemData)
            return false;
        auto item = reinterpret_cast<TMenuItem*>(measure->itemData);
        UniqueWindowDC dc = GetWindowDCOwned(nullptr);
        TCanvas canvas(dc.get());
        LOGFONTW font = MenuFont();
        canvas.Font()->SetLogFont(font);
        int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
        item->MeasureItem(canvas, width, height);
        measure->itemWidth = static_cast<UINT>(std::max(width, 0));
        measure->itemHeight = static_cast<UINT>(std::max(height, 0));
        message.Result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        auto draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        if (draw->CtlType != ODT_MENU || !draw->itemData)
            return false;
        auto item = reinterpret_cast<TMenuItem*>(draw->itemData);
        TCanvas canvas(draw->hDC);
        canvas.Font()->SetLogFont(MenuFont());
        item->DrawItem(canvas, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
        message.Result = TRUE;
        return true;
    }
    case WM_INITMENUPOPUP: {
        auto submenu = reinterpret_cast<HMENU>(message.WParam);
        for (int i = 0; i < Screen->CustomFormCount(); ++i)
            if (TMainMenu* menu = Screen->CustomForms(i)->Menu(); menu && menu->DispatchPopup(submenu))
                return true;
        return false;
    }
    default:
        return false;
    }
}

}  // namespace ov
