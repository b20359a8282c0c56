// Cutting a scroll bar thumb into its five pieces.
#include "skin/data/thumb_layout.h"

namespace ov {

std::array<ThumbPieceRows, 5> CutThumbRows(int height)
{
    const int f = (height - 6) / 3;
    std::array<ThumbPieceRows, 5> pieces;
    pieces[0] = {0, 3};
    pieces[4] = {height - 3, 3};
    if (f > 0) {
        pieces[1] = {4, f};
        pieces[2] = {f + 4, height - 6 - 2 * f};
        pieces[3] = {height - 3 - f, f};
    } else {
        for (int i = 1; i <= 3; ++i)
            pieces[i] = {0, 1, true};
    }
    return pieces;
}

bool IsThumbCentreUniform(const PixelView& centre)
{
    // Row 1 does not exist in a centre of one row (a 9-row thumb): nothing to compare, so uniform.
    if (centre.IsEmpty() || centre.width < 8 || centre.height < 2)
        return true;
    const uint32_t first = centre.At(4, 1);
    for (int x = 4; x <= centre.width - 4; ++x)
        if (centre.At(x, 1) != first)
            return false;
    return true;
}

}  // namespace ov
