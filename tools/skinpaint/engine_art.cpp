// The skin engine's own two bitmaps, which every skin shares: the default menu check mark (black
// on white, white being the mask colour) and the strip of the three MDI child buttons (minimise,
// restore, close; 16 x 16 each, white background).
#include "tools/skinpaint/engine_art.h"

namespace ov::skinpaint {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr int kGlyph = 16;

Image CheckMark()
{
    Image icon(kGlyph, kGlyph, kWhite);
    Fill(icon, Union({Segment(3.8, 8.4, 6.6, 11.2, 1.05), Segment(6.6, 11.2, 12.2, 4.6, 1.05)}), kBlack);
    return icon;
}

Image MinimizeGlyph()
{
    Image glyph(kGlyph, kGlyph, kWhite);
    Fill(glyph, Rect(4, 10, 12, 12), kBlack);
    return glyph;
}

Image RestoreGlyph()
{
    Image glyph(kGlyph, kGlyph, kWhite);
    Fill(glyph, Minus(Rect(6, 3, 13, 9), Rect(7, 5, 12, 8)), kBlack);
    Fill(glyph, Rect(3, 6, 10, 13), kWhite);
    Fill(glyph, Minus(Rect(3, 6, 10, 13), Rect(4, 8, 9, 12)), kBlack);
    return glyph;
}

Image CloseGlyph()
{
    Image glyph(kGlyph, kGlyph, kWhite);
    Fill(glyph, Union({Segment(4.5, 4.5, 11.5, 11.5, 1.0), Segment(11.5, 4.5, 4.5, 11.5, 1.0)}), kBlack);
    return glyph;
}

}  // namespace

std::vector<EngineArtwork> DrawEngineArt()
{
    Image strip(3 * kGlyph, kGlyph, kWhite);
    strip.Paste(MinimizeGlyph(), 0, 0);
    strip.Paste(RestoreGlyph(), kGlyph, 0);
    strip.Paste(CloseGlyph(), 2 * kGlyph, 0);
    return {{"KRVSKIN_MENU_CHECKED", CheckMark()}, {"KRVSKIN_MDI_CONTROLER", strip}};
}

}  // namespace ov::skinpaint
