// Finding in a chapter. The view's dialog searches from the selection to the end (or start) and
// reports when it finds nothing; that report is where the search wraps round once, so the dialog
// and F3 wrap alike.
#include "app/chapter_find.h"

#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

#include "framework/core/format.h"
#include "richview/find_dialog.h"
#include "richview/rich_edit.h"
#include "richview/text_search.h"

namespace ov {

namespace {

constexpr size_t kDialogTextLimit = 255;  // the find dialog's buffer holds 256 characters
constexpr wchar_t kObjectChar = 0xFFFC;   // an embedded object in the control's text

}  // namespace

// A view hides its selection while another window has the focus; while its find dialog has it,
// the match found must show. The control's option is changed, not the view's HideSelection (that
// would re-create the window).
void ShowSelectionUnfocused(TOvRichEdit& view, bool show)
{
    if (view.HideSelection() && view.HandleAllocated())
        SendMessageW(view.WindowHandle(), EM_SETOPTIONS, show ? ECOOP_OR : ECOOP_AND,
                     show ? ECO_NOHIDESEL : ~static_cast<LPARAM>(ECO_NOHIDESEL));
}

std::wstring SeedText(const std::wstring& selected)
{
    std::wstring text = selected.substr(0, selected.find_first_of(std::wstring{L'\r', L'\n', L'\v', kObjectChar}));
    return text.substr(0, kDialogTextLimit);
}

ChapterFind::ChapterFind(Say say) : say_(std::move(say)) {}

ChapterFind::~ChapterFind()
{
    for (TOvRichEdit* view : watched_) {
        view->OnTextNotFound = nullptr;
        view->OnCloseFindDialog = nullptr;
    }
}

void ChapterFind::OpenDialog(TOvRichEdit& view)
{
    std::wstring seed = SeedText(view.SelText());
    if (seed.empty())
        seed = LastText();
    if (dialogView_ != &view)
        CloseDialog();
    Watch(view);
    dialogView_ = &view;
    ShowSelectionUnfocused(view, true);
    TOvFindDialog* dialog = view.LastFindDialog();
    if (!dialog || !dialog->Window()) {
        view.FindDialog(seed);
        return;
    }
    HWND edit = GetDlgItem(dialog->Window(), edt1);
    SetWindowTextW(edit, seed.c_str());
    SetActiveWindow(dialog->Window());
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

void ChapterFind::Repeat(TOvRichEdit& view, bool down)
{
    std::wstring text = LastText();
    if (text.empty()) {
        OpenDialog(view);
        return;
    }
    DWORD flags = (dialogView_->LastFindDialog()->Options() & ~FR_DOWN) | (down ? FR_DOWN : 0);
    SelectOrWrap(view, text, flags);
}

HWND ChapterFind::DialogWindow() const
{
    TOvFindDialog* dialog = dialogView_ ? dialogView_->LastFindDialog() : nullptr;
    return dialog ? dialog->Window() : nullptr;
}

// The view's dialog found nothing between the selection and the chapter's end (or start); or it
// closed.
void ChapterFind::Watch(TOvRichEdit& view)
{
    if (!watched_.insert(&view).second)
        return;
    view.OnTextNotFound = [this, &view](TObject*, const std::wstring& text) {
        Wrap(view, text, view.LastFindDialog()->Options());
    };
    view.OnCloseFindDialog = [&view](TObject*) { ShowSelectionUnfocused(view, false); };
}

// Cancelling closes the dialog the way its own button does, and the view hears of it.
void ChapterFind::CloseDialog()
{
    if (HWND dialog = DialogWindow())
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

std::wstring ChapterFind::LastText() const
{
    TOvFindDialog* dialog = dialogView_ ? dialogView_->LastFindDialog() : nullptr;
    return dialog ? dialog->FindText() : std::wstring{};
}

void ChapterFind::SelectOrWrap(TOvRichEdit& view, const std::wstring& text, DWORD flags)
{
    CHARRANGE selection = view.Selection();
    bool down = (flags & FR_DOWN) != 0;
    if (auto match = FindInView(view, text, down ? selection.cpMax : selection.cpMin, flags))
        view.SetSelection(match->cpMin, match->cpMax, true);
    else
        Wrap(view, text, flags);
}

// Once round: from the chapter's start (or end) over the whole chapter. Nothing there leaves the
// selection where it was.
void ChapterFind::Wrap(TOvRichEdit& view, const std::wstring& text, DWORD flags)
{
    bool down = (flags & FR_DOWN) != 0;
    auto match = FindInView(view, text, down ? 0 : view.TextLength(), flags);
    if (!match) {
        say_(Format(L"本章中找不到“%s”。", {text}));
        return;
    }
    view.SetSelection(match->cpMin, match->cpMax, true);
    say_(down ? L"已查找到本章末尾，从本章开头继续查找。" : L"已查找到本章开头，从本章末尾继续查找。");
}

}  // namespace ov
