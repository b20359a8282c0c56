// Bar pictures: progress bar pieces, the track bar groove and thumbs, scroll bar arrows and thumb,
// tabs and the line under them, and the side channel pieces.
#include <cmath>
#include <vector>

#include "tools/skinpaint/art.h"
#include "tools/skinpaint/theme.h"

namespace ov::skinpaint {
namespace {

using namespace theme;

const Rgb kThumbFrame = Mix(kSoftBorder, kBorder, 0.4);

// A column of 14 rows: the progress bar pieces are stretched across, so only rows vary.
template <typename RowColour>
Image Column(int width, int height, RowColour rowColour)
{
    Image image(width, height, {});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.Set(x, y, rowColour(y));
    }
    return image;
}

// The progress pieces are drawn with two fixed rows at each end and the rest stretched.
Image ProgressCap()
{
    return Column(1, 14, [](int y) { return y == 0 || y == 13 ? Mix(kSoftBorder, kForm, 0.5) : kSoftBorder; });
}

Image ProgressFilled()
{
    return Column(7, 14, [](int y) {
        if (y == 0 || y == 13)
            return kSoftBorder;
        if (y == 1)
            return kRoseHighlight;
        if (y <= 6)
            return Mix(kRoseTop, kRoseMiddle, (y - 2) / 4.0);
        return Mix(kRoseLower, kRoseBottom, (y - 7) / 5.0);
    });
}

Image ProgressEmpty()
{
    return Column(7, 14, [](int y) {
        if (y == 0 || y == 13)
            return kSoftBorder;
        if (y == 1)
            return Rgb{236, 222, 227};  // inner shadow under the top edge
        return Mix({249, 243, 245}, kWhite, (y - 2) / 10.0);
    });
}

// The groove: a long capsule whose ends fall in the outer thirds; the key colour around it turns
// into the form colour when the skin loads.
Image TrackGroove()
{
    Image groove(135, 6, kForm);
    const Shape outer = RoundRect(0.5, 0, 134.5, 6, 3);
    Fill(groove, outer, kSoftBorder);
    Fill(groove, RoundRect(1.5, 1, 133.5, 5, 2), [](int, int y, Rgb) {
        return y == 1 ? Rgb{232, 208, 216} : Rgb{249, 240, 243};
    });
    KeyOutside(groove, outer, kKey);
    return groove;
}

// The horizontal track bar thumb: rounded on top, pointed below. Its bottom-left pixel, which the
// track bar painter takes as the transparent colour, is key.
Image Slider()
{
    Image slider(9, 18, kForm);
    const Shape outer = Union({RoundRect(0, 0, 9, 13, 3), Polygon({0, 11, 9, 11, 4.5, 18})});
    const Shape inner = Union({RoundRect(1, 1, 8, 12.5, 2), Polygon({1, 11.5, 8, 11.5, 4.5, 16.4})});
    Fill(slider, outer, kRoseDeep);
    Fill(slider, inner, VerticalGradient(kRoseTop, kRoseBottom, 1, 15));
    Fill(slider, Rect(2, 1, 7, 2), Over(kWhite, 0.5));
    KeyOutside(slider, outer, kKey);
    return slider;
}

// Turned a quarter counter-clockwise: the point goes to the right, the round top to the left.
Image TurnLeft(const Image& image)
{
    Image turned(image.Height(), image.Width(), {});
    for (int y = 0; y < turned.Height(); ++y) {
        for (int x = 0; x < turned.Width(); ++x)
            turned.Set(x, y, image.At(image.Width() - 1 - y, x));
    }
    return turned;
}

enum class Look { Normal, Hot, Pressed };

// One 18x17 arrow button cell; up = true points up. Only the normal cell is shown by the scroll bar
// painter: an arrow on the track. The hot and pressed cells carry a blush face.
Image ArrowCell(bool up, Look look)
{
    Image cell(18, 17, kTrack);
    const Shape face = RoundRect(2, 1, 16, 16, 3);
    if (look != Look::Normal) {
        Fill(cell, face, look == Look::Hot ? Mix(kSoftBorder, kWhite, 0.35) : kSoftBorder);
        Fill(cell, RoundRect(3, 2, 15, 15, 2), look == Look::Hot ? kBlush : kBlushDeep);
    }
    const double d = look == Look::Pressed ? 1 : 0;
    const Shape arrow = up ? Polygon({4.5 + d, 10.5 + d, 13.5 + d, 10.5 + d, 9 + d, 6 + d})
                           : Polygon({4.5 + d, 6.5 + d, 13.5 + d, 6.5 + d, 9 + d, 11 + d});
    Fill(cell, arrow, look == Look::Normal ? kBorder : kRoseDeep);
    KeyOutside(cell, look == Look::Normal ? arrow : face, kKey);
    return cell;
}

Image ArrowButton(bool up)
{
    Image strip(54, 17, kKey);
    strip.Paste(ArrowCell(up, Look::Normal), 0, 0);
    strip.Paste(ArrowCell(up, Look::Hot), 18, 0);
    strip.Paste(ArrowCell(up, Look::Pressed), 36, 0);
    return strip;
}

// The thumb, 18x48. Readers keep rows 0-2 and 45-47 as end caps, stretch rows 4-17 and 31-44, and
// centre the grip of rows 18-31; so the rounding stays within the caps and the stretched rows are
// alike. The body is shaded across like a cylinder, which also makes the grip rows vary from left
// to right: the horizontal thumb is then made by turning the vertical one clockwise.
Image Thumb()
{
    Image thumb(18, 48, kTrack);
    const Shape outer = RoundRect(2, 0, 16, 48, 3);
    Fill(thumb, outer, kThumbFrame);
    Fill(thumb, RoundRect(3, 1, 15, 47, 2), [](int x, int, Rgb) {
        return Mix({241, 192, 209}, {253, 230, 238}, 1.0 - std::abs(x - 8.5) / 5.5);
    });
    for (int row : {21, 24, 27}) {
        Fill(thumb, Rect(6, row, 12, row + 1), Mix(kSoftBorder, kBorder, 0.3));
        Fill(thumb, Rect(6, row + 1, 12, row + 2), Over(kWhite, 0.85));
    }
    KeyOutside(thumb, outer, kKey);
    return thumb;
}

// Two 9x18 tab faces: the selected tab in rose (white caption), the others in blush and two rows
// lower (rose caption). Both are open at the bottom, where the line under the tabs runs.
Image TabFace(bool selected)
{
    Image face(9, 18, kForm);
    const double top = selected ? 0 : 2;
    const Shape outer = RoundRect(0, top, 9, 22, 3);
    const Shape inner = RoundRect(1, top + 1, 8, 22, 2);
    Fill(face, outer, selected ? kRoseDeep : kSoftBorder);
    Fill(face, inner,
         selected ? VerticalGradient(kRoseMiddle, kRoseLower, 1, 17)
                  : VerticalGradient({255, 247, 250}, {250, 222, 231}, 3, 17));
    Fill(face, Rect(2, top + 1, 7, top + 2), Over(kWhite, selected ? 0.35 : 0.8));
    return face;
}

Image Tabs()
{
    Image tabs(18, 18, kForm);
    tabs.Paste(TabFace(true), 0, 0);
    tabs.Paste(TabFace(false), 9, 0);
    return tabs;
}

// The line under the tabs continues the selected tab's rose and fades into the page.
Image TabLine()
{
    return Column(10, 5, [](int y) {
        const Rgb rows[] = {kRoseLower, kRoseLower, kRoseBottom, Mix(kRoseBottom, kForm, 0.55),
                            Mix(kRoseBottom, kForm, 0.85)};
        return rows[y];
    });
}

Image SideChannelBar()
{
    Image bar(8, 86, kForm);
    Fill(bar, RoundRect(0, 0, 8, 86, 2.5), kSoftBorder);
    Fill(bar, RoundRect(1, 1, 7, 85, 1.5),
         [](int x, int, Rgb) { return Mix(kBlush, kWhite, 1.0 - std::abs(x - 3.5) / 2.5); });
    for (int row : {38, 42, 46})
        Fill(bar, Circle(4, row + 0.5, 1.1), kRoseBottom);
    return bar;
}

Image SideChannelTitle()
{
    return Column(1, 28, [](int y) { return TitleRow(y == 27 ? kTitleHeight - 1 : std::min(y, kTitleHeight - 2)); });
}

// Four 16x16 buttons: left, right, up, down.
Image ScrollButtons()
{
    Image strip(64, 16, kForm);
    const std::vector<std::vector<double>> arrows = {
        {9.5, 4, 9.5, 12, 5.5, 8}, {6.5, 4, 6.5, 12, 10.5, 8}, {4, 9.5, 12, 9.5, 8, 5.5}, {4, 6.5, 12, 6.5, 8, 10.5}};
    for (int i = 0; i < 4; ++i) {
        Image cell(16, 16, kForm);
        Fill(cell, RoundRect(0, 0, 16, 16, 3), kSoftBorder);
        Fill(cell, RoundRect(1, 1, 15, 15, 2), VerticalGradient(kWhite, kBlush, 1, 14));
        Fill(cell, Polygon(arrows[i]), kBorder);
        strip.Paste(cell, 16 * i, 0);
    }
    return strip;
}

}  // namespace

