// TOvFindDialog: the system's modeless find (or find-and-replace) dialog working on one view.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

#include "framework/forms/messages.h"

namespace ov {

class TOvCustomRichEdit;

class TOvFindDialog {
public:
    // Opens the dialog; with a replace text, the replace dialog.
    TOvFindDialog(TOvCustomRichEdit& view, const std::wstring& findText, std::optional<std::wstring> replaceText);
    ~TOvFindDialog();
    TOvFindDialog(const TOvFindDialog&) = delete;
    TOvFindDialog& operator=(const TOvFindDialog&) = delete;

    // The dialog while it is open, else null.
    [[nodiscard]] HWND Window() const noexcept { return dialog_; }
    // What was last searched for and how (FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD), as the dialog
    // last reported them; they stay after the dialog has closed.
    std::wstring FindText() const { return findText_; }
    [[nodiscard]] DWORD Options() const noexcept { return options_; }
    // The dialog's notifications reach the view's window: answers whether this was one.
    bool HandleMessage(TMessage& message);
    // Finds the next match in the dialog's direction and selects it; false when there is none.
    bool FindNext();

private:
    void ReadTexts();
    [[nodiscard]] bool SelectionMatches() const;
    void ReplaceSelection();
    int ReplaceAll();
    [[nodiscard]] DWORD SearchOptions() const;

    TOvCustomRichEdit& view_;
    wchar_t findText_[256] = {};
    wchar_t replaceText_[256] = {};
    FINDREPLACEW request_{};
    HWND dialog_ = nullptr;
    // Direction and matching as the user last chose them: the dialog fills the request's flags
    // only when it notifies.
    DWORD options_ = FR_DOWN;
};

}  // namespace ov
