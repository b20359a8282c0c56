// Searching a view: the control's own search (EM_FINDTEXTEXW) without its whole-word option, which
// treats every Chinese character as part of a word; matches are checked at their Latin ends instead.
#include "richview/text_search.h"

#include <commdlg.h>

#include <algorithm>

#include "richview/custom_rich_edit.h"

namespace ov {

namespace {

wchar_t CharAt(const TOvCustomRichEdit& view, int position)
{
    if (position < 0)
        return L'\0';
    std::wstring c = view.GetTextRange(position, position + 1);
    return c.empty() ? L'\0' : c.front();
}

// A match whose first (last) character is a Latin letter or digit must not continue a Latin word
// before (after) it; ends in other scripts need nothing.
bool IsWholeLatinWord(const TOvCustomRichEdit& view, const std::wstring& text, const CHARRANGE& match)
{
    if (IsLatinWordChar(text.front()) && IsLatinWordChar(CharAt(view, match.cpMin - 1)))
        return false;
    return !(IsLatinWordChar(text.back()) && IsLatinWordChar(CharAt(view, match.cpMax)));
}

}  // namespace

bool IsLatinWordChar(wchar_t c) noexcept
{
    if ((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'))
        return true;
    // Latin-1 letters, Latin Extended-A and -B; the multiplication and division signs are not letters.
    return c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7;
}

std::optional<CHARRANGE> FindInView(const TOvCustomRichEdit& view, const std::wstring& text, int from, DWORD flags)
{
    if (text.empty() || !view.HandleAllocated())
        return std::nullopt;
    bool down = (flags & FR_DOWN) != 0;
    WPARAM controlFlags = flags & (FR_DOWN | FR_MATCHCASE);
    int position = from;
    for (;;) {
        // Down: from the position to the end. Up: the control searches back from cpMin to cpMax.
        FINDTEXTEXW find{{position, down ? -1 : 0}, text.c_str(), {-1, -1}};
        if (::SendMessageW(view.WindowHandle(), EM_FINDTEXTEXW, controlFlags, reinterpret_cast<LPARAM>(&find)) < 0)
            return std::nullopt;
        if (!(flags & FR_WHOLEWORD) || IsWholeLatinWord(view, text, find.chrgText))
            return find.chrgText;
        // Past the refused match, one character at a time so that overlapping matches are seen.
        position = down ? static_cast<int>(find.chrgText.cpMin) + 1 : std::min<int>(find.chrgText.cpMax, position) - 1;
        if (position < 0)
            return std::nullopt;
    }
}

}  // namespace ov
