// The real ovalune.exe with real keys and the real pointer: finding in the chapter shown (Ctrl+F,
// the find dialog, F3 and Shift+F3) and zooming it (Ctrl+=, Ctrl+-, Ctrl+0, Ctrl with the wheel).
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <string>

#include "app/app_title.h"
#include "tests/reader_driver.h"
#include "tests/real_input.h"

namespace ov::test {
namespace {

// Chapter 0 speaks of coffee only in its part on daily life, far below its first screen.
constexpr wchar_t kCoffee[] = L"咖啡";
constexpr wchar_t kAbsent[] = L"鲸鱼";

int FirstVisibleLine(HWND view) { return static_cast<int>(SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0)); }
int LineOf(HWND view, int character) { return static_cast<int>(SendMessageW(view, EM_EXLINEFROMCHAR, 0, character)); }
int TopCharacter(HWND view)
{
    return static_cast<int>(SendMessageW(view, EM_LINEINDEX, static_cast<WPARAM>(FirstVisibleLine(view)), 0));
}
int TabCount(HWND pageControl) { return static_cast<int>(SendMessageW(pageControl, TCM_GETITEMCOUNT, 0, 0)); }
// GetWindowText does not ask controls of another process for their text; WM_GETTEXT does.
std::wstring ControlText(HWND control)
{
    wchar_t text[256] = {};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}
bool SameRange(const CHARRANGE& a, const CHARRANGE& b) { return a.cpMin == b.cpMin && a.cpMax == b.cpMax; }

class FindAndZoom : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(reader.Start(WinePath(OVALUNE_EXE))) << "the reader did not paint its first chapter";
        ASSERT_TRUE(WaitUntil([&] { return reader.FocusWindow() == reader.VisibleView(); })) << reader.Describe();
    }

    // The reader's dialog that is not a message box (their caption is the program's title).
    [[nodiscard]] HWND FindDialog() const
    {
        for (HWND dialog : reader.Dialogs())
            if (WindowText(dialog) != kAppTitle)
                return dialog;
        return nullptr;
    }
    HWND MessageBox() const
    {
        for (HWND dialog : reader.Dialogs())
            if (WindowText(dialog) == kAppTitle)
                return dialog;
        return nullptr;
    }
    // The text of a message box, without its caption and button.
    static std::wstring MessageText(HWND box)
    {
        std::wstring text;
        for (HWND child : Descendants(box))
            if (WindowClass(child) == L"Static")
                text += ControlText(child);
        return text;
    }

    // Ctrl+F, then the word typed over what the dialog was seeded with (it comes selected).
    [[nodiscard]] HWND OpenFindDialogAndType(const std::wstring& word) const
    {
        reader.PressChord(VK_CONTROL, 'F');
        HWND dialog = nullptr;
        if (!WaitUntil([&] { return (dialog = FindDialog()) && GetForegroundWindow() == dialog; }))
            return nullptr;
        HWND edit = GetDlgItem(dialog, edt1);
        reader.TypeText(word);
        return WaitUntil([&] { return ControlText(edit) == word; }) ? dialog : nullptr;
    }

    ::testing::AssertionResult Selects(HWND view, const std::wstring& word) const
    {
        if (WaitUntil([&] { return reader.SelectedText(view) == word; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "selected: " << reader.SelectedText(view).size() << " characters, " << reader.Describe();
    }

    bool InView(HWND view, int character) const
    {
        POINT at = reader.CharPosition(view, character);
        return at.y >= 0 && at.y < ClientSize(view).cy;
    }

    ReaderProcess reader;
};

TEST_F(FindAndZoom, CtrlFOpensTheFindDialogOverTheShownViewSeededWithItsSelection)
{
    HWND view = reader.VisibleView();
    std::wstring selected = reader.SelectedText(view);  // the activation selected the title line
    ASSERT_FALSE(selected.empty());
    reader.PressChord(VK_CONTROL, 'F');
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialog()) && GetForegroundWindow() == dialog; }))
        << reader.Describe();
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), reader.MainWindow());
    EXPECT_EQ(ControlText(GetDlgItem(dialog, edt1)), selected.substr(0, selected.find_first_of(L"\r\n")));

    reader.PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !FindDialog(); })) << "Escape did not close the find dialog";
}

