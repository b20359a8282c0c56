// TOvCustomRichEdit's message handling: the window procedure dispatches, one small function per
// message.
#include "richview/custom_rich_edit.h"

#include <windowsx.h>

#include <cwchar>

#include "richview/char_format.h"
#include "richview/find_dialog.h"
#include "richview/richedit_library.h"

namespace ov {

namespace {

// Set while a view paints at level 1, where two views painting at once disturb each other.
bool levelOnePainting = false;

// The clipboard command a message stands for.
bool CommandOfMessage(UINT msg, TOvClipboardCommand& command)
{
    switch (msg) {
    case WM_CUT:
        command = caCut;
        return true;
    case WM_COPY:
        command = caCopy;
        return true;
    case WM_PASTE:
        command = caPaste;
        return true;
    case WM_CLEAR:
        command = caClear;
        return true;
    case WM_UNDO:
    case EM_UNDO:
        command = caUndo;
        return true;
    default:
        return false;
    }
}

// The clipboard command of a key the control handles itself (Ctrl+C, Shift+Insert, ...).
bool CommandOfKey(WORD key, TShiftState shift, TOvClipboardCommand& command)
{
    bool ctrl = shift.Contains(ssCtrl), onlyShift = shift.Contains(ssShift) && !ctrl;
    if ((ctrl && key == 'C') || (ctrl && !shift.Contains(ssShift) && key == VK_INSERT))
        command = caCopy;
    else if ((ctrl && key == 'X') || (onlyShift && key == VK_DELETE))
        command = caCut;
    else if ((ctrl && key == 'V') || (onlyShift && key == VK_INSERT))
        command = caPaste;
    else if ((ctrl && key == 'Z') || (shift.Contains(ssAlt) && key == VK_BACK))
        command = caUndo;
    else
        return false;
    return true;
}

bool IsWindowsBefore5() { return LOBYTE(LOWORD(::GetVersion())) < 5; }

}  // namespace

void TOvCustomRichEdit::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_NOTIFY:
        HandleNotify(message);
        return;
    case EM_REPLACESEL:
        HandleReplaceSel(message);
        return;
    case WM_HSCROLL:
    case WM_VSCROLL:
        TOvExCustomMemo::WndProc(message);
        (message.Msg == WM_HSCROLL ? OnHorizontalScroll : OnVerticalScroll).Fire(this);
        return;
    case WM_PAINT:
        if (RichEditLevel() >= 2)
            TOvExCustomMemo::WndProc(message);
        else
            HandleLevelOnePaint(message);
        return;
    case WM_RBUTTONUP:
        HandleRightButtonUp(message);
        linkRange_ = {-1, -1};
        return;
    case WM_LBUTTONUP:
        TOvExCustomMemo::WndProc(message);
        linkRange_ = {-1, -1};
        return;
    case WM_CONTEXTMENU:
        // The control's own default handling of the button release asks again: one menu is enough.
        if (contextMenuFromButtonUp_)
            return;
        break;
    case WM_SETFONT:
        if (HandleAllocated())
            SetDefaultCharFormat(WindowHandle(), *Font());
        return;
    case WM_DESTROY:
        HandleDestroy(message);
        return;
    case WM_KEYDOWN:
        if (!ClipboardKeyAllowed(static_cast<WORD>(message.WParam)))
            return;
        break;
    case CM_COLORCHANGED:
        TOvExCustomMemo::WndProc(message);
        ApplyBackgroundColor();
        return;
    case WM_CLEAR:
    case WM_CUT:
    case WM_PASTE:
        // Wine's control deletes on WM_CLEAR even when read-only; a read-only view changes nothing.
        if (ReadOnly() || !ClipboardMessageAllowed(message.Msg)) {
            message.Result = ReadOnly() && ClipboardMessageAllowed(message.Msg) ? 0 : 1;
            return;
        }
        break;
    default:
        if (!ClipboardMessageAllowed(message.Msg)) {
            message.Result = 1;
            return;
        }
        if (findDialog_ && findDialog_->HandleMessage(message))
            return;
        break;
    }
    TOvExCustomMemo::WndProc(message);
}

bool TOvCustomRichEdit::ClipboardMessageAllowed(UINT msg) const
{
    TOvClipboardCommand command{};
    return !CommandOfMessage(msg, command) || ClipboardCommands().Contains(command);
}

// The control runs its clipboard keys without sending itself WM_COPY and the like; a key whose
// command is not allowed is kept from it.
bool TOvCustomRichEdit::ClipboardKeyAllowed(WORD key) const
{
    TOvClipboardCommand command{};
    return !CommandOfKey(key, KeyboardShiftState(), command) || ClipboardCommands().Contains(command);
}

