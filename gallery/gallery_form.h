// TGalleryForm: the skin gallery's main window (layout TGALLERYFORM): pages with one of every
// control the skin serves, in the states worth seeing, a tool bar that opens the dialogs the skin
// serves (message box, open-file dialog, folder browser, a plain dialog, a second framework form),
// and a status bar saying which skin is shown.
#pragma once

#include <string>

#include "framework/forms/form.h"
#include "framework/controls/grid.h"
#include "gallery/command_line.h"

namespace ov {

class TImageList;
class TPageControl;
class TSpeedButton;
class TStatusBar;
class TStringGrid;
class TTreeView;
class TDrawGrid;
class TImage;
class TOvRichEdit;
class TToolButton;
class TkrvSkinEngine;
class TGalleryMDIForm;

class TGalleryForm : public TForm {
    OV_CLASS(TGalleryForm, TForm)

    explicit TGalleryForm(TComponent* owner);

    // Published components, filled by the layout reader by name.
    TImageList* ImageList1 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TSpeedButton* SpeedButton5 = nullptr;
    TSpeedButton* SpeedButton6 = nullptr;
    TOvRichEdit* RichEdit1 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TTreeView* TreeView1 = nullptr;
    TImage* Image1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TToolButton* SkinButton = nullptr;
    TkrvSkinEngine* krvSkinEngine1 = nullptr;

    // Published handlers, bound by name from the layout.
    void FormCreate(TObject* Sender);
    void MessageBoxButtonClick(TObject* Sender);
    void OpenFileButtonClick(TObject* Sender);
    void FolderButtonClick(TObject* Sender);
    void PlainDialogButtonClick(TObject* Sender);
    void SecondFormButtonClick(TObject* Sender);
    // Shows the MDI window (made on first use) with three children.
    void MDIButtonClick(TObject* Sender);
    // Turns the skin off and on.
    void SkinButtonClick(TObject* Sender);
    void DrawGrid1DrawCell(TObject* Sender, int ACol, int ARow, RECT Rect, TGridDrawState State);

    // Loads the skin package the command line named (the built-in skin stays when it cannot be
    // read) and says in the caption and the status bar which skin is shown.
    void ShowSkinOptions(const gallery::TGalleryOptions& options);
    // What the last dialog gave back: the button, file or folder chosen ("" when cancelled).
    [[nodiscard]] const std::wstring& LastResult() const noexcept { return lastResult_; }

private:
    void FillImages();
    void FillGlyphs();
    void FillGrid();
    void FillPicture();

    std::wstring lastResult_;
    TGalleryMDIForm* mdiForm_ = nullptr;
};

}  // namespace ov
