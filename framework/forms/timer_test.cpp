// TTimer fires while enabled and stops when disabled or freed; TApplicationEvents see messages.
#include "framework/forms/timer.h"

#include <gtest/gtest.h>

#include "framework/forms/application.h"
#include "tests/test_counts.h"

namespace ov {
namespace {

void PumpUntil(const std::function<bool()>& done)
{
    for (int i = 0; i < 1000 && !done(); ++i) {
        Application->ProcessMessages();
        Sleep(2);
    }
}

TEST(Timer, FiresWhileEnabledAndGivesItsWindowBack)
{
    int windows = testing::LiveThreadWindows();
    {
        TComponentPtr<TTimer> timer(new TTimer(nullptr));
        int ticks = 0;
        timer->OnTimer = [&](TObject* sender) {
            EXPECT_EQ(sender, timer.get());
            ++ticks;
        };
        timer->SetInterval(5);
        PumpUntil([&] { return ticks >= 3; });
        EXPECT_GE(ticks, 3);
        timer->SetEnabled(false);
        int stopped = ticks;
        for (int i = 0; i < 20; ++i) {
            Application->ProcessMessages();
            Sleep(2);
        }
        EXPECT_EQ(ticks, stopped);
    }
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
}

// An exception in OnTimer goes to the application's handler; the timer goes on.
TEST(Timer, ExceptionInHandlerIsHandled)
{
    std::wstring handled;
    TExceptionEvent saved = Application->OnException;
    Application->OnException = [&](TObject*, const std::exception_ptr& e) { handled = ExceptionMessage(e); };
    TComponentPtr<TTimer> timer(new TTimer(nullptr));
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        if (++ticks == 1)
            throw Exception(L"tick failed");
    };
    timer->SetInterval(5);
    PumpUntil([&] { return ticks >= 2; });
    Application->OnException = saved;
    EXPECT_EQ(handled, L"tick failed");
    EXPECT_GE(ticks, 2);
}

TEST(ApplicationEvents, SeeMessagesBeforeDispatchAndMayHandleThem)
{
    TComponentPtr<TApplicationEvents> events(new TApplicationEvents(nullptr));
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    int seen = 0;
    events->OnMessage = [&](MSG& msg, bool& handled) {
        if (msg.hwnd == window && msg.message == WM_USER + 5) {
            ++seen;
            handled = true;
        }
    };
    PostMessageW(window, WM_USER + 5, 0, 0);
    Application->ProcessMessages();
    EXPECT_EQ(seen, 1);
    events.reset();
    PostMessageW(window, WM_USER + 5, 0, 0);
    Application->ProcessMessages();
    EXPECT_EQ(seen, 1) << "a freed listener hears nothing";
    DestroyWindow(window);
}

}  // namespace
}  // namespace ov
