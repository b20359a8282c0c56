// TForm1 built from its stored layout inside the test program: the chapter catalogue (which
// chapter each view shows, on which page, read-only or not) and the state FormCreate leaves.
#include "app/form1.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/reader_driver.h"
#include "framework/forms/application.h"
#include "framework/controls/page_control.h"
#include "richview/rich_edit.h"

namespace ov {
namespace {

struct CatalogueEntry {
    TOvRichEdit* TForm1::*view;
    int page;     // of PageControl1
    int subPage;  // of the page's sub page control, -1 when the view sits on the page
    bool readOnly;
};

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->OnException = [this](TObject*, const std::exception_ptr& e) {
            errors.push_back(ExceptionMessage(e));
        };
        form = new TForm1(Application);
        form->InitForm();
    }
    void TearDown() override
    {
        form->Free();
        Application->OnException = nullptr;
    }

    TForm1* form = nullptr;
    std::vector<std::wstring> errors;
};

// Each chapter starts with its title, which is also the caption of the (sub-)page that shows it.
TEST_F(Form1Test, EveryChapterIsInTheViewOfItsPage)
{
    ASSERT_TRUE(errors.empty()) << errors.front();
    const CatalogueEntry catalogue[] = {
        {&TForm1::OvRichEdit1, 2, -1, true}, {&TForm1::OvRichEdit2, 0, 0, true},  {&TForm1::OvRichEdit5, 0, 1, false},
        {&TForm1::OvRichEdit6, 1, 0, true},  {&TForm1::OvRichEdit7, 1, 1, false}, {&TForm1::OvRichEdit8, 1, 2, false},
        {&TForm1::OvRichEdit9, 1, 3, false},
    };
    for (const CatalogueEntry& entry : catalogue) {
        TOvRichEdit* view = form->*entry.view;
        SCOPED_TRACE(view->Name());
        TTabSheet* page = form->PageControl1->Pages(entry.page);
        TTabSheet* sheet = page;
        if (entry.subPage >= 0) {
            auto* sub = dynamic_cast<TPageControl*>(page->Controls(0));
            ASSERT_NE(sub, nullptr);
            sheet = sub->Pages(entry.subPage);
        }
        EXPECT_EQ(view->Parent(), sheet);
        EXPECT_EQ(test::FirstLine(view->Handle()), sheet->Caption());
        EXPECT_EQ(view->ReadOnly(), entry.readOnly);
    }
}

TEST_F(Form1Test, OpensOnPageTwoWithChapterZeroActivatedAndOnlySubPageTabs)
{
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 2);
    // The activation is a double-click at the view's origin: the rich edit control selects there.
    EXPECT_EQ(form->OvRichEdit1->Selection().cpMin, 0);
    EXPECT_GT(form->OvRichEdit1->Selection().cpMax, 0);
    EXPECT_EQ(GetCapture(), nullptr) << "the activated view kept the mouse";
    EXPECT_EQ(form->PageControl2->ActivePageIndex(), 0);
    EXPECT_EQ(form->PageControl3->ActivePageIndex(), 3);
    EXPECT_EQ(form->PageControl1->Tabs()->Count(), 0);
    EXPECT_EQ(form->PageControl2->Tabs()->Count(), 2);
    EXPECT_EQ(form->PageControl3->Tabs()->Count(), 4);
}

}  // namespace
}  // namespace ov
