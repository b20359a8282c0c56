// The hint window: one tracking tool tip shared by all controls, shown from a timer.
#include "framework/forms/hint.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "framework/forms/application.h"
#include "framework/forms/control.h"
#include "framework/forms/utility_window.h"

namespace ov {

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kHideTimer = 2;

class THintController {
public:
    THintController() : timerWindow_(TUtilityWindow::THandler(this, &THintController::HandleTimer)) {}

    void Enter(TControl* control)
    {
        Hide();
        if (!Application->ShowHint() || !control->ShowHint() || control->Hint().empty())
            return;
        control_ = control;
        SetTimer(timerWindow_.Handle(), kShowTimer, static_cast<UINT>(Application->HintPause()), nullptr);
    }

    void Leave(TControl* control)
    {
        if (control == nullptr || control == control_)
            Hide();
    }

private:
    bool HandleTimer(TMessage& message)
    {
        if (message.Msg != WM_TIMER)
            return false;
        KillTimer(timerWindow_.Handle(), message.WParam);
        if (message.WParam == kShowTimer && control_)
            Show();
        else if (message.WParam == kHideTimer)
            Hide();
        return true;
    }

    void Show()
    {
        if (!tip_) {
            tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX, 0, 0, 0, 0,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
            if (!tip_)
                return;
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
            tool.lpszText = const_cast<wchar_t*>(L"");
            SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        text_ = control_->Hint();
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.lpszText = text_.data();
        SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        POINT p;
        GetCursorPos(&p);
        SendMessageW(tip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(p.x, p.y + 20));
        SendMessageW(tip_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
        SetTimer(timerWindow_.Handle(), kHideTimer, static_cast<UINT>(Application->HintHidePause()), nullptr);
    }

    void Hide()
    {
        KillTimer(timerWindow_.Handle(), kShowTimer);
        KillTimer(timerWindow_.Handle(), kHideTimer);
        control_ = nullptr;
        if (tip_) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            SendMessageW(tip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
        }
    }

    TUtilityWindow timerWindow_;
    UniqueWindow tip_;
    TControl* control_ = nullptr;
    std::wstring text_;
};

// Made when the first hint is to be shown; a program without hints never has the windows.
std::unique_ptr<THintController>& Controller()
{
    static std::unique_ptr<THintController> controller;
    return controller;
}

}  // namespace

void HintMouseEnter(TControl* control)
{
    auto& controller = Controller();
    if (!controller && Application->ShowHint() && control->ShowHint() && !control->Hint().empty())
        controller = std::make_unique<THintController>();
    if (controller)
        controller->Enter(control);
}

void HintMouseLeave(TControl* control)
{
    if (auto& controller = Controller())
        controller->Leave(control);
}

void CancelHint(TControl* control) { HintMouseLeave(control); }

}  // namespace ov
