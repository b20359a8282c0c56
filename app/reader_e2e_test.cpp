// The real ovalune.exe, started as a separate process and used through clicks and the keyboard:
// the first window, navigation with the tool bar and the sub-page tabs, the About box, resizing
// and typing.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

#include "app/app_title.h"
#include "tests/reader_driver.h"

namespace ov::test {
namespace {

// The build passes the program's path as a Unix path; Wine shows the Unix root as drive Z:.
std::wstring ReaderPath()
{
    std::string unixPath = OVALUNE_EXE;
    std::wstring path = L"Z:";
    for (char c : unixPath)
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

std::set<std::wstring> FilesBeside(const std::wstring& exePath)
{
    std::wstring dir = exePath.substr(0, exePath.find_last_of(L'\\') + 1);
    std::set<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.insert(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

int TabCount(HWND pageControl) { return static_cast<int>(SendMessageW(pageControl, TCM_GETITEMCOUNT, 0, 0)); }
int ActiveTab(HWND pageControl) { return static_cast<int>(SendMessageW(pageControl, TCM_GETCURSEL, 0, 0)); }

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

class Reader : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reader.Start(ReaderPath())) << "the reader did not paint its first chapter"; }

    // The sub page control with this many tabs (PageControl2 has two, PageControl3 four).
    [[nodiscard]] HWND SubPageControl(int tabs) const
    {
        for (HWND pc : reader.PageControls())
            if (TabCount(pc) == tabs)
                return pc;
        return nullptr;
    }

    // True once the view in front shows the chapter with this title and has the focus.
    [[nodiscard]] ::testing::AssertionResult ShowsActivated(const std::wstring& title) const
    {
        if (WaitUntil([&] {
                HWND view = reader.VisibleView();
                return view && FirstLine(view) == title && reader.FocusWindow() == view;
            }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << reader.Describe();
    }

    void PressToolButton(int index) const { reader.ClickToolButton(index); }

    ReaderProcess reader;
};

TEST_F(Reader, OpensWhereDesignedWithItsTitleAndFourCaptionedButtons)
{
    HWND main = reader.MainWindow();
    EXPECT_EQ(WindowText(main), kAppTitle);
    RECT frame = ScreenRect(main);
    EXPECT_EQ(frame.left, 183);
    EXPECT_EQ(frame.top, 150);
    SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, 782);
    EXPECT_EQ(client.cy, 540);

    ASSERT_EQ(reader.ToolButtonCount(), 4);
    EXPECT_EQ(reader.ToolButtonText(0), L"快速怀孕的奥秘");
    EXPECT_EQ(reader.ToolButtonText(1), L"提高怀孕几率");
    EXPECT_EQ(reader.ToolButtonText(2), L"软件使用说明");
    EXPECT_EQ(reader.ToolButtonText(3), L"关于");
    EXPECT_EQ(Height(ScreenRect(reader.ToolBar())), 73);
}

// The main window takes the keyboard at start (its first view is focused while it is still
// hidden); its caption must say it is the active window. The caption is the skin's: its frame
// answers whether it draws itself active (how that looks is tested with the skin).
TEST_F(Reader, OpensAsTheActiveWindowWithAnActiveCaption)
{
    constexpr UINT kQueryActive = 0x2AAB;  // a skinned frame answers 1 while drawn active
    EXPECT_EQ(GetForegroundWindow(), reader.MainWindow());
    auto looksActive = [&] { return SendMessageW(reader.MainWindow(), kQueryActive, 0, 0) == 1; };
    EXPECT_TRUE(WaitUntil(looksActive));
}

TEST_F(Reader, OpensOnChapterZeroFromItsStartWithNoTabRowUnderTheToolBar)
{
    std::vector<HWND> pageControls = reader.PageControls();
    ASSERT_EQ(pageControls.size(), 3u);
    HWND outer = *std::find_if(pageControls.begin(), pageControls.end(),
                               [&](HWND pc) { return GetAncestor(pc, GA_PARENT) == reader.MainWindow(); });
    EXPECT_EQ(TabCount(outer), 0) << "the outer page control shows tabs";
    EXPECT_EQ(ScreenRect(outer).top - ScreenRect(reader.ToolBar()).bottom, 79 - 73);

    ASSERT_TRUE(ShowsActivated(L"快速怀孕的奥秘"));
    EXPECT_EQ(SendMessageW(reader.VisibleView(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(Reader, SecondButtonFirstShowsTheLastSubPageAndActivatesItsView)
{
    PressToolButton(1);
    EXPECT_TRUE(ShowsActivated(L"其它需要注意事项"));
    EXPECT_EQ(ActiveTab(SubPageControl(4)), 3);
}

TEST_F(Reader, ThirdButtonFirstShowsTheStatement)
{
    PressToolButton(2);
    EXPECT_TRUE(ShowsActivated(L"声明、简介"));
    EXPECT_EQ(ActiveTab(SubPageControl(2)), 0);
}

TEST_F(Reader, ASubPagePickedByItsTabIsKeptWhenItsPageComesBack)
{
    PressToolButton(1);
    ASSERT_TRUE(ShowsActivated(L"其它需要注意事项"));
    reader.ClickTab(SubPageControl(4), 1);
    ASSERT_TRUE(WaitUntil([&] { return FirstLine(reader.VisibleView()) == L"排卵试纸"; })) << reader.Describe();

    PressToolButton(0);
    ASSERT_TRUE(ShowsActivated(L"快速怀孕的奥秘"));
    PressToolButton(1);
    EXPECT_TRUE(ShowsActivated(L"排卵试纸"));
    EXPECT_EQ(ActiveTab(SubPageControl(4)), 1);
}

TEST_F(Reader, AboutBoxIsModalAndCentredEachTimeAndEnterClosesIt)
{
    for (int showing = 0; showing < 2; ++showing) {
        PressToolButton(3);
        HWND about = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (about = reader.FindTopLevel(L"关于")) != nullptr; }));
        RECT r = ScreenRect(about);
        const int centreX = (r.left + r.right) / 2, centreY = (r.top + r.bottom) / 2;
        const int screenCentreX = GetSystemMetrics(SM_CXSCREEN) / 2, screenCentreY = GetSystemMetrics(SM_CYSCREEN) / 2;
        EXPECT_NEAR(centreX, screenCentreX, 1);
        EXPECT_NEAR(centreY, screenCentreY, 1);
        EXPECT_FALSE(IsWindowEnabled(reader.MainWindow())) << "the About box is not modal";

        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));
        reader.PressKey(VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about) && IsWindowEnabled(reader.MainWindow()); }));
    }
    EXPECT_TRUE(ShowsActivated(L"快速怀孕的奥秘")) << "the page changed behind the About box";
}

