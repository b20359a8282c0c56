// Module initialisation of the rich text view: the rich edit library and the clipboard formats
// (which the view's module also makes when the program starts; asking here makes sure), then OLE.
#include "richview/module_init.h"

#include <windows.h>
#include <ole2.h>

#include "richview/clipboard_formats.h"
#include "richview/richedit_library.h"

namespace ov {

ModuleInitialisation::ModuleInitialisation()
{
    RichEditLevel();
    ClipboardFormats();
    oleInitialised_ = SUCCEEDED(OleInitialize(nullptr));
}

ModuleInitialisation::~ModuleInitialisation()
{
    if (oleInitialised_)
        OleUninitialize();
}

}  // namespace ov