std::vector<Artwork> DrawBarArt()
{
    std::vector<Artwork> art;
    art.push_back({SKIN2_PROGRESSBAR1, ProgressCap()});
    art.push_back({SKIN2_PROGRESSBAR2, ProgressFilled()});
    art.push_back({SKIN2_PROGRESSBAR3, ProgressEmpty()});
    art.push_back({SKIN2_PROGRESSBAR4, ProgressCap()});
    art.push_back({SKIN2_TRACKBAR, TrackGroove()});
    art.push_back({SKIN2_TRACKBARSLIDER, Slider()});
    art.push_back({SKIN2_TRACKBARVSLIDER, TurnLeft(Slider())});
    art.push_back({SKIN2_SCROLLBARUPBUTTON, ArrowButton(true)});
    art.push_back({SKIN2_SCROLLBAR, Thumb()});
    art.push_back({SKIN2_SCROLLBARDOWNBUTTON, ArrowButton(false)});
    art.push_back({SKIN2_TABCONTROL, Tabs()});
    art.push_back({SKIN2_TABCONTROLLINE, TabLine()});
    art.push_back({SKIN2_SIDECHANNELBAR, SideChannelBar()});
    art.push_back({SKIN2_SIDECHANNELTITLE, SideChannelTitle()});
    art.push_back({SKIN2_SCROLLBUTTON, ScrollButtons()});
    return art;
}

}  // namespace ov::skinpaint
