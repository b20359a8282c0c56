// One run of the gallery, seen from outside.
#include "tests/gallery_process.h"

#include "tests/reader_driver.h"

namespace ov::test {

GalleryProcess::GalleryProcess(const std::string& exePath, const std::wstring& arguments)
{
    std::wstring command = L"\"" + std::wstring(exePath.begin(), exePath.end()) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    WaitUntil([this] { return (main_ = FindWindowOfProcess(false)) != nullptr; });
}

GalleryProcess::~GalleryProcess()
{
    if (!process_)
        return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
    }
    CloseHandle(process_);
}

HWND GalleryProcess::Child(HWND parent, const std::wstring& className, const std::wstring& text)
{
    for (HWND window : Descendants(parent))
        if (WindowClass(window) == className && (text.empty() || WindowText(window) == text))
            return window;
    return nullptr;
}

HWND GalleryProcess::DialogWindow() const { return FindWindowOfProcess(true); }

int GalleryProcess::Close()
{
    PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_, 20000) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}

// The main window (class TGalleryForm), or another captioned and enabled window when `dialog`.
HWND GalleryProcess::FindWindowOfProcess(bool dialog) const
{
    struct Search {
        const GalleryProcess* self;
        bool dialog;
        HWND found = nullptr;
    } search{this, dialog};
    EnumWindows(
        [](HWND window, LPARAM data) {
            auto s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->self->processId_ || !IsWindowVisible(window))
                return TRUE;
            bool wanted = s->dialog ? window != s->self->main_ &&
                                          (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION &&
                                          IsWindowEnabled(window)
                                    : WindowClass(window) == L"TGalleryForm";
            if (!wanted)
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace ov::test
