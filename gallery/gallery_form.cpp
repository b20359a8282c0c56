// TGalleryForm: pictures made for the pages when the form is created, and the tool bar's
// handlers opening each dialog.
#include "gallery/gallery_form.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/controls/image.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/page_control.h"
#include "framework/graphics/picture.h"
#include "framework/core/properties.h"
#include "framework/controls/speed_button.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/string_grid.h"
#include "framework/controls/tool_bar.h"
#include "framework/controls/tree_view.h"
#include "gallery/gallery_frame.h"
#include "gallery/mdi_form.h"
#include "gallery/plain_dialog.h"
#include "gallery/second_form.h"
#include "gallery/system_dialogs.h"
#include "richview/rich_edit.h"
#include "richview/rich_edit_strings.h"
#include "framework/core/exception.h"
#include "framework/core/unicode.h"
#include "skin/data/skin_reader_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

namespace {

constexpr TColor kImageColors[] = {clRed, clGreen, clBlue, clPurple, clTeal, clOlive};

// A 16 x 16 picture: a coloured disc on a transparent (fuchsia-keyed) ground.
void DrawDisc(TCanvas& canvas, int left, TColor color)
{
    canvas.Brush()->SetColor(color);
    canvas.Pen()->SetColor(clBlack);
    canvas.Ellipse(left + 2, 2, left + 14, 14);
}

}  // namespace

const TClassInfo& TGalleryForm::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TGalleryForm>(L"TGalleryForm", TForm::StaticClass())
                                        .Creatable()
                                        .Field(L"ImageList1", &TGalleryForm::ImageList1)
                                        .Field(L"PageControl1", &TGalleryForm::PageControl1)
                                        .Field(L"SpeedButton4", &TGalleryForm::SpeedButton4)
                                        .Field(L"SpeedButton5", &TGalleryForm::SpeedButton5)
                                        .Field(L"SpeedButton6", &TGalleryForm::SpeedButton6)
                                        .Field(L"RichEdit1", &TGalleryForm::RichEdit1)
                                        .Field(L"StringGrid1", &TGalleryForm::StringGrid1)
                                        .Field(L"TreeView1", &TGalleryForm::TreeView1)
                                        .Field(L"Image1", &TGalleryForm::Image1)
                                        .Field(L"StatusBar1", &TGalleryForm::StatusBar1)
                                        .Field(L"SkinButton", &TGalleryForm::SkinButton)
                                        .Field(L"krvSkinEngine1", &TGalleryForm::krvSkinEngine1)
                                        .Method(L"FormCreate", &TGalleryForm::FormCreate)
                                        .Method(L"MessageBoxButtonClick", &TGalleryForm::MessageBoxButtonClick)
                                        .Method(L"OpenFileButtonClick", &TGalleryForm::OpenFileButtonClick)
                                        .Method(L"FolderButtonClick", &TGalleryForm::FolderButtonClick)
                                        .Method(L"PlainDialogButtonClick", &TGalleryForm::PlainDialogButtonClick)
                                        .Method(L"SecondFormButtonClick", &TGalleryForm::SecondFormButtonClick)
                                        .Method(L"SkinButtonClick", &TGalleryForm::SkinButtonClick)
                                        .Method(L"MDIButtonClick", &TGalleryForm::MDIButtonClick)
                                        .Method(L"DrawGrid1DrawCell", &TGalleryForm::DrawGrid1DrawCell)
                                        .Build();
    return info;
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner)
{
    // Classes made by name from layouts must be known before a layout is read.
    TGalleryFrame::StaticClass();
    TGalleryMDIChild::StaticClass();
}

void TGalleryForm::FormCreate(TObject*)
{
    FillImages();
    FillGlyphs();
    FillGrid();
    FillPicture();
    RichEdit1->Lines()->SetText(L"A rich text view.\r\nIts scroll bars and border are the skin's too.");
    // Each level of the tree its own image.
    for (int i = 0; i < TreeView1->Items()->Count(); ++i) {
        TTreeNode* node = TreeView1->Items()->Item(i);
        node->SetImageIndex(node->Level());
        node->SetSelectedIndex(3);
    }
    TreeView1->FullExpand();
    TreeView1->SetSelected(TreeView1->Items()->Item(2));
    ShowSkinOptions({});
}

void TGalleryForm::FillImages()
{
    TBitmap strip(16 * static_cast<int>(std::size(kImageColors)), 16);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect(RECT{0, 0, strip.Width(), 16});
    for (size_t i = 0; i < std::size(kImageColors); ++i)
        DrawDisc(*strip.Canvas(), 16 * static_cast<int>(i), kImageColors[i]);
    ImageList1->AddMasked(strip, clFuchsia);
}

// Two glyphs side by side, enabled and disabled, on a transparent ground (the bottom-left pixel).
void TGalleryForm::FillGlyphs()
{
    TBitmap glyphs(32, 16);
    glyphs.Canvas()->Brush()->SetColor(clFuchsia);
    glyphs.Canvas()->FillRect(RECT{0, 0, 32, 16});
    DrawDisc(*glyphs.Canvas(), 0, clLime);
    DrawDisc(*glyphs.Canvas(), 16, clGray);
    for (TSpeedButton* button : {SpeedButton4, SpeedButton5, SpeedButton6})
        button->SetGlyph(&glyphs);
}

