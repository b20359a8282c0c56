// SendInput with absolute co-ordinates on every mouse event.
#include "tests/real_input.h"

#include <chrono>
#include <thread>

namespace ov::test {

namespace {

void Send(POINT at, DWORD flags)
{
    INPUT input = AbsoluteMouseInput(at, flags);
    ::SendInput(1, &input, sizeof input);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

}  // namespace

// Absolute input runs from 0 to 65535 across the primary screen.
INPUT AbsoluteMouseInput(POINT screen, DWORD flags)
{
    auto normalised = [](LONG value, int extent) {
        return static_cast<LONG>((value * 65535LL + extent / 2) / (extent - 1));
    };
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = normalised(screen.x, ::GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = normalised(screen.y, ::GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    return input;
}

void MoveMouseTo(POINT screen) { Send(screen, 0); }
void PressLeftAt(POINT screen) { Send(screen, MOUSEEVENTF_LEFTDOWN); }
void ReleaseLeftAt(POINT screen) { Send(screen, MOUSEEVENTF_LEFTUP); }

void ClickAt(POINT screen)
{
    MoveMouseTo(screen);
    PressLeftAt(screen);
    ReleaseLeftAt(screen);
}

void DoubleClickAt(POINT screen)
{
    ClickAt(screen);
    ClickAt(screen);
}

void RightClickAt(POINT screen)
{
    MoveMouseTo(screen);
    Send(screen, MOUSEEVENTF_RIGHTDOWN);
    Send(screen, MOUSEEVENTF_RIGHTUP);
}

// No position: under Wine a pointer movement takes the modifier keys' state from the X server,
// which would drop a Ctrl held through SendInput.
void TurnWheel(int delta)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = static_cast<DWORD>(delta);
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    ::SendInput(1, &input, sizeof input);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

void DragTo(POINT from, POINT to)
{
    MoveMouseTo(from);
    PressLeftAt(from);
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i)
        MoveMouseTo({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps});
    ReleaseLeftAt(to);
}

}  // namespace ov::test
