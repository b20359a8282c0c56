// TForm1: the chapter catalogue (which chapter goes into which view), loading chapters from the
// program's resources, and the tool bar's navigation between the pages.
#include "app/form1.h"

#include <windows.h>

#include <array>

#include "app/about_box.h"
#include "framework/core/format.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/page_control.h"
#include "framework/core/resource_stream.h"
#include "framework/controls/tool_bar.h"
#include "richview/rich_edit.h"
#include "skin/engine/skin_engine.h"
#include "richview/rich_edit_strings.h"

namespace ov {

TForm1* Form1 = nullptr;

namespace {

// PageControl1's pages, in the order the layout creates them.
constexpr int kManualPage = 0;   // TabSheet2, sub pages in PageControl2
constexpr int kChancesPage = 1;  // TabSheet3, sub pages in PageControl3
constexpr int kSecretsPage = 2;  // TabSheet1, chapter 0 directly on the page

template <size_t N>
TOvRichEdit* SubPageView(int index, const std::array<TOvRichEdit*, N>& views)
{
    return index >= 0 && index < static_cast<int>(N) ? views[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

const TClassInfo& TForm1::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TForm1>(L"TForm1", TForm::StaticClass())
                                        .Creatable()
                                        .Field(L"PageControl1", &TForm1::PageControl1)
                                        .Field(L"OvRichEdit1", &TForm1::OvRichEdit1)
                                        .Field(L"TabSheet2", &TForm1::TabSheet2)
                                        .Field(L"OvRichEdit2", &TForm1::OvRichEdit2)
                                        .Field(L"TabSheet3", &TForm1::TabSheet3)
                                        .Field(L"TabSheet1", &TForm1::TabSheet1)
                                        .Field(L"PageControl2", &TForm1::PageControl2)
                                        .Field(L"TabSheet5", &TForm1::TabSheet5)
                                        .Field(L"TabSheet6", &TForm1::TabSheet6)
                                        .Field(L"OvRichEdit5", &TForm1::OvRichEdit5)
                                        .Field(L"PageControl3", &TForm1::PageControl3)
                                        .Field(L"TabSheet7", &TForm1::TabSheet7)
                                        .Field(L"OvRichEdit6", &TForm1::OvRichEdit6)
                                        .Field(L"TabSheet8", &TForm1::TabSheet8)
                                        .Field(L"OvRichEdit7", &TForm1::OvRichEdit7)
                                        .Field(L"TabSheet9", &TForm1::TabSheet9)
                                        .Field(L"TabSheet10", &TForm1::TabSheet10)
                                        .Field(L"OvRichEdit8", &TForm1::OvRichEdit8)
                                        .Field(L"OvRichEdit9", &TForm1::OvRichEdit9)
                                        .Field(L"ToolBar2", &TForm1::ToolBar2)
                                        .Field(L"ImageList1", &TForm1::ImageList1)
                                        .Field(L"ToolButton1", &TForm1::ToolButton1)
                                        .Field(L"ToolButton2", &TForm1::ToolButton2)
                                        .Field(L"ToolButton4", &TForm1::ToolButton4)
                                        .Field(L"ToolButton5", &TForm1::ToolButton5)
                                        .Field(L"krvSkinEngine1", &TForm1::krvSkinEngine1)
                                        .Method(L"FormCreate", &TForm1::FormCreate)
                                        .Method(L"ToolButton1Click", &TForm1::ToolButton1Click)
                                        .Method(L"ToolButton2Click", &TForm1::ToolButton2Click)
                                        .Method(L"ToolButton4Click", &TForm1::ToolButton4Click)
                                        .Method(L"ToolButton5Click", &TForm1::ToolButton5Click)
                                        .Build();
    return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

// The catalogue: chapter 0 on page 2, chapters 2 and 3 on the sub pages of page 0, chapters 5 to 8
// on the sub pages of page 1. Chapters 1 and 4 do not exist. A failing load leaves at once: the
// application's handler shows why and the views not reached stay empty.
void TForm1::FormCreate(TObject* Sender)
{
    LoadChapter(0, OvRichEdit1);
    PageControl1->SetActivePageIndex(kSecretsPage);
    LoadChapter(2, OvRichEdit2);
    LoadChapter(3, OvRichEdit5);
    LoadChapter(5, OvRichEdit6);
    LoadChapter(6, OvRichEdit7);
    LoadChapter(7, OvRichEdit8);
    LoadChapter(8, OvRichEdit9);
    ActivateView(OvRichEdit1);
}

void TForm1::ToolButton1Click(TObject* Sender)
{
    ShowPage(kSecretsPage);
    ActivateView(OvRichEdit1);
}

// The sub pages keep the selection the user left them on; the view on that sub page is activated.
void TForm1::ToolButton2Click(TObject* Sender)
{
    ShowPage(kChancesPage);
    if (TOvRichEdit* view = ChancesView())
        ActivateView(view);
}

void TForm1::ToolButton4Click(TObject* Sender)
{
    ShowPage(kManualPage);
    if (TOvRichEdit* view = ManualView())
        ActivateView(view);
}

TOvRichEdit* TForm1::ShownView() const
{
    switch (PageControl1->ActivePageIndex()) {
    case kManualPage:
        return ManualView();
    case kChancesPage:
        return ChancesView();
    case kSecretsPage:
        return OvRichEdit1;
    default:
        return nullptr;
    }
}

// The views of PageControl3's sub pages, by the sub page in front; none for any other index.
TOvRichEdit* TForm1::ChancesView() const
{
    const std::array<TOvRichEdit*, 4> views{OvRichEdit6, OvRichEdit7, OvRichEdit8, OvRichEdit9};
    return SubPageView(PageControl3->ActivePageIndex(), views);
}

TOvRichEdit* TForm1::ManualView() const
{
    const std::array<TOvRichEdit*, 2> views{OvRichEdit2, OvRichEdit5};
    return SubPageView(PageControl2->ActivePageIndex(), views);
}

// The About box is modal; what it answers changes nothing here.
void TForm1::ToolButton5Click(TObject* Sender) { AboutBox->ShowModal(); }

// The stream reads the resource in place; a missing chapter raises "Resource rtf_<n> not found".
void TForm1::LoadChapter(int n, TOvRichEdit* view)
{
    TResourceStream stream(GetModuleHandleW(nullptr), Format(L"rtf_%d", {n}), RT_RCDATA);
    view->Lines()->LoadFromStream(stream);
}

// Sent, not posted: the view has handled the double-click when this returns. A real double-click
// ends with the button going up; the rich edit control captures the mouse on the double-click and
// keeps it until then, which would swallow the user's next click (on a tool button, say) and drag
// the selection after the pointer meanwhile. So the release follows, at the same point.
void TForm1::ActivateView(TOvRichEdit* view)
{
    HWND window = view->Handle();
    SendMessageW(window, WM_LBUTTONDBLCLK, 0, 0);
    SendMessageW(window, WM_LBUTTONUP, 0, 0);
}

void TForm1::ShowPage(int pageIndex) { PageControl1->SetActivePageIndex(pageIndex); }

}  // namespace ov
