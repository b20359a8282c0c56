// TkrvSkinProgressBarRes: the four progress bar pieces (start cap, filled part, empty part, end
// cap) as stored for horizontal bars and turned counter-clockwise for vertical ones.
#pragma once

#include <array>
#include <memory>

#include "skin/data/skin_res_win.h"

namespace ov {

class TkrvSkinProgressBarRes : public TkrvSkinRes {
public:
    void Reload() override;

    // 1-4; null outside, or while no skin is loaded.
    [[nodiscard]] TBitmap* GetPiece(int index) const { return Pick(FPieces, index); }
    [[nodiscard]] TBitmap* GetRotatedPiece(int index) const { return Pick(FRotatedPieces, index); }
    [[nodiscard]] int FirstWidth() const { return FFirstWidth; }
    [[nodiscard]] int LastWidth() const { return FLastWidth; }

private:
    static TBitmap* Pick(const std::array<std::unique_ptr<TBitmap>, 4>& images, int index)
    {
        return index >= 1 && index <= 4 ? images[index - 1].get() : nullptr;
    }

    std::array<std::unique_ptr<TBitmap>, 4> FPieces;
    std::array<std::unique_ptr<TBitmap>, 4> FRotatedPieces;
    int FFirstWidth = 0;
    int FLastWidth = 0;
};

}  // namespace ov
