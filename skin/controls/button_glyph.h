// A button's glyph and caption placed side by side or one above the other, as the push button and
// speed button skinners lay them out, and the glyph drawn from its strip of images.
#pragma once

#include <windows.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/forms/control.h"
#include "framework/controls/speed_button.h"

namespace ov {

struct TkrvGlyphLayoutInput {
    RECT area;             // where glyph and caption go
    TButtonLayout layout;  // which side of the caption the glyph stands on
    bool rightToLeft;      // left and right swap places
    SIZE glyph;
    SIZE text;    // (0, 0) for no caption
    int margin;   // -1: centred
    int spacing;  // -1: spread evenly (with a margin of -1 too)
};

struct TkrvGlyphPlacement {
    POINT glyph;
    RECT text;
};

// Across the layout axis both are centred; along it the margin and spacing place them. All
// divisions truncate toward zero.
TkrvGlyphPlacement PlaceGlyphAndText(const TkrvGlyphLayoutInput& input);

// The glyph properties a button publishes, with the defaults of a button that publishes none.
struct TkrvButtonGlyph {
    TBitmap* glyph = nullptr;  // null when not published
    int numGlyphs = 1;
    TButtonLayout layout = blGlyphLeft;
    int margin = -1;
    int spacing = 4;
};
TkrvButtonGlyph ReadButtonGlyph(TControl& button);

// The size of one glyph of the strip.
SIZE GlyphCellSize(const TBitmap& strip, int numGlyphs);

// Draws the enabled (first) or disabled (second) image of the strip at `at`, transparent, one pixel
// lower and to the right while pressed. A strip of a single image on a disabled button is drawn
// greyed, masked by the colour of its top-left pixel.
void DrawButtonGlyph(TCanvas& canvas, const TBitmap& strip, int numGlyphs, POINT at, bool enabled, bool pressed);

// The caption's size as DrawText measures it in the canvas's font within `width`; (0, 0) when empty.
SIZE MeasureCaption(TCanvas& canvas, const std::wstring& caption, int width);

}  // namespace ov
