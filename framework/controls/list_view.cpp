// TCustomListView: columns and items mirrored into SysListView32, the styles of the view, and the
// item-changed and column-click notifications.
#include "framework/controls/list_view.h"

#include <commctrl.h>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

// --- columns -----------------------------------------------------------------------------------------

const TClassInfo& TListColumn::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TListColumn>(L"TListColumn", TCollectionItem::StaticClass())
                                        .Property(L"Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment)
                                        .Property(L"Caption", &TListColumn::Caption, &TListColumn::SetCaption)
                                        .Property(L"ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex)
                                        .Property(L"Width", &TListColumn::Width, &TListColumn::SetWidth)
                                        .Build();
    return info;
}

void TListColumn::Changed()
{
    if (TCollection* c = Collection())
        c->OnChange.Fire(c);
}

void TListColumn::SetCaption(const std::wstring& value)
{
    caption_ = value;
    Changed();
}

// The user may have dragged the column wider: the window knows best.
int TListColumn::Width() const
{
    auto view = Collection() ? dynamic_cast<TCustomListView*>(Collection()->Owner()) : nullptr;
    if (view && view->HandleAllocated())
        return static_cast<int>(
            SendMessageW(view->WindowHandle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
    return width_;
}

void TListColumn::SetWidth(int value)
{
    width_ = value;
    Changed();
}

void TListColumn::SetAlignment(TAlignment value)
{
    alignment_ = value;
    Changed();
}

void TListColumn::SetImageIndex(int value)
{
    imageIndex_ = value;
    Changed();
}

// --- items -------------------------------------------------------------------------------------------

const TClassInfo& TListItem::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TListItem>(L"TListItem", TCollectionItem::StaticClass())
                                        .Property(L"Caption", &TListItem::Caption, &TListItem::SetCaption)
                                        .Property(L"ImageIndex", &TListItem::ImageIndex, &TListItem::SetImageIndex)
                                        .Property(L"SubItems", &TListItem::SubItems)
                                        .Build();
    return info;
}

TListItem::TListItem(TCollection* collection) : TCollectionItem(collection), subItems_(std::make_unique<TStringList>())
{
    subItems_->OnChange = TNotifyEvent(this, &TListItem::Changed);
}

TListItem::~TListItem() { subItems_->OnChange = {}; }

TCustomListView* TListItem::ListView() const
{
    return Collection() ? dynamic_cast<TCustomListView*>(Collection()->Owner()) : nullptr;
}

void TListItem::Changed(TObject*)
{
    if (TCollection* c = Collection())
        c->OnChange.Fire(c);
}

void TListItem::SetCaption(const std::wstring& value)
{
    caption_ = value;
    Changed();
}

void TListItem::SetImageIndex(int value)
{
    imageIndex_ = value;
    Changed();
}

bool TListItem::Selected() const
{
    TCustomListView* view = ListView();
    if (!view || !view->HandleAllocated())
        return view && view->itemIndex_ == Index();
    return view->Send(LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool value)
{
    TCustomListView* view = ListView();
    if (!view)
        return;
    if (!view->HandleAllocated()) {
        if (value)
            view->itemIndex_ = Index();
        else if (view->itemIndex_ == Index())
            view->itemIndex_ = -1;
        return;
    }
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = value ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    view->Send(LVM_SETITEMSTATE, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&state));
}

// --- the view ----------------------------------------------------------------------------------------

const TClassInfo& TCustomListView::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomListView>(L"TCustomListView", TCustomListControl::StaticClass())
            .Property(L"Columns", &TCustomListView::Columns)
            .Property(L"GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines)
            .Property(L"HideSelection", &TCustomListView::HideSelection, &TCustomListView::SetHideSelection)
            .Property(L"ItemIndex", &TCustomListView::ItemIndex, &TCustomListView::SetItemIndex)
            .Property(L"Items", &TCustomListView::Items)
            .Property(L"LargeImages", &TCustomListView::LargeImages, &TCustomListView::SetLargeImages)
            .Property(L"ReadOnly", &TCustomListView::ReadOnly, &TCustomListView::SetReadOnly)
            .Property(L"RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect)
            .Property(L"ShowColumnHeaders", &TCustomListView::ShowColumnHeaders, &TCustomListView::SetShowColumnHeaders)
            .Property(L"SmallImages", &TCustomListView::SmallImages, &TCustomListView::SetSmallImages)
            .Property(L"ViewStyle", &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle)
            .Event(L"OnColumnClick", &TCustomListView::OnColumnClick)
            .Event(L"OnSelectItem", &TCustomListView::OnSelectItem)
            .Build();
    return info;
}

const TClassInfo& TListView::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TListView>(L"TListView", TCustomListView::StaticClass()).Creatable().Build();
    return info;
}

TCustomListView::TCustomListView(TComponent* owner)
    : TCustomListControl(owner),
      columns_(std::make_unique<TCollection>([](TCollection* c) { return std::make_unique<TListColumn>(c); }, this)),
      items_(std::make_unique<TCollection>([](TCollection* c) { return std::make_unique<TListItem>(c); }, this))
{
    SetBounds(0, 0, 250, 150);
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks});
    columns_->OnChange = TNotifyEvent(this, &TCustomListView::ColumnsChanged);
    items_->OnChange = TNotifyEvent(this, &TCustomListView::ItemsChanged);
    smallChangeLink_.OnChange = TNotifyEvent(this, &TCustomListView::ImageListChange);
    largeChangeLink_.OnChange = TNotifyEvent(this, &TCustomListView::ImageListChange);
}

