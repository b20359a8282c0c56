// Windowed controls under real windows: creation on demand, the WindowProc slot, re-creation,
// reflection of child notifications, anchors and alignment, windowless children, cleanup.
#include "framework/forms/win_control.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "tests/test_counts.h"

namespace ov {
namespace {

// A bare windowed control that records what reaches its own WndProc.
class TRecorder : public TWinControl {
public:
    explicit TRecorder(TComponent* owner) : TWinControl(owner) { SetBounds(10, 10, 100, 50); }
    std::vector<UINT> seen;
    void WndProc(TMessage& message) override
    {
        seen.push_back(message.Msg);
        TWinControl::WndProc(message);
    }
};

// A plain windowless control.
class TSpot : public TControl {
public:
    explicit TSpot(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 20, 20); }
};

struct FormFixture : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    void SetUp() override
    {
        form->InitForm();
        form->SetBounds(100, 100, 400, 300);
    }
};

using WinControlTest = FormFixture;

TEST_F(WinControlTest, WindowIsCreatedOnDemandWithTheParentsWindow)
{
    auto* c = new TRecorder(form.get());
    c->SetParent(form.get());
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_FALSE(c->HandleAllocated());
    c->seen.clear();
    HWND window = c->Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(form->HandleAllocated());
    EXPECT_EQ(GetParent(window), form->WindowHandle());
    EXPECT_EQ(TWinControl::FindControl(window), c);
    wchar_t className[64];
    GetClassNameW(window, className, 64);
    EXPECT_STREQ(className, L"TWinControl") << "the window class is named after the control's class";
    // Every message of the window's life passes through WndProc, the very first included.
    auto seen = [&](UINT msg) { return std::find(c->seen.begin(), c->seen.end(), msg) != c->seen.end(); };
    EXPECT_TRUE(seen(WM_NCCREATE));
    EXPECT_TRUE(seen(WM_CREATE));
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 50);
}

// A replacement slot sees every message first; putting the saved slot back restores the control.
TEST_F(WinControlTest, WindowProcReplacementSeesMessagesFirstAndCanBeRestored)
{
    auto* c = new TRecorder(form.get());
    c->SetParent(form.get());
    c->Handle();
    std::vector<UINT> hooked;
    TWndMethod saved = c->WindowProc;
    c->WindowProc = [&](TMessage& m) {
        hooked.push_back(m.Msg);
        if (m.Msg == WM_USER + 7) {
            m.Result = 42;  // consumed: the control never sees it
            return;
        }
        c->seen.clear();
        saved(m);
    };
    EXPECT_FALSE(c->WindowProc == saved);
    EXPECT_EQ(SendMessageW(c->WindowHandle(), WM_USER + 7, 0, 0), 42);
    EXPECT_TRUE(c->seen.empty() || c->seen.back() != WM_USER + 7);
    SendMessageW(c->WindowHandle(), WM_USER + 8, 0, 0);
    ASSERT_GE(hooked.size(), 2u);
    EXPECT_EQ(hooked.back(), static_cast<UINT>(WM_USER + 8));
    ASSERT_FALSE(c->seen.empty());
    EXPECT_EQ(c->seen.back(), static_cast<UINT>(WM_USER + 8)) << "passed on after the hook";

    c->WindowProc = saved;
    EXPECT_TRUE(c->WindowProc == saved);
    hooked.clear();
    EXPECT_EQ(SendMessageW(c->WindowHandle(), WM_USER + 7, 0, 0), 0);
    EXPECT_TRUE(hooked.empty());
    EXPECT_EQ(c->seen.back(), static_cast<UINT>(WM_USER + 7));
}

