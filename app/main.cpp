// Program entry: module initialisation and the control skinners, the application object and its title, the main window
// and the hidden About box from their stored layouts, then the message loop until the main window
// closes, with the reading keys (find, zoom) on. No arguments, no settings, nothing written to disk.
#include <windows.h>

#include "app/about_box.h"
#include "app/app_title.h"
#include "app/form1.h"
#include "app/painted_signal.h"
#include "app/reading_keys.h"
#include "framework/forms/application.h"
#include "richview/module_init.h"
#include "richview/rich_edit.h"
#include "skin/controls/control_skinners.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace ov;
    RegisterControlSkinners();
    ModuleInitialisation modules;
    int exitCode = 0;
    try {
        Application->SetTitle(kAppTitle);
        Application->CreateForm(&Form1);
        InstallPaintedSignal(*Form1->OvRichEdit1);
        Application->CreateForm(&AboutBox);
        ReadingKeys keys(*Form1, [](const std::wstring& text) {
            Application->ShowMessageBox(text, L"", MB_OK | MB_ICONINFORMATION);
        });
        Application->Run();
    } catch (...) {
        // Only a layout that cannot be read gets here: say why and end.
        Application->HandleException(nullptr);
        exitCode = 1;
    }
    // The forms go before OLE does: closing the views closes their embedded objects.
    Application->DestroyComponents();
    return exitCode;
}
