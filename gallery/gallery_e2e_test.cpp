// The real ovalune-gallery.exe under Wine, used from outside with real input: it shows the skin
// package named on its command line, every page of its main form comes to the front, every
// dialog its tool bar opens appears over it and closes again, and it ends cleanly when closed.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/reader_driver.h"
#include "tests/gallery_process.h"
#include "tests/real_input.h"

namespace ov::test {
namespace {

constexpr int kButtonWidth = 100;  // the tool bar's ButtonWidth in the gallery's layout
constexpr int kPageCount = 6;

// A real click at a client point of a window.
void ClickAt(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    ov::test::ClickAt(client);
}

void PressKey(WORD key)
{
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

TEST(GalleryEndToEnd, ShowsTheSkinNamedOnItsCommandLine)
{
    GalleryProcess gallery(GALLERY_EXE, L"C:\\skins\\blue.ssk --password secret");
    ASSERT_NE(gallery.Main(), nullptr);
    std::wstring title = WindowText(gallery.Main());
    EXPECT_NE(title.find(L"C:\\skins\\blue.ssk: no such file"), std::wstring::npos) << "a package it cannot read";
    EXPECT_EQ(title.find(L"secret"), std::wstring::npos);
    EXPECT_EQ(gallery.Close(), 0);
}

TEST(GalleryEndToEnd, EveryPageComesToTheFront)
{
    GalleryProcess gallery(GALLERY_EXE, L"");
    ASSERT_NE(gallery.Main(), nullptr);
    HWND pages = GalleryProcess::Child(gallery.Main(), L"TPageControl");
    ASSERT_NE(pages, nullptr);
    SetForegroundWindow(gallery.Main());
    ClickAt(pages, {12, 8});  // the first tab: the page control takes the keyboard focus
    ASSERT_TRUE(WaitUntil([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(GetWindowThreadProcessId(pages, nullptr), &info) && info.hwndFocus == pages;
    }));
    for (int page = 1; page < kPageCount; ++page) {
        PressKey(VK_RIGHT);
        EXPECT_TRUE(WaitUntil([&] { return SendMessageW(pages, TCM_GETCURSEL, 0, 0) == page; })) << page;
        // Exactly one page window shows: the selected one.
        EXPECT_TRUE(WaitUntil([&] {
            int shown = 0;
            for (HWND child : Descendants(pages))
                shown += GetParent(child) == pages && WindowClass(child) == L"TTabSheet" && IsWindowVisible(child);
            return shown == 1;
        })) << page;
    }
    EXPECT_EQ(gallery.Close(), 0);
}

TEST(GalleryEndToEnd, EveryDialogOfTheToolBarOpensAndCloses)
{
    GalleryProcess gallery(GALLERY_EXE, L"");
    ASSERT_NE(gallery.Main(), nullptr);
    HWND toolBar = GalleryProcess::Child(gallery.Main(), L"TToolBar");
    ASSERT_NE(toolBar, nullptr);
    const std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L"#32770", L"Skin gallery"}, {L"#32770", L"Open a skin package"}, {L"#32770", L""},
        {L"#32770", L"Plain dialog"}, {L"TSecondForm", L"Second form"},
    };
    for (int i = 0; i < static_cast<int>(expected.size()); ++i) {
        SetForegroundWindow(gallery.Main());
        ClickAt(toolBar, {i * kButtonWidth + kButtonWidth / 2, 11});
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (dialog = gallery.DialogWindow()) != nullptr; })) << i;
        EXPECT_EQ(WindowClass(dialog), expected[static_cast<size_t>(i)].first) << i;
        if (!expected[static_cast<size_t>(i)].second.empty()) {
            EXPECT_EQ(WindowText(dialog), expected[static_cast<size_t>(i)].second) << i;
        }
        // The main window waits for the dialog: it is disabled meanwhile.
        EXPECT_FALSE(IsWindowEnabled(gallery.Main())) << i;
        if (WindowClass(dialog) == L"#32770")
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        else
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); })) << i;
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(gallery.Main()) != FALSE; })) << i;
    }
    EXPECT_EQ(gallery.Close(), 0);
}

}  // namespace
}  // namespace ov::test
