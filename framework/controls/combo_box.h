// TCustomComboBox / TComboBox: an edit or a selected line with a list that drops down, over the
// system COMBOBOX class: Style, Items, ItemIndex, Text, owner-drawn items, and the change,
// selection and drop-down events.
#pragma once

#include <memory>

#include "framework/controls/list_control.h"
#include "framework/controls/list_strings.h"

namespace ov {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
OV_ENUM_TYPE(TComboBoxStyle, L"csDropDown", L"csSimple", L"csDropDownList", L"csOwnerDrawFixed", L"csOwnerDrawVariable")

// The lines live in Items whether or not the window exists. Choosing a line in the list fires
// OnChange and then OnSelect (Text and ItemIndex already tell the new choice); typing into the
// edit fires OnChange. Setting ItemIndex or Text from code fires nothing. The window is made as
// high as the edit plus DropDownCount lines, which is how the system class learns the height of
// its dropped list; Height then reads the edit's height. Changing Style re-creates the window.
class TCustomComboBox : public TCustomListControl, protected TListStringsSink {
    OV_CLASS(TCustomComboBox, TCustomListControl)

    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    [[nodiscard]] TStrings* Items() const noexcept { return items_.get(); }
    [[nodiscard]] int ItemIndex() const override;
    void SetItemIndex(int value) override;
    [[nodiscard]] int Count() const override { return items_->Count(); }
    void AddItem(const std::wstring& text, TObject* object) override { items_->AddObject(text, object); }
    void Clear() override;
    void DeleteSelected() override;

    [[nodiscard]] TComboBoxStyle Style() const noexcept { return style_; }
    void SetStyle(TComboBoxStyle value);
    [[nodiscard]] bool Sorted() const noexcept { return items_->Sorted(); }
    void SetSorted(bool value) { items_->SetSorted(value); }
    [[nodiscard]] int DropDownCount() const noexcept { return dropDownCount_; }
    void SetDropDownCount(int value);
    [[nodiscard]] int ItemHeight() const;
    void SetItemHeight(int value);
    [[nodiscard]] int MaxLength() const noexcept { return maxLength_; }
    void SetMaxLength(int value);
    [[nodiscard]] bool DroppedDown() const;
    void SetDroppedDown(bool value);

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    void ApplyBounds(int left, int top, int width, int height) override;
    [[nodiscard]] std::wstring GetText() const override;
    [[nodiscard]] std::wstring ItemText(int index) const override { return items_->Get(index); }
    // The height the window is made with: the edit and the dropped list together.
    [[nodiscard]] virtual int DroppedWindowHeight() const;
    // A command notification from the system control (CBN_*).
    virtual void Command(WORD code);

    void InsertWindowItem(int index, const std::wstring& text) override;
    void DeleteWindowItem(int index) override;
    void ClearWindowItems() override;
    [[nodiscard]] TListStrings& ItemList() const noexcept { return *items_; }

private:
    std::unique_ptr<TListStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    int itemIndex_ = -1;  // kept while there is no window
    std::wstring savedText_;
    int dropDownCount_ = 8;
    int itemHeight_ = 16;
    int maxLength_ = 0;
};

class TComboBox : public TCustomComboBox {
    OV_CLASS(TComboBox, TCustomComboBox)

    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

}  // namespace ov