TCustomListView::~TCustomListView()
{
    columns_->OnChange = {};
    items_->OnChange = {};
}

TListItem* TCustomListView::AddListItem(const std::wstring& caption, std::initializer_list<std::wstring> subItems,
                                        int imageIndex)
{
    auto item = static_cast<TListItem*>(items_->Add());
    item->SetCaption(caption);
    item->SetImageIndex(imageIndex);
    for (const std::wstring& text : subItems)
        item->SubItems()->Add(text);
    return item;
}

TListColumn* TCustomListView::AddColumn(const std::wstring& caption, int width, TAlignment alignment)
{
    auto column = static_cast<TListColumn*>(columns_->Add());
    column->SetCaption(caption);
    column->SetWidth(width);
    column->SetAlignment(alignment);
    return column;
}

void TCustomListView::CreateParams(TCreateParams& params)
{
    TCustomListControl::CreateParams(params);
    PrepareSystemClass(params, WC_LISTVIEWW);
    static constexpr DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    params.Style |= kViews[viewStyle_] | LVS_SHAREIMAGELISTS | LVS_SINGLESEL | WS_CLIPCHILDREN;
    if (!readOnly_)
        params.Style |= LVS_EDITLABELS;
    if (!hideSelection_)
        params.Style |= LVS_SHOWSELALWAYS;
    if (!showColumnHeaders_)
        params.Style |= LVS_NOCOLUMNHEADER;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd()
{
    TCustomListControl::CreateWnd();
    DWORD extended = (rowSelect_ ? LVS_EX_FULLROWSELECT : 0) | (gridLines_ ? LVS_EX_GRIDLINES : 0);
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, extended);
    SendImageLists();
    ColumnsChanged();
    ItemsChanged();
}

void TCustomListView::DestroyWnd()
{
    if (HandleAllocated())
        itemIndex_ = ItemIndex();
    TCustomListControl::DestroyWnd();
}

void TCustomListView::Loaded()
{
    TCustomListControl::Loaded();
    ColumnsChanged();
    ItemsChanged();
}

bool TCustomListView::CanRebuild() const
{
    return HandleAllocated() && !rebuilding_ && !ComponentState().Contains(csLoading) &&
           !ComponentState().Contains(csDestroying);
}

void TCustomListView::SendColumn(int index, UINT message)
{
    TListColumn* column = Column(index);
    static constexpr int kFormats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    // The first column is always left-aligned by the system.
    info.fmt = kFormats[column->alignment_];
    info.cx = column->width_;
    info.pszText = const_cast<wchar_t*>(column->caption_.c_str());
    if (column->imageIndex_ >= 0) {
        info.mask |= LVCF_IMAGE;
        info.fmt |= LVCFMT_IMAGE;
        info.iImage = column->imageIndex_;
    }
    Send(message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

void TCustomListView::ColumnsChanged(TObject*)
{
    if (!CanRebuild())
        return;
    rebuilding_ = true;
    while (Send(LVM_DELETECOLUMN, 0) != FALSE) {
    }
    for (int i = 0; i < columns_->Count(); ++i)
        SendColumn(i, LVM_INSERTCOLUMNW);
    rebuilding_ = false;
}

void TCustomListView::InsertWindowItem(int index)
{
    TListItem* item = Item(index);
    LVITEMW info{};
    info.mask = LVIF_TEXT | LVIF_IMAGE;
    info.iItem = index;
    info.pszText = const_cast<wchar_t*>(item->caption_.c_str());
    info.iImage = ImageIndexOrNone(item->imageIndex_);
    Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info));
    for (int sub = 0; sub < item->subItems_->Count(); ++sub) {
        std::wstring text = item->subItems_->Get(sub);
        LVITEMW subItem{};
        subItem.iSubItem = sub + 1;
        subItem.pszText = const_cast<wchar_t*>(text.c_str());
        Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&subItem));
    }
}

