// The skin gallery's entry point: module initialisation (rich edit library, OLE), the control
// skinners, the command line, the main form from its stored layout, then the message loop until it
// closes.
#include <windows.h>

#include "framework/forms/application.h"
#include "gallery/command_line.h"
#include "gallery/gallery_form.h"
#include "richview/module_init.h"
#include "skin/controls/control_skinners.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace ov;
    RegisterControlSkinners();
    ModuleInitialisation modules;
    int exitCode = 0;
    try {
        gallery::TGalleryOptions options = gallery::ParseGalleryOptions(gallery::ProcessArguments());
        Application->SetTitle(L"Ovalune skin gallery");
        TGalleryForm* form = nullptr;
        Application->CreateForm(&form);
        form->ShowSkinOptions(options);
        Application->Run();
    } catch (...) {
        // Only a layout that cannot be read gets here: say why and end.
        Application->HandleException(nullptr);
        exitCode = 1;
    }
    Application->DestroyComponents();
    return exitCode;
}
