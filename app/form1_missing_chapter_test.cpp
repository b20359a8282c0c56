// TForm1 in a program whose resources lack chapter 5: the failure is shown by the application's
// handler, FormCreate stops at the missing chapter, and the window opens anyway.
#include "app/form1.h"

#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include "tests/reader_driver.h"
#include "framework/forms/application.h"
#include "framework/controls/page_control.h"
#include "richview/rich_edit.h"

namespace ov {
namespace {

TEST(Form1WithoutChapter5, ShowsTheMissingResourceAndKeepsWhatLoadedBeforeIt)
{
    std::vector<std::wstring> errors;
    Application->OnException = [&](TObject*, const std::exception_ptr& e) { errors.push_back(ExceptionMessage(e)); };
    auto* form = new TForm1(Application);
    form->InitForm();

    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], L"Resource rtf_5 not found");
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 2);
    for (TOvRichEdit* loaded : {form->OvRichEdit1, form->OvRichEdit2, form->OvRichEdit5})
        EXPECT_GT(test::TextLength(loaded->Handle()), 0) << loaded->Name();
    for (TOvRichEdit* empty : {form->OvRichEdit6, form->OvRichEdit7, form->OvRichEdit8, form->OvRichEdit9})
        EXPECT_EQ(test::TextLength(empty->Handle()), 0) << empty->Name();
    // The activation at the end was not reached: the first view's caret is still where loading put it.
    CHARRANGE selection{};
    SendMessageW(form->OvRichEdit1->Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    EXPECT_EQ(selection.cpMax, 0);

    form->Show();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    form->Free();
    Application->OnException = nullptr;
}

}  // namespace
}  // namespace ov
