// TCustomListView / TListView: items with images and sub-items shown as icons, a list or a report
// with columns, over the system list view (SysListView32). Columns and Items are collections
// that live in the control and are mirrored into the window.
#pragma once

#include <memory>

#include "framework/core/collection.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/list_control.h"
#include "framework/controls/send_if_window.h"
#include "framework/core/strings.h"

namespace ov {

class TCustomListView;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
OV_ENUM_TYPE(TViewStyle, L"vsIcon", L"vsSmallIcon", L"vsList", L"vsReport")

// A column of the report view: its caption, width, alignment and header image (-1 for none).
class TListColumn : public TCollectionItem {
    OV_CLASS(TListColumn, TCollectionItem)

    explicit TListColumn(TCollection* collection) : TCollectionItem(collection) {}

    [[nodiscard]] const std::wstring& Caption() const noexcept { return caption_; }
    void SetCaption(const std::wstring& value);
    [[nodiscard]] int Width() const;
    void SetWidth(int value);
    [[nodiscard]] TAlignment Alignment() const noexcept { return alignment_; }
    void SetAlignment(TAlignment value);
    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }
    void SetImageIndex(int value);

private:
    friend class TCustomListView;
    void Changed();

    std::wstring caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    int imageIndex_ = -1;
};

// An item: its caption (the first column), image, and the texts of the further columns.
class TListItem : public TCollectionItem {
    OV_CLASS(TListItem, TCollectionItem)

    explicit TListItem(TCollection* collection);
    ~TListItem() override;

    [[nodiscard]] const std::wstring& Caption() const noexcept { return caption_; }
    void SetCaption(const std::wstring& value);
    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }
    void SetImageIndex(int value);
    [[nodiscard]] TStrings* SubItems() const noexcept { return subItems_.get(); }
    [[nodiscard]] bool Selected() const;
    void SetSelected(bool value);

private:
    friend class TCustomListView;
    void Changed(TObject* sender = nullptr);
    [[nodiscard]] TCustomListView* ListView() const;

    std::wstring caption_;
    int imageIndex_ = -1;
    std::unique_ptr<TStringList> subItems_;
};

using TLVSelectItemEvent = TEvent<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = TEvent<void(TObject* Sender, TListColumn* Column)>;
OV_EVENT_TYPE(TLVSelectItemEvent)
OV_EVENT_TYPE(TLVColumnClickEvent)

// A change to the columns or items (or any item's sub-items) rebuilds the window's lists; the
// selection survives. OnSelectItem fires for every item the user (or code) selects or unselects.
class TCustomListView : public TCustomListControl {
    OV_CLASS(TCustomListView, TCustomListControl)

    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;

    [[nodiscard]] TCollection* Columns() const noexcept { return columns_.get(); }
    [[nodiscard]] TListColumn* Column(int index) const { return static_cast<TListColumn*>(columns_->Items(index)); }
    [[nodiscard]] TCollection* Items() const noexcept { return items_.get(); }
    [[nodiscard]] TListItem* Item(int index) const { return static_cast<TListItem*>(items_->Items(index)); }
    TListItem* AddListItem(const std::wstring& caption, std::initializer_list<std::wstring> subItems = {},
                           int imageIndex = -1);
    TListColumn* AddColumn(const std::wstring& caption, int width, TAlignment alignment = taLeftJustify);

    [[nodiscard]] int ItemIndex() const override;
    void SetItemIndex(int value) override;
    [[nodiscard]] int Count() const override { return items_->Count(); }
    void AddItem(const std::wstring& text, TObject* object) override { AddListItem(text); }
    void Clear() override { items_->Clear(); }
    void DeleteSelected() override;
    [[nodiscard]] TListItem* Selected() const;

    [[nodiscard]] TViewStyle ViewStyle() const noexcept { return viewStyle_; }
    void SetViewStyle(TViewStyle value);
    [[nodiscard]] TCustomImageList* SmallImages() const noexcept { return smallImages_; }
    void SetSmallImages(TCustomImageList* value);
    [[nodiscard]] TCustomImageList* LargeImages() const noexcept { return largeImages_; }
    void SetLargeImages(TCustomImageList* value);
    [[nodiscard]] bool RowSelect() const noexcept { return rowSelect_; }
    void SetRowSelect(bool value);
    [[nodiscard]] bool GridLines() const noexcept { return gridLines_; }
    void SetGridLines(bool value);
    [[nodiscard]] bool ShowColumnHeaders() const noexcept { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool value);
    [[nodiscard]] bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool value);
    [[nodiscard]] bool HideSelection() const noexcept { return hideSelection_; }
    void SetHideSelection(bool value);
    // The column header window of the report view (null without a window).
    [[nodiscard]] HWND HeaderHandle() const;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    TLVSelectItemEvent OnSelectItem;
    TLVColumnClickEvent OnColumnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;

private:
    friend class TListColumn;
    friend class TListItem;
    void ColumnsChanged(TObject* sender = nullptr);
    void ItemsChanged(TObject* sender = nullptr);
    void SendColumn(int index, UINT message);
    void InsertWindowItem(int index);
    void SendImageLists();
    void ImageListChange(TObject* sender);
    void ItemChanged(const NMLISTVIEW& change);
    [[nodiscard]] bool CanRebuild() const;
    // NOLINTNEXTLINE(modernize-use-nodiscard): a message is often sent for its effect alone
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendIfWindow(WindowHandle(), msg, wParam, lParam);
    }

    std::unique_ptr<TCollection> columns_;
    std::unique_ptr<TCollection> items_;
    TViewStyle viewStyle_ = vsIcon;
    TCustomImageList* smallImages_ = nullptr;
    TCustomImageList* largeImages_ = nullptr;
    TChangeLink smallChangeLink_;
    TChangeLink largeChangeLink_;
    bool rowSelect_ = false;
    bool gridLines_ = false;
    bool showColumnHeaders_ = true;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    int itemIndex_ = -1;  // kept while there is no window
    bool rebuilding_ = false;
};

class TListView : public TCustomListView {
    OV_CLASS(TListView, TCustomListView)

    explicit TListView(TComponent* owner) : TCustomListView(owner) {}
};

}  // namespace ov
