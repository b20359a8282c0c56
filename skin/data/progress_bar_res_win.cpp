// The progress bar pieces of a skin, as stored and turned.
#include "skin/data/progress_bar_res_win.h"

#include "skin/data/skin_bitmap_win.h"

namespace ov {

void TkrvSkinProgressBarRes::Reload()
{
    for (auto& piece : FPieces)
        piece.reset();
    for (auto& piece : FRotatedPieces)
        piece.reset();
    if (!FReader || !FReader->Loaded())
        return;
    constexpr Skin2Bitmap kSources[] = {SKIN2_PROGRESSBAR1, SKIN2_PROGRESSBAR2, SKIN2_PROGRESSBAR3, SKIN2_PROGRESSBAR4};
    for (size_t i = 0; i < FPieces.size(); ++i) {
        FPieces[i] = std::make_unique<TBitmap>();
        if (const TBitmap* source = FReader->GetBitmap(kSources[i]))
            FPieces[i]->Assign(*source);
        FRotatedPieces[i] = std::make_unique<TBitmap>(*FPieces[i]);
        RotateLeft(*FRotatedPieces[i]);
    }
    FFirstWidth = FPieces[0]->Width();
    FLastWidth = FPieces[3]->Width();
}

}  // namespace ov
