// TTimer: fires OnTimer every Interval milliseconds while Enabled.
#pragma once

#include <memory>

#include "framework/core/component.h"

namespace ov {

class TUtilityWindow;

class TTimer : public TComponent {
    OV_CLASS(TTimer, TComponent)

    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool value);
    [[nodiscard]] unsigned Interval() const noexcept { return interval_; }
    void SetInterval(unsigned value);
    void Loaded() override;

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    std::unique_ptr<TUtilityWindow> window_;
    bool running_ = false;
};

}  // namespace ov
