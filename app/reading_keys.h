// The reader's keyboard commands, whichever of its controls has the focus: Ctrl+F, F3 and
// Shift+F3 find in the chapter shown; Ctrl+=, Ctrl+-, Ctrl+0 and Ctrl with the wheel zoom it.
// They are taken from the message loop before any control sees them.
#pragma once

#include <windows.h>

#include "app/chapter_find.h"
#include "app/chapter_zoom.h"
#include "framework/core/component.h"

namespace ov {

class TForm1;
class TApplicationEvents;

enum class ReadingCommand { None, Find, FindNext, FindPrevious, ZoomIn, ZoomOut, ZoomReset };

// The command of a key pressed with the given modifiers, or None.
ReadingCommand CommandOfKey(WORD key, bool ctrl, bool shift, bool alt);

class ReadingKeys {
public:
    ReadingKeys(TForm1& form, ChapterFind::Say say);
    ~ReadingKeys();
    ReadingKeys(const ReadingKeys&) = delete;
    ReadingKeys& operator=(const ReadingKeys&) = delete;

    // Carries out a command on the chapter shown; false when there is none to act on.
    bool Run(ReadingCommand command);

private:
    void OnMessage(MSG& msg, bool& handled);
    bool ForReader(HWND window) const;
    bool ZoomWheel(const MSG& msg);

    TForm1& form_;
    ChapterFind find_;
    ChapterZoom zoom_;
    TComponentPtr<TApplicationEvents> events_;
};

}  // namespace ov
