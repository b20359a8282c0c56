// Stacked window-procedure hooks that come off in any order.
#include "skin/engine/window_hooks.h"

#include <algorithm>
#include <vector>

namespace ov {

namespace {

// The live hooks of each kind, for finding the one stacked above a hook being removed.
template <typename Hook>
std::vector<Hook*>& LiveHooks()
{
    static std::vector<Hook*> hooks;
    return hooks;
}

template <typename Hook>
void Forget(Hook* hook)
{
    auto& hooks = LiveHooks<Hook>();
    hooks.erase(std::remove(hooks.begin(), hooks.end(), hook), hooks.end());
}

}  // namespace

TWindowProcHook::TWindowProcHook(TControl* control, TWndMethod handler)
    : control_(control), handler_(std::move(handler)), previous_(control->WindowProc)
{
    control_->WindowProc = handler_;
    LiveHooks<TWindowProcHook>().push_back(this);
}

TWindowProcHook::~TWindowProcHook() { Remove(); }

void TWindowProcHook::Remove()
{
    if (!control_)
        return;
    Forget(this);
    if (control_->WindowProc == handler_) {
        control_->WindowProc = previous_;
    } else {
        for (TWindowProcHook* above : LiveHooks<TWindowProcHook>())
            if (above->control_ == control_ && above->previous_ == handler_)
                above->previous_ = previous_;
    }
    control_ = nullptr;
}

TSubclassHook::TSubclassHook(HWND window, TWndMethod handler)
    : window_(window), instance_(std::make_unique<TObjectInstance>(std::move(handler)))
{
    previous_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(instance_->Procedure())));
    LiveHooks<TSubclassHook>().push_back(this);
}

TSubclassHook::~TSubclassHook() { Remove(); }

void TSubclassHook::Remove()
{
    if (!instance_)
        return;
    Forget(this);
    WNDPROC own = instance_->Procedure();
    if (::IsWindow(window_)) {
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window_, GWLP_WNDPROC)) == own) {
            ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        } else {
            for (TSubclassHook* above : LiveHooks<TSubclassHook>())
                if (above->window_ == window_ && above->previous_ == own)
                    above->previous_ = previous_;
        }
    }
    instance_.reset();
}

}  // namespace ov
