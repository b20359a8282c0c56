// Caption text on a device context: text widths, shortening with "...", and the system's caption
// and menu fonts.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"

namespace ov {

// Width of the text in the DC's current font (GetTextExtentPoint32).
int TextWidth(HDC dc, std::string_view text);
int TextWidthW(HDC dc, std::wstring_view text);

// The text shortened with "..." to about `limit` pixels in the DC's current font (see the
// EllipsizeText template for the rule).
std::string EllipsizeText(HDC dc, std::string_view text, int limit);
std::wstring EllipsizeTextW(HDC dc, std::wstring_view text, int limit);

// The same in the canvas's font.
int TextWidthW(TCanvas& canvas, std::wstring_view text);
std::string EllipsizeText(TCanvas& canvas, std::string_view text, int limit);
std::wstring EllipsizeTextW(TCanvas& canvas, std::wstring_view text, int limit);

// The caption and menu fonts of the non-client metrics; nothing when the system does not answer.
std::optional<LOGFONTW> CaptionLogFont();
std::optional<LOGFONTW> MenuLogFont();

// The font gets a new handle made from the caption font; unchanged when the system does not answer.
void SetCaptionFont(TFont& font);
// The same from the menu font; the colour becomes clMenuText.
void SetMenuFont(TFont& font);

}  // namespace ov
