// Questions the skinners ask about the framework's forms and controls: which form owns a window,
// whether a form is the active one, and whether a control publishes a property.
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/forms/control.h"
#include "framework/forms/form.h"

namespace ov {

// The private message a skinned frame answers with 1 (active) or 2 (inactive).
inline constexpr UINT kQueryActiveMessage = 0x2AAB;

// The first form of the screen's list whose window is `window`, or null. Forms without a window
// yet are passed over: asking them for their handle would create one, and it could not be this.
TCustomForm* FindFormByHandle(HWND window);

// Whether `form` counts as the active form: its skinned frame's own answer first; then, with an MDI
// main form, the main form itself and its active MDI child; otherwise the form's Active state,
// and never while another program is in front.
bool IsFormActive(TCustomForm* form);

// True when the control's class publishes a property of that name; false for no control.
bool HasPublishedProperty(const TControl* control, std::wstring_view name);

}  // namespace ov
