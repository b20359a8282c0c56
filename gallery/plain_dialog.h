// The plain dialog: a dialog made by the system from the dialog template IDD_PLAIN_CONTROLS,
// holding one of each plain control class a skin serves in dialogs (push button, check box, radio
// button, group box, drop-down and simple combo box, ComboBoxEx32, SysTabControl32,
// ToolbarWindow32, progress bar, animation).
#pragma once

#include <windows.h>

namespace ov::gallery {

inline constexpr int kPlainDialogId = 200;

// Shows the dialog modally over owner; returns IDOK or IDCANCEL.
INT_PTR ShowPlainDialog(HWND owner);

}  // namespace ov::gallery