// The slot belongs to the control, not to the window: a re-created window keeps the hook.
TEST_F(WinControlTest, RecreatedWindowKeepsTextBoundsAndHook)
{
    auto* c = new TRecorder(form.get());
    c->SetParent(form.get());
    c->SetText(L"before");
    HWND first = c->Handle();
    int hooked = 0;
    TWndMethod saved = c->WindowProc;
    c->WindowProc = [&](TMessage& m) {
        ++hooked;
        saved(m);
    };
    c->RecreateWnd();
    HWND second = c->WindowHandle();
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(TWinControl::FindControl(first), nullptr) << "the old window is forgotten";
    EXPECT_EQ(TWinControl::FindControl(second), c);
    EXPECT_EQ(c->Text(), L"before");
    EXPECT_EQ(c->Width(), 100);
    EXPECT_GT(hooked, 0);
    c->WindowProc = saved;
}

// The window-to-control table is one for the process: a window made on another thread is found
// from this one while it lives, and forgotten once it is gone.
TEST(WindowBinding, WindowsOfAnotherThreadAreFoundWhileTheyLive)
{
    std::mutex mutex;
    std::condition_variable changed;
    HWND made = nullptr;
    TControl* owner = nullptr;
    bool checked = false;
    std::thread worker([&] {
        TComponentPtr<TForm> form{new TForm(nullptr)};
        form->InitForm();
        HWND window = form->Handle();
        std::unique_lock lock(mutex);
        made = window;
        owner = form.get();
        changed.notify_all();
        changed.wait(lock, [&] { return checked; });
    });
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return made != nullptr; });
        EXPECT_EQ(TWinControl::FindControl(made), owner);
        checked = true;
        changed.notify_all();
    }
    worker.join();
    EXPECT_EQ(TWinControl::FindControl(made), nullptr);
}

// WM_COMMAND from a child window comes back to the child control as CN_COMMAND.
TEST_F(WinControlTest, ChildNotificationsAreReflected)
{
    auto* c = new TRecorder(form.get());
    c->SetParent(form.get());
    HWND child = c->Handle();
    c->seen.clear();
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(child));
    EXPECT_NE(std::find(c->seen.begin(), c->seen.end(), CN_COMMAND), c->seen.end());
    NMHDR header{child, 1, NM_CLICK};
    c->seen.clear();
    SendMessageW(form->Handle(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
    EXPECT_NE(std::find(c->seen.begin(), c->seen.end(), CN_NOTIFY), c->seen.end());
}

TEST_F(WinControlTest, AnchorsFollowTheParentAndAlignTopKeepsHeight)
{
    form->SetClientWidth(400);
    form->SetClientHeight(300);
    auto* all = new TRecorder(form.get());
    all->SetParent(form.get());
    all->SetBounds(10, 60, 380, 230);
    all->SetAnchors({akLeft, akTop, akRight, akBottom});
    auto* corner = new TRecorder(form.get());
    corner->SetParent(form.get());
    corner->SetBounds(300, 250, 90, 40);
    corner->SetAnchors({akRight, akBottom});
    auto* bar = new TRecorder(form.get());
    bar->SetParent(form.get());
    bar->SetHeight(50);
    bar->SetAlign(alTop);
    form->Handle();
    EXPECT_EQ(bar->Width(), 400);
    EXPECT_EQ(bar->Top(), 0);

    form->SetClientWidth(500);
    form->SetClientHeight(350);
    EXPECT_EQ(all->Width(), 480);
    EXPECT_EQ(all->Height(), 280);
    EXPECT_EQ(all->Left(), 10);
    EXPECT_EQ(corner->Left(), 400);
    EXPECT_EQ(corner->Top(), 300);
    EXPECT_EQ(corner->Width(), 90);
    EXPECT_EQ(bar->Width(), 500);
    EXPECT_EQ(bar->Height(), 50);

    // Shrinking below the content and growing back returns to the same places.
    form->SetClientWidth(100);
    form->SetClientWidth(400);
    form->SetClientHeight(300);
    EXPECT_EQ(all->Width(), 380);
    EXPECT_EQ(all->Height(), 230);
    EXPECT_EQ(corner->Left(), 300);
}

// Minimising keeps the form's bounds and its anchored children where they are.
TEST_F(WinControlTest, MinimisedFormKeepsItsLayout)
{
    auto* all = new TRecorder(form.get());
    all->SetParent(form.get());
    all->SetBounds(10, 10, 200, 100);
    all->SetAnchors({akLeft, akTop, akRight, akBottom});
    form->Show();
    RECT before = all->BoundsRect();
    int width = form->Width();
    ShowWindow(form->WindowHandle(), SW_MINIMIZE);
    EXPECT_EQ(form->Width(), width);
    EXPECT_EQ(all->Width(), before.right - before.left);
    ShowWindow(form->WindowHandle(), SW_RESTORE);
    EXPECT_EQ(form->Width(), width);
    EXPECT_EQ(all->Width(), before.right - before.left);
    EXPECT_EQ(all->Height(), before.bottom - before.top);
}

// Mouse messages over a windowless child go to it in its own co-ordinates; a press and a release
// on it make a click.
TEST_F(WinControlTest, WindowlessChildGetsItsMouseMessagesAndClicks)
{
    auto* spot = new TSpot(form.get());
    spot->SetParent(form.get());
    spot->SetBounds(50, 40, 30, 20);
    int clicks = 0;
    POINT down{-1, -1};
    spot->OnClick = [&](TObject*) { ++clicks; };
    spot->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { down = {x, y}; };
    HWND window = form->Handle();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 45));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(56, 46));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(down.x, 5);
    EXPECT_EQ(down.y, 5);
    // Released elsewhere: no click.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 45));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_EQ(clicks, 1);
    // Outside the child, nothing reaches it.
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
}