void TGalleryForm::FillGrid()
{
    for (int col = 1; col < StringGrid1->ColCount(); ++col)
        StringGrid1->SetCells(col, 0, std::wstring(1, static_cast<wchar_t>(L'A' + col - 1)));
    for (int row = 1; row < StringGrid1->RowCount(); ++row) {
        StringGrid1->SetCells(0, row, std::to_wstring(row));
        for (int col = 1; col < StringGrid1->ColCount(); ++col)
            StringGrid1->SetCells(col, row, std::to_wstring(row * col));
    }
}

void TGalleryForm::FillPicture()
{
    TBitmap picture(96, 96);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x)
            picture.SetPixel(x, y, static_cast<TColor>(RGB(x * 255 / 95, y * 255 / 95, 160)));
    Image1->Picture()->SetGraphic(&picture);
}

namespace {

// Why the package cannot be shown, or nothing when it can.
std::wstring CheckSkinPackage(const gallery::TGalleryOptions& options)
{
    if (::GetFileAttributesW(options.SkinPackage.c_str()) == INVALID_FILE_ATTRIBUTES)
        return L"no such file";
    try {
        TkrvSkinReader reader;
        reader.Load(WideToAnsi(options.SkinPackage), WideToAnsi(options.Password));
        return reader.Loaded() ? std::wstring() : L"not a skin package";
    } catch (const Exception& e) {
        return e.Message();
    }
}

}  // namespace

void TGalleryForm::ShowSkinOptions(const gallery::TGalleryOptions& options)
{
    std::wstring skin = gallery::DescribeSkin(options);
    if (!options.SkinPackage.empty()) {
        // Tried on a reader of its own first: a package the engine cannot read would leave it
        // without any skin.
        std::wstring problem = CheckSkinPackage(options);
        if (problem.empty()) {
            krvSkinEngine1->SetPassword(options.Password);
            krvSkinEngine1->SetSkinFile(options.SkinPackage);
        } else {
            skin = L"Skin: built-in skin (" + options.SkinPackage + L": " + problem + L")";
        }
    }
    if (!options.Error.empty())
        skin = L"Command line: " + options.Error + L"; " + skin;
    StatusBar1->Panel(0)->SetText(skin);
    SetCaption(L"Ovalune skin gallery - " + skin);
}

void TGalleryForm::SkinButtonClick(TObject*)
{
    bool on = SkinButton->Down();
    krvSkinEngine1->SetActive(on);
    StatusBar1->Panel(1)->SetText(on ? L"Skin: on" : L"Skin: off");
}

void TGalleryForm::DrawGrid1DrawCell(TObject* Sender, int ACol, int ARow, RECT Rect, TGridDrawState State)
{
    if (State.Contains(gdFixed))
        return;
    auto grid = static_cast<TDrawGrid*>(Sender);
    TColor color = kImageColors[static_cast<size_t>(ACol + ARow) % std::size(kImageColors)];
    grid->Canvas()->Brush()->SetColor(State.Contains(gdSelected) ? clHighlight : color);
    InflateRect(&Rect, -4, -4);
    grid->Canvas()->FillRect(Rect);
}

// --- dialogs -----------------------------------------------------------------------------------------

void TGalleryForm::MessageBoxButtonClick(TObject*)
{
    lastResult_ = gallery::ShowGalleryMessageBox(Handle()) == IDOK ? L"OK" : L"Cancel";
}

void TGalleryForm::OpenFileButtonClick(TObject*) { lastResult_ = gallery::ChooseFileToOpen(Handle()); }

void TGalleryForm::FolderButtonClick(TObject*) { lastResult_ = gallery::ChooseFolder(Handle()); }

void TGalleryForm::PlainDialogButtonClick(TObject*)
{
    lastResult_ = gallery::ShowPlainDialog(Handle()) == IDOK ? L"OK" : L"Cancel";
}

void TGalleryForm::SecondFormButtonClick(TObject*)
{
    TComponentPtr<TSecondForm> form(new TSecondForm(nullptr));
    form->InitForm();
    lastResult_ = form->ShowModal() == mrOk ? L"OK" : L"Cancel";
}

// The window is skinned before its children come, so that each child finds its parent's skinned
// client when it is created (and is skinned from there).
void TGalleryForm::MDIButtonClick(TObject*)
{
    if (!mdiForm_) {
        mdiForm_ = new TGalleryMDIForm(this);
        mdiForm_->InitForm();
        if (krvSkinEngine1)
            krvSkinEngine1->SkinWindow(mdiForm_->Handle(), false);
        mdiForm_->Show();
        for (int i = 0; i < 3; ++i)
            mdiForm_->AddChild();
    }
    mdiForm_->Show();
}

}  // namespace ov
