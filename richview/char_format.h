// The rich edit character format that stands for a framework font: the view never hands the
// control a font handle, it sets the control's default character format from its Font instead.
#pragma once

#include <windows.h>
#include <richedit.h>

#include "framework/graphics/font.h"

namespace ov {

// Bold, italic, underline, strike-out, size in twips (points x 20), colour (automatic for
// clWindowText and clDefault), weight, pitch, face name and charset of `font`.
CHARFORMAT2W CharFormatFromFont(const TFont& font);

// Makes `font` the control's default character format (EM_SETCHARFORMAT, SCF_DEFAULT).
void SetDefaultCharFormat(HWND window, const TFont& font);

}  // namespace ov
