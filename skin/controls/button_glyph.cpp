// Glyph layout and drawing for the button skinners.
#include "skin/controls/button_glyph.h"

#include <commctrl.h>

#include <algorithm>
#include <variant>

#include "framework/core/handle.h"
#include "framework/graphics/image_list.h"
#include "skin/data/skin_bitmap_win.h"

namespace ov {

namespace {

bool Across(TButtonLayout layout) { return layout == blGlyphLeft || layout == blGlyphRight; }

TButtonLayout Mirrored(TButtonLayout layout)
{
    if (layout == blGlyphLeft)
        return blGlyphRight;
    if (layout == blGlyphRight)
        return blGlyphLeft;
    return layout;
}

// An integer or enumeration the button publishes, else `fallback`.
int PublishedInt(TControl& button, const wchar_t* name, int fallback)
{
    const TPropInfo* info = button.ClassInfo().FindProperty(name);
    if (!info)
        return fallback;
    TValue value = info->Get(&button);
    if (const auto* number = std::get_if<std::int64_t>(&value))
        return static_cast<int>(*number);
    return fallback;
}

}  // namespace

TkrvGlyphPlacement PlaceGlyphAndText(const TkrvGlyphLayoutInput& in)
{
    SIZE client{in.area.right - in.area.left, in.area.bottom - in.area.top};
    TButtonLayout layout = in.rightToLeft ? Mirrored(in.layout) : in.layout;
    bool across = Across(layout);
    // Along: the axis glyph and text follow each other on; the other one centres both.
    int clientAlong = across ? client.cx : client.cy;
    int glyphAlong = across ? in.glyph.cx : in.glyph.cy;
    int textAlong = across ? in.text.cx : in.text.cy;
    int margin = in.margin, spacing = in.spacing;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (clientAlong - (glyphAlong + textAlong)) / 3;
            spacing = margin;
        } else {
            margin = (clientAlong - (glyphAlong + spacing + textAlong) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientAlong - margin - glyphAlong - textAlong) / 2;
    }
    int glyphAt, textAt;
    if (layout == blGlyphLeft || layout == blGlyphTop) {
        glyphAt = margin;
        textAt = glyphAt + glyphAlong + spacing;
    } else {
        glyphAt = clientAlong - margin - glyphAlong;
        textAt = glyphAt - spacing - textAlong;
    }
    POINT glyph, text;
    if (across) {
        glyph = {glyphAt, (client.cy - in.glyph.cy + 1) / 2};
        text = {textAt, (client.cy - in.text.cy + 1) / 2};
    } else {
        glyph = {(client.cx - in.glyph.cx + 1) / 2, glyphAt};
        text = {(client.cx - in.text.cx + 1) / 2, textAt};
    }
    LONG x = in.area.left, y = in.area.top;
    return {{glyph.x + x, glyph.y + y}, {text.x + x, text.y + y, text.x + x + in.text.cx, text.y + y + in.text.cy}};
}

TkrvButtonGlyph ReadButtonGlyph(TControl& button)
{
    TkrvButtonGlyph result;
    if (const TPropInfo* info = button.ClassInfo().FindProperty(L"Glyph")) {
        TValue value = info->Get(&button);
        if (auto* const* object = std::get_if<TObject*>(&value))
            result.glyph = dynamic_cast<TBitmap*>(*object);
    }
    result.numGlyphs = std::max(PublishedInt(button, L"NumGlyphs", 1), 1);
    result.layout = static_cast<TButtonLayout>(PublishedInt(button, L"Layout", blGlyphLeft));
    result.margin = PublishedInt(button, L"Margin", -1);
    result.spacing = PublishedInt(button, L"Spacing", 4);
    return result;
}

SIZE GlyphCellSize(const TBitmap& strip, int numGlyphs)
{
    return {strip.Width() / std::max(numGlyphs, 1), strip.Height()};
}

void DrawButtonGlyph(TCanvas& canvas, const TBitmap& strip, int numGlyphs, POINT at, bool enabled, bool pressed)
{
    SIZE cell = GlyphCellSize(strip, numGlyphs);
    if (cell.cx <= 0 || cell.cy <= 0)
        return;
    if (pressed) {
        at.x += 1;
        at.y += 1;
    }
    TBitmap image;
    if (numGlyphs != 1 || enabled) {
        CopyCell(&strip, image, numGlyphs, std::min(enabled ? 1 : 2, numGlyphs));
        image.SetTransparentColor(strip.TransparentColor());
        image.SetTransparent(true);
        canvas.Draw(at.x, at.y, image);
        return;
    }
    // A single image has no disabled look of its own: the image list greys it.
    CopyCell(&strip, image, 1, 1);
    TImageList list(nullptr);
    list.SetWidth(cell.cx);
    list.SetHeight(cell.cy);
    list.AddMasked(image, image.Pixel(0, 0));
    list.Draw(canvas, at.x, at.y, 0, false);
}

SIZE MeasureCaption(TCanvas& canvas, const std::wstring& caption, int width)
{
    if (caption.empty())
        return {0, 0};
    RECT box{0, 0, width, 0};
    canvas.DrawText(caption, box, DT_CALCRECT);
    return {box.right - box.left, box.bottom - box.top};
}

}  // namespace ov
