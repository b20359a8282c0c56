// The skin's pictures compared with the screen.
#include "tests/skin_pictures_on_screen.h"

#include "skin/data/skin_bitmap_win.h"
#include "tests/screen_pixels.h"

namespace ov::test {

namespace {

constexpr int kFaces = 3;
constexpr int kCornerSpan = 4;

COLORREF Rgb(TColor colour) { return static_cast<COLORREF>(ColorToRGB(colour)); }

struct FaceSample {
    POINT cell{-1, -1};      // in the face picture
    bool fromRight = false;  // counted from the bottom-right corner
};

bool Distinct(const TBitmap (&faces)[kFaces], int x, int y)
{
    TColor a = faces[0].Pixel(x, y), b = faces[1].Pixel(x, y), c = faces[2].Pixel(x, y);
    return a != b && b != c && a != c;
}

FaceSample FindSample(const TBitmap (&faces)[kFaces])
{
    for (int y = 0; y < kCornerSpan; ++y)
        for (int x = 0; x < kCornerSpan; ++x) {
            if (Distinct(faces, x, y))
                return {{x, y}, false};
            POINT opposite{faces[0].Width() - 1 - x, faces[0].Height() - 1 - y};
            if (Distinct(faces, opposite.x, opposite.y))
                return {opposite, true};
        }
    return {};
}

}  // namespace

int ShownButtonFace(const TkrvSkinReader& skin, const RECT& screenBounds)
{
    TBitmap faces[kFaces];
    for (int i = 0; i < kFaces; ++i)
        CopyCell(skin.GetBitmap(SKIN2_BUTTON), faces[i], kFaces, i + 1);
    FaceSample sample = FindSample(faces);
    if (sample.cell.x < 0)
        return 0;
    POINT at = sample.cell;
    if (sample.fromRight)
        at = {screenBounds.right - screenBounds.left - (faces[0].Width() - sample.cell.x),
              screenBounds.bottom - screenBounds.top - (faces[0].Height() - sample.cell.y)};
    COLORREF shown = ScreenPixels(screenBounds).At(at.x, at.y);
    for (int i = 0; i < kFaces; ++i)
        if (shown == Rgb(faces[i].Pixel(sample.cell.x, sample.cell.y)))
            return i + 1;
    return 0;
}

int DifferencesFromSkinImage(const TkrvSkinReader& skin, Skin2Bitmap id, int count, int index, POINT screenAt)
{
    TBitmap image;
    CopyCell(skin.GetBitmap(id), image, count, index);
    TColor key = skin.GetColor(SKIN2_TRANSCOLOR);
    ScreenPixels shot({screenAt.x, screenAt.y, screenAt.x + image.Width(), screenAt.y + image.Height()});
    int differences = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Pixel(x, y) != key && shot.At(x, y) != Rgb(image.Pixel(x, y)))
                ++differences;
    return differences;
}

}  // namespace ov::test
