// Keyboard commands from the application's message filter: a key for the main window (or for the
// find dialog over it) is looked up before it is translated, so no control turns it into its own
// action first (the rich edit control would zoom by its own steps on Ctrl with the wheel). The
// modeless find dialog gets its dialog keys (Tab, Enter, Escape) here too.
#include "app/reading_keys.h"

#include <windowsx.h>

#include "app/form1.h"
#include "framework/forms/application.h"
#include "richview/rich_edit.h"

namespace ov {

namespace {

bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

ReadingCommand CommandOfKey(WORD key, bool ctrl, bool shift, bool alt)
{
    if (alt)
        return ReadingCommand::None;
    if (key == VK_F3 && !ctrl)
        return shift ? ReadingCommand::FindPrevious : ReadingCommand::FindNext;
    if (!ctrl)
        return ReadingCommand::None;
    switch (key) {
    case 'F':
        return shift ? ReadingCommand::None : ReadingCommand::Find;
    case VK_OEM_PLUS:  // "=", with Shift "+"
    case VK_ADD:
        return ReadingCommand::ZoomIn;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        return ReadingCommand::ZoomOut;
    case '0':
    case VK_NUMPAD0:
        return shift ? ReadingCommand::None : ReadingCommand::ZoomReset;
    default:
        return ReadingCommand::None;
    }
}

ReadingKeys::ReadingKeys(TForm1& form, ChapterFind::Say say)
    : form_(form), find_(std::move(say)), events_(new TApplicationEvents(nullptr))
{
    events_->OnMessage = [this](MSG& msg, bool& handled) { OnMessage(msg, handled); };
}

ReadingKeys::~ReadingKeys() { events_->OnMessage = nullptr; }

bool ReadingKeys::Run(ReadingCommand command)
{
    TOvRichEdit* view = form_.ShownView();
    if (!view || command == ReadingCommand::None)
        return false;
    switch (command) {
    case ReadingCommand::Find:
        find_.OpenDialog(*view);
        break;
    case ReadingCommand::FindNext:
    case ReadingCommand::FindPrevious:
        find_.Repeat(*view, command == ReadingCommand::FindNext);
        break;
    case ReadingCommand::ZoomIn:
    case ReadingCommand::ZoomOut:
        zoom_.Step(*view, command == ReadingCommand::ZoomIn ? 1 : -1);
        break;
    case ReadingCommand::ZoomReset:
        zoom_.Reset(*view);
        break;
    case ReadingCommand::None:
        break;
    }
    return true;
}

void ReadingKeys::OnMessage(MSG& msg, bool& handled)
{
    if (!ForReader(msg.hwnd))
        return;
    if (msg.message == WM_KEYDOWN) {
        auto key = static_cast<WORD>(msg.wParam);
        handled = Run(CommandOfKey(key, KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT), KeyHeld(VK_MENU)));
    } else if (msg.message == WM_MOUSEWHEEL) {
        handled = ZoomWheel(msg);
    }
    HWND dialog = find_.DialogWindow();
    if (!handled && dialog && (msg.hwnd == dialog || IsChild(dialog, msg.hwnd)))
        handled = IsDialogMessageW(dialog, &msg) != FALSE;
}

// The main window and its controls, and the find dialog over it; not the About box or a message box.
bool ReadingKeys::ForReader(HWND window) const
{
    if (!window)
        return false;
    HWND root = GetAncestor(window, GA_ROOT);
    return root == form_.WindowHandle() || (root && root == find_.DialogWindow());
}

bool ReadingKeys::ZoomWheel(const MSG& msg)
{
    if (!(GET_KEYSTATE_WPARAM(msg.wParam) & MK_CONTROL))
        return false;
    TOvRichEdit* view = form_.ShownView();
    if (!view)
        return false;
    zoom_.Wheel(*view, GET_WHEEL_DELTA_WPARAM(msg.wParam));
    return true;
}

}  // namespace ov