void TOvCustomRichEdit::HandleNotify(TMessage& message)
{
    auto header = reinterpret_cast<const NMHDR*>(message.LParam);
    switch (header->code) {
    case EN_REQUESTRESIZE:
        RequestSize(reinterpret_cast<const REQRESIZE*>(header)->rc);
        return;
    case EN_SELCHANGE:
        SelectionChange();
        return;
    case EN_PROTECTED:
        HandleProtected(message);
        return;
    case EN_SAVECLIPBOARD: {
        auto save = reinterpret_cast<const ENSAVECLIPBOARD*>(header);
        bool keep = true;
        if (OnSaveClipboard.Assigned())
            OnSaveClipboard(this, static_cast<int>(save->cObjectCount), static_cast<int>(save->cch), keep);
        if (!keep)
            message.Result = 1;
        return;
    }
    case EN_LINK:
        HandleLink(*reinterpret_cast<const ENLINK*>(header));
        return;
    default:
        TOvExCustomMemo::WndProc(message);
    }
}

// Protected text changes only when a handler allows it.
void TOvCustomRichEdit::HandleProtected(TMessage& message)
{
    auto info = reinterpret_cast<const ENPROTECTED*>(message.LParam);
    bool allow = false;
    if (OnProtectChangeEx.Assigned()) {
        TMessage request{info->msg, info->wParam, info->lParam, 0};
        OnProtectChangeEx(this, request, info->chrg.cpMin, info->chrg.cpMax, allow);
    } else if (OnProtectChange.Assigned()) {
        OnProtectChange(this, info->chrg.cpMin, info->chrg.cpMax, allow);
    }
    if (!allow)
        message.Result = 1;
}

// A click on a link: pressed and released with the same button over the same link.
void TOvCustomRichEdit::HandleLink(const ENLINK& link)
{
    switch (link.msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        linkRange_ = link.chrg;
        linkButton_ = link.msg == WM_LBUTTONDOWN ? mbLeft : mbRight;
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        TMouseButton button = link.msg == WM_LBUTTONUP ? mbLeft : mbRight;
        bool same = linkButton_ == button && linkRange_.cpMin == link.chrg.cpMin && linkRange_.cpMax == link.chrg.cpMax;
        linkRange_ = {-1, -1};
        if (same && OnURLClick.Assigned())
            OnURLClick(this, GetTextRange(link.chrg.cpMin, link.chrg.cpMax), button);
        return;
    }
    default:
        return;
    }
}

// Replacements are undoable where the control keeps an undo history; afterwards the new text is
// selected, or, for Lines, the caret stands behind it.
void TOvCustomRichEdit::HandleReplaceSel(TMessage& message)
{
    CHARRANGE before = Selection();
    if (RichEditLevel() >= 2 && undoLimit_ > 1 && !(linesUpdating_ && !forceUndo_))
        message.WParam = TRUE;
    TOvExCustomMemo::WndProc(message);
    // The control leaves the caret behind what it inserted (CR LF may have become one CR).
    CHARRANGE after = Selection();
    CHARRANGE range{linesUpdating_ ? after.cpMax : before.cpMin, after.cpMax};
    ::SendMessageW(WindowHandle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    ::SendMessageW(WindowHandle(), EM_SCROLLCARET, 0, 0);
}

void TOvCustomRichEdit::HandleLevelOnePaint(TMessage& message)
{
    RECT update{}, client{};
    ::GetUpdateRect(WindowHandle(), &update, FALSE);
    ::GetClientRect(WindowHandle(), &client);
    // The level 1 control leaves the rightmost columns unpainted when only they are touched.
    if (update.right >= client.right - 3) {
        RECT strip{client.right - 3, client.top, client.right, client.bottom};
        ::InvalidateRect(WindowHandle(), &strip, TRUE);
    }
    if (levelOnePainting) {
        // Left invalid: the view paints when the other one is done.
        ::InvalidateRect(WindowHandle(), nullptr, TRUE);
        return;
    }
    levelOnePainting = true;
    try {
        TOvExCustomMemo::WndProc(message);
    } catch (...) {
        levelOnePainting = false;
        throw;
    }
    levelOnePainting = false;
}

// The control offers no context menu of its own: the view asks for one on the release.
void TOvCustomRichEdit::HandleRightButtonUp(TMessage& message)
{
    if (allowObjects_ && (RichEditLevel() >= 2 || IsWindowsBefore5())) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::SendMessageW(WindowHandle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(WindowHandle()),
                       MAKELPARAM(cursor.x, cursor.y));
        contextMenuFromButtonUp_ = true;
    }
    try {
        TOvExCustomMemo::WndProc(message);
    } catch (...) {
        contextMenuFromButtonUp_ = false;
        throw;
    }
    contextMenuFromButtonUp_ = false;
}

void TOvCustomRichEdit::HandleDestroy(TMessage& message)
{
    CloseObjects();
    richEditOle_.Reset();
    TOvExCustomMemo::WndProc(message);
}

}  // namespace ov
