// Real pointer input for end-to-end tests, through SendInput. Every event but a wheel turn carries
// the absolute screen position it is meant for: Wine may otherwise deliver a press at the pointer's
// previous place.
#pragma once

#include <windows.h>

namespace ov::test {

// One mouse event at an absolute screen point (moving there first), for SendInput.
INPUT AbsoluteMouseInput(POINT screen, DWORD flags);

void MoveMouseTo(POINT screen);
void PressLeftAt(POINT screen);
void ReleaseLeftAt(POINT screen);
void ClickAt(POINT screen);
void DoubleClickAt(POINT screen);
void RightClickAt(POINT screen);
// A turn of the wheel where the pointer is (WHEEL_DELTA a notch, positive away from the user).
void TurnWheel(int delta);
// Press at `from`, move in steps to `to`, release there.
void DragTo(POINT from, POINT to);

}  // namespace ov::test
