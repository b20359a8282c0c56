// The window classes of framework controls: registration (own classes and superclasses of system
// classes), window creation, and the binding between a window and its control.
#pragma once

#include <windows.h>

namespace ov {

class TWinControl;
struct TCreateParams;

// Makes params describe a superclass of the system class (copies its class style, cursor,
// background and extra bytes). Raises when the class is not available.
void PrepareSystemClass(TCreateParams& params, const wchar_t* systemClassName);
// Registers params.WinClassName once per process; returns the procedure the control's
// DefaultHandler calls (the system class's, or DefWindowProc).
WNDPROC RegisterControlClass(const TCreateParams& params);
// CreateWindowEx for control; its window is bound to it from the first message on.
HWND CreateControlWindow(TWinControl* control, const TCreateParams& params);

void BindWindow(HWND window, TWinControl* control);
void UnbindWindow(HWND window);
TWinControl* ControlOfWindow(HWND window);

LRESULT CALLBACK StandardWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace ov
