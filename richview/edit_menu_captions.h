// Captions of the fixed edit menu, in the language of the installed system where it has them.
#pragma once

#include <windows.h>

#include <string>

namespace ov {

struct EditMenuCaptions {
    std::wstring undo = L"&Undo";
    std::wstring cut = L"Cu&t";
    std::wstring copy = L"&Copy";
    std::wstring paste = L"&Paste";
    std::wstring clear = L"&Delete";
    std::wstring selectAll = L"Select &All";
};

// The captions an edit menu (the popup itself, not its bar) holds under the edit commands WM_UNDO,
// WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR and EM_SETSEL; the defaults for any it lacks.
EditMenuCaptions CaptionsFromEditMenu(HMENU editMenu);

// The captions of the system's own edit menu in user32.dll.
EditMenuCaptions SystemEditMenuCaptions();

}  // namespace ov
