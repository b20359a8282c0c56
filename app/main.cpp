// Program entry: creates the main window and runs the message loop until it is closed.
#include <windows.h>

#include "app/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCmd) {
    HWND main = ov::CreateMainWindow(instance);
    if (!main) return 1;
    ShowWindow(main, showCmd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
