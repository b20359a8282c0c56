// Button pictures: the push button face in three states, check boxes, radio buttons and the menu
// check mark. Faces are soft blush gradients framed in rose; marks are in the deep rose.
#include <vector>

#include "tools/skinpaint/art.h"
#include "tools/skinpaint/theme.h"

namespace ov::skinpaint {
namespace {

using namespace theme;

enum class Look { Normal, Hot, Pressed };

// One 63x19 face. The button painter keeps the corners (31 and 30 columns, 9 and 8 rows) and
// stretches row 9 and columns 31-32 between them, so the face varies only from top to bottom and
// the middle rows stay flat.
Image ButtonFace(Look look)
{
    constexpr int w = 63, h = 19;
    Image face(w, h, kForm);
    const Shape outer = RoundRect(0, 0, w, h, 3.5);
    const Shape inner = RoundRect(1, 1, w - 1, h - 1, 2.5);
    struct Colours {
        Rgb top, middle, bottom, frame;
    };
    const Colours c = look == Look::Normal ? Colours{kWhite, {252, 238, 242}, {245, 222, 230}, kSoftBorder}
                      : look == Look::Hot  ? Colours{{255, 247, 250}, {253, 228, 237}, {249, 212, 225}, kAccent}
                                           : Colours{{238, 196, 211}, {246, 216, 227}, {251, 232, 238}, kBorder};
    Fill(face, outer, c.frame);
    Fill(face, inner, [&](int, int y, Rgb) {
        if (y <= 9)
            return Mix(c.top, c.middle, (y - 1) / 8.0);
        return Mix(c.middle, c.bottom, (y - 9) / 8.0);
    });
    if (look != Look::Pressed)
        Fill(face, Rect(3, 1, w - 3, 2), Over(kWhite, 0.9));  // top highlight
    return face;
}

Image ButtonStrip()
{
    Image strip(189, 19, kForm);
    strip.Paste(ButtonFace(Look::Normal), 0, 0);
    strip.Paste(ButtonFace(Look::Hot), 63, 0);
    strip.Paste(ButtonFace(Look::Pressed), 126, 0);
    return strip;
}

enum class Mark { Checked, Grayed, Unchecked };

Shape CheckMark(double scale, double dx, double dy, double halfWidth)
{
    auto P = [&](double v, double d) { return v * scale + d; };
    return Union({Segment(P(2.7, dx), P(6.1, dy), P(4.9, dx), P(8.4, dy), halfWidth),
                  Segment(P(4.9, dx), P(8.4, dy), P(9.3, dx), P(3.4, dy), halfWidth)});
}

// A square box of the given size on the form colour: the checked box is filled rose with a white
// mark, the grayed one holds a rose square, the unchecked one is white.
Image Box(int size, Mark mark, bool enabled)
{
    Image box(size, size, kForm);
    const double s = size;
    const Shape outer = RoundRect(0, 0, s, s, 2.2);
    const Shape inner = RoundRect(1, 1, s - 1, s - 1, 1.4);
    const bool filled = mark == Mark::Checked;
    if (enabled) {
        Fill(box, outer, filled ? kRoseDeep : kBorder);
        Fill(box, inner,
             filled ? VerticalGradient(kRoseTop, kRoseBottom, 1, size - 2)
                    : VerticalGradient(kWhite, {250, 236, 241}, 1, size - 2));
    } else {
        Fill(box, outer, kMutedBorder);
        Fill(box, inner, filled ? kMutedMark : kMutedFace);
    }
    const double scale = s / 12.0;
    if (mark == Mark::Checked)
        Fill(box, CheckMark(scale, 0, 0, 0.95 * scale), enabled ? kWhite : kMutedFace);
    if (mark == Mark::Grayed) {
        const double a = s * 0.3, b = s * 0.7;
        Fill(box, RoundRect(a, a, b, b, 0.8),
             enabled ? Paint(VerticalGradient(kRoseTop, kRoseBottom, 3, 8))
                     : Paint([](int, int, Rgb) { return kMutedMark; }));
    }
    return box;
}

Image BoxStrip(int size, const std::vector<std::pair<Mark, bool>>& cells)
{
    Image strip(size * static_cast<int>(cells.size()), size, kForm);
    int x = 0;
    for (auto [mark, enabled] : cells) {
        strip.Paste(Box(size, mark, enabled), x, 0);
        x += size;
    }
    return strip;
}

// A 12x12 radio button. Radio images are always drawn with the key colour transparent, so the
// corners are key; edge pixels are blended with the form colour they will stand on.
Image Radio(bool checked, bool enabled)
{
    Image radio(12, 12, kForm);
    const Shape outer = Circle(6, 6, 5.8);
    const Shape inner = Circle(6, 6, 4.8);
    Fill(radio, outer, enabled ? (checked ? kRoseDeep : kBorder) : kMutedBorder);
    Fill(radio, inner, enabled ? VerticalGradient(kWhite, {250, 234, 240}, 1, 10) : Paint(Over(kMutedFace, 1)));
    if (checked) {
        Fill(radio, Circle(6, 6, 2.6),
             enabled ? VerticalGradient(kRoseTop, kRoseBottom, 3, 8) : Paint(Over(kMutedMark, 1)));
    }
    KeyOutside(radio, outer, kKey);
    return radio;
}

Image RadioStrip()
{
    Image strip(48, 12, kKey);
    strip.Paste(Radio(true, true), 0, 0);
    strip.Paste(Radio(false, true), 12, 0);
    strip.Paste(Radio(true, false), 24, 0);
    strip.Paste(Radio(false, false), 36, 0);
    return strip;
}

// The menu check mark, key colour around it, blended with the white of menu items.
Image MenuCheck()
{
    Image icon(16, 16, kWhite);
    const Shape mark = Union({Segment(3.8, 8.4, 6.6, 11.2, 1.05), Segment(6.6, 11.2, 12.2, 4.6, 1.05)});
    Fill(icon, mark, kBorder);
    KeyOutside(icon, mark, kKey);
    return icon;
}

}  // namespace

std::vector<Artwork> DrawButtonArt()
{
    std::vector<Artwork> art;
    art.push_back({SKIN2_CHECKEDMENUICON, MenuCheck()});
    art.push_back({SKIN2_BUTTON, ButtonStrip()});
    art.push_back({SKIN2_CHECKBOX, BoxStrip(12, {{Mark::Checked, true},
                                                 {Mark::Grayed, true},
                                                 {Mark::Unchecked, true},
                                                 {Mark::Checked, false},
                                                 {Mark::Grayed, false},
                                                 {Mark::Unchecked, false}})});
    art.push_back(
        {SKIN2_CHECKBOXLIST,
         BoxStrip(11,
                  {{Mark::Checked, true}, {Mark::Unchecked, true}, {Mark::Checked, false}, {Mark::Unchecked, false}})});
    art.push_back({SKIN2_RADIOBUTTON, RadioStrip()});
    return art;
}

}  // namespace ov::skinpaint
