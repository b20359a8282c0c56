// TkrvSkinTabRes: the line under the tabs and the two tab faces (selected, other) in the four
// orientations of a tab row: as stored, turned counter-clockwise, half a turn, turned clockwise.
#pragma once

#include <array>
#include <memory>

#include "skin/data/skin_res_win.h"

namespace ov {

class TkrvSkinTabRes : public TkrvSkinRes {
public:
    void Reload() override;

    // Orientation 0-3; null outside, or while there is no reader.
    [[nodiscard]] TBitmap* Line(int orientation) const { return Pick(FLines, orientation); }
    [[nodiscard]] TBitmap* TabB(int orientation) const { return Pick(FTabsB, orientation); }  // cell 2: the other tabs
    [[nodiscard]] TBitmap* TabA(int orientation) const
    {
        return Pick(FTabsA, orientation);
    }  // cell 1: the selected tab

private:
    using Turns = std::array<std::unique_ptr<TBitmap>, 4>;
    static TBitmap* Pick(const Turns& images, int orientation)
    {
        return orientation >= 0 && orientation <= 3 ? images[orientation].get() : nullptr;
    }
    // Fills images 1-3 with image 0 turned left, half a turn and right.
    static void Turn(Turns& images);

    Turns FLines;
    Turns FTabsB;
    Turns FTabsA;
};

}  // namespace ov
