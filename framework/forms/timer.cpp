// TTimer: SetTimer on a hidden window of its own.
#include "framework/forms/timer.h"

#include "framework/core/properties.h"
#include "framework/forms/utility_window.h"

namespace ov {

const TClassInfo& TTimer::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TTimer>(L"TTimer", TComponent::StaticClass())
            .Creatable()
            .Property(L"Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
            .Property(
                L"Interval", [](TTimer* t) { return static_cast<int>(t->Interval()); },
                [](TTimer* t, int v) { t->SetInterval(v < 0 ? 0u : static_cast<unsigned>(v)); })
            .Event(L"OnTimer", &TTimer::OnTimer)
            .Build();
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer()
{
    if (window_ && running_)
        KillTimer(window_->Handle(), 1);
}

void TTimer::SetEnabled(bool value)
{
    if (enabled_ != value) {
        enabled_ = value;
        UpdateTimer();
    }
}

void TTimer::SetInterval(unsigned value)
{
    if (interval_ != value) {
        interval_ = value;
        UpdateTimer();
    }
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (window_ && running_) {
        KillTimer(window_->Handle(), 1);
        running_ = false;
    }
    bool wanted =
        enabled_ && interval_ > 0 && !ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning);
    if (!wanted)
        return;
    if (!window_)
        window_ = std::make_unique<TUtilityWindow>(TUtilityWindow::THandler([this](TMessage& m) {
            if (m.Msg != WM_TIMER)
                return false;
            Timer();
            return true;
        }));
    if (!SetTimer(window_->Handle(), 1, interval_, nullptr))
        throw Exception(L"Not enough timers available");
    running_ = true;
}

void TTimer::Timer() { OnTimer.Fire(this); }

}  // namespace ov
