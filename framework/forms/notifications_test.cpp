// The CM_* notifications a control's WindowProc sees (as a skinner hooked there sees them), and
// window procedures made from methods for plain windows.
#include <gtest/gtest.h>

#include <vector>

#include "framework/forms/application.h"
#include "framework/controls/button.h"
#include "framework/forms/form.h"
#include "framework/controls/label.h"
#include "framework/forms/object_instance.h"

namespace ov {
namespace {

// Hooks a control's WindowProc the way a skinner does and records what passes.
class TSpy {
public:
    explicit TSpy(TControl* control) : control_(control), saved_(control->WindowProc)
    {
        control->WindowProc = TWndMethod(this, &TSpy::Handler);
    }
    ~TSpy() { control_->WindowProc = saved_; }
    [[nodiscard]] bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
    std::vector<UINT> seen;

private:
    void Handler(TMessage& m)
    {
        seen.push_back(m.Msg);
        saved_(m);
    }
    TControl* control_;
    TWndMethod saved_;
};

struct NotificationsTest : ::testing::Test {
    TComponentPtr<TForm> form{new TForm(nullptr)};
    TButton* button = new TButton(form.get());
    TButton* other = new TButton(form.get());
    TLabel* label = new TLabel(form.get());
    void SetUp() override
    {
        form->InitForm();
        form->SetBounds(50, 50, 300, 200);
        button->SetParent(form.get());
        other->SetParent(form.get());
        other->SetLeft(100);
        label->SetParent(form.get());
        label->SetBounds(10, 100, 80, 20);
        form->Show();
    }
};

TEST_F(NotificationsTest, TextEnabledAndVisibleChanges)
{
    TSpy spy(button);
    button->SetCaption(L"Go");
    EXPECT_TRUE(spy.Saw(WM_SETTEXT));
    EXPECT_TRUE(spy.Saw(CM_TEXTCHANGED));
    button->SetEnabled(false);
    EXPECT_TRUE(spy.Saw(CM_ENABLEDCHANGED));
    EXPECT_FALSE(IsWindowEnabled(button->WindowHandle()));
    button->SetVisible(false);
    EXPECT_TRUE(spy.Saw(CM_VISIBLECHANGED));
    EXPECT_FALSE(IsWindowVisible(button->WindowHandle()));
    spy.seen.clear();
    button->SetCaption(L"Go");
    EXPECT_FALSE(spy.Saw(CM_TEXTCHANGED)) << "no change, no notification";
    button->Invalidate();
    EXPECT_TRUE(spy.Saw(CM_INVALIDATE));
}

TEST_F(NotificationsTest, FocusNotificationsAndEvents)
{
    SetForegroundWindow(form->WindowHandle());
    ::SetFocus(other->Handle());
    TSpy spy(button);
    std::vector<std::string> events;
    button->OnEnter = [&](TObject*) { events.push_back("enter button"); };
    button->OnExit = [&](TObject*) { events.push_back("exit button"); };
    other->OnEnter = [&](TObject*) { events.push_back("enter other"); };
    ::SetFocus(button->Handle());
    ::SetFocus(other->Handle());
    EXPECT_TRUE(spy.Saw(CM_GOTFOCUS));
    EXPECT_TRUE(spy.Saw(CM_LOSTFOCUS));
    EXPECT_EQ(form->ActiveControl(), other);
    EXPECT_EQ(events, (std::vector<std::string>{"enter button", "exit button", "enter other"}));
}

// The pointer arriving over a control sends it CM_MOUSEENTER, leaving CM_MOUSELEAVE; a windowless
// control gets them from its parent.
TEST_F(NotificationsTest, MouseEnterAndLeave)
{
    TSpy buttonSpy(button), labelSpy(label);
    int labelEnters = 0;
    label->OnMouseEnter = [&](TObject*) { ++labelEnters; };
    SendMessageW(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(buttonSpy.Saw(CM_MOUSEENTER));
    SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(15, 105));
    EXPECT_TRUE(buttonSpy.Saw(CM_MOUSELEAVE));
    EXPECT_TRUE(labelSpy.Saw(CM_MOUSEENTER));
    EXPECT_EQ(labelEnters, 1);
    SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(16, 106));
    EXPECT_EQ(labelEnters, 1) << "moving within the control is no new entry";
    SendMessageW(form->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(labelSpy.Saw(CM_MOUSELEAVE));
}

// A re-created form tells whoever hooks it (WM_PARENTNOTIFY with CM_RECREATEWND); the hook stays.
TEST_F(NotificationsTest, FormRecreationIsAnnounced)
{
    TSpy spy(form.get());
    HWND before = form->WindowHandle();
    form->SetBorderStyle(bsToolWindow);
    EXPECT_NE(form->WindowHandle(), before);
    EXPECT_TRUE(spy.Saw(CM_RECREATEWND));
    bool announced = false;
    for (size_t i = 0; i < spy.seen.size(); ++i)
        announced |= spy.seen[i] == WM_PARENTNOTIFY;
    EXPECT_TRUE(announced);
    EXPECT_TRUE(GetWindowLongW(form->WindowHandle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(button->Parent(), form.get());
    EXPECT_EQ(GetParent(button->WindowHandle()), form->WindowHandle());
}

// A procedure made from a method subclasses a plain window and is given back.
TEST(ObjectInstance, SubclassesAPlainWindow)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    WNDPROC saved = nullptr;
    std::vector<UINT> seen;
    {
        TObjectInstance instance([&](TMessage& m) {
            seen.push_back(m.Msg);
            if (m.Msg == WM_USER + 1) {
                m.Result = 77;
                return;
            }
            m.Result = CallWindowProcW(saved, window, m.Msg, m.WParam, m.LParam);
        });
        saved = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(instance.Procedure())));
        EXPECT_EQ(SendMessageW(window, WM_USER + 1, 0, 0), 77);
        wchar_t text[16];
        EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text)), 5);
        EXPECT_STREQ(text, L"plain");
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
    }
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(SendMessageW(window, WM_USER + 1, 0, 0), 0);
    DestroyWindow(window);
}

TEST(ObjectInstance, ManyInstancesEachCallTheirOwnMethod)
{
    std::vector<std::unique_ptr<TObjectInstance>> instances;
    std::vector<int> hits(300);
    instances.reserve(300);
    for (int i = 0; i < 300; ++i)
        instances.push_back(std::make_unique<TObjectInstance>([&hits, i](TMessage& m) {
            ++hits[static_cast<size_t>(i)];
            m.Result = i;
        }));
    for (int i = 0; i < 300; ++i)
        EXPECT_EQ(CallWindowProcW(instances[static_cast<size_t>(i)]->Procedure(), nullptr, WM_NULL, 0, 0), i);
    for (int h : hits)
        EXPECT_EQ(h, 1);
}

}  // namespace
}  // namespace ov
