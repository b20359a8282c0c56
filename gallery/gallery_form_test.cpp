// The gallery's main form from its stored layout: every page shows its controls, the skin options
// reach the window, and every dialog it opens (message box, open-file dialog, folder browser,
// plain dialog, second form) opens and closes again, twenty times each, and the skin switches off
// and on a hundred times, each leaving the counts of GDI objects and windows where they were.
#include "gallery/gallery_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/forms/application.h"
#include "framework/controls/tool_bar.h"
#include "framework/core/unicode.h"
#include "skin/data/skin_test_builders.h"
#include "skin/engine/skin_engine.h"
#include "framework/controls/button.h"
#include "framework/controls/page_control.h"
#include "framework/controls/status_bar.h"
#include "tests/test_counts.h"
#include "gallery/gallery_frame.h"
#include "richview/module_init.h"
#include "skin/controls/control_skinners.h"

namespace ov {
namespace {

// Closes the window that opens over the gallery while a dialog is shown modally: dialogs of the
// system get Cancel, framework forms are closed. A thread timer keeps ticking inside modal loops.
class TDialogCloser {
public:
    explicit TDialogCloser(HWND main) : main_(main)
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &TDialogCloser::Tick);
    }
    ~TDialogCloser()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    [[nodiscard]] int Closed() const noexcept { return closed_; }
    [[nodiscard]] const std::wstring& LastClass() const noexcept { return lastClass_; }
    [[nodiscard]] const std::wstring& LastTitle() const noexcept { return lastTitle_; }

private:
    static BOOL CALLBACK CloseOne(HWND window, LPARAM data)
    {
        auto self = reinterpret_cast<TDialogCloser*>(data);
        // The dialog: a captioned window in front while the main window waits (disabled) for it.
        bool captioned = (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
        if (window == self->main_ || !IsWindowVisible(window) || !IsWindowEnabled(window) || !captioned)
            return TRUE;
        wchar_t name[64] = {}, title[128] = {};
        GetClassNameW(window, name, 64);
        GetWindowTextW(window, title, 128);
        self->lastClass_ = name;
        self->lastTitle_ = title;
        if (self->lastClass_ == L"#32770")
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        else
            PostMessageW(window, WM_CLOSE, 0, 0);
        ++self->closed_;
        return FALSE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (current_)
            EnumThreadWindows(GetCurrentThreadId(), CloseOne, reinterpret_cast<LPARAM>(current_));
    }

    static inline TDialogCloser* current_ = nullptr;
    HWND main_;
    UINT_PTR timer_ = 0;
    int closed_ = 0;
    std::wstring lastClass_;
    std::wstring lastTitle_;
};

struct GalleryFormTest : ::testing::Test {
    static inline ModuleInitialisation* modules = nullptr;
    TComponentPtr<TGalleryForm> form{new TGalleryForm(nullptr)};

    static void SetUpTestSuite()
    {
        RegisterControlSkinners();
        modules = new ModuleInitialisation;
    }
    static void TearDownTestSuite()
    {
        delete modules;
        modules = nullptr;
    }
    void SetUp() override
    {
        form->InitForm();
        form->Show();
        Application->ProcessMessages();
    }

    // Opens one dialog through its handler and lets the closer end it; the dialog's window class.
    std::wstring OpenAndClose(void (TGalleryForm::*handler)(TObject*))
    {
        TDialogCloser closer(form->Handle());
        (form.get()->*handler)(form.get());
        EXPECT_EQ(closer.Closed(), 1);
        Application->ProcessMessages();
        return closer.LastClass();
    }
};

TEST_F(GalleryFormTest, EveryPageShowsItsControls)
{
    TPageControl* pages = form->PageControl1;
    ASSERT_EQ(pages->PageCount(), 6);
    for (int i = 0; i < pages->PageCount(); ++i) {
        TTabSheet* page = pages->Pages(i);
        pages->SetActivePage(page);
        Application->ProcessMessages();
        EXPECT_TRUE(page->Showing()) << i;
        int shown = 0;
        for (int c = 0; c < page->ControlCount(); ++c)
            shown += page->Controls(c)->Showing();
        EXPECT_GT(shown, 3) << i;
    }
    auto frame = dynamic_cast<TGalleryFrame*>(form->FindComponent(L"GalleryFrame1"));
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->FrameButton, nullptr);
    EXPECT_TRUE(frame->FrameButton->Showing());
}