void TCustomListView::ItemsChanged(TObject*)
{
    if (!CanRebuild())
        return;
    int selected = std::min(ItemIndex() >= 0 ? ItemIndex() : itemIndex_, items_->Count() - 1);
    rebuilding_ = true;
    Send(WM_SETREDRAW, FALSE);
    Send(LVM_DELETEALLITEMS);
    for (int i = 0; i < items_->Count(); ++i)
        InsertWindowItem(i);
    Send(WM_SETREDRAW, TRUE);
    rebuilding_ = false;
    if (selected >= 0)
        Item(selected)->SetSelected(true);
    InvalidateRect(WindowHandle(), nullptr, TRUE);
}

int TCustomListView::ItemIndex() const
{
    if (!HandleAllocated())
        return itemIndex_;
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int value)
{
    if (value >= 0 && value < Count()) {
        Item(value)->SetSelected(true);
        return;
    }
    itemIndex_ = -1;
    if (int current = ItemIndex(); current >= 0 && HandleAllocated())
        Item(current)->SetSelected(false);
}

TListItem* TCustomListView::Selected() const
{
    int index = ItemIndex();
    return index >= 0 && index < Count() ? Item(index) : nullptr;
}

void TCustomListView::DeleteSelected()
{
    if (int index = ItemIndex(); index >= 0)
        items_->Delete(index);
}

void TCustomListView::SetViewStyle(TViewStyle value)
{
    if (viewStyle_ == value)
        return;
    viewStyle_ = value;
    RecreateWnd();
}

void TCustomListView::SendImageLists()
{
    if (!HandleAllocated())
        return;
    Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallImages_ ? smallImages_->Handle() : nullptr));
    Send(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(largeImages_ ? largeImages_->Handle() : nullptr));
}

void TCustomListView::SetSmallImages(TCustomImageList* value)
{
    if (AttachImageList(*this, smallImages_, value, smallChangeLink_))
        SendImageLists();
}

void TCustomListView::SetLargeImages(TCustomImageList* value)
{
    if (AttachImageList(*this, largeImages_, value, largeChangeLink_))
        SendImageLists();
}

void TCustomListView::ImageListChange(TObject*) { SendImageLists(); }

void TCustomListView::Notification(TComponent* component, TOperation operation)
{
    TCustomListControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == smallImages_)
        SetSmallImages(nullptr);
    if (component == largeImages_)
        SetLargeImages(nullptr);
}

void TCustomListView::SetRowSelect(bool value)
{
    rowSelect_ = value;
    if (HandleAllocated())
        Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, value ? LVS_EX_FULLROWSELECT : 0);
}

void TCustomListView::SetGridLines(bool value)
{
    gridLines_ = value;
    if (HandleAllocated())
        Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, value ? LVS_EX_GRIDLINES : 0);
}

void TCustomListView::SetShowColumnHeaders(bool value)
{
    if (showColumnHeaders_ == value)
        return;
    showColumnHeaders_ = value;
    RecreateWnd();
}

void TCustomListView::SetReadOnly(bool value)
{
    if (readOnly_ == value)
        return;
    readOnly_ = value;
    RecreateWnd();
}

void TCustomListView::SetHideSelection(bool value)
{
    if (hideSelection_ == value)
        return;
    hideSelection_ = value;
    RecreateWnd();
}

HWND TCustomListView::HeaderHandle() const
{
    return HandleAllocated() ? reinterpret_cast<HWND>(Send(LVM_GETHEADER)) : nullptr;
}

void TCustomListView::ItemChanged(const NMLISTVIEW& change)
{
    if (rebuilding_ || !(change.uChanged & LVIF_STATE) || change.iItem < 0 || change.iItem >= Count())
        return;
    bool was = change.uOldState & LVIS_SELECTED, is = change.uNewState & LVIS_SELECTED;
    if (was == is)
        return;
    if (is)
        itemIndex_ = change.iItem;
    if (OnSelectItem.Assigned())
        OnSelectItem(this, Item(change.iItem), is);
}

void TCustomListView::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY) {
        auto header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code == LVN_ITEMCHANGED) {
            ItemChanged(*reinterpret_cast<const NMLISTVIEW*>(message.LParam));
            return;
        }
        if (header->code == LVN_ENDLABELEDITW) {
            // The new caption goes into the item, which puts it into the window.
            auto edit = reinterpret_cast<const NMLVDISPINFOW*>(message.LParam);
            if (edit->item.pszText && edit->item.iItem >= 0 && edit->item.iItem < Count())
                Item(edit->item.iItem)->SetCaption(edit->item.pszText);
            message.Result = FALSE;
            return;
        }
        if (header->code == LVN_COLUMNCLICK) {
            int column = reinterpret_cast<const NMLISTVIEW*>(message.LParam)->iSubItem;
            if (OnColumnClick.Assigned() && column >= 0 && column < columns_->Count())
                OnColumnClick(this, Column(column));
            return;
        }
    }
    TCustomListControl::WndProc(message);
}

}  // namespace ov
