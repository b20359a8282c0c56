// The preview sheet of a skin: a window framed and furnished with the skin's bitmaps the way the
// engine puts them together, a row of controls, and every bitmap enlarged with its name.
#pragma once

#include <map>

#include "skin/data/skin2_define.h"
#include "tools/skinpaint/raster.h"

namespace ov::skinpaint {

// The bitmaps of a skin by id; missing entries are simply absent.
using SkinPictures = std::map<Skin2Bitmap, Image>;

Image ComposePreview(const SkinPictures& skin);

}  // namespace ov::skinpaint
