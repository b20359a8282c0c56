// The skin engine's own bitmap resources, drawn like the built-in skin's pictures.
#pragma once

#include <string>
#include <vector>

#include "tools/skinpaint/raster.h"

namespace ov::skinpaint {

struct EngineArtwork {
    std::string name;  // the resource name, and the file name without ".bmp"
    Image image;
};

std::vector<EngineArtwork> DrawEngineArt();

}  // namespace ov::skinpaint
