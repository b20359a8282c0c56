// The mouse as the controls share it: which control holds the capture (a windowless control
// captures through its parent's window) and which control the pointer is over (it receives
// CM_MOUSEENTER when the pointer arrives and CM_MOUSELEAVE when it goes).
#pragma once

namespace ov {

class TControl;

TControl* GetCaptureControl();
// Captures the mouse for control, or releases the capture (null).
void SetCaptureControl(TControl* control);

TControl* MouseControl();
// Moves the "pointer is over" mark to control (null: over no control of ours), sending
// CM_MOUSELEAVE to the previous control and CM_MOUSEENTER to the new one.
void SetMouseControl(TControl* control);
// Forgets a control that is going away, without notifications.
void ForgetMouseControl(TControl* control);
// Asks the window under the pointer for its cursor again (after a cursor property changed).
void RefreshCursor();

}  // namespace ov
