// Finding forms by window and deciding which form is active.
#include "skin/data/skin_forms_win.h"

#include "framework/forms/application.h"
#include "framework/core/properties.h"
#include "framework/forms/screen.h"

namespace ov {
namespace {

// The program is the active one when the window in front belongs to it.
bool ApplicationIsActive()
{
    DWORD process = 0;
    const HWND foreground = ::GetForegroundWindow();
    return foreground && ::GetWindowThreadProcessId(foreground, &process) && process == ::GetCurrentProcessId();
}

bool IsMdiFrame(TCustomForm* form) { return form && form->FormStyle() == fsMDIForm; }

// The MDI client window of a frame form.
HWND MdiClient(TCustomForm* frame)
{
    return frame->HandleAllocated() ? ::FindWindowExW(frame->Handle(), nullptr, L"MDICLIENT", nullptr) : nullptr;
}

}  // namespace

TCustomForm* FindFormByHandle(HWND window)
{
    if (!window)
        return nullptr;
    for (int i = 0; i < Screen->CustomFormCount(); ++i) {
        TCustomForm* form = Screen->CustomForms(i);
        if (form->HandleAllocated() && form->Handle() == window)
            return form;
    }
    return nullptr;
}

bool IsFormActive(TCustomForm* form)
{
    if (form && form->HandleAllocated()) {
        const LRESULT answer = ::SendMessageW(form->Handle(), kQueryActiveMessage, 0, 0);
        if (answer > 0)
            return answer == 1;
    }
    TCustomForm* main = Application->MainForm();
    if (!main)
        return form && form->Active();
    if (IsMdiFrame(main) && form == main)
        return true;
    if (!ApplicationIsActive())
        return false;
    if (!form || form == main)
        return true;
    if (IsMdiFrame(main) && form->HandleAllocated()) {
        const HWND client = MdiClient(main);
        if (client && reinterpret_cast<HWND>(::SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) == form->Handle())
            return true;
    }
    return form->Active();
}

bool HasPublishedProperty(const TControl* control, std::wstring_view name)
{
    return control && HasPublishedProperty(static_cast<const TObject&>(*control), name);
}

}  // namespace ov
