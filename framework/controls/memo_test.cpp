// Tests of the edit and memo controls on real EDIT windows: Lines with and without a window,
// state kept across re-creation, read-only typing, change events, dialog codes, and a descendant
// that swaps the window class and the Lines object.
#include "framework/controls/edit.h"
#include "framework/graphics/font.h"
#include "framework/forms/form.h"
#include "framework/controls/memo.h"
#include "tests/test_counts.h"

#include <richedit.h>

#include <gtest/gtest.h>

namespace ov {
namespace {

struct MemoTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TMemo* memo = nullptr;
    void SetUp() override
    {
        form->InitForm();
        form->SetBounds(50, 50, 400, 300);
        memo = new TMemo(form.get());
        memo->SetParent(form.get());
        memo->SetBounds(10, 10, 200, 120);
    }
    [[nodiscard]] std::wstring WindowText() const
    {
        wchar_t buffer[512] = {};
        GetWindowTextW(memo->WindowHandle(), buffer, 512);
        return buffer;
    }
};

TEST_F(MemoTest, LinesWorkBeforeAndAfterTheWindowExists)
{
    memo->Lines()->Add(L"first");
    memo->Lines()->Add(L"second");
    EXPECT_FALSE(memo->HandleAllocated());
    EXPECT_EQ(memo->Lines()->Count(), 2);
    HWND window = memo->Handle();
    wchar_t className[64];
    GetClassNameW(window, className, 64);
    EXPECT_STREQ(className, L"TMemo");
    EXPECT_EQ(WindowText(), L"first\r\nsecond");
    EXPECT_EQ(SendMessageW(window, EM_GETLINECOUNT, 0, 0), 2);
    memo->Lines()->Insert(1, L"middle");
    memo->Lines()->Put(0, L"top");
    memo->Lines()->Delete(2);
    EXPECT_EQ(WindowText(), L"top\r\nmiddle");
    EXPECT_EQ(memo->Lines()->Get(1), L"middle");
    memo->Lines()->SetText(L"a\nb\r\nc\r\n");
    EXPECT_EQ(memo->Lines()->Count(), 3);
    EXPECT_THROW(memo->Lines()->Get(3), Exception);
}

TEST_F(MemoTest, RecreatingTheWindowKeepsTextModifiedFlagAndSelection)
{
    memo->SetText(L"hello world");
    HWND first = memo->Handle();
    memo->SetModified(true);
    SendMessageW(first, EM_SETSEL, 6, 9);
    memo->SetBorderStyle(bsNone);  // re-creates the window
    HWND second = memo->WindowHandle();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(GetWindowLongW(second, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(WindowText(), L"hello world");
    EXPECT_TRUE(memo->Modified());
    EXPECT_EQ(memo->SelStart(), 6);
    EXPECT_EQ(memo->SelLength(), 3);
    EXPECT_EQ(memo->SelText(), L"wor");
}

TEST_F(MemoTest, ReadOnlyRefusesTypingAndChangesFireOnChange)
{
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    HWND window = memo->Handle();
    SendMessageW(window, WM_CHAR, L'x', 0);
    EXPECT_EQ(WindowText(), L"x");
    EXPECT_EQ(changes, 1);
    memo->SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & ES_READONLY);
    SendMessageW(window, WM_CHAR, L'y', 0);
    EXPECT_EQ(WindowText(), L"x");
    memo->SetReadOnly(false);
    memo->SetMaxLength(3);
    for (wchar_t c : std::wstring(L"abcdef"))
        SendMessageW(window, WM_CHAR, c, 0);
    EXPECT_EQ(WindowText().size(), 3u);
}

TEST_F(MemoTest, TabAndEnterAreWantedAsAsked)
{
    HWND window = memo->Handle();
    EXPECT_EQ(SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
    memo->SetWantTabs(true);
    EXPECT_NE(SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
    memo->SetWantReturns(false);
    EXPECT_EQ(SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, 0);
}

TEST_F(MemoTest, ScrollBarsAndWordWrapShapeTheWindow)
{
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    HWND window = memo->Handle();
    LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_TRUE(style & ES_MULTILINE);
    memo->SetWordWrap(true);
    EXPECT_FALSE(GetWindowLongW(memo->WindowHandle(), GWL_STYLE) & ES_AUTOHSCROLL);
}

// A descendant on another system class with its own Lines, as a rich text view is built.
class TOtherLines : public TStringList {};
class TClassSwappingMemo : public TCustomMemo {
public:
    explicit TClassSwappingMemo(TComponent* owner) : TCustomMemo(owner)
    {
        SetLinesObject(std::make_unique<TOtherLines>());
    }

protected:
    [[nodiscard]] const wchar_t* EditClassName() const override { return L"RichEdit20W"; }
};

TEST_F(MemoTest, DescendantsChooseTheWindowClassAndTheLinesObject)
{
    // Loaded for the rest of the process, as the rich text view's module does.
    static const HMODULE richEdit = LoadLibraryW(L"riched20.dll");
    ASSERT_TRUE(richEdit);
    auto* rich = new TClassSwappingMemo(form.get());
    rich->SetParent(form.get());
    EXPECT_NE(dynamic_cast<TOtherLines*>(rich->Lines()), nullptr);
    HWND window = rich->Handle();
    // Only a rich edit window knows its text mode; a plain EDIT answers 0.
    EXPECT_NE(SendMessageW(window, EM_GETTEXTMODE, 0, 0), 0);
    EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETTEXTMODE, 0, 0), 0);
    rich->SetText(L"rich");
    EXPECT_EQ(rich->Text(), L"rich");
    EXPECT_EQ(SendMessageW(window, EM_GETLINECOUNT, 0, 0), 1);
}

// A bordered edit with AutoSize is one line of its font high and follows font changes; without
// AutoSize, without a border, or as a memo (which starts without it) it keeps the height it is given.
TEST_F(MemoTest, AutoSizeKeepsABorderedEditOneLineHigh)
{
    auto lineHeight = [](TControl& control) {
        TEXTMETRICW metrics{};
        HDC screen = GetDC(nullptr);
        HGDIOBJ old = SelectObject(screen, control.Font()->Handle());
        GetTextMetricsW(screen, &metrics);
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        return metrics.tmHeight + 8 * GetSystemMetrics(SM_CYBORDER);
    };
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 150, 120, 60);
    EXPECT_TRUE(edit->AutoSize());
    edit->Handle();
    EXPECT_EQ(edit->Height(), lineHeight(*edit));
    edit->Font()->SetHeight(-24);
    EXPECT_EQ(edit->Height(), lineHeight(*edit)) << "a bigger font makes a taller edit";
    EXPECT_GT(edit->Height(), 24);

    edit->SetAutoSize(false);
    edit->SetBounds(10, 150, 120, 60);
    edit->Font()->SetHeight(-11);
    EXPECT_EQ(edit->Height(), 60);
    edit->SetAutoSize(true);
    edit->SetBorderStyle(bsNone);
    edit->SetBounds(10, 150, 120, 60);
    EXPECT_EQ(edit->Height(), 60) << "without a border the height is free";

    EXPECT_FALSE(memo->AutoSize());
    memo->Handle();
    EXPECT_EQ(memo->Height(), 120);
}

TEST_F(MemoTest, CreatingAndFreeingEditsLeaksNoWindowOrGdiObject)
{
    form->Handle();
    int windows = testing::LiveThreadWindows(), objects = testing::LiveGdiObjects();
    for (int i = 0; i < 100; ++i) {
        auto* edit = new TEdit(form.get());
        edit->SetParent(form.get());
        edit->SetText(L"text");
        edit->Handle();
        edit->SetBorderStyle(i % 2 ? bsNone : bsSingle);
        edit->Free();
    }
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), objects);
}

}  // namespace
}  // namespace ov
