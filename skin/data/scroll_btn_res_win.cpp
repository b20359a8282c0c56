// Cutting, turning and recolouring the scroll bar images of a skin.
#include "skin/data/scroll_btn_res_win.h"

#include <utility>

#include "skin/data/skin_bitmap_win.h"
#include "skin/data/thumb_layout.h"

namespace ov {
namespace {

// The one skin whose thumb is drawn whole: recognised by its track colour, thumb height and one
// pixel of the thumb.
constexpr TColor kWholeThumbTrackColor = 0x00CBCBCB;
constexpr int kWholeThumbHeight = 33;
constexpr TColor kWholeThumbMarker = 0x00B23901;

// Rows [top, top + height) of `source`; rows outside it stay black.
PixelBuffer CutRows(const PixelView& source, int top, int height)
{
    PixelBuffer piece(source.width, height);
    for (int y = 0; y < height; ++y)
        if (top + y >= 0 && top + y < source.height)
            for (int x = 0; x < source.width; ++x)
                piece.Set(x, y, source.At(x, top + y));
    return piece;
}

}  // namespace

void TkrvSkinScrollBtnRes::Release()
{
    for (auto* images : {&FHorzArrows, &FVertArrows})
        for (auto& image : *images)
            image.reset();
    for (auto* images : {&FHorzThumb, &FVertThumb})
        for (auto& image : *images)
            image.reset();
    FWholeHorzThumb.reset();
    FWholeVertThumb.reset();
    FWholeThumb = false;  // there are no whole-thumb images to use any more
}

void TkrvSkinScrollBtnRes::Reload()
{
    Release();
    if (!FReader || !FReader->Loaded())
        return;
    const TColor key = FReader->GetColor(SKIN2_TRANSCOLOR);
    const TColor back = FReader->GetColor(SKIN2_SCROLLBARCOLOR);
    for (auto* images : {&FHorzArrows, &FVertArrows})
        for (auto& image : *images)
            image = std::make_unique<TBitmap>();
    for (auto* images : {&FHorzThumb, &FVertThumb})
        for (auto& image : *images)
            image = std::make_unique<TBitmap>();
    CutArrows();

    const TBitmap* thumb = FReader->GetBitmap(SKIN2_SCROLLBAR);
    if (!thumb)
        return;
    FWholeThumb = back == kWholeThumbTrackColor && thumb->Height() == kWholeThumbHeight &&
                  thumb->Pixel(1, 10) == kWholeThumbMarker;
    if (FWholeThumb) {
        FWholeVertThumb = std::make_unique<TBitmap>(*thumb);
        FWholeHorzThumb = std::make_unique<TBitmap>(*thumb);
        RotateLeft(*FWholeHorzThumb);
    }
    CutThumb(*thumb);
    TurnThumbForHorizontalBars();

    for (auto* images : {&FHorzArrows, &FVertArrows})
        for (auto& image : *images)
            ReplaceColor(*image, key, back);
    for (auto* images : {&FHorzThumb, &FVertThumb})
        for (auto& image : *images)
            ReplaceColor(*image, key, back);
    FThumbWidth = FVertThumb[0]->Width();
}

void TkrvSkinScrollBtnRes::CutArrows()
{
    const TBitmap* up = FReader->GetBitmap(SKIN2_SCROLLBARUPBUTTON);
    const TBitmap* down = FReader->GetBitmap(SKIN2_SCROLLBARDOWNBUTTON);
    for (int cell = 1; cell <= 3; ++cell) {
        CopyCell(up, *FVertArrows[cell - 1], 3, cell);
        CopyCell(down, *FVertArrows[cell + 2], 3, cell);
        CopyCell(up, *FHorzArrows[cell - 1], 3, cell);
        RotateLeft(*FHorzArrows[cell - 1]);
        CopyCell(down, *FHorzArrows[cell + 2], 3, cell);
        RotateLeft(*FHorzArrows[cell + 2]);
    }
}

void TkrvSkinScrollBtnRes::CutThumb(const TBitmap& thumb)
{
    const PixelView pixels = PixelsOf(thumb);
    const auto rows = CutThumbRows(thumb.Height());
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].blank)
            AssignPixels(*FVertThumb[i], PixelBuffer(thumb.Width(), 1));
        else
            AssignPixels(*FVertThumb[i], CutRows(pixels, rows[i].top, rows[i].height));
    }
}

// Horizontal bars use the vertical pieces turned. When the centre grip is one colour across, a
// counter-clockwise turn keeps the top cap on the left. Otherwise the pieces are turned clockwise
// in reverse order (so the bottom cap becomes the left cap), and the arrows swap ends and turn
// over to match: the left arrows become the down button's cells turned clockwise.
void TkrvSkinScrollBtnRes::TurnThumbForHorizontalBars()
{
    const bool uniform = IsThumbCentreUniform(PixelsOf(*FVertThumb[2]));
    for (size_t i = 0; i < FVertThumb.size(); ++i) {
        TBitmap& target = uniform ? *FHorzThumb[i] : *FHorzThumb[FVertThumb.size() - 1 - i];
        target.Assign(*FVertThumb[i]);
        if (uniform)
            RotateLeft(target);
        else
            RotateRight(target);
    }
    if (uniform)
        return;
    for (size_t i = 0; i < 3; ++i)
        std::swap(FHorzArrows[i], FHorzArrows[i + 3]);
    for (auto& arrow : FHorzArrows)
        Rotate180(*arrow);
}

}  // namespace ov
