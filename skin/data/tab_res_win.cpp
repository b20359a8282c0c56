// The tab images of a skin in four orientations.
#include "skin/data/tab_res_win.h"

#include "skin/data/skin_bitmap_win.h"

namespace ov {

void TkrvSkinTabRes::Turn(Turns& images)
{
    for (size_t i = 1; i < images.size(); ++i)
        images[i] = std::make_unique<TBitmap>(*images[0]);
    RotateLeft(*images[1]);
    Rotate180(*images[2]);
    RotateRight(*images[3]);
}

void TkrvSkinTabRes::Reload()
{
    for (auto* images : {&FLines, &FTabsB, &FTabsA})
        for (auto& image : *images)
            image.reset();
    // A reader without a skin still gives twelve (empty) images.
    if (!FReader)
        return;
    FLines[0] = std::make_unique<TBitmap>();
    if (const TBitmap* line = FReader->GetBitmap(SKIN2_TABCONTROLLINE))
        FLines[0]->Assign(*line);
    Turn(FLines);
    const TBitmap* tabs = FReader->GetBitmap(SKIN2_TABCONTROL);
    FTabsB[0] = std::make_unique<TBitmap>();
    CopyCell(tabs, *FTabsB[0], 2, 2);
    Turn(FTabsB);
    FTabsA[0] = std::make_unique<TBitmap>();
    CopyCell(tabs, *FTabsA[0], 2, 1);
    Turn(FTabsA);
}

}  // namespace ov
