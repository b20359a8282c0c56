// Plain shapes the painters share: gradients, framed and filled rectangles, separator lines, window
// and control frames, and the small arrow glyphs of spin and combo buttons. Colours may be system
// colours; they are resolved before drawing.
#pragma once

#include <windows.h>

#include "framework/graphics/color.h"

namespace ov {

// Rows from `top` on the first row to `bottom` on the last (see GradientColors); nothing for an
// empty rectangle.
void FillGradientV(HDC dc, const RECT& rect, TColor top, TColor bottom);
// The same along columns, from `left` in the first column to `right` in the last.
void FillGradientH(HDC dc, const RECT& rect, TColor left, TColor right);

void FrameRectColor(HDC dc, const RECT& rect, TColor color);
void FillRectColor(HDC dc, const RECT& rect, TColor color);

// A horizontal line at top + 2 of a menu item: from left + indent + 4 to right - 2 when the indent
// (the item's image column) is on the left, otherwise from left + 2 to right - indent - 4.
void DrawSeparatorLine(HDC dc, const RECT& rect, TColor color, bool indentOnLeft, int indent);

// A one-pixel frame round the whole window (non-client area included) in `outer` and, when asked,
// a second one inside it in `inner`.
void FrameWindow(HWND window, TColor outer, TColor inner, bool drawInner);

// Two-pixel strips in `color` along the left, bottom, right and top edges of `rect`, then a line in
// `borderColor` down its leftmost column.
void FrameControlBorder(HDC dc, const RECT& rect, TColor color, TColor borderColor);
// The same over the control's whole client area.
void FrameControlBorder(HWND control, TColor color, TColor borderColor);

enum class ArrowDirection { Down, Up, Left, Right };

// A filled triangle whose first corner is (x, y): down (x, y) (x + 6, y) (x + 3, y + 3); up (x, y)
// (x - 3, y + 3) (x + 3, y + 3); left (x, y) (x + 3, y + 3) (x + 3, y - 3); right (x, y) (x, y + 6)
// (x + 3, y + 3). Black when enabled; grey over a white shadow one pixel right and down otherwise.
void DrawArrowGlyph(HDC dc, ArrowDirection direction, int x, int y, bool enabled);

}  // namespace ov
