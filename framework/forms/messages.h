// The framework's own window messages: CM_* notifications between controls, CN_* messages a
// parent reflects back to the child window that sent them, and TMessage, the message record every
// window-procedure slot (WindowProc) receives.
#pragma once

#include <windows.h>

#include "framework/core/event.h"

namespace ov {

// One window message as it travels through a control's WindowProc. Result is what the window
// procedure returns to Windows (or to Perform).
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    [[nodiscard]] WORD WParamLo() const noexcept { return LOWORD(WParam); }
    [[nodiscard]] WORD WParamHi() const noexcept { return HIWORD(WParam); }
    [[nodiscard]] WORD LParamLo() const noexcept { return LOWORD(LParam); }
    [[nodiscard]] WORD LParamHi() const noexcept { return HIWORD(LParam); }
    // Mouse messages carry signed client co-ordinates in LParam.
    [[nodiscard]] int XPos() const noexcept { return static_cast<short>(LOWORD(LParam)); }
    [[nodiscard]] int YPos() const noexcept { return static_cast<short>(HIWORD(LParam)); }
};

// The replaceable window-procedure slot of a control: TControl::WindowProc holds one; it
// defaults to the control's own WndProc.
using TWndMethod = TEvent<void(TMessage&)>;

// Control notifications. The numbers are fixed: skinners and other components match on them.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 0x01;
inline constexpr UINT CM_GOTFOCUS = CM_BASE + 0x02;      // the control received the focus
inline constexpr UINT CM_LOSTFOCUS = CM_BASE + 0x03;     // the control lost the focus
inline constexpr UINT CM_CANCELMODE = CM_BASE + 0x04;    // LParam: the control asking
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;     // WParam: virtual key; Result 1 = used
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;    // WParam: character; Result 1 = used
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;  // LParam: the newly focused control
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x08;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x09;
inline constexpr UINT CM_HITTEST = CM_BASE + 0x0A;         // LParam: client point; Result 1 = hit
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;  // WParam: the new Visible
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;  // LParam: the control entered
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;  // LParam: the control left
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
inline constexpr UINT CM_BUTTONPRESSED = CM_BASE + 0x18;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 0x19;
inline constexpr UINT CM_ENTER = CM_BASE + 0x1A;
inline constexpr UINT CM_EXIT = CM_BASE + 0x1B;
inline constexpr UINT CM_ICONCHANGED = CM_BASE + 0x1D;
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 0x1E;  // WParam: virtual key; Result 1 = wanted
inline constexpr UINT CM_RELEASE = CM_BASE + 0x21;         // posted by TCustomForm::Release
inline constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 0x22;
inline constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 0x23;
inline constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 0x24;
inline constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 0x28;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 0x2C;  // WParam: control, LParam: inserting
inline constexpr UINT CM_CHILDKEY = CM_BASE + 0x2E;
inline constexpr UINT CM_HINTSHOW = CM_BASE + 0x30;
inline constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;
inline constexpr UINT CM_INVALIDATE = CM_BASE + 0x34;
inline constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 0x35;
inline constexpr UINT CM_CONTROLCHANGE = CM_BASE + 0x36;
inline constexpr UINT CM_CHANGED = CM_BASE + 0x37;
inline constexpr UINT CM_FLOAT = CM_BASE + 0x3A;
inline constexpr UINT CM_BORDERCHANGED = CM_BASE + 0x3B;
inline constexpr UINT CM_MOUSEWHEEL = CM_BASE + 0x43;

// Reflected notifications: a parent that receives WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, ... from a
// child window that is a framework control sends it back to that child as CN_BASE + message, with
// the same WParam and LParam; the child's Result becomes the parent's answer.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
inline constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
inline constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
// Keyboard messages are offered to the focused control as CN_* before they are translated and
// dispatched; a Result other than 0 means the control (or its form) used the key.
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

}  // namespace ov
