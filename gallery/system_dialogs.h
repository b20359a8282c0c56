// The system's own dialogs the gallery opens so that a skin author sees them skinned: a message
// box, the open-file dialog and the folder browser. Each is modal over `owner` and returns what
// the user chose.
#pragma once

#include <windows.h>

#include <string>

namespace ov::gallery {

// The button the user pressed (IDOK, IDCANCEL, ...).
int ShowGalleryMessageBox(HWND owner);
// The file chosen, empty when cancelled.
std::wstring ChooseFileToOpen(HWND owner);
// The folder chosen, empty when cancelled.
std::wstring ChooseFolder(HWND owner);

}  // namespace ov::gallery
