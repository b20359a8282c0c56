// The view on a real form: creation from a stored layout, the window it makes, the control's
// set-up, fonts as the default character format, loading chapters, text in UTF-16.
#include "richview/custom_rich_edit.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/core/properties.h"
#include "richview/richedit_library.h"
#include "richview/rtf_samples.h"
#include "richview/test_view.h"

namespace ov {
namespace {

[[maybe_unused]] ::testing::Environment* const kOle = ::testing::AddGlobalTestEnvironment(new testing::OleEnvironment);

using ViewWindow = testing::ViewTest;

TEST(RichViewClass, IsCreatableByNameWithTheConstructorDefaults)
{
    TOvRichEdit::StaticClass();
    const TClassInfo* info = FindComponentClass(L"TOvRichEdit");
    ASSERT_NE(info, nullptr);
    TComponentPtr<TComponent> created(info->Create(nullptr));
    auto view = dynamic_cast<TOvRichEdit*>(created.get());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->AllowObjects());
    EXPECT_TRUE(view->AllowInPlace());
    EXPECT_TRUE(view->AutoVerbMenu());
    EXPECT_TRUE(view->HideSelection());
    EXPECT_TRUE(view->HideScrollBars());
    EXPECT_EQ(view->ScrollBars(), ssBoth);
    EXPECT_TRUE(view->SelectionBar());
    EXPECT_TRUE(view->AutoAdvancedTypography());
    EXPECT_FALSE(view->AdvancedTypography());
    EXPECT_TRUE(view->OLEDragDrop());
    EXPECT_EQ(view->LangOptions(), TRichLangOptions{rlAutoFont});
    EXPECT_EQ(view->UndoLimit(), 100);
    EXPECT_TRUE(view->AutoURLDetect());
    EXPECT_TRUE(view->WordSelection());
    EXPECT_TRUE(view->ForceUndo());
    EXPECT_TRUE(view->UseFixedPopup());
    EXPECT_FALSE(view->PlainText());
    EXPECT_EQ(view->StreamFormat(), sfDefault);
    EXPECT_TRUE(view->StreamMode().Empty());
    EXPECT_EQ(view->MaxLength(), 0);
    EXPECT_EQ(view->Zoom(), 100);
    EXPECT_TRUE(view->Title().empty());
    EXPECT_TRUE(view->TabStop());
    EXPECT_EQ(view->Width(), 185);
    EXPECT_EQ(view->Height(), 89);
    EXPECT_EQ(view->ClipboardCommands(), kAllClipboardCommands);
    EXPECT_EQ(view->HintColor(), clDefault);
    EXPECT_EQ(PropertyTypeName(*view, L"BorderStyle"), L"TBorderStyle");
}

TEST_F(ViewWindow, LayoutSetsTheStoredProperties)
{
    EXPECT_EQ(view->Left(), 4);
    EXPECT_EQ(view->Width(), 380);
    EXPECT_EQ(view->BorderStyle(), bsNone);
    EXPECT_EQ(view->Font()->Name(), L"Tahoma");
    EXPECT_EQ(view->Font()->Charset(), GB2312_CHARSET);
    EXPECT_FALSE(view->ReadOnly());
    EXPECT_EQ(view->Anchors(), (TAnchors{akLeft, akTop, akRight, akBottom}));
}

TEST_F(ViewWindow, WindowHasTheStylesOfItsProperties)
{
    HWND window = view->Handle();
    LONG style = ::GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_SAVESEL);
    EXPECT_TRUE(style & ES_SELECTIONBAR);
    EXPECT_FALSE(style & WS_HSCROLL);  // word wrap
    EXPECT_FALSE(style & WS_VSCROLL);  // hidden while the text fits
    EXPECT_FALSE(style & ES_DISABLENOSCROLL);
    EXPECT_FALSE(style & ES_NOOLEDRAGDROP);
    EXPECT_FALSE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(::GetClassLongW(window, GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW));
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 380);
    EXPECT_EQ(bounds.bottom - bounds.top, 280);

    view->SetHideScrollBars(false);  // a new window, whose scroll bar stays (disabled)
    EXPECT_NE(view->WindowHandle(), window);
    style = ::GetWindowLongW(view->WindowHandle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_DISABLENOSCROLL);
    EXPECT_TRUE(style & WS_VSCROLL);
}

