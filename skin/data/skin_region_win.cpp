// Window regions from lists of rectangles.
#include "skin/data/skin_region_win.h"

#include <cstring>

#include "skin/data/region_scan.h"

namespace ov {

UniqueRegion MakeRegion(const std::vector<PixelRect>& rects)
{
    if (rects.empty())
        return UniqueRegion(::CreateRectRgn(0, 0, 0, 0));
    // RGNDATA: a header followed by the rectangles; the bounds only need to hold them all.
    std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATAHEADER header{sizeof(RGNDATAHEADER),
                         RDH_RECTANGLES,
                         static_cast<DWORD>(rects.size()),
                         static_cast<DWORD>(rects.size() * sizeof(RECT)),
                         {rects[0].left, rects[0].top, rects[0].right, rects[0].bottom}};
    auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (size_t i = 0; i < rects.size(); ++i) {
        out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
        UnionRect(&header.rcBound, &header.rcBound, &out[i]);
    }
    std::memcpy(data.data(), &header, sizeof(header));
    return UniqueRegion(
        ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

void SetSkinWindowRegion(HWND window, const PixelView& titleBar, const PixelView& bottomFrame, bool titleNeedsRegion,
                         bool bottomNeedsRegion, int titleMinRow, int titleMaxRow, int bottomMinRow, int bottomMaxRow,
                         COLORREF keyColor, int windowHeight, int windowWidth)
{
    const SkinRegionBand title{titleBar, titleNeedsRegion, titleMinRow, titleMaxRow};
    const SkinRegionBand bottom{bottomFrame, bottomNeedsRegion, bottomMinRow, bottomMaxRow};
    UniqueRegion region = MakeRegion(SkinRegionRects(title, bottom, keyColor, windowWidth, windowHeight));
    if (region && ::SetWindowRgn(window, region.get(), TRUE))
        region.release();  // the window owns it now
}

}  // namespace ov
