// Forms and the application under real windows: modal showing with Enter, Escape and closing,
// centring on every showing, the main form ending Run, exceptions shown under the title.
#include "framework/forms/form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/forms/application.h"
#include "framework/controls/button.h"
#include "framework/forms/screen.h"
#include "tests/test_counts.h"
#include "framework/core/unicode.h"

namespace ov {
namespace {

// Runs steps one after another from a thread timer; the timer keeps firing inside modal loops and
// message boxes, which is how a test reaches them.
class TScript {
public:
    explicit TScript(std::vector<std::function<void()>> steps) : steps_(std::move(steps))
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 30, &TScript::Tick);
    }
    ~TScript()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    [[nodiscard]] bool Done() const { return next_ >= steps_.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        TScript* self = current_;
        if (!self || self->running_ || self->Done())
            return;
        self->running_ = true;  // a step may open a modal loop in which the timer fires again
        size_t step = self->next_++;
        self->steps_[step]();
        self->running_ = false;
    }

    static inline TScript* current_ = nullptr;
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
    bool running_ = false;
    UINT_PTR timer_ = 0;
};

// The visible message box of this thread, if one is open.
HWND FindMessageBox()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM data) -> BOOL {
            wchar_t cls[16];
            GetClassNameW(w, cls, 16);
            if (std::wstring(cls) == L"#32770" && IsWindowVisible(w)) {
                *reinterpret_cast<HWND*>(data) = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring WindowText(HWND w)
{
    wchar_t text[512];
    GetWindowTextW(w, text, 512);
    return text;
}

// The texts of a message box's static controls, joined.
std::wstring MessageBoxText(HWND box)
{
    std::wstring all;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16];
        GetClassNameW(child, cls, 16);
        if (_wcsicmp(cls, L"Static") == 0)
            all += WindowText(child);
    }
    return all;
}

void PumpUntil(const std::function<bool()>& done)
{
    for (int i = 0; i < 2000 && !done(); ++i)
        Application->HandleMessage();
}

struct DialogFixture : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TButton* ok = new TButton(form.get());
    TButton* cancel = new TButton(form.get());
    void SetUp() override
    {
        form->InitForm();
        form->SetBorderStyle(bsDialog);
        form->SetPosition(poScreenCenter);
        form->SetClientWidth(300);
        form->SetClientHeight(120);
        ok->SetParent(form.get());
        ok->SetBounds(40, 80, 75, 25);
        ok->SetCaption(L"OK");
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        cancel->SetParent(form.get());
        cancel->SetBounds(160, 80, 75, 25);
        cancel->SetCaption(L"Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
    }
    std::function<void()> Key(WORD key)
    {
        return [this, key] {
            HWND target = GetFocus() ? GetFocus() : form->WindowHandle();
            PostMessageW(target, WM_KEYDOWN, key, 1);
            PostMessageW(target, WM_KEYUP, key, 0xC0000001);
        };
    }
};

using ModalFormTest = DialogFixture;

