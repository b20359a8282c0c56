// TkrvSkinScrollBtnRes: scroll bar arrow buttons and thumb pieces for both orientations, cut from
// SKIN2_SCROLLBARUPBUTTON, SKIN2_SCROLLBARDOWNBUTTON and SKIN2_SCROLLBAR, with the key colour
// replaced by the track colour SKIN2_SCROLLBARCOLOR.
#pragma once

#include <array>
#include <memory>

#include "skin/data/skin_res_win.h"

namespace ov {

class TkrvSkinScrollBtnRes : public TkrvSkinRes {
public:
    void Reload() override;

    // 1-3: the three states of the left (up) arrow, 4-6: of the right (down) arrow. Null outside.
    [[nodiscard]] TBitmap* GetHorzArrow(int index) const { return Pick(FHorzArrows, index); }
    [[nodiscard]] TBitmap* GetVertArrow(int index) const { return Pick(FVertArrows, index); }
    // 1 and 5 the caps, 2 and 4 the stretchable middles, 3 the centre grip; null outside 1-5.
    [[nodiscard]] TBitmap* GetHorzThumbPiece(int index) const { return Pick(FHorzThumb, index); }
    [[nodiscard]] TBitmap* GetVertThumbPiece(int index) const { return Pick(FVertThumb, index); }

    [[nodiscard]] int ThumbWidth() const { return FThumbWidth; }
    // The skin's thumb is drawn whole (in three sections) instead of from the pieces.
    [[nodiscard]] bool WholeThumb() const { return FWholeThumb; }
    [[nodiscard]] TBitmap* WholeHorzThumb() const { return FWholeHorzThumb.get(); }
    [[nodiscard]] TBitmap* WholeVertThumb() const { return FWholeVertThumb.get(); }

private:
    using Image = std::unique_ptr<TBitmap>;

    template <size_t N>
    static TBitmap* Pick(const std::array<Image, N>& images, int index)
    {
        return index >= 1 && index <= static_cast<int>(N) ? images[index - 1].get() : nullptr;
    }
    void Release();
    void CutArrows();
    void CutThumb(const TBitmap& thumb);
    void TurnThumbForHorizontalBars();

    std::array<Image, 6> FHorzArrows;
    std::array<Image, 6> FVertArrows;
    std::array<Image, 5> FHorzThumb;
    std::array<Image, 5> FVertThumb;
    Image FWholeHorzThumb;
    Image FWholeVertThumb;
    int FThumbWidth = 0;
    bool FWholeThumb = false;
};

}  // namespace ov
