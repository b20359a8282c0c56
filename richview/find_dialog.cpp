// The find and replace dialogs: searching the view's control, replacing, and telling the view
// when nothing is found or the dialog closes.
#include "richview/find_dialog.h"

#include <dlgs.h>
#include <richedit.h>

#include <algorithm>

#include "framework/core/exception.h"
#include "richview/custom_rich_edit.h"
#include "richview/text_search.h"

namespace ov {

namespace {

UINT FindMessage()
{
    static const UINT message = ::RegisterWindowMessageW(FINDMSGSTRINGW);
    return message;
}

void CopyText(const std::wstring& text, wchar_t (&buffer)[256])
{
    size_t length = std::min(text.size(), std::size(buffer) - 1);
    std::copy_n(text.c_str(), length, buffer);
    buffer[length] = L'\0';
}

}  // namespace

TOvFindDialog::TOvFindDialog(TOvCustomRichEdit& view, const std::wstring& findText,
                             std::optional<std::wstring> replaceText)
    : view_(view)
{
    CopyText(findText, findText_);
    request_.lStructSize = sizeof(request_);
    request_.hwndOwner = view.Handle();
    request_.Flags = FR_DOWN;
    request_.lpstrFindWhat = findText_;
    request_.wFindWhatLen = static_cast<WORD>(std::size(findText_));
    if (replaceText) {
        CopyText(*replaceText, replaceText_);
        request_.lpstrReplaceWith = replaceText_;
        request_.wReplaceWithLen = static_cast<WORD>(std::size(replaceText_));
        dialog_ = ::ReplaceTextW(&request_);
    } else {
        dialog_ = ::FindTextW(&request_);
    }
    if (!dialog_)
        throw Exception(L"Cannot open the find dialog");
    ::SetDlgItemTextW(dialog_, edt1, findText_);
    if (replaceText)
        ::SetDlgItemTextW(dialog_, edt2, replaceText_);
    // Selected, as the dialog leaves it: typing replaces the seed.
    ::SendDlgItemMessageW(dialog_, edt1, EM_SETSEL, 0, -1);
}

TOvFindDialog::~TOvFindDialog()
{
    if (dialog_ && ::IsWindow(dialog_))
        ::DestroyWindow(dialog_);
}

// Wine's FindTextW and ReplaceTextW pass the texts through the ANSI code page, which loses
// Chinese on other systems; the dialog's edit boxes hold them as typed, so they are read from there.
void TOvFindDialog::ReadTexts()
{
    if (!dialog_)
        return;
    ::GetDlgItemTextW(dialog_, edt1, findText_, static_cast<int>(std::size(findText_)));
    if (request_.lpstrReplaceWith)
        ::GetDlgItemTextW(dialog_, edt2, replaceText_, static_cast<int>(std::size(replaceText_)));
}

DWORD TOvFindDialog::SearchOptions() const { return options_ & (FR_MATCHCASE | FR_WHOLEWORD); }

bool TOvFindDialog::FindNext()
{
    CHARRANGE selection = view_.Selection();
    bool down = (options_ & FR_DOWN) != 0;
    // Down from the end of the selection to the end of the text, or up from its start to 0.
    std::optional<CHARRANGE> found =
        FindInView(view_, findText_, down ? selection.cpMax : selection.cpMin, SearchOptions() | (down ? FR_DOWN : 0));
    if (!found) {
        view_.TextNotFound(findText_);
        return false;
    }
    view_.SetSelection(found->cpMin, found->cpMax, true);
    return true;
}

bool TOvFindDialog::SelectionMatches() const
{
    std::wstring selected = view_.SelText();
    std::wstring wanted = findText_;
    if (options_ & FR_MATCHCASE)
        return selected == wanted;
    return selected.size() == wanted.size() &&
           ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, selected.c_str(), static_cast<int>(selected.size()),
                            wanted.c_str(), static_cast<int>(wanted.size())) == CSTR_EQUAL;
}

void TOvFindDialog::ReplaceSelection() { view_.SetSelText(replaceText_); }

int TOvFindDialog::ReplaceAll()
{
    int count = 0;
    view_.SetSelection(0, 0, false);
    FINDTEXTEXW find{{0, -1}, findText_, {-1, -1}};
    while (::SendMessageW(view_.WindowHandle(), EM_FINDTEXTEXW, SearchOptions() | FR_DOWN,
                          reinterpret_cast<LPARAM>(&find)) >= 0) {
        view_.SetSelection(find.chrgText.cpMin, find.chrgText.cpMax, false);
        ReplaceSelection();
        find.chrg.cpMin = view_.Selection().cpMax;
        ++count;
    }
    return count;
}

bool TOvFindDialog::HandleMessage(TMessage& message)
{
    if (message.Msg != FindMessage() || reinterpret_cast<FINDREPLACEW*>(message.LParam) != &request_)
        return false;
    options_ = request_.Flags & (FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD);
    ReadTexts();
    if (request_.Flags & FR_DIALOGTERM) {
        dialog_ = nullptr;
        view_.CloseFindDialog();
    } else if (request_.Flags & FR_FINDNEXT) {
        FindNext();
    } else if (request_.Flags & FR_REPLACE) {
        if (SelectionMatches())
            ReplaceSelection();
        FindNext();
    } else if (request_.Flags & FR_REPLACEALL) {
        if (ReplaceAll() == 0)
            view_.TextNotFound(findText_);
    }
    return true;
}

}  // namespace ov
