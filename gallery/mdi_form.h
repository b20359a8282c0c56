// TGalleryMDIForm: the gallery's MDI window (layout TGALLERYMDIFORM): a menu bar with images,
// shortcuts, a checked, a disabled and a default item and separators, a Window menu, and MDI
// children (TGalleryMDIChild, layout TGALLERYMDICHILD) whose own menu is merged into the bar.
#pragma once

#include "framework/forms/form.h"

namespace ov {

class TImageList;
class TMainMenu;
class TMenuItem;

class TGalleryMDIChild : public TForm {
    OV_CLASS(TGalleryMDIChild, TForm)

    explicit TGalleryMDIChild(TComponent* owner) : TForm(owner) {}

    // Closing a child frees it (an MDI child would otherwise only be minimised).
    void FormClose(TObject* Sender, TCloseAction& Action);
};

class TGalleryMDIForm : public TForm {
    OV_CLASS(TGalleryMDIForm, TForm)

    explicit TGalleryMDIForm(TComponent* owner) : TForm(owner) {}

    TImageList* MenuImages = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* CheckedItem = nullptr;

    void FormCreate(TObject* Sender);
    void NewChildItemClick(TObject* Sender);
    void CheckedItemClick(TObject* Sender);
    void CloseItemClick(TObject* Sender);
    void CascadeItemClick(TObject* Sender);
    void TileItemClick(TObject* Sender);

    // A new child, numbered after those made before.
    TGalleryMDIChild* AddChild();

private:
    int childrenMade_ = 0;
};

}  // namespace ov
