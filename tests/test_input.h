// Real input for tests: mouse clicks and key presses through SendInput, as a user would give
// them, and a message pump that waits for their effect. Every mouse event carries the absolute
// screen position it happens at, so no event depends on where the pointer was before. Header-only;
// used by tests only. The window receiving the input must be shown and in front.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/forms/application.h"
#include "framework/forms/control.h"
#include "tests/real_input.h"

namespace ov::testing {

// Puts the pointer back where it was when a test with real input ends, so that the tests after it
// find the pointer where they would without it.
class TPointerKeeper {
public:
    TPointerKeeper() { ::GetCursorPos(&saved_); }
    ~TPointerKeeper() { ::SetCursorPos(saved_.x, saved_.y); }
    TPointerKeeper(const TPointerKeeper&) = delete;
    TPointerKeeper& operator=(const TPointerKeeper&) = delete;

private:
    POINT saved_{};
};

// Pumps messages until the condition holds; false when it still does not after many rounds.
inline bool PumpUntil(const std::function<bool()>& condition)
{
    for (int round = 0; round < 400; ++round) {
        Application->ProcessMessages();
        if (condition())
            return true;
        ::Sleep(5);
    }
    return false;
}

// Lets the input already given arrive and be handled.
inline void PumpInput()
{
    for (int round = 0; round < 20; ++round) {
        Application->ProcessMessages();
        ::Sleep(5);
    }
}

inline INPUT MouseInput(POINT screen, DWORD flags) { return test::AbsoluteMouseInput(screen, flags); }

// Moves to a screen point, then presses and releases the left button there.
inline void ClickAtScreen(POINT screen)
{
    INPUT inputs[] = {MouseInput(screen, 0), MouseInput(screen, MOUSEEVENTF_LEFTDOWN),
                      MouseInput(screen, MOUSEEVENTF_LEFTUP)};
    ::SendInput(3, inputs, sizeof(INPUT));
    PumpInput();
}

// A click at a client point of a control (windowed or not).
inline void Click(const TControl& control, POINT client) { ClickAtScreen(control.ClientToScreen(client)); }

inline void PressKey(WORD key, bool shift = false)
{
    auto keyInput = [](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        return input;
    };
    if (shift) {
        INPUT down = keyInput(VK_SHIFT, false);
        ::SendInput(1, &down, sizeof(INPUT));
    }
    INPUT press[] = {keyInput(key, false), keyInput(key, true)};
    ::SendInput(2, press, sizeof(INPUT));
    if (shift) {
        INPUT up = keyInput(VK_SHIFT, true);
        ::SendInput(1, &up, sizeof(INPUT));
    }
    PumpInput();
}

}  // namespace ov::testing
