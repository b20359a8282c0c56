// The whole built-in skin: every family of pictures, put in bitmap id order.
#include <algorithm>

#include "tools/skinpaint/art.h"

namespace ov::skinpaint {

std::vector<Artwork> DrawBuiltinSkin()
{
    std::vector<Artwork> all;
    for (auto family : {DrawFrameArt, DrawButtonArt, DrawBarArt}) {
        for (Artwork& art : family())
            all.push_back(std::move(art));
    }
    std::sort(all.begin(), all.end(), [](const Artwork& a, const Artwork& b) { return a.id < b.id; });
    return all;
}

}  // namespace ov::skinpaint