// The double-click path: cancel mode to the form's active control, the window's own handling,
// OnDblClick, then the mouse-down event with ssDouble.
TEST_F(WinControlTest, DoubleClickPath)
{
    auto* active = new TRecorder(form.get());
    active->SetParent(form.get());
    auto* target = new TRecorder(form.get());
    target->SetParent(form.get());
    target->SetBounds(150, 10, 100, 50);
    form->SetActiveControl(active);
    target->Handle();
    std::vector<std::string> order;
    TWndMethod activeSaved = active->WindowProc;
    active->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_CANCELMODE)
            order.push_back("cancel");
        activeSaved(m);
    };
    target->OnDblClick = [&](TObject*) { order.push_back("dblclick"); };
    target->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        order.push_back(b == mbLeft && s.Contains(ssDouble) && x == 0 && y == 0 ? "down+double" : "down?");
    };
    target->seen.clear();
    SendMessageW(target->WindowHandle(), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(order, (std::vector<std::string>{"cancel", "dblclick", "down+double"}));
    EXPECT_NE(std::find(target->seen.begin(), target->seen.end(), WM_LBUTTONDBLCLK), target->seen.end());
    active->WindowProc = activeSaved;
}

TEST(WinControlLifetime, FreeingAFormReleasesEveryWindowAndGdiObject)
{
    // Warm up once: classes get registered, fonts cached by the system.
    auto build = [] {
        TComponentPtr<TForm> form(new TForm(nullptr));
        form->InitForm();
        for (int i = 0; i < 5; ++i) {
            auto* c = new TRecorder(form.get());
            c->SetParent(form.get());
            auto* s = new TSpot(form.get());
            s->SetParent(c);
        }
        form->SetColor(clRed);
        form->Show();
        form->Update();
        return form;
    };
    build().reset();
    int windows = testing::LiveThreadWindows();
    int gdi = testing::LiveGdiObjects();
    for (int i = 0; i < 3; ++i)
        build().reset();
    EXPECT_EQ(testing::LiveThreadWindows(), windows);
    EXPECT_EQ(testing::LiveGdiObjects(), gdi);
}

}  // namespace
}  // namespace ov
