// Tool tips for controls: when the pointer rests on a control whose ShowHint is set and whose
// Hint is not empty, its hint is shown under the pointer after Application->HintPause.
#pragma once

namespace ov {

class TControl;

void HintMouseEnter(TControl* control);
void HintMouseLeave(TControl* control);
// Hides the hint now (a key or button was pressed, the control goes away).
void CancelHint(TControl* control = nullptr);

}  // namespace ov
