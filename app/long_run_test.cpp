// The reader used for a long while inside the test program: every page and sub-page, scrolling,
// repainting and the About box, round after round. What a long run must not do is hold more GDI
// objects or windows with every round; the first round makes what is made once (the About box's
// window), so the counts are taken after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/form1.h"
#include "framework/forms/application.h"
#include "framework/controls/button.h"
#include "framework/controls/page_control.h"
#include "tests/test_counts.h"
#include "framework/core/unicode.h"
#include "richview/rich_edit.h"
#include "skin/engine/skin_engine.h"

namespace ov {
namespace {

constexpr UINT_PTR kCloseTimer = 0x0A0B;

// Runs from the About box's modal loop: presses its OK button as a user would.
void CALLBACK PressAboutOk(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    SendMessageW(AboutBox->OKButton->Handle(), BM_CLICK, 0, 0);
}

// The main window and the About box as the program makes them, shown; freed with the object.
class Reader {
public:
    Reader()
    {
        form = new TForm1(Application);
        form->InitForm();
        AboutBox = new TAboutBox(Application);
        AboutBox->InitForm();
        form->Show();
        Application->ProcessMessages();
    }
    ~Reader()
    {
        AboutBox->Free();
        AboutBox = nullptr;
        form->Free();
        Application->ProcessMessages();
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // One round of use: each tool button, each sub-page, scrolling the views shown, the About box.
    void UseEverything()
    {
        form->ToolButton1Click(nullptr);
        Scroll(form->OvRichEdit1);
        Repaint();
        form->ToolButton2Click(nullptr);
        for (int i = 0; i < 4; ++i) {
            form->PageControl3->SetActivePageIndex(i);
            Repaint();
        }
        Scroll(form->OvRichEdit9);
        form->ToolButton4Click(nullptr);
        for (int i = 0; i < 2; ++i) {
            form->PageControl2->SetActivePageIndex(i);
            Repaint();
        }
        Scroll(form->OvRichEdit5);
        ShowAboutBox();
        Repaint();
    }

    // A view with the focus has a caret, which holds a bitmap: counts are compared without it.
    void FocusTheForm()
    {
        SetFocus(form->Handle());
        Application->ProcessMessages();
    }

    TForm1* form = nullptr;

private:
    void Repaint()
    {
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Application->ProcessMessages();
    }

    // Pages the view down a few screens and back to its start, repainting as it goes.
    static void Scroll(TOvRichEdit* view)
    {
        for (int i = 0; i < 3; ++i) {
            SendMessageW(view->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
            UpdateWindow(view->Handle());
        }
        SendMessageW(view->Handle(), WM_VSCROLL, SB_TOP, 0);
        UpdateWindow(view->Handle());
    }

    void ShowAboutBox()
    {
        ASSERT_NE(SetTimer(nullptr, kCloseTimer, 10, PressAboutOk), 0u);
        form->ToolButton5Click(nullptr);
        ASSERT_FALSE(AboutBox->Visible()) << "the About box did not close";
    }
};

class ReaderLongRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->OnException = [this](TObject*, const std::exception_ptr& e) {
            errors.push_back(ExceptionMessage(e));
        };
    }
    void TearDown() override { Application->OnException = nullptr; }

    std::vector<std::wstring> errors;
};

TEST_F(ReaderLongRun, UsingEveryPageAndTheAboutBoxKeepsObjectCountsLevel)
{
    Reader reader;
    // Two rounds to warm up: with the skin on, scrolling a chapter with pictures in the second round
    // makes a DC, a bitmap and a region once, for good (the rich edit control's picture drawing; with
    // the skin off it happens in the first).
    reader.UseEverything();
    reader.UseEverything();
    reader.FocusTheForm();
    const int windows = testing::LiveThreadWindows();
    const int gdi = testing::LiveGdiObjects();
    for (int round = 0; round < 10; ++round)
        reader.UseEverything();
    reader.FocusTheForm();
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

// The skin switched off and on a hundred times, and loaded again from a package file a hundred
// times (every frame skinner is switched off and on with each load), with both forms skinned.
TEST_F(ReaderLongRun, SwitchingAndReloadingTheSkinKeepsObjectCountsLevel)
{
    Reader reader;
    reader.UseEverything();
    reader.UseEverything();
    TkrvSkinEngine* engine = reader.form->krvSkinEngine1;
    ASSERT_NE(engine, nullptr);
    engine->SkinOpenForms();  // as the program does when its main form first shows
    ASSERT_EQ(engine->SkinWindows().size(), 2u) << "the main form and the About box";
    const std::wstring package = Utf8ToWide(OV_BUILTIN_SKIN_PATH).insert(0, L"Z:");
    auto toggle = [&] {
        engine->SetActive(false);
        Application->ProcessMessages();
        engine->SetActive(true);
        Application->ProcessMessages();
    };
    auto reload = [&] {
        engine->SetSkinFile(package);
        Application->ProcessMessages();
    };
    toggle();
    reload();
    reader.FocusTheForm();
    const int windows = testing::LiveThreadWindows();
    const int gdi = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i)
        toggle();
    for (int i = 0; i < 100; ++i)
        reload();
    reader.FocusTheForm();
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
    EXPECT_TRUE(engine->IsWorking());
    EXPECT_TRUE(errors.empty()) << errors.front();
}

// Seven views holding chapters with pictures and embedded objects, an image list, the About box's
// icon: freeing the forms gives every window and GDI object back.
TEST_F(ReaderLongRun, FreeingTheFormsGivesBackWindowsAndGdiObjects)
{
    {
        Reader reader;
        reader.UseEverything();
    }
    const int windows = testing::LiveThreadWindows();
    const int gdi = testing::LiveGdiObjects();
    for (int i = 0; i < 3; ++i) {
        Reader reader;
        reader.UseEverything();
    }
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

}  // namespace
}  // namespace ov
