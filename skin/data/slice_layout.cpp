// Piece placement for three-slice, end-cap and nine-slice drawing. Divisions by 2 and 3 truncate.
#include "skin/data/slice_layout.h"

#include <algorithm>

namespace ov {
namespace {

PixelRect Offset(PixelRect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void AddIfDrawable(std::vector<SliceBlit>& blits, PixelRect source, PixelRect target, SliceMode mode)
{
    if (!source.IsEmpty() && !target.IsEmpty())
        blits.push_back({source, target, mode});
}

// The caps layout along one axis, written for columns; the vertical form swaps the axes.
struct Span {
    int begin, end;
};
struct CapPieces {
    Span firstSource, firstTarget, lastSource, lastTarget, middleSource, middleTarget;
};

CapPieces CapsAlong(int bitmapLength, Span target, int cap)
{
    const int length = target.end - target.begin;
    const int first = std::min(length, cap);
    CapPieces p;
    p.firstSource = {0, std::min(first, bitmapLength)};
    p.firstTarget = {target.begin, target.begin + first};
    // The last cap stays inside the target even when the target is narrower than the cap.
    const int last = std::min(length, cap);
    p.lastSource = {std::max(bitmapLength - last, 0), bitmapLength};
    p.lastTarget = {target.end - last, target.end};
    p.middleSource = {cap, bitmapLength - cap};
    p.middleTarget = {target.begin + cap, target.end - cap};
    return p;
}

}  // namespace

std::vector<SliceBlit> ThreeSliceLayout(int bitmapWidth, int bitmapHeight, PixelRect target)
{
    std::vector<SliceBlit> blits;
    const int cell = bitmapWidth / 3;
    const int top = target.top, bottom = target.top + bitmapHeight;
    if (target.Width() < cell) {
        AddIfDrawable(blits, {0, 0, target.Width(), bitmapHeight}, {target.left, top, target.right, bottom},
                      SliceMode::KeyWhenAsked);
        return blits;
    }
    AddIfDrawable(blits, {0, 0, cell, bitmapHeight}, {target.left, top, target.left + cell, bottom},
                  SliceMode::KeyWhenAsked);
    AddIfDrawable(blits, {2 * cell, 0, 3 * cell, bitmapHeight}, {target.right - cell, top, target.right, bottom},
                  SliceMode::KeyWhenAsked);
    AddIfDrawable(blits, {cell, 0, 2 * cell, bitmapHeight}, {target.left + cell, top, target.right - cell, bottom},
                  SliceMode::KeyWhenAsked);
    return blits;
}

std::vector<SliceBlit> CapsLayoutH(int bitmapWidth, int bitmapHeight, PixelRect target, int capWidth)
{
    std::vector<SliceBlit> blits;
    if (target.left < 0)
        return blits;
    const CapPieces p = CapsAlong(bitmapWidth, {target.left, target.right}, capWidth);
    const auto columns = [&](Span s, int top, int bottom) { return PixelRect{s.begin, top, s.end, bottom}; };
    AddIfDrawable(blits, columns(p.firstSource, 0, bitmapHeight), columns(p.firstTarget, target.top, target.bottom),
                  SliceMode::Plain);
    AddIfDrawable(blits, columns(p.lastSource, 0, bitmapHeight), columns(p.lastTarget, target.top, target.bottom),
                  SliceMode::Plain);
    AddIfDrawable(blits, columns(p.middleSource, 0, bitmapHeight), columns(p.middleTarget, target.top, target.bottom),
                  SliceMode::Halftone);
    return blits;
}

std::vector<SliceBlit> CapsLayoutV(int bitmapWidth, int bitmapHeight, PixelRect target, int capHeight)
{
    std::vector<SliceBlit> blits;
    if (target.left < 0)
        return blits;
    if (capHeight == 0)
        capHeight = bitmapHeight / 3;
    const CapPieces p = CapsAlong(bitmapHeight, {target.top, target.bottom}, capHeight);
    const auto rows = [&](Span s, int left, int right) { return PixelRect{left, s.begin, right, s.end}; };
    AddIfDrawable(blits, rows(p.firstSource, 0, bitmapWidth), rows(p.firstTarget, target.left, target.right),
                  SliceMode::Plain);
    AddIfDrawable(blits, rows(p.lastSource, 0, bitmapWidth), rows(p.lastTarget, target.left, target.right),
                  SliceMode::Plain);
    AddIfDrawable(blits, rows(p.middleSource, 0, bitmapWidth), rows(p.middleTarget, target.left, target.right),
                  SliceMode::Halftone);
    return blits;
}

namespace {

// One corner of the nine slices: the source block and target area as the face's proportions give
// them, reduced to the common size on the side away from the corner.
struct Corner {
    PixelRect source;   // the part actually drawn
    PixelRect covered;  // where it lands (may be empty, but is always placed at its corner)
};

Corner PlaceCorner(PixelRect source, PixelRect target, bool right, bool bottom)
{
    const int w = std::max(0, std::min(source.Width(), target.Width()));
    const int h = std::max(0, std::min(source.Height(), target.Height()));
    Corner c;
    c.source.left = right ? source.right - w : source.left;
    c.source.top = bottom ? source.bottom - h : source.top;
    c.source.right = c.source.left + w;
    c.source.bottom = c.source.top + h;
    c.covered.left = right ? target.right - w : target.left;
    c.covered.top = bottom ? target.bottom - h : target.top;
    c.covered.right = c.covered.left + w;
    c.covered.bottom = c.covered.top + h;
    return c;
}

}  // namespace

std::vector<SliceBlit> NineSliceLayout(int bitmapWidth, int bitmapHeight, PixelRect target)
{
    std::vector<SliceBlit> blits;
    if (target.top >= target.bottom)
        return blits;
    const int W = target.Width(), H = target.Height();
    const int hw = bitmapWidth / 2, hh = bitmapHeight / 2, HW = W / 2, HH = H / 2;
    // Only a face narrower or lower than 2 pixels makes a strip reach past the bitmap; clip it.
    const auto add = [&](PixelRect source, PixelRect rect, SliceMode mode) {
        source = {std::max(source.left, 0), std::max(source.top, 0), std::min(source.right, bitmapWidth),
                  std::min(source.bottom, bitmapHeight)};
        AddIfDrawable(blits, source, Offset(rect, target.left, target.top), mode);
    };

    const Corner tl = PlaceCorner({0, 0, hw, hh}, {0, 0, HW, HH}, false, false);
    add(tl.source, tl.covered, SliceMode::KeyWhenAsked);
    const PixelRect blTarget{0, H - HH + 1, HW, H};
    if (blTarget.IsEmpty())
        return blits;
    const Corner bl = PlaceCorner({0, bitmapHeight - hh + 1, hw, bitmapHeight}, blTarget, false, true);
    add(bl.source, bl.covered, SliceMode::KeyWhenAsked);
    const Corner tr = PlaceCorner({bitmapWidth - hw + 1, 0, bitmapWidth, hh}, {W - HW + 1, 0, W, HH}, true, false);
    add(tr.source, tr.covered, SliceMode::KeyWhenAsked);
    const Corner br = PlaceCorner({bitmapWidth - hw + 1, bitmapHeight - hh + 1, bitmapWidth, bitmapHeight},
                                  {W - HW + 1, H - HH + 1, W, H}, true, true);
    add(br.source, br.covered, SliceMode::KeyWhenAsked);

    // The side edges and the centre come from the one row between the top and bottom corner blocks
    // (row h div 2, h the bitmap's height). For an odd height that is what "rows h div 2 to h - h div 2"
    // gives; for an even height that range is empty, and the middle row is the one left between the
    // corners.
    const int middleRow = hh;
    PixelRect left{0, middleRow, hw, middleRow + 1};
    const PixelRect leftTarget{0, tl.covered.bottom, tl.covered.right, bl.covered.top};
    left.right = std::min(left.right, left.left + leftTarget.Width());
    add(left, leftTarget, SliceMode::KeyAlways);

    PixelRect right{bitmapWidth - hw + 1, middleRow, bitmapWidth, middleRow + 1};
    const PixelRect rightTarget{tr.covered.left, tr.covered.bottom, tr.covered.right, br.covered.top};
    right.left = std::max(right.left, right.right - rightTarget.Width());
    add(right, rightTarget, SliceMode::KeyAlways);

    PixelRect top{hw, 0, bitmapWidth - hw + 1, hh};
    const PixelRect topTarget{tl.covered.right, tl.covered.top, tr.covered.left, tl.covered.bottom};
    top.bottom = std::min(top.bottom, top.top + topTarget.Height());
    add(top, topTarget, SliceMode::KeyAlways);

    const PixelRect centre{hw, middleRow, bitmapWidth - hw + 1, middleRow + 1};
    add(centre, {tl.covered.right, tl.covered.bottom, tr.covered.left, br.covered.top - 1}, SliceMode::KeyAlways);

    PixelRect bottom{hw, bitmapHeight - hh, bitmapWidth - hw + 1, bitmapHeight};
    const PixelRect bottomTarget{tl.covered.right - 1, bl.covered.top - 1, br.covered.left, br.covered.bottom};
    bottom.top = std::max(bottom.top, bottom.bottom - bottomTarget.Height());
    add(bottom, bottomTarget, SliceMode::KeyAlways);
    return blits;
}

}  // namespace ov
