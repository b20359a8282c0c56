// Finding in a chapter: the view's find dialog seeded with its selection (which stays visible while
// the dialog is open), the last search again forwards or backwards without the dialog, and one wrap
// round the chapter that is said aloud.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>

namespace ov {

class TOvRichEdit;

class ChapterFind {
public:
    // How the search speaks to the reader ("not found", "wrapped"): a message box in the program.
    using Say = std::function<void(const std::wstring& text)>;

    explicit ChapterFind(Say say);
    ~ChapterFind();
    ChapterFind(const ChapterFind&) = delete;
    ChapterFind& operator=(const ChapterFind&) = delete;

    // Opens the view's find dialog (or brings it back), seeded with the view's selected text, or
    // with the last search when nothing on one line is selected. A dialog open over another view
    // closes: the dialog always searches the view it was opened for.
    void OpenDialog(TOvRichEdit& view);
    // The last search again from the selection, down or up; with no search yet, the dialog.
    void Repeat(TOvRichEdit& view, bool down);
    // The open find dialog, or null.
    [[nodiscard]] HWND DialogWindow() const;

private:
    void Watch(TOvRichEdit& view);
    void CloseDialog();
    [[nodiscard]] std::wstring LastText() const;
    void SelectOrWrap(TOvRichEdit& view, const std::wstring& text, DWORD flags);
    void Wrap(TOvRichEdit& view, const std::wstring& text, DWORD flags);

    Say say_;
    TOvRichEdit* dialogView_ = nullptr;  // the view whose dialog was opened last
    std::set<TOvRichEdit*> watched_;     // views whose OnTextNotFound leads here
};

// Whether the view shows its selection while it does not have the focus (as it must while its
// find dialog has it), without changing its HideSelection.
void ShowSelectionUnfocused(TOvRichEdit& view, bool show);

// The selection as a search text: up to its first line break or object, at most what the find
// dialog holds.
std::wstring SeedText(const std::wstring& selected);

}  // namespace ov
