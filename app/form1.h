// TForm1: the reader's main window: a tool bar of four captioned buttons over a page control with
// hidden tabs, each page (or sub-page) holding one chapter view. Built from the layout TFORM1.
#pragma once

#include "framework/forms/form.h"

namespace ov {

class TPageControl;
class TTabSheet;
class TToolBar;
class TToolButton;
class TImageList;
class TOvRichEdit;
class TkrvSkinEngine;

class TForm1 : public TForm {
    OV_CLASS(TForm1, TForm)

    explicit TForm1(TComponent* owner);

    // Published components, filled by the layout reader by name (declaration order).
    TPageControl* PageControl1 = nullptr;
    TOvRichEdit* OvRichEdit1 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TOvRichEdit* OvRichEdit2 = nullptr;
    TTabSheet* TabSheet3 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TPageControl* PageControl2 = nullptr;
    TTabSheet* TabSheet5 = nullptr;
    TTabSheet* TabSheet6 = nullptr;
    TOvRichEdit* OvRichEdit5 = nullptr;
    TPageControl* PageControl3 = nullptr;
    TTabSheet* TabSheet7 = nullptr;
    TOvRichEdit* OvRichEdit6 = nullptr;
    TTabSheet* TabSheet8 = nullptr;
    TOvRichEdit* OvRichEdit7 = nullptr;
    TTabSheet* TabSheet9 = nullptr;
    TTabSheet* TabSheet10 = nullptr;
    TOvRichEdit* OvRichEdit8 = nullptr;
    TOvRichEdit* OvRichEdit9 = nullptr;
    TToolBar* ToolBar2 = nullptr;
    TImageList* ImageList1 = nullptr;
    TToolButton* ToolButton1 = nullptr;
    TToolButton* ToolButton2 = nullptr;
    TToolButton* ToolButton4 = nullptr;
    TToolButton* ToolButton5 = nullptr;
    TkrvSkinEngine* krvSkinEngine1 = nullptr;

    // Published handlers, bound by name from the layout.
    void FormCreate(TObject* Sender);
    void ToolButton1Click(TObject* Sender);
    void ToolButton2Click(TObject* Sender);
    void ToolButton4Click(TObject* Sender);
    void ToolButton5Click(TObject* Sender);

    // The chapter view in front: the active page's view, or on pages with sub pages the view of
    // the sub page in front; null when no page is active.
    [[nodiscard]] TOvRichEdit* ShownView() const;

private:
    [[nodiscard]] TOvRichEdit* ChancesView() const;
    [[nodiscard]] TOvRichEdit* ManualView() const;
    // Replaces the view's content with chapter n (the RT_RCDATA resource "rtf_<n>").
    void LoadChapter(int n, TOvRichEdit* view);
    // Activates a view the way a left double-click at its client origin would.
    void ActivateView(TOvRichEdit* view);
    // Brings a page of PageControl1 to the front.
    void ShowPage(int pageIndex);
};

// The main window, for the whole run.
extern TForm1* Form1;

}  // namespace ov
