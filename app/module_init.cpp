// Module initialisation of the reader: the rich edit library and the clipboard formats (which the
// rich text view's module also makes when the program starts; asking here makes sure), the control
// skinners' rows in the skin engine's tables, then OLE.
#include "app/module_init.h"

#include <windows.h>
#include <ole2.h>

#include "richview/clipboard_formats.h"
#include "richview/richedit_library.h"
#include "skin/controls/control_skinners.h"

namespace ov {

ModuleInitialisation::ModuleInitialisation()
{
    RichEditLevel();
    ClipboardFormats();
    RegisterControlSkinners();
    oleInitialised_ = SUCCEEDED(OleInitialize(nullptr));
}

ModuleInitialisation::~ModuleInitialisation()
{
    if (oleInitialised_)
        OleUninitialize();
}

}  // namespace ov