TEST_F(Reader, GrowingTheWindowGrowsTheViewsByTheSameAmount)
{
    HWND main = reader.MainWindow();
    HWND view = reader.VisibleView();
    HWND pageControl = GetAncestor(GetAncestor(view, GA_PARENT), GA_PARENT);
    RECT viewBefore = ScreenRect(view), pagesBefore = ScreenRect(pageControl), frame = ScreenRect(main);

    SetWindowPos(main, nullptr, 0, 0, Width(frame) + 120, Height(frame) + 90, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil([&] { return Width(ScreenRect(view)) == Width(viewBefore) + 120; }));

    EXPECT_EQ(Height(ScreenRect(view)), Height(viewBefore) + 90);
    EXPECT_EQ(Width(ScreenRect(pageControl)), Width(pagesBefore) + 120);
    EXPECT_EQ(Height(ScreenRect(pageControl)), Height(pagesBefore) + 90);
    EXPECT_EQ(Height(ScreenRect(reader.ToolBar())), 73);
    EXPECT_EQ(Width(ScreenRect(reader.ToolBar())), ClientSize(main).cx);
}

TEST_F(Reader, TypingChangesEditableViewsOnScreenOnly)
{
    std::set<std::wstring> filesBefore = FilesBeside(ReaderPath());
    ASSERT_TRUE(ShowsActivated(L"快速怀孕的奥秘"));
    HWND readOnly = reader.VisibleView();
    int readOnlyLength = TextLength(readOnly);
    reader.TypeText(L"xyz");
    // Keys are handled in order: once Home has moved the caret, the typing before it has been too.
    reader.PressKey(VK_HOME);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(readOnly, EM_GETSEL, 0, 0) == 0; }));
    EXPECT_EQ(TextLength(readOnly), readOnlyLength) << "a read-only view took typing";

    PressToolButton(1);
    ASSERT_TRUE(ShowsActivated(L"其它需要注意事项"));

    HWND editable = reader.VisibleView();
    int storedLength = TextLength(editable);
    reader.PressKey(VK_HOME);  // the activation selected a line; typing would replace it
    reader.TypeText(L"xyz");
    EXPECT_TRUE(WaitUntil([&] { return TextLength(editable) == storedLength + 3; }));

    ASSERT_TRUE(reader.Close());
    EXPECT_EQ(FilesBeside(ReaderPath()), filesBefore);
    ReaderProcess again;
    ASSERT_TRUE(again.Start(ReaderPath()));
    again.ClickToolButton(1);
    ASSERT_TRUE(WaitUntil([&] { return FirstLine(again.VisibleView()) == L"其它需要注意事项"; }));
    EXPECT_EQ(TextLength(again.VisibleView()), storedLength);
}

}  // namespace
}  // namespace ov::test
