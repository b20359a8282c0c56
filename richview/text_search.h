// Searching a view's text the way its find dialog does: in either direction from a position, with
// case and whole-word options, where whole-word matching holds only for Latin words.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <optional>
#include <string>

namespace ov {

class TOvCustomRichEdit;

// Letters and digits that make up a Latin word: ASCII, Latin-1 and the Latin extensions.
bool IsLatinWordChar(wchar_t c) noexcept;

// The first match of text from position `from`, towards the end with FR_DOWN in flags, else
// towards the start; FR_MATCHCASE and FR_WHOLEWORD as in the find dialog. Whole-word matching
// only looks at a match's Latin ends: Chinese has no spaces between words, so a Chinese word is
// found wherever it stands.
std::optional<CHARRANGE> FindInView(const TOvCustomRichEdit& view, const std::wstring& text, int from, DWORD flags);

}  // namespace ov
