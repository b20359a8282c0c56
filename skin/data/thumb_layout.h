// How a scroll bar thumb image is cut into five pieces along its length (caps, two stretchable
// middles and a centre grip), and the test that decides how the pieces are turned for horizontal bars.
#pragma once

#include <array>

#include "skin/data/pixels.h"

namespace ov {

struct ThumbPieceRows {
    int top = 0;         // first source row
    int height = 0;      // rows in the piece
    bool blank = false;  // the thumb is too short to give this piece; it stays an empty 1-row image
    bool operator==(const ThumbPieceRows&) const = default;
};

// The pieces of a thumb `height` rows high, top cap first. With f = (height - 6) div 3 > 0: caps of
// 3 rows at both ends, f rows from row 4 (row 3 is skipped), the rest from row f + 4 as the centre,
// and f rows ending 3 rows above the bottom (its first row is also the centre's last). With f <= 0
// the three middle pieces are blank.
std::array<ThumbPieceRows, 5> CutThumbRows(int height);

// The centre piece is uniform when row 1, from x = 4 to x = width - 4, is one colour. A piece
// narrower than 8 pixels or lower than 2 rows counts as uniform.
bool IsThumbCentreUniform(const PixelView& centre);

}  // namespace ov
