// Test support: the reader as a separate process, driven with real input and observed through
// window messages and the reader's memory.
#include "tests/reader_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "app/app_title.h"
#include "app/painted_signal.h"

namespace ov::test {

namespace {

constexpr DWORD kStartLimitMs = 120000;
constexpr int kPollLimitMs = 20000;
constexpr int kPollStepMs = 20;

BOOL CALLBACK CollectChild(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// A block of memory inside the reader's process for messages that pass pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size)
        : process_(process), memory_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
    {
    }
    ~RemoteBuffer()
    {
        if (memory_)
            VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    [[nodiscard]] LPARAM Address() const { return reinterpret_cast<LPARAM>(memory_); }
    void Write(const void* data, size_t size) const { WriteProcessMemory(process_, memory_, data, size, nullptr); }
    void Read(void* data, size_t size) const { ReadProcessMemory(process_, memory_, data, size, nullptr); }

private:
    HANDLE process_;
    void* memory_;
};

struct TopLevelSearch {
    DWORD processId;
    const std::wstring* caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || WindowText(window) != *search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

void SendKey(WORD virtualKey, wchar_t unicode, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = unicode;
    input.ki.dwFlags = (unicode ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &input, sizeof input);
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The framework registers each control's window class under the control's class name.
bool IsRichEdit(HWND window) { return WindowClass(window) == L"TOvRichEdit"; }

}  // namespace

std::vector<HWND> Descendants(HWND parent)
{
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&all));
    return all;
}

std::wstring WindowClass(HWND window)
{
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

RECT ScreenRect(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

SIZE ClientSize(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

bool WaitUntil(const std::function<bool()>& condition)
{
    for (int waited = 0; waited < kPollLimitMs; waited += kPollStepMs) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollStepMs));
    }
    return condition();
}

std::wstring WinePath(const char* unixPath)
{
    std::wstring path = L"Z:";
    for (const char* c = unixPath; *c; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

std::wstring ViewText(HWND view)
{
    std::wstring text(static_cast<size_t>(TextLength(view)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(view, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring FirstLine(HWND view)
{
    wchar_t text[256] = {};
    SendMessageW(view, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    std::wstring line = text;
    return line.substr(0, line.find_first_of(L"\r\n"));
}

int TextLength(HWND view) { return static_cast<int>(SendMessageW(view, WM_GETTEXTLENGTH, 0, 0)); }

// --- ReaderProcess --------------------------------------------------------------------------------

ReaderProcess::~ReaderProcess()
{
    if (!process_)
        return;
    if (!Close())
        TerminateProcess(process_, 1);
    CloseHandle(process_);
}

bool ReaderProcess::Start(const std::wstring& exePath)
{
    static int run = 0;
    std::wstring eventName =
        L"OvaluneTestPainted_" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++run);
    HANDLE painted = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
    SetEnvironmentVariableW(kPaintedEventVariable, eventName.c_str());

    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    bool started =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    SetEnvironmentVariableW(kPaintedEventVariable, nullptr);
    if (!started) {
        CloseHandle(painted);
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    HANDLE waitFor[2] = {painted, process_};
    DWORD woke = WaitForMultipleObjects(2, waitFor, FALSE, kStartLimitMs);
    CloseHandle(painted);
    if (woke != WAIT_OBJECT_0)
        return false;
    main_ = FindTopLevel(kAppTitle);
    threadId_ = main_ ? GetWindowThreadProcessId(main_, nullptr) : 0;
    // A person starts using the window once it has come to the front.
    return main_ && WaitUntil([&] { return GetForegroundWindow() == main_; });
}

bool ReaderProcess::Close()
{
    if (main_)
        PostMessageW(main_, WM_CLOSE, 0, 0);
    main_ = nullptr;
    return WaitForSingleObject(process_, 20000) == WAIT_OBJECT_0;
}

HWND ReaderProcess::FindTopLevel(const std::wstring& caption) const
{
    TopLevelSearch search{processId_, &caption};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ReaderProcess::ToolBar() const
{
    for (HWND w : Descendants(main_))
        if (WindowClass(w) == L"TToolBar")
            return w;
    return nullptr;
}

std::vector<HWND> ReaderProcess::PageControls() const
{
    std::vector<HWND> controls;
    for (HWND w : Descendants(main_))
        if (WindowClass(w) == L"TPageControl")
            controls.push_back(w);
    return controls;
}

HWND ReaderProcess::VisibleView() const
{
    for (HWND w : Descendants(main_))
        if (IsRichEdit(w) && IsWindowVisible(w))
            return w;
    return nullptr;
}

HWND ReaderProcess::FocusWindow() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(threadId_, &info);
    return info.hwndFocus;
}

std::string ReaderProcess::Describe() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(threadId_, &info);
    char text[256];
    std::snprintf(text, sizeof text, "capture %p focus %p active %p foreground %p main %p view %p flags %lx",
                  static_cast<void*>(info.hwndCapture), static_cast<void*>(info.hwndFocus),
                  static_cast<void*>(info.hwndActive), static_cast<void*>(GetForegroundWindow()),
                  static_cast<void*>(main_), static_cast<void*>(VisibleView()), info.flags);
    return text;
}

int ReaderProcess::ToolButtonCount() const { return static_cast<int>(SendMessageW(ToolBar(), TB_BUTTONCOUNT, 0, 0)); }

std::wstring ReaderProcess::ToolButtonText(int index) const
{
    HWND toolBar = ToolBar();
    RemoteBuffer button(process_, sizeof(TBBUTTON));
    if (!SendMessageW(toolBar, TB_GETBUTTON, index, button.Address()))
        return {};
    TBBUTTON info{};
    button.Read(&info, sizeof info);
    wchar_t text[128] = {};
    RemoteBuffer remoteText(process_, sizeof text);
    LRESULT length = SendMessageW(toolBar, TB_GETBUTTONTEXTW, info.idCommand, remoteText.Address());
    if (length <= 0 || length >= 128)
        return {};
    remoteText.Read(text, sizeof text);
    return text;
}

RECT ReaderProcess::ToolButtonRect(int index) const
{
    RemoteBuffer rect(process_, sizeof(RECT));
    RECT r{};
    if (SendMessageW(ToolBar(), TB_GETITEMRECT, index, rect.Address()))
        rect.Read(&r, sizeof r);
    return r;
}

RECT ReaderProcess::TabRect(HWND pageControl, int index) const
{
    RemoteBuffer rect(process_, sizeof(RECT));
    RECT r{};
    if (SendMessageW(pageControl, TCM_GETITEMRECT, index, rect.Address()))
        rect.Read(&r, sizeof r);
    return r;
}

void ReaderProcess::ClickToolButton(int index) const { Click(ToolBar(), Centre(ToolButtonRect(index))); }

void ReaderProcess::ClickTab(HWND pageControl, int index) const
{
    Click(pageControl, Centre(TabRect(pageControl, index)));
}

// The click is posted to the window under the point rather than sent through the system's input:
// under Wine a synthesised button press may still carry the pointer's previous position (and
// then pair with the previous click into a double-click), which would make these tests flaky.
// The control's own click handling runs just the same.
void ReaderProcess::Click(HWND window, POINT client) const
{
    LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, at);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
}

void ReaderProcess::TypeText(const std::wstring& text) const
{
    for (wchar_t c : text) {
        SendKey(0, c, false);
        SendKey(0, c, true);
    }
}

void ReaderProcess::PressKey(WORD virtualKey) const
{
    SendKey(virtualKey, 0, false);
    SendKey(virtualKey, 0, true);
}

void ReaderProcess::PressChord(WORD modifier, WORD virtualKey) const
{
    SendKey(modifier, 0, false);
    PressKey(virtualKey);
    SendKey(modifier, 0, true);
}

void ReaderProcess::HoldKey(WORD virtualKey, bool down) const { SendKey(virtualKey, 0, !down); }

std::vector<HWND> ReaderProcess::Dialogs() const
{
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId_, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && IsWindowVisible(window) && WindowClass(window) == L"#32770")
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

CHARRANGE ReaderProcess::Selection(HWND view) const
{
    RemoteBuffer range(process_, sizeof(CHARRANGE));
    SendMessageW(view, EM_EXGETSEL, 0, range.Address());
    CHARRANGE r{-1, -1};
    range.Read(&r, sizeof r);
    return r;
}

// As UTF-16 (code page 1200) whatever the control's own window class is.
std::wstring ReaderProcess::SelectedText(HWND view) const
{
    constexpr size_t kChars = 1024;
    RemoteBuffer text(process_, kChars * sizeof(wchar_t));
    RemoteBuffer request(process_, sizeof(GETTEXTEX));
    GETTEXTEX get{static_cast<DWORD>(kChars * sizeof(wchar_t)), GT_SELECTION, 1200, nullptr, nullptr};
    request.Write(&get, sizeof get);
    LRESULT length = SendMessageW(view, EM_GETTEXTEX, static_cast<WPARAM>(request.Address()), text.Address());
    if (length <= 0)
        return {};
    std::wstring result(kChars, L'\0');
    text.Read(result.data(), kChars * sizeof(wchar_t));
    result.resize(std::min<size_t>(static_cast<size_t>(length), kChars - 1));
    return result;
}

int ReaderProcess::Zoom(HWND view) const
{
    RemoteBuffer ratio(process_, 2 * sizeof(int));
    int zero[2] = {0, 0};
    ratio.Write(zero, sizeof zero);
    SendMessageW(view, EM_GETZOOM, static_cast<WPARAM>(ratio.Address()),
                 static_cast<LPARAM>(ratio.Address() + sizeof(int)));
    int value[2] = {};
    ratio.Read(value, sizeof value);
    return value[1] == 0 ? 100 : MulDiv(value[0], 100, value[1]);
}

POINT ReaderProcess::CharPosition(HWND view, int character) const
{
    RemoteBuffer point(process_, sizeof(POINTL));
    SendMessageW(view, EM_POSFROMCHAR, static_cast<WPARAM>(point.Address()), character);
    POINTL at{};
    point.Read(&at, sizeof at);
    return {at.x, at.y};
}

bool QueryRemote(HWND window, UINT message, WPARAM wParam, void* data, size_t size, LRESULT* result)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return false;
    {
        RemoteBuffer block(process, size);
        block.Write(data, size);
        LRESULT answer = SendMessageW(window, message, wParam, block.Address());
        if (result)
            *result = answer;
        block.Read(data, size);
    }
    CloseHandle(process);
    return true;
}

}  // namespace ov::test