TEST_F(ModalFormTest, EnterPressesTheDefaultButtonEscapeTheCancelButton)
{
    TScript enter({[] {}, Key(VK_RETURN)});
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
    TScript escape({[] {}, Key(VK_ESCAPE)});
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(ModalFormTest, ClosingTheWindowEndsWithCancelAndOtherWindowsAreDisabledMeanwhile)
{
    TComponentPtr<TForm> other(new TForm(nullptr));
    other->InitForm();
    other->Show();
    bool otherDisabled = false;
    TScript script({[&] { otherDisabled = !IsWindowEnabled(other->WindowHandle()); },
                    [&] { PostMessageW(form->WindowHandle(), WM_CLOSE, 0, 0); }});
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_TRUE(otherDisabled);
    EXPECT_TRUE(IsWindowEnabled(other->WindowHandle()));
}

TEST_F(ModalFormTest, ScreenCenteredFormIsCentredOnEveryShowing)
{
    for (int i = 0; i < 2; ++i) {
        form->SetBounds(3, 4, form->Width(), form->Height());
        TScript script({[] {}, Key(VK_RETURN)});
        POINT shownAt{-1, -1};
        form->OnShow = [&](TObject*) {};
        form->OnActivate = [&](TObject*) { shownAt = {form->Left(), form->Top()}; };
        form->ShowModal();
        EXPECT_EQ(shownAt.x, (GetSystemMetrics(SM_CXSCREEN) - form->Width()) / 2);
        EXPECT_EQ(shownAt.y, (GetSystemMetrics(SM_CYSCREEN) - form->Height()) / 2);
    }
}

// An exception escaping an event handler is shown in a message box captioned with the application
// title, and the message loop goes on; closing the main form then ends Run.
TEST(Application, HandlerExceptionIsShownUnderTheTitleAndTheLoopGoesOn)
{
    std::wstring savedTitle = Application->Title();
    Application->SetTitle(L"Zelvo\x5065\x5EB7 test");
    TForm* main = nullptr;
    Application->CreateForm(&main);
    ASSERT_EQ(Application->MainForm(), main);
    auto* button = new TButton(main);
    button->SetParent(main);
    button->OnClick = [](TObject*) { throw Exception(L"Resource %s not found", {L"rtf_5"}); };
    int clicksAfterBox = 0;
    std::wstring caption, text;
    TScript script({
        [&] { PostMessageW(button->Handle(), BM_CLICK, 0, 0); },
        [&] {
            HWND box = FindMessageBox();
            if (!box)
                return;
            caption = WindowText(box);
            text = MessageBoxText(box);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
        [&] { button->OnClick = [&](TObject*) { ++clicksAfterBox; }; },
        [&] { PostMessageW(button->Handle(), BM_CLICK, 0, 0); },
        [&] { PostMessageW(main->WindowHandle(), WM_CLOSE, 0, 0); },
    });
    Application->Run();
    EXPECT_EQ(caption, L"Zelvo\x5065\x5EB7 test");
    EXPECT_NE(text.find(L"Resource rtf_5 not found"), std::wstring::npos) << WideToUtf8(text);
    EXPECT_EQ(clicksAfterBox, 1);
    EXPECT_TRUE(script.Done());
    main->Free();
    EXPECT_EQ(Application->MainForm(), nullptr);
    Application->SetTitle(savedTitle);
}

TEST(Screen, KnowsEveryFormAndTheActiveOneFirst)
{
    int before = Screen->CustomFormCount();
    TComponentPtr<TForm> a(new TForm(nullptr)), b(new TForm(nullptr));
    a->InitForm();
    b->InitForm();
    EXPECT_EQ(Screen->CustomFormCount(), before + 2);
    a->Show();
    b->Show();
    SetActiveWindow(a->WindowHandle());
    PumpUntil([&] { return Screen->ActiveCustomForm() == a.get(); });
    EXPECT_EQ(Screen->ActiveCustomForm(), a.get());
    EXPECT_EQ(Screen->CustomForms(0), a.get());
    EXPECT_EQ(Screen->FindForm(b->WindowHandle()), b.get());
    b.reset();
    EXPECT_EQ(Screen->CustomFormCount(), before + 1);
}

// Release frees the form after the message that asked for it has been handled.
TEST(Form, ReleaseFreesTheFormLater)
{
    bool destroyed = false;
    auto* form = new TForm(nullptr);
    form->InitForm();
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    auto* button = new TButton(form);
    button->SetParent(form);
    button->OnClick = [&](TObject*) {
        form->Release();
        EXPECT_FALSE(destroyed);
    };
    int windows = testing::LiveThreadWindows();
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    PumpUntil([&] { return destroyed; });
    EXPECT_TRUE(destroyed);
    EXPECT_LT(testing::LiveThreadWindows(), windows + 2);
}

}  // namespace
}  // namespace ov
