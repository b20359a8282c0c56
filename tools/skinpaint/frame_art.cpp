// Window frame pictures: a glossy rose title bar outlined in the frame colour, its left, middle
// and right pieces, the minimised title, the title buttons and the one-pixel frame edges.
#include <array>
#include <cmath>
#include <numbers>

#include "tools/skinpaint/art.h"
#include "tools/skinpaint/theme.h"

namespace ov::skinpaint {
namespace {

using namespace theme;

constexpr int kCellWidth = 19;  // SKIN2_TITLEBUTTONS is cut into 18 frames of 343 div 18
constexpr int kCellHeight = 20;
constexpr int kButtonTop = 4;  // where the title buttons sit on the title bar (SKIN2_TITLEBARBUTTONPOSY)

// A title piece of the given width: rows from TitleRow, the frame colour on the outer edges.
Image TitlePiece(int width, bool leftEdge, bool rightEdge)
{
    Image image(width, kTitleHeight, {});
    for (int y = 0; y < kTitleHeight; ++y) {
        for (int x = 0; x < width; ++x)
            image.Set(x, y, TitleRow(y));
        if (y == 0 || y == kTitleHeight - 1)
            continue;
        // A lighter inner column gives the outline a soft bevel.
        if (leftEdge)
            image.Set(1, y, Mix(TitleRow(y), kWhite, 0.22));
        if (rightEdge)
            image.Set(width - 2, y, Mix(TitleRow(y), kWhite, 0.12));
    }
    for (int y = 0; y < kTitleHeight; ++y) {
        if (leftEdge)
            image.Set(0, y, kBorder);
        if (rightEdge)
            image.Set(width - 1, y, kBorder);
    }
    return image;
}

// The glyphs of the title buttons, drawn in a 19x20 cell.
enum class Glyph { None, Help, Maximize, Restore, Minimize, Close };

Shape GlyphShape(Glyph glyph, double dx, double dy)
{
    auto R = [&](double l, double t, double r, double b) { return Rect(l + dx, t + dy, r + dx, b + dy); };
    switch (glyph) {
    case Glyph::None:
        return [](double, double) { return false; };
    case Glyph::Help: {
        std::vector<Shape> strokes;
        // The hook of the question mark: an arc from the left round over the top to the
        // lower right, then down to the stem.
        constexpr double cx = 9.5, cy = 7.6, r = 2.5;
        double px = cx - r, py = cy;
        for (int step = 1; step <= 8; ++step) {
            const double a = std::numbers::pi + step * (std::numbers::pi * 1.25 / 8);
            const double nx = cx + r * std::cos(a), ny = cy + r * std::sin(a);
            strokes.push_back(Segment(px + dx, py + dy, nx + dx, ny + dy, 0.8));
            px = nx, py = ny;
        }
        strokes.push_back(Segment(px + dx, py + dy, 9.5 + dx, 11.2 + dy, 0.8));
        strokes.push_back(Segment(9.5 + dx, 11.2 + dy, 9.5 + dx, 12.2 + dy, 0.8));
        strokes.push_back(Circle(9.5 + dx, 14.6 + dy, 1.0));
        return Union(std::move(strokes));
    }
    case Glyph::Maximize:
        return Minus(R(5, 6, 14, 15), R(6, 8, 13, 14));
    case Glyph::Restore: {
        Shape back = Minus(Minus(R(7, 4, 15, 12), R(8, 6, 14, 11)), R(4, 7, 12, 15));
        Shape front = Minus(R(4, 7, 12, 15), R(5, 9, 11, 14));
        return Union({back, front});
    }
    case Glyph::Minimize:
        return R(5, 12, 14, 14);
    case Glyph::Close:
        return Union(
            {Segment(6 + dx, 6.5 + dy, 13 + dx, 13.5 + dy, 0.85), Segment(13 + dx, 6.5 + dy, 6 + dx, 13.5 + dy, 0.85)});
    }
    return [](double, double) { return false; };
}

enum class State { Normal, Hot, Pressed };

// One title button frame on the title bar's own colours, so that it needs no transparency.
Image TitleButton(Glyph glyph, State state)
{
    Image cell(kCellWidth, kCellHeight, {});
    for (int y = 0; y < kCellHeight; ++y) {
        for (int x = 0; x < kCellWidth; ++x)
            cell.Set(x, y, TitleRow(kButtonTop + y));
    }
    const Shape outer = RoundRect(1, 1, 18, 19, 3);
    const Shape inner = RoundRect(2, 2, 17, 18, 2);
    const bool close = glyph == Glyph::Close;
    if (state == State::Normal) {
        Fill(cell, inner, Over(kWhite, 0.10));
        Fill(cell, Minus(outer, inner), Over(kWhite, 0.38));
    } else if (state == State::Hot) {
        Fill(cell, inner, close ? VerticalGradient({234, 72, 104}, {208, 48, 82}, 2, 17) : Over(kWhite, 0.30));
        Fill(cell, Minus(outer, inner), Over(kWhite, 0.80));
    } else {
        Fill(cell, inner,
             close ? Paint(VerticalGradient({176, 34, 66}, {196, 50, 80}, 2, 17)) : Over({112, 22, 54}, 0.24));
        Fill(cell, Minus(outer, inner), Over(kWhite, 0.45));
    }
    const double offset = state == State::Pressed ? 1 : 0;
    Fill(cell, GlyphShape(glyph, offset, offset), Over(kWhite, 0.96));
    return cell;
}

// The 18 frames, in the order the frame painter picks them: a plain face, help, maximise,
// restore, minimise and close, each normal, under the mouse and pressed.
Image TitleButtons()
{
    constexpr std::array kGlyphs = {Glyph::None,    Glyph::Help,     Glyph::Maximize,
                                    Glyph::Restore, Glyph::Minimize, Glyph::Close};
    constexpr std::array kStates = {State::Normal, State::Hot, State::Pressed};
    Image strip(343, kCellHeight, TitleRow(kButtonTop + kCellHeight / 2));
    int x = 0;
    for (Glyph glyph : kGlyphs) {
        for (State state : kStates) {
            strip.Paste(TitleButton(glyph, state), x, 0);
            x += kCellWidth;
        }
    }
    // Column 342 is never cut: it only repeats the title colours.
    for (int y = 0; y < kCellHeight; ++y)
        strip.Set(342, y, TitleRow(kButtonTop + y));
    return strip;
}

Image Solid(int width, int height, Rgb colour) { return Image(width, height, colour); }

}  // namespace

Rgb TitleRow(int y)
{
    if (y <= 0 || y >= kTitleHeight - 1)
        return kBorder;
    if (y == 1)
        return kRoseHighlight;
    // Two bands, a lighter upper half and a deeper lower half, give the bar its gloss.
    if (y <= 12)
        return Mix(kRoseTop, kRoseMiddle, (y - 2) / 10.0);
    if (y <= 24)
        return Mix(kRoseLower, kRoseBottom, (y - 13) / 11.0);
    return kRoseDeep;
}

std::vector<Artwork> DrawFrameArt()
{
    std::vector<Artwork> art;
    art.push_back({SKIN2_TITLEBAR1, TitlePiece(56, true, false)});
    art.push_back({SKIN2_TITLEBAR2, TitlePiece(55, false, false)});
    art.push_back({SKIN2_TITLEBAR3, TitlePiece(56, false, true)});
    art.push_back({SKIN2_FORMLEFTBORDER, Solid(1, 20, kBorder)});
    art.push_back({SKIN2_FORMRIGHTBORDER, Solid(1, 20, kBorder)});
    art.push_back({SKIN2_FORMBOTTOMBORDER1, Solid(100, 1, kBorder)});
    art.push_back({SKIN2_MINIMIZEDTITLE, TitlePiece(160, true, true)});
    art.push_back({SKIN2_TITLEBUTTONS, TitleButtons()});
    return art;
}

}  // namespace ov::skinpaint