TEST_F(FindAndZoom, AWordFarBelowIsSelectedAndScrolledIntoViewAndF3AndShiftF3MoveBetweenMatches)
{
    HWND view = reader.VisibleView();
    ASSERT_EQ(FirstVisibleLine(view), 0);
    ASSERT_TRUE(OpenFindDialogAndType(kCoffee));
    reader.PressKey(VK_RETURN);  // the dialog's default button: find next
    ASSERT_TRUE(Selects(view, kCoffee));
    CHARRANGE first = reader.Selection(view);
    EXPECT_GT(FirstVisibleLine(view), 0) << "the view did not scroll";
    EXPECT_TRUE(InView(view, first.cpMin));

    reader.PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !FindDialog() && reader.FocusWindow() == view; })) << reader.Describe();
    reader.PressKey(VK_F3);
    ASSERT_TRUE(WaitUntil([&] { return reader.Selection(view).cpMin > first.cpMin; })) << reader.Describe();
    CHARRANGE second = reader.Selection(view);
    EXPECT_EQ(reader.SelectedText(view), kCoffee);
    EXPECT_TRUE(InView(view, second.cpMin));
    EXPECT_EQ(FindDialog(), nullptr) << "F3 opened the dialog";

    reader.PressChord(VK_SHIFT, VK_F3);
    EXPECT_TRUE(WaitUntil([&] { return SameRange(reader.Selection(view), first); })) << reader.Describe();
}

TEST_F(FindAndZoom, AWordThatIsNotThereIsReportedAndNothingChanges)
{
    HWND view = reader.VisibleView();
    CHARRANGE selection = reader.Selection(view);
    int top = FirstVisibleLine(view);
    ASSERT_TRUE(OpenFindDialogAndType(kAbsent));
    reader.PressKey(VK_RETURN);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBox()) != nullptr; })) << "nothing was said";
    EXPECT_NE(MessageText(box).find(kAbsent), std::wstring::npos);
    EXPECT_TRUE(SameRange(reader.Selection(view), selection));
    EXPECT_EQ(FirstVisibleLine(view), top);

    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }));
    reader.PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !MessageBox(); }));
    EXPECT_TRUE(SameRange(reader.Selection(view), selection));
    EXPECT_EQ(FirstVisibleLine(view), top);
}

// The sub page in front of "提高怀孕几率" is "其它需要注意事项", a page that takes typing.
TEST_F(FindAndZoom, FindingOnAnEditablePageSearchesItsViewAndNeverChangesItsText)
{
    constexpr wchar_t kWord[] = L"医生";
    reader.ClickToolButton(1);
    ASSERT_TRUE(WaitUntil([&] { return FirstLine(reader.VisibleView()) == L"其它需要注意事项"; }));
    HWND view = reader.VisibleView();
    ASSERT_TRUE(WaitUntil([&] { return reader.FocusWindow() == view; })) << reader.Describe();
    std::wstring text = ViewText(view);
    ASSERT_NE(text.find(kWord), std::wstring::npos);

    ASSERT_TRUE(OpenFindDialogAndType(kWord));
    reader.PressKey(VK_RETURN);
    ASSERT_TRUE(Selects(view, kWord));
    CHARRANGE first = reader.Selection(view);
    reader.PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return reader.Selection(view).cpMin > first.cpMin; })) << reader.Describe();
    CHARRANGE second = reader.Selection(view);
    reader.PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !FindDialog() && reader.FocusWindow() == view; })) << reader.Describe();
    reader.PressKey(VK_F3);
    ASSERT_TRUE(WaitUntil([&] { return reader.Selection(view).cpMin > second.cpMin; })) << reader.Describe();
    reader.PressChord(VK_SHIFT, VK_F3);
    EXPECT_TRUE(WaitUntil([&] { return SameRange(reader.Selection(view), second); })) << reader.Describe();
    EXPECT_EQ(ViewText(view), text);
}

