// Test support: drives the real ovalune.exe from another process (clicks posted to its controls,
// keys through SendInput) and looks at its windows from outside (titles, geometry, tab and tool
// bar state, the text and focus of the chapter views).
#pragma once

#include <windows.h>
#include <richedit.h>

#include <functional>
#include <string>
#include <vector>

namespace ov::test {

// Every descendant window of a parent, in Z order.
std::vector<HWND> Descendants(HWND parent);
std::wstring WindowClass(HWND window);
std::wstring WindowText(HWND window);
RECT ScreenRect(HWND window);
SIZE ClientSize(HWND window);

// Polls until the condition holds (true) or a generous limit passes (false); for states that
// another process reaches after input it was given.
bool WaitUntil(const std::function<bool()>& condition);

// One run of the reader. Start() launches it with the "painted" hook, waits until chapter 0 has
// painted and finds its main window; the destructor closes it (and ends it if it will not close).
class ReaderProcess {
public:
    ReaderProcess() = default;
    ~ReaderProcess();
    ReaderProcess(const ReaderProcess&) = delete;
    ReaderProcess& operator=(const ReaderProcess&) = delete;

    bool Start(const std::wstring& exePath);
    // Closes the main window and waits for the process to end; true when it ended by itself.
    bool Close();

    [[nodiscard]] HWND MainWindow() const noexcept { return main_; }
    [[nodiscard]] DWORD ThreadId() const noexcept { return threadId_; }
    // A visible top-level window of the process with this caption (the About box), or null.
    [[nodiscard]] HWND FindTopLevel(const std::wstring& caption) const;

    // The tool bar, the page controls (outer first, then the sub page controls in tree order).
    [[nodiscard]] HWND ToolBar() const;
    [[nodiscard]] std::vector<HWND> PageControls() const;
    // The one chapter view that is visible now, and the window that has the keyboard focus.
    [[nodiscard]] HWND VisibleView() const;
    [[nodiscard]] HWND FocusWindow() const;
    // What the reader's input state is, for failure messages.
    [[nodiscard]] std::string Describe() const;

    // Queries that carry pointers, answered through memory in the reader's process.
    [[nodiscard]] int ToolButtonCount() const;
    [[nodiscard]] std::wstring ToolButtonText(int index) const;
    [[nodiscard]] RECT ToolButtonRect(int index) const;  // client co-ordinates of the tool bar
    RECT TabRect(HWND pageControl, int index) const;

    void ClickToolButton(int index) const;
    void ClickTab(HWND pageControl, int index) const;
    // A left click at a client point of one of the reader's windows.
    void Click(HWND window, POINT client) const;
    void TypeText(const std::wstring& text) const;
    void PressKey(WORD virtualKey) const;
    // A key pressed while a modifier (VK_CONTROL, VK_SHIFT) is held.
    void PressChord(WORD modifier, WORD virtualKey) const;
    void HoldKey(WORD virtualKey, bool down) const;

    // The dialogs the reader shows now (find dialog, message boxes): its visible "#32770" windows.
    [[nodiscard]] std::vector<HWND> Dialogs() const;
    // A view's selection, selected text, zoom in percent and a character's client position.
    CHARRANGE Selection(HWND view) const;
    std::wstring SelectedText(HWND view) const;
    int Zoom(HWND view) const;
    POINT CharPosition(HWND view, int character) const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND main_ = nullptr;
};

// A Unix path as Wine shows it (the Unix root is drive Z:).
std::wstring WinePath(const char* unixPath);

// The text of a view as WM_GETTEXT gives it.
std::wstring ViewText(HWND view);

// The first line of a view's text (a chapter's first line is its title) and the text's length.
std::wstring FirstLine(HWND view);
int TextLength(HWND view);

}  // namespace ov::test

namespace ov::test {

// Sends `window` a message whose lParam points at a `size`-byte block, through memory inside the
// window's own process: `data` goes in first and holds the block as the message left it. False
// when the process cannot be reached.
bool QueryRemote(HWND window, UINT message, WPARAM wParam, void* data, size_t size, LRESULT* result = nullptr);

template <typename T>
T QueryRemote(HWND window, UINT message, WPARAM wParam = 0, T data = {})
{
    QueryRemote(window, message, wParam, &data, sizeof data);
    return data;
}

}  // namespace ov::test
