// The four clipboard formats of rich text and embedded objects, registered by name at start-up.
#pragma once

#include <windows.h>

namespace ov {

struct RichEditClipboardFormats {
    UINT embeddedObject = 0;           // "Embedded Object"
    UINT linkSource = 0;               // "Link Source"
    UINT richTextFormat = 0;           // "Rich Text Format"
    UINT richTextFormatNoObjects = 0;  // "Rich Text Format Without Objects"
};

// Registered on first use (the library module asks for them when the program starts).
const RichEditClipboardFormats& ClipboardFormats();

}  // namespace ov
