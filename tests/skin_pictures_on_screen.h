// The skin's own pictures looked for on the screen: which of the three push button faces a button
// shows, and whether one image of a strip (a check box, a radio button) stands at a place.
#pragma once

#include <windows.h>

#include "skin/data/skin_reader_win.h"

namespace ov::test {

// 1 normal, 2 hot, 3 pressed: the face of SKIN2_BUTTON shown by the button at `screenBounds`,
// judged at a corner pixel where the three faces differ (corners keep their size; the caption and
// the focus rectangle stay clear of them); 0 when it shows none of them.
int ShownButtonFace(const TkrvSkinReader& skin, const RECT& screenBounds);

// How many pixels of image `index` (1-based) of the `count` side by side in `id` differ from the
// screen with the image's top-left corner at `screenAt`; the skin's transparent pixels are skipped.
int DifferencesFromSkinImage(const TkrvSkinReader& skin, Skin2Bitmap id, int count, int index, POINT screenAt);

}  // namespace ov::test