TEST_F(FindAndZoom, CtrlEqualsTwiceAndCtrlZeroZoomTheViewAndBackKeepingTheTopText)
{
    HWND view = reader.VisibleView();
    SendMessageW(view, EM_LINESCROLL, 0, 60);
    ASSERT_GT(FirstVisibleLine(view), 0);
    int startLine = FirstVisibleLine(view);
    int top = TopCharacter(view);
    ASSERT_EQ(reader.Zoom(view), 100);

    reader.PressChord(VK_CONTROL, VK_OEM_PLUS);
    ASSERT_TRUE(WaitUntil([&] { return reader.Zoom(view) == 125; })) << reader.Zoom(view);
    EXPECT_EQ(FirstVisibleLine(view), LineOf(view, top));
    reader.PressChord(VK_CONTROL, VK_OEM_PLUS);
    ASSERT_TRUE(WaitUntil([&] { return reader.Zoom(view) == 150; })) << reader.Zoom(view);
    EXPECT_EQ(FirstVisibleLine(view), LineOf(view, top));

    reader.PressChord(VK_CONTROL, '0');
    ASSERT_TRUE(WaitUntil([&] { return reader.Zoom(view) == 100; })) << reader.Zoom(view);
    EXPECT_EQ(FirstVisibleLine(view), startLine);
    EXPECT_EQ(TopCharacter(view), top);
}

// Clicking a sub-page tab leaves the focus on the tab row; the keys and the wheel still zoom the
// view in front, and each view keeps its own zoom.
TEST_F(FindAndZoom, ZoomActsOnTheShownViewWhateverHasTheFocusAndEachViewKeepsItsOwn)
{
    reader.ClickToolButton(1);
    ASSERT_TRUE(WaitUntil([&] { return FirstLine(reader.VisibleView()) == L"其它需要注意事项"; }));
    HWND tabs = nullptr;
    for (HWND pc : reader.PageControls())
        if (TabCount(pc) == 4)
            tabs = pc;
    ASSERT_NE(tabs, nullptr);
    reader.ClickTab(tabs, 1);
    ASSERT_TRUE(WaitUntil([&] { return FirstLine(reader.VisibleView()) == L"排卵试纸"; }));
    HWND strips = reader.VisibleView();
    ASSERT_TRUE(WaitUntil([&] { return reader.FocusWindow() == tabs; })) << reader.Describe();

    reader.PressChord(VK_CONTROL, VK_OEM_MINUS);
    ASSERT_TRUE(WaitUntil([&] { return reader.Zoom(strips) == 75; })) << reader.Zoom(strips);

    // The pointer is in place before Ctrl goes down: under Wine a pointer movement takes the key
    // state from the X server, where SendInput's Ctrl is not held. Ctrl stays down until the wheel
    // has done its work, as a hand holds it.
    RECT r = ScreenRect(strips);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    MoveMouseTo(centre);
    ASSERT_TRUE(WaitUntil([&] {
        POINT at{};
        return GetCursorPos(&at) && at.x == centre.x && at.y == centre.y;
    }));
    reader.HoldKey(VK_CONTROL, true);
    TurnWheel(2 * WHEEL_DELTA);
    bool zoomed = WaitUntil([&] { return reader.Zoom(strips) == 125; });
    reader.HoldKey(VK_CONTROL, false);
    ASSERT_TRUE(zoomed) << reader.Zoom(strips);

    reader.ClickTab(tabs, 3);
    ASSERT_TRUE(WaitUntil([&] { return FirstLine(reader.VisibleView()) == L"其它需要注意事项"; }));
    EXPECT_EQ(reader.Zoom(reader.VisibleView()), 100);
    reader.ClickTab(tabs, 1);
    ASSERT_TRUE(WaitUntil([&] { return reader.VisibleView() == strips; }));
    EXPECT_EQ(reader.Zoom(strips), 125);
}

}  // namespace
}  // namespace ov::test
