// The "painted" signal: the view's WindowProc is wrapped so that, after the first WM_PAINT it has
// handled, the named event is set. The wrapper owns its copy of the previous slot, so it never
// dangles, and it is never taken out again: after the signal it only passes messages on.
#include "app/painted_signal.h"

#include <windows.h>

#include <memory>
#include <string>

#include "framework/forms/control.h"
#include "framework/core/handle.h"

namespace ov {

namespace {

std::wstring EnvironmentValue(const wchar_t* name)
{
    DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0)
        return {};
    std::wstring value(length, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), length));
    return value;
}

void SetNamedEvent(const std::wstring& name)
{
    UniqueKernelHandle event(OpenEventW(EVENT_MODIFY_STATE, FALSE, name.c_str()));
    if (event)
        SetEvent(event.get());
}

}  // namespace

void InstallPaintedSignal(TControl& view)
{
    std::wstring eventName = EnvironmentValue(kPaintedEventVariable);
    if (eventName.empty())
        return;
    auto pending = std::make_shared<bool>(true);
    view.WindowProc = [previous = view.WindowProc, pending, eventName](TMessage& message) {
        previous(message);
        if (message.Msg == WM_PAINT && *pending) {
            *pending = false;
            SetNamedEvent(eventName);
        }
    };
}

}  // namespace ov
