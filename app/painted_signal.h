// A test and benchmark hook, off unless the environment asks for it: when OVALUNE_PAINTED_EVENT
// names an event, the program sets it once the first chapter view has painted on screen.
#pragma once

namespace ov {

class TControl;

inline constexpr wchar_t kPaintedEventVariable[] = L"OVALUNE_PAINTED_EVENT";

// Watches view's painting when the variable is set; does nothing otherwise.
void InstallPaintedSignal(TControl& view);

}  // namespace ov
