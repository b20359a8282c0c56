// The built-in skin's colours: the named ones are the skin's own colour entries (skin.txt), the
// shades between them are the painter's.
#pragma once

#include "tools/skinpaint/raster.h"

namespace ov::skinpaint::theme {

inline constexpr Rgb kKey = FromColorRef(0x00FF00FF);      // transparent key colour
inline constexpr Rgb kForm = FromColorRef(0x00F1F0FC);     // form background
inline constexpr Rgb kBorder = FromColorRef(0x005C4CA3);   // control and window frame
inline constexpr Rgb kAccent = FromColorRef(0x008760DA);   // selected menu frame
inline constexpr Rgb kToolBar = FromColorRef(0x00DDD7FC);  // tool bar
inline constexpr Rgb kInk = FromColorRef(0x00261E46);      // button text
inline constexpr Rgb kTrack = FromColorRef(0x00F9F9F9);    // scroll bar track
inline constexpr Rgb kWhite{255, 255, 255};

// Rose shades of the title bar and of every "selected" face (tabs, progress, thumbs).
// Deep enough for white text (the caption, the selected tab) to read.
inline constexpr Rgb kRoseHighlight{241, 166, 194};
inline constexpr Rgb kRoseTop{228, 118, 154};
inline constexpr Rgb kRoseMiddle{214, 96, 136};
inline constexpr Rgb kRoseLower{202, 80, 120};
inline constexpr Rgb kRoseBottom{184, 64, 104};
inline constexpr Rgb kRoseDeep{162, 50, 90};

// Soft frame of faces that should not shout: buttons, tabs, grooves.
inline constexpr Rgb kSoftBorder{201, 137, 158};
// Faces: light blush to white.
inline constexpr Rgb kBlush{250, 226, 234};
inline constexpr Rgb kBlushDeep{242, 202, 216};
// Disabled look.
inline constexpr Rgb kMutedBorder{214, 188, 196};
inline constexpr Rgb kMutedFace{245, 239, 241};
inline constexpr Rgb kMutedMark{204, 170, 181};

}  // namespace ov::skinpaint::theme
