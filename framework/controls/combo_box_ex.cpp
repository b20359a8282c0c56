// TCustomComboBoxEx: lines with images inserted with CBEM_INSERTITEM; everything else (selection,
// notifications, the dropped height) works as for the plain combo box, whose CB_* messages the
// extended control passes on to the combo box inside it.
#include "framework/controls/combo_box_ex.h"

#include <commctrl.h>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TComboExItem::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TComboExItem>(L"TComboExItem", TCollectionItem::StaticClass())
            .Property(L"Caption", &TComboExItem::Caption, &TComboExItem::SetCaption)
            .Property(L"ImageIndex", &TComboExItem::ImageIndex, &TComboExItem::SetImageIndex)
            .Property(L"SelectedImageIndex", &TComboExItem::SelectedImageIndex, &TComboExItem::SetSelectedImageIndex)
            .Property(L"Indent", &TComboExItem::Indent, &TComboExItem::SetIndent)
            .Build();
    return info;
}

void TComboExItem::Changed()
{
    if (TCollection* c = Collection())
        c->OnChange.Fire(c);
}

void TComboExItem::SetCaption(const std::wstring& value)
{
    caption_ = value;
    Changed();
}

void TComboExItem::SetImageIndex(int value)
{
    imageIndex_ = value;
    Changed();
}

void TComboExItem::SetSelectedImageIndex(int value)
{
    selectedImageIndex_ = value;
    Changed();
}

void TComboExItem::SetIndent(int value)
{
    indent_ = value;
    Changed();
}

const TClassInfo& TCustomComboBoxEx::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomComboBoxEx>(L"TCustomComboBoxEx", TCustomComboBox::StaticClass())
            .Property(L"Images", &TCustomComboBoxEx::Images, &TCustomComboBoxEx::SetImages)
            .Property(L"ItemsEx", &TCustomComboBoxEx::ItemsEx)
            .Build();
    return info;
}

const TClassInfo& TComboBoxEx::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TComboBoxEx>(L"TComboBoxEx", TCustomComboBoxEx::StaticClass()).Creatable().Build();
    return info;
}

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner)
    : TCustomComboBox(owner),
      itemsEx_(std::make_unique<TCollection>([](TCollection* c) { return std::make_unique<TComboExItem>(c); }, this))
{
    itemsEx_->OnChange = TNotifyEvent(this, &TCustomComboBoxEx::ItemsExChanged);
    imageChangeLink_.OnChange = TNotifyEvent(this, &TCustomComboBoxEx::ImageListChange);
}

TCustomComboBoxEx::~TCustomComboBoxEx() { itemsEx_->OnChange = {}; }

TComboExItem* TCustomComboBoxEx::AddItemEx(const std::wstring& caption, int imageIndex, int selectedImageIndex,
                                           int indent)
{
    auto item = static_cast<TComboExItem*>(itemsEx_->Add());
    item->SetCaption(caption);
    item->SetImageIndex(imageIndex);
    item->SetSelectedImageIndex(selectedImageIndex);
    item->SetIndent(indent);
    return item;
}

void TCustomComboBoxEx::CreateParams(TCreateParams& params)
{
    TCustomComboBox::CreateParams(params);
    PrepareSystemClass(params, WC_COMBOBOXEXW);
    // The extended control takes the combo box styles of the box inside it, without owner drawing.
    params.Style &= ~static_cast<DWORD>(CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS | CBS_AUTOHSCROLL);
}

void TCustomComboBoxEx::CreateWnd()
{
    TCustomComboBox::CreateWnd();
    if (images_)
        SendMessageW(WindowHandle(), CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
}

// Lines added through Items have no entry in ItemsEx and so no image.
void TCustomComboBoxEx::InsertWindowItem(int index, const std::wstring& text)
{
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    int image = -1, selectedImage = -1;
    if (index < itemsEx_->Count() && ItemEx(index)->Caption() == text) {
        image = ItemEx(index)->ImageIndex();
        selectedImage = ItemEx(index)->SelectedImageIndex() >= 0 ? ItemEx(index)->SelectedImageIndex() : image;
        item.iIndent = ItemEx(index)->Indent();
    }
    item.iImage = ImageIndexOrNone(image);
    item.iSelectedImage = ImageIndexOrNone(selectedImage);
    SendMessageW(WindowHandle(), CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

// Items follows ItemsEx line by line; the window follows Items.
void TCustomComboBoxEx::ItemsExChanged(TObject*)
{
    int index = ItemIndex();
    TStrings& lines = ItemList();
    lines.BeginUpdate();
    lines.Clear();
    for (int i = 0; i < itemsEx_->Count(); ++i)
        lines.Add(ItemEx(i)->Caption());
    lines.EndUpdate();
    SetItemIndex(index);
}

std::wstring TCustomComboBoxEx::GetText() const
{
    if (!HandleAllocated() || Style() == csDropDownList) {
        int index = ItemIndex();
        return index >= 0 ? ItemList().Get(index) : TCustomComboBox::GetText();
    }
    HWND edit = reinterpret_cast<HWND>(SendMessageW(WindowHandle(), CBEM_GETEDITCONTROL, 0, 0));
    wchar_t text[512] = {};
    if (edit)
        GetWindowTextW(edit, text, 512);
    return text;
}

void TCustomComboBoxEx::SetImages(TCustomImageList* value)
{
    if (!AttachImageList(*this, images_, value, imageChangeLink_))
        return;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), CBEM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
}

void TCustomComboBoxEx::ImageListChange(TObject*)
{
    if (HandleAllocated() && images_)
        SendMessageW(WindowHandle(), CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
}

void TCustomComboBoxEx::Notification(TComponent* component, TOperation operation)
{
    TCustomComboBox::Notification(component, operation);
    if (operation == opRemove && component == images_)
        SetImages(nullptr);
}

}  // namespace ov
