// The real ovalune-gallery.exe under Wine, used from outside with real input: it shows the skin
// package named on its command line, every page of its main form comes to the front, every
// dialog its tool bar opens appears over it and closes again, and it ends cleanly when closed.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/reader_driver.h"

namespace ov::test {
namespace {

constexpr int kButtonWidth = 100;  // the tool bar's ButtonWidth in the gallery's layout
constexpr int kPageCount = 6;

// One run of the gallery; ended when the test is done.
class GalleryProcess {
public:
    explicit GalleryProcess(const std::wstring& arguments)
    {
        std::string exe = GALLERY_EXE;
        std::wstring command = L"\"" + std::wstring(exe.begin(), exe.end()) + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return;
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
        WaitUntil([this] { return (main_ = FindMain()) != nullptr; });
    }
    ~GalleryProcess()
    {
        if (!process_)
            return;
        if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, INFINITE);
        }
        CloseHandle(process_);
    }
    GalleryProcess(const GalleryProcess&) = delete;
    GalleryProcess& operator=(const GalleryProcess&) = delete;

    HWND Main() const noexcept { return main_; }
    HWND Child(const wchar_t* className) const
    {
        for (HWND window : Descendants(main_))
            if (WindowClass(window) == className)
                return window;
        return nullptr;
    }
    // The dialog in front of the main window: another captioned, visible and enabled window of the
    // gallery, or null.
    HWND DialogWindow() const
    {
        return FindWindowOfProcess([this](HWND window) {
            bool captioned = (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
            return window != main_ && captioned && IsWindowEnabled(window);
        });
    }
    // Closes the main window; the exit code, or -1 when it did not end.
    int Close()
    {
        PostMessageW(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 20000) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_, &code);
        return static_cast<int>(code);
    }

private:
    HWND FindMain() const
    {
        return FindWindowOfProcess([](HWND window) { return WindowClass(window) == L"TGalleryForm"; });
    }
    // The first visible top-level window of the gallery that is wanted, or null.
    HWND FindWindowOfProcess(const std::function<bool(HWND)>& wanted) const
    {
        struct Search {
            DWORD processId;
            const std::function<bool(HWND)>& wanted;
            HWND found = nullptr;
        } search{processId_, wanted};
        EnumWindows(
            [](HWND window, LPARAM data) {
                auto s = reinterpret_cast<Search*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner != s->processId || !IsWindowVisible(window) || !s->wanted(window))
                    return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
};

INPUT MouseAt(POINT screen, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((screen.x * 65535 + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535 + height / 2) / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

// A real click at a client point of a window: every event carries the absolute position.
void ClickAt(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    INPUT inputs[] = {MouseAt(client, 0), MouseAt(client, MOUSEEVENTF_LEFTDOWN), MouseAt(client, MOUSEEVENTF_LEFTUP)};
    SendInput(3, inputs, sizeof(INPUT));
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
    GalleryProcess gallery(L"C:\\skins\\blue.ssk --password secret");
    ASSERT_NE(gallery.Main(), nullptr);
    std::wstring title = WindowText(gallery.Main());
    EXPECT_NE(title.find(L"C:\\skins\\blue.ssk: no such file"), std::wstring::npos) << "a package it cannot read";
    EXPECT_EQ(title.find(L"secret"), std::wstring::npos);
    EXPECT_EQ(gallery.Close(), 0);
}

TEST(GalleryEndToEnd, EveryPageComesToTheFront)
{
    GalleryProcess gallery(L"");
    ASSERT_NE(gallery.Main(), nullptr);
    HWND pages = gallery.Child(L"TPageControl");
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
    GalleryProcess gallery(L"");
    ASSERT_NE(gallery.Main(), nullptr);
    HWND toolBar = gallery.Child(L"TToolBar");
    ASSERT_NE(toolBar, nullptr);
    const std::vector<std::pair<std::wstring, std::wstring>> expected = {
        {L"#32770", L"Skin gallery"},        {L"#32770", L"Open a skin package"},
        {L"#32770", L""},                    {L"#32770", L"Plain dialog"},
        {L"TSecondForm", L"Second form"},
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
