// TCustomComboBoxEx / TComboBoxEx: a combo box whose lines carry images, over the system
// ComboBoxEx32 class. ItemsEx holds the lines with their images; Items mirrors their captions.
#pragma once

#include <memory>

#include "framework/core/collection.h"
#include "framework/controls/combo_box.h"
#include "framework/graphics/image_list.h"

namespace ov {

// One line of an extended combo box: its caption, images (-1 for none) and indent (in image widths).
class TComboExItem : public TCollectionItem {
    OV_CLASS(TComboExItem, TCollectionItem)

    explicit TComboExItem(TCollection* collection) : TCollectionItem(collection) {}

    [[nodiscard]] const std::wstring& Caption() const noexcept { return caption_; }
    void SetCaption(const std::wstring& value);
    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }
    void SetImageIndex(int value);
    [[nodiscard]] int SelectedImageIndex() const noexcept { return selectedImageIndex_; }
    void SetSelectedImageIndex(int value);
    [[nodiscard]] int Indent() const noexcept { return indent_; }
    void SetIndent(int value);

private:
    void Changed();

    std::wstring caption_;
    int imageIndex_ = -1;
    int selectedImageIndex_ = -1;
    int indent_ = 0;
};

class TCustomComboBoxEx : public TCustomComboBox {
    OV_CLASS(TCustomComboBoxEx, TCustomComboBox)

    explicit TCustomComboBoxEx(TComponent* owner);
    ~TCustomComboBoxEx() override;

    [[nodiscard]] TCollection* ItemsEx() const noexcept { return itemsEx_.get(); }
    [[nodiscard]] TComboExItem* ItemEx(int index) const { return static_cast<TComboExItem*>(itemsEx_->Items(index)); }
    // Appends a line with its images.
    TComboExItem* AddItemEx(const std::wstring& caption, int imageIndex, int selectedImageIndex = -1, int indent = 0);
    [[nodiscard]] TCustomImageList* Images() const noexcept { return images_; }
    void SetImages(TCustomImageList* value);
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    [[nodiscard]] std::wstring GetText() const override;
    void InsertWindowItem(int index, const std::wstring& text) override;

private:
    void ItemsExChanged(TObject* sender);
    void ImageListChange(TObject* sender);

    std::unique_ptr<TCollection> itemsEx_;
    TCustomImageList* images_ = nullptr;
    TChangeLink imageChangeLink_;
};

class TComboBoxEx : public TCustomComboBoxEx {
    OV_CLASS(TComboBoxEx, TCustomComboBoxEx)

    explicit TComboBoxEx(TComponent* owner) : TCustomComboBoxEx(owner) {}
};

}  // namespace ov