// The selection bar's style bit is WS_MAXIMIZE to the window manager; the view must get the bar
// without being maximised inside its parent on the way.
TEST_F(ViewWindow, SelectionBarComesWithoutMaximising)
{
    ASSERT_FALSE(view->HandleAllocated());
    auto sizeLimitQuestions = std::make_shared<int>(0);
    view->WindowProc = [previous = view->WindowProc, sizeLimitQuestions](TMessage& message) {
        *sizeLimitQuestions += message.Msg == WM_GETMINMAXINFO;
        previous(message);
    };
    HWND window = view->Handle();
    EXPECT_EQ(*sizeLimitQuestions, 0);
    EXPECT_TRUE(::SendMessageW(window, EM_GETOPTIONS, 0, 0) & ECO_SELECTIONBAR);
    EXPECT_TRUE(::GetWindowLongW(window, GWL_STYLE) & ES_SELECTIONBAR);
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 380);

    view->SetSelectionBar(false);
    EXPECT_FALSE(::SendMessageW(view->WindowHandle(), EM_GETOPTIONS, 0, 0) & ECO_SELECTIONBAR);
}

TEST_F(ViewWindow, ControlIsSetUpFromTheProperties)
{
    HWND window = view->Handle();
    LRESULT mask = ENM_CHANGE | ENM_SELCHANGE | ENM_REQUESTRESIZE | ENM_PROTECTED;
    if (RichEditLevel() >= 2)
        mask |= ENM_LINK;
    EXPECT_EQ(::SendMessageW(window, EM_GETEVENTMASK, 0, 0), mask);
    EXPECT_EQ(::SendMessageW(window, EM_GETLIMITTEXT, 0, 0), 0xFFFFFF);
    EXPECT_TRUE(::SendMessageW(window, EM_GETOPTIONS, 0, 0) & ECO_AUTOWORDSELECTION);
    EXPECT_EQ(view->UndoLimit(), 100);
    EXPECT_TRUE(::SendMessageW(window, EM_GETTEXTMODE, 0, 0) & TM_RICHTEXT);
    ASSERT_NE(view->RichEditOle(), nullptr);
    view->SetWordSelection(false);
    EXPECT_FALSE(::SendMessageW(window, EM_GETOPTIONS, 0, 0) & ECO_AUTOWORDSELECTION);
    view->SetMaxLength(10);
    EXPECT_EQ(::SendMessageW(window, EM_GETLIMITTEXT, 0, 0), 10);
}

TEST_F(ViewWindow, FontBecomesTheDefaultCharacterFormat)
{
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, L"Tahoma");
    EXPECT_EQ(format.yHeight, 160);
    EXPECT_EQ(format.bCharSet, GB2312_CHARSET);
    EXPECT_TRUE(format.dwEffects & CFE_AUTOCOLOR);

    view->Font()->SetColor(clRed);
    view->Font()->SetStyle({fsBold});
    view->Font()->SetSize(12);
    format = {};
    format.cbSize = sizeof(format);
    Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.crTextColor, RGB(255, 0, 0));
    EXPECT_FALSE(format.dwEffects & CFE_AUTOCOLOR);
    EXPECT_TRUE(format.dwEffects & CFE_BOLD);
    EXPECT_EQ(format.yHeight, 240);
}

TEST_F(ViewWindow, LoadsAChapterAndReadsItBackInUtf16)
{
    Load(rtf_samples::ChineseText(3));
    std::wstring hello = rtf_samples::kChineseHelloText;
    EXPECT_EQ(view->Lines()->Get(1), hello + L" 1");
    EXPECT_EQ(view->Lines()->Count(), 3);
    view->SetSelection(0, 5, false);
    EXPECT_EQ(view->SelText(), hello);
    EXPECT_EQ(view->GetTextRange(1, 3), hello.substr(1, 2));
    EXPECT_EQ(view->Lines()->Text(), hello + L" 0\r\n" + hello + L" 1\r\n" + hello + L" 2\r\n");
    EXPECT_EQ(view->Selection().cpMax, 5);
}

TEST_F(ViewWindow, ProgressReachesOnConversionProgress)
{
    std::vector<int> reported;
    view->OnConversionProgress = [&](TObject* sender, int percent) {
        EXPECT_EQ(sender, view);
        reported.push_back(percent);
    };
    Load(rtf_samples::ChineseText(100));
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), 100);
}

TEST_F(ViewWindow, LoadedDocumentShowsFromItsStart)
{
    Load(rtf_samples::ChineseText(200));
    view->SetSelection(3000, 3000, true);
    ASSERT_GT(Send(EM_GETFIRSTVISIBLELINE), 0);
    Load(rtf_samples::ChineseText(200));
    EXPECT_EQ(view->Selection().cpMax, 0);
    EXPECT_EQ(Send(EM_GETFIRSTVISIBLELINE), 0);
}

}  // namespace
}  // namespace ov