// A package named on the command line is loaded into the engine; one that cannot be read is said
// so, and the built-in skin stays.
TEST_F(GalleryFormTest, TheSkinAskedForIsShown)
{
    EXPECT_EQ(form->StatusBar1->Panel(0)->Text(), L"Skin: built-in skin");
    ASSERT_TRUE(form->krvSkinEngine1->IsWorking());
    gallery::TGalleryOptions missing;
    missing.SkinPackage = L"C:\\skins\\blue.ssk";
    form->ShowSkinOptions(missing);
    EXPECT_EQ(form->StatusBar1->Panel(0)->Text(), L"Skin: built-in skin (C:\\skins\\blue.ssk: no such file)");
    EXPECT_TRUE(form->krvSkinEngine1->IsWorking()) << "the built-in skin is kept";

    gallery::TGalleryOptions package;
    package.SkinPackage = Utf8ToWide(testing::HostPath(OV_BUILTIN_SKIN_PATH));
    package.HasPassword = true;
    package.Password = L"pw";
    form->ShowSkinOptions(package);
    EXPECT_EQ(form->StatusBar1->Panel(0)->Text(), L"Skin: " + package.SkinPackage + L" (with password)");
    EXPECT_EQ(form->krvSkinEngine1->SkinFile(), package.SkinPackage);
    EXPECT_TRUE(form->krvSkinEngine1->IsWorking());
    EXPECT_NE(form->Caption().find(L"builtin.ssk"), std::wstring::npos);
}

// The skin switch turns the skin off and on.
TEST_F(GalleryFormTest, TheSkinSwitchTurnsTheSkinOffAndOn)
{
    ASSERT_TRUE(form->SkinButton->Down());
    form->SkinButton->SetDown(false);
    form->SkinButtonClick(form->SkinButton);
    EXPECT_FALSE(form->krvSkinEngine1->Active());
    EXPECT_EQ(SendMessageW(form->Handle(), 0x2AAA /* skinned? */, 0, 0), 0);
    form->SkinButton->SetDown(true);
    form->SkinButtonClick(form->SkinButton);
    EXPECT_TRUE(form->krvSkinEngine1->Active());
    EXPECT_EQ(SendMessageW(form->Handle(), 0x2AAA, 0, 0), 1);
}

// The skin switched off and on a hundred times, every page having been in front, gives back what
// each switch made: the skinners' bitmaps, brushes and overlay windows.
TEST_F(GalleryFormTest, SwitchingTheSkinAHundredTimesLeavesTheCountsLevel)
{
    TPageControl* pages = form->PageControl1;
    auto showEveryPage = [&] {
        for (int i = pages->PageCount() - 1; i >= 0; --i) {
            pages->SetActivePageIndex(i);
            Application->ProcessMessages();
        }
    };
    auto switchSkin = [&](bool on) {
        form->SkinButton->SetDown(on);
        form->SkinButtonClick(form->SkinButton);
        Application->ProcessMessages();
    };
    showEveryPage();
    switchSkin(false);
    switchSkin(true);
    showEveryPage();
    int gdi = testing::LiveGdiObjects(), windows = testing::LiveThreadWindows();
    for (int round = 0; round < 100; ++round) {
        switchSkin(false);
        switchSkin(true);
        if (round % 10 == 0)
            showEveryPage();
    }
    showEveryPage();
    EXPECT_TRUE(form->krvSkinEngine1->IsWorking());
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
}

TEST_F(GalleryFormTest, EveryDialogOpensAndClosesLeavingTheCountsLevel)
{
    struct Dialog {
        const char* name;
        void (TGalleryForm::*handler)(TObject*);
        const wchar_t* windowClass;
    };
    const Dialog dialogs[] = {
        {"message box", &TGalleryForm::MessageBoxButtonClick, L"#32770"},
        {"open file", &TGalleryForm::OpenFileButtonClick, L"#32770"},
        {"folder", &TGalleryForm::FolderButtonClick, L"#32770"},
        {"plain dialog", &TGalleryForm::PlainDialogButtonClick, L"#32770"},
        {"second form", &TGalleryForm::SecondFormButtonClick, L"TSecondForm"},
    };
    for (const Dialog& dialog : dialogs) {
        // The first opening may load what the system keeps for the rest of the run.
        EXPECT_EQ(OpenAndClose(dialog.handler), dialog.windowClass) << dialog.name;
        int gdi = testing::LiveGdiObjects(), windows = testing::LiveThreadWindows();
        for (int round = 0; round < 20; ++round)
            OpenAndClose(dialog.handler);
        EXPECT_EQ(testing::LiveGdiObjects(), gdi) << dialog.name;
        EXPECT_EQ(testing::LiveThreadWindows(), windows) << dialog.name;
        EXPECT_TRUE(form->LastResult() == L"" || form->LastResult() == L"Cancel") << dialog.name;
    }
}

}  // namespace
}  // namespace ov
