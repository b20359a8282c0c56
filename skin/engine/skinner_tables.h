// Which control skinner serves which control. Two tables, filled by the control skinner modules when
// they start: framework classes (searched from the last row back, so a more specific row placed
// later wins) and Windows class names of plain dialog children (searched from the first row). The
// walks over a skinned window's contents use them.
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "framework/forms/control.h"

namespace ov {

class TkrvSkinControl;
class TkrvSkinWindow;

struct TkrvFrameworkSkinnerRow {
    // The class the row serves, with its descendants. A class the framework does not have never
    // matches.
    const wchar_t* frameworkClass;
    std::unique_ptr<TkrvSkinControl> (*create)(TControl* control, TkrvSkinWindow* owner);
};

struct TkrvWindowClassSkinnerRow {
    const wchar_t* className;  // upper case, at most 63 characters
    std::unique_ptr<TkrvSkinControl> (*create)(HWND window, TkrvSkinWindow* owner);
};

void AddFrameworkSkinners(std::span<const TkrvFrameworkSkinnerRow> rows);
void AddWindowClassSkinners(std::span<const TkrvWindowClassSkinnerRow> rows);
void ClearSkinnerTables();

// The row that serves a control of this class (the last matching row), or null.
const TkrvFrameworkSkinnerRow* FindFrameworkSkinnerRow(const TClassInfo& controlClass);
// The table name a plain child window is looked up by: its class in upper case, a BUTTON made
// "BUTTON_CHECKBOX" or "BUTTON_RADIOBUTTON" by its style; empty for windows that get no skinner
// (group boxes, simple combo boxes).
std::wstring WindowClassSkinnerName(std::wstring_view upperClassName, DWORD style);

std::unique_ptr<TkrvSkinControl> CreateFrameworkSkinner(TControl* control, TkrvSkinWindow* owner);
std::unique_ptr<TkrvSkinControl> CreateWindowClassSkinner(HWND window, TkrvSkinWindow* owner);

// The walk of a framework form's contents: a skinner for the control (when a row serves it), then
// the same for the components it owns.
void SkinControl(TkrvSkinWindow* owner, TControl* control);
// The walk of a plain dialog: a skinner for each direct child window that a row serves.
void SkinChildWindows(TkrvSkinWindow* owner);

// What the children of a plain dialog say about it.
struct TkrvDialogContent {
    bool fileDialog = false;     // a shell view, a tool bar and a list box
    bool folderBrowser = false;  // a folder browser's name-space control
    HWND nestedPage = nullptr;   // the first nested "#32770" page
};
// Scans the direct children; a folder browser's scroll bars met after its name-space control are
// hidden.
TkrvDialogContent CheckDialogContent(HWND dialog);

}  // namespace ov
