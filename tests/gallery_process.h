// Test support: one run of the real ovalune-gallery.exe, used from outside: its main window, its
// child windows by class and text, the dialog in front of it, and closing it.
#pragma once

#include <windows.h>

#include <string>

namespace ov::test {

class GalleryProcess {
public:
    // Starts the program with `arguments` and waits for its main window.
    GalleryProcess(const std::string& exePath, const std::wstring& arguments);
    // Ends it when it is still running.
    ~GalleryProcess();
    GalleryProcess(const GalleryProcess&) = delete;
    GalleryProcess& operator=(const GalleryProcess&) = delete;

    [[nodiscard]] HWND Main() const noexcept { return main_; }
    // The first descendant of `parent` of this class (and this text, unless empty), or null.
    static HWND Child(HWND parent, const std::wstring& className, const std::wstring& text = {});
    // Another captioned, visible and enabled window of the gallery (the dialog in front), or null.
    [[nodiscard]] HWND DialogWindow() const;
    // Closes the main window; the exit code, or -1 when it did not end.
    int Close();

private:
    [[nodiscard]] HWND FindWindowOfProcess(bool dialog) const;

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND main_ = nullptr;
};

}  // namespace ov::test
