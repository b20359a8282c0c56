// TCustomListBox / TListBox: a list of lines over the system LISTBOX class: Items, the current
// item, multiple selection, sorting, owner-drawn items, columns.
#pragma once

#include <memory>

#include "framework/forms/form.h"
#include "framework/controls/list_control.h"
#include "framework/controls/send_if_window.h"
#include "framework/controls/list_strings.h"

namespace ov {

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
OV_ENUM_TYPE(TListBoxStyle, L"lbStandard", L"lbOwnerDrawFixed", L"lbOwnerDrawVariable")

// The lines live in Items whether or not the window exists. A click or a key that changes the
// current item fires OnClick; setting ItemIndex from code does not. Changing Style, MultiSelect,
// Sorted, Columns or BorderStyle re-creates the window; the lines and the selection survive.
class TCustomListBox : public TCustomListControl, private TListStringsSink {
    OV_CLASS(TCustomListBox, TCustomListControl)

    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    [[nodiscard]] TStrings* Items() const noexcept { return items_.get(); }
    [[nodiscard]] int ItemIndex() const override;
    void SetItemIndex(int value) override;
    [[nodiscard]] int Count() const override { return items_->Count(); }
    void AddItem(const std::wstring& text, TObject* object) override { items_->AddObject(text, object); }
    void Clear() override { items_->Clear(); }
    void DeleteSelected() override;

    [[nodiscard]] bool MultiSelect() const noexcept { return multiSelect_; }
    void SetMultiSelect(bool value);
    [[nodiscard]] bool Selected(int index) const;
    void SetSelected(int index, bool value);
    [[nodiscard]] int SelCount() const;
    [[nodiscard]] bool Sorted() const noexcept { return items_->Sorted(); }
    void SetSorted(bool value);
    [[nodiscard]] TListBoxStyle Style() const noexcept { return style_; }
    void SetStyle(TListBoxStyle value);
    [[nodiscard]] int ItemHeight() const;
    void SetItemHeight(int value);
    [[nodiscard]] int Columns() const noexcept { return columns_; }
    void SetColumns(int value);
    [[nodiscard]] int TopIndex() const;
    void SetTopIndex(int value);
    [[nodiscard]] TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    // The item under a client point, or -1.
    [[nodiscard]] int ItemAtPos(POINT point) const;
    [[nodiscard]] RECT ItemRect(int index) const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    [[nodiscard]] std::wstring ItemText(int index) const override { return items_->Get(index); }

private:
    void InsertWindowItem(int index, const std::wstring& text) override;
    void DeleteWindowItem(int index) override;
    void ClearWindowItems() override;
    // NOLINTNEXTLINE(modernize-use-nodiscard): a message is often sent for its effect alone
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendIfWindow(WindowHandle(), msg, wParam, lParam);
    }

    std::unique_ptr<TListStrings> items_;
    int itemIndex_ = -1;  // kept while there is no window
    std::vector<int> savedSelection_;
    bool multiSelect_ = false;
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = 16;
    int columns_ = 0;
    int savedTopIndex_ = 0;
    TBorderStyle borderStyle_ = bsSingle;
};

class TListBox : public TCustomListBox {
    OV_CLASS(TListBox, TCustomListBox)

    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

}  // namespace ov
