// Renders every drawing primitive and every prepared resource image of the built-in skin onto one
// contact sheet and saves it as a PNG beside build/bin, for people to look at after a change.
#include <gtest/gtest.h>

#include <string>

#include "skin/data/decoded_view.h"
#include "skin/data/dib_surface_win.h"
#include "skin/data/png_file_test_support.h"
#include "skin/data/progress_bar_res_win.h"
#include "skin/data/region_scan.h"
#include "skin/data/scroll_btn_res_win.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_test_builders.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/skin_text_win.h"
#include "skin/data/tab_res_win.h"

namespace ov {
namespace {

using testing::HostPath;

class Sheet {
public:
    explicit Sheet(TkrvSkinReader& reader) : reader_(reader), image_(980, 880)
    {
        canvas_.Brush()->SetColor(reader.GetColor(SKIN2_FORMCOLOR));
        canvas_.FillRect({0, 0, image_.Width(), image_.Height()});
        canvas_.Font()->SetName(L"Tahoma");
        canvas_.Font()->SetHeight(-11);
        canvas_.Font()->SetColor(0x261E46);
        canvas_.Brush()->SetStyle(bsClear);
    }

    TCanvas& Canvas() { return canvas_; }
    HDC Dc() { return canvas_.Handle(); }
    TBitmap& Image() { return image_; }
    TBitmap* Skin(Skin2Bitmap id) { return reader_.GetBitmap(id); }
    TColor Color(Skin2Color id) { return reader_.GetColor(id); }

    void Label(int x, int y, const std::wstring& text) { canvas_.TextOut(x, y, text); }

    // An image enlarged `scale` times, pixel for pixel; returns the x after it plus a gap.
    int Show(const TBitmap* image, int x, int y, int scale = 1)
    {
        if (!image || image->Empty())
            return x + 8;
        const PixelView pixels = PixelsOf(*image);
        BlitPixels(Dc(), pixels, {0, 0, pixels.width, pixels.height},
                   {x, y, x + pixels.width * scale, y + pixels.height * scale}, BlitMode::Plain);
        return x + pixels.width * scale + 6;
    }

private:
    TkrvSkinReader& reader_;
    TBitmap image_;
    TCanvas& canvas_ = *image_.Canvas();
};

void CellsAndTurns(Sheet& s)
{
    s.Label(10, 6, L"CopyCell: SKIN2_TITLEBUTTONS, 18 cells of 19 pixels");
    int x = 10;
    for (int cell = 1; cell <= 18; ++cell) {
        TBitmap image;
        CopyCell(s.Skin(SKIN2_TITLEBUTTONS), image, 18, cell);
        x = s.Show(&image, x, 22);
    }
    s.Label(470, 6, L"Up arrow cell 1 (x3): as stored, RotateLeft, RotateRight, Rotate180");
    TBitmap arrow;
    CopyCell(s.Skin(SKIN2_SCROLLBARUPBUTTON), arrow, 3, 1);
    x = s.Show(&arrow, 470, 22, 3);
    for (void (*turn)(TBitmap&) :
         {static_cast<void (*)(TBitmap&)>(RotateLeft), static_cast<void (*)(TBitmap&)>(RotateRight),
          static_cast<void (*)(TBitmap&)>(Rotate180)}) {
        TBitmap turned(arrow);
        turn(turned);
        x = s.Show(&turned, x, 22, 3);
    }
}

void Recolouring(Sheet& s, const std::string& package)
{
    s.Label(10, 90, L"ReplaceColor: SKIN2_TRACKBAR as stored (x2), and after loading (key -> SKIN2_FORMCOLOR)");
    Tsk2SkinFileReader raw(package, "");
    TBitmap stored;
    if (const DecodedBitmap* track = raw.FindBitmap("SKIN2_TRACKBAR")) {
        PixelBuffer copy = CopyBlock(ViewOf(*track), {0, 0, track->width, track->height});
        AssignPixels(stored, copy);
    }
    const int x = s.Show(&stored, 10, 108, 2);
    s.Show(s.Skin(SKIN2_TRACKBAR), x + 10, 108, 2);
}

void Stretching(Sheet& s)
{
    s.Label(10, 130, L"StretchBitmap (halftone): SKIN2_TITLEBAR1 56x27 into 150x40; title bar 1 + 2 stretched + 3");
    StretchBitmap(*s.Skin(SKIN2_TITLEBAR1), s.Canvas(), {10, 146, 160, 186});
    const int w = 500, left = 180;
    s.Show(s.Skin(SKIN2_TITLEBAR1), left, 146);
    s.Show(s.Skin(SKIN2_TITLEBAR3), left + w - 56, 146);
    StretchBitmap(*s.Skin(SKIN2_TITLEBAR2), s.Canvas(), {left + 56, 146, left + w - 56, 173});

    s.Label(10, 196, L"DrawThreeSliceH: SKIN2_TRACKBAR into 300 px, into 30 px (narrow), keyed; bottom border x4 high");
    const TColor key = s.Color(SKIN2_TRANSCOLOR);
    DrawThreeSliceH(*s.Skin(SKIN2_TRACKBAR), s.Canvas(), {10, 214, 310, 220}, key, true);
    DrawThreeSliceH(*s.Skin(SKIN2_TRACKBAR), s.Canvas(), {330, 214, 360, 220}, key, true);
    TBitmap bottom(300, 1);
    DrawThreeSliceH(*s.Skin(SKIN2_FORMBOTTOMBORDER1), *bottom.Canvas(), {0, 0, 300, 1}, key, false);
    s.Show(&bottom, 380, 212, 1);
    BlitPixels(s.Dc(), PixelsOf(bottom), {0, 0, 300, 1}, {380, 214, 680, 218}, BlitMode::Plain);
}

void Caps(Sheet& s, TkrvSkinProgressBarRes& progress, TkrvSkinScrollBtnRes& scroll)
{
    s.Label(10, 232, L"DrawCapsV/H (cap 2): progress bars at 60%; DrawCapsV (cap 0): thumb");
    const int top = 250, h = 20, x0 = 10, w = 300;
    const int w1 = progress.FirstWidth(), w4 = progress.LastWidth();
    const int filled = x0 + w1 + (w - w1 - w4) * 60 / 100;
    DrawCapsV(*progress.GetPiece(1), s.Canvas(), {x0, top, x0 + w1, top + h}, 2);
    DrawCapsV(*progress.GetPiece(2), s.Canvas(), {x0 + w1, top, filled, top + h}, 2);
    DrawCapsV(*progress.GetPiece(3), s.Canvas(), {filled, top, x0 + w - w4, top + h}, 2);
    DrawCapsV(*progress.GetPiece(4), s.Canvas(), {x0 + w - w4, top, x0 + w, top + h}, 2);
    const int vx = 330, vtop = 250, vh = 120;
    const int vfilled = vtop + vh - w1 - (vh - w1 - w4) * 60 / 100;
    DrawCapsH(*progress.GetRotatedPiece(4), s.Canvas(), {vx, vtop, vx + 20, vtop + w4}, 2);
    DrawCapsH(*progress.GetRotatedPiece(3), s.Canvas(), {vx, vtop + w4, vx + 20, vfilled}, 2);
    DrawCapsH(*progress.GetRotatedPiece(2), s.Canvas(), {vx, vfilled, vx + 20, vtop + vh - w1}, 2);
    DrawCapsH(*progress.GetRotatedPiece(1), s.Canvas(), {vx, vtop + vh - w1, vx + 20, vtop + vh}, 2);
    DrawCapsV(*s.Skin(SKIN2_SCROLLBAR), s.Canvas(), {370, 250, 388, 370}, 0);
    (void)scroll;
}

void NineSlices(Sheet& s)
{
    s.Label(410, 232, L"DrawNineSlice: SKIN2_BUTTON cells 1-3 at 63x19, 100x30, 160x40, 40x12");
    const TColor key = s.Color(SKIN2_TRANSCOLOR);
    const SIZE sizes[] = {{63, 19}, {100, 30}, {160, 40}, {40, 12}};
    for (int cell = 1; cell <= 3; ++cell) {
        TBitmap face;
        CopyCell(s.Skin(SKIN2_BUTTON), face, 3, cell);
        int x = 410;
        const int y = 250 + (cell - 1) * 46;
        for (const SIZE& size : sizes) {
            TBitmap button(size.cx, size.cy);
            button.Canvas()->Brush()->SetColor(s.Color(SKIN2_FORMCOLOR));
            button.Canvas()->FillRect({0, 0, size.cx, size.cy});
            DrawNineSlice(face, *button.Canvas(), {0, 0, size.cx, size.cy}, key, false);
            x = s.Show(&button, x, y) + 6;
        }
    }
}

void Shapes(Sheet& s)
{
    const int top = 400;
    s.Label(10, top - 18,
            L"FillGradientV/H, FrameRectColor, FillRectColor, DrawSeparatorLine, FrameControlBorder, "
            L"arrow glyphs enabled and disabled (x1 and x4)");
    FillGradientV(s.Dc(), {10, top, 90, top + 40}, s.Color(SKIN2_TOOLBARSTARTCOLOR),
                  s.Color(SKIN2_TOPSELECTEDMENUBORDERCOLOR));
    FillGradientH(s.Dc(), {100, top, 180, top + 40}, s.Color(SKIN2_FORMCOLOR), s.Color(SKIN2_CONTROLBORDERCOLOR));
    FrameRectColor(s.Dc(), {190, top, 250, top + 40}, s.Color(SKIN2_CONTROLBORDERCOLOR));
    FillRectColor(s.Dc(), {260, top, 320, top + 40}, s.Color(SKIN2_CONTROLCOLOR));
    FillRectColor(s.Dc(), {330, top, 430, top + 40}, s.Color(SKIN2_MENUITEMCOLOR));
    DrawSeparatorLine(s.Dc(), {330, top + 10, 430, top + 20}, 0x848284, true, 16);
    DrawSeparatorLine(s.Dc(), {330, top + 25, 430, top + 35}, 0x848284, false, 16);
    FillRectColor(s.Dc(), {440, top, 500, top + 40}, clWindow);
    FrameControlBorder(s.Dc(), {440, top, 500, top + 40}, clBtnFace, s.Color(SKIN2_CONTROLBORDERCOLOR));
    TBitmap glyphs(90, 24);
    glyphs.Canvas()->Brush()->SetColor(s.Color(SKIN2_FORMCOLOR));
    glyphs.Canvas()->FillRect({0, 0, 90, 24});
    const HDC g = glyphs.Canvas()->Handle();
    int x = 3;
    for (const bool enabled : {true, false}) {
        DrawArrowGlyph(g, ArrowDirection::Down, x, 5, enabled);
        DrawArrowGlyph(g, ArrowDirection::Up, x + 13, 5, enabled);
        DrawArrowGlyph(g, ArrowDirection::Left, x + 20, 12, enabled);
        DrawArrowGlyph(g, ArrowDirection::Right, x + 30, 9, enabled);
        x += 45;
    }
    s.Show(&glyphs, 510, top + 8);
    s.Show(&glyphs, 610, top - 8, 4);
}

void Ellipses(Sheet& s)
{
    const int top = 490;
    s.Label(10, top, L"EllipsizeTextW in the caption font, limits 400, 200, 60, 0 (red: the limit)");
    TFont font;
    SetCaptionFont(font);
    s.Canvas().SetFont(font);
    s.Canvas().Font()->SetColor(0x261E46);
    const std::wstring caption = L"Zelvo健康咨询系列——Ovalune（科普版）";
    int y = top + 18;
    for (const int limit : {400, 200, 60, 0}) {
        s.Canvas().RequireFont();
        const std::wstring text = EllipsizeTextW(s.Dc(), caption, limit);
        s.Canvas().TextOut(10, y, text);
        FillRectColor(s.Dc(), {10 + limit, y, 11 + limit, y + 18}, clRed);
        y += 22;
    }
    s.Canvas().Font()->SetName(L"Tahoma");
    s.Canvas().Font()->SetHeight(-11);
}

void Region(Sheet& s)
{
    const int top = 490, left = 470, w = 480;
    s.Label(left, top, L"Region row scan of a drawn title bar with key-colour corners: inside light, outside dark");
    TBitmap title(w, 27);
    title.Canvas()->Brush()->SetColor(s.Color(SKIN2_TRANSCOLOR));
    title.Canvas()->FillRect({0, 0, w, 27});
    const TColor key = s.Color(SKIN2_TRANSCOLOR);
    StretchBitmap(*s.Skin(SKIN2_TITLEBAR2), *title.Canvas(), {56, 0, w - 56, 27});
    DrawThreeSliceH(*s.Skin(SKIN2_TITLEBAR1), *title.Canvas(), {0, 0, 56, 27}, key, false);
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 56; ++x) {
            title.SetPixel(x, y, s.Skin(SKIN2_TITLEBAR1)->Pixel(x, y));
            title.SetPixel(w - 56 + x, y, s.Skin(SKIN2_TITLEBAR3)->Pixel(x, y));
        }
    // The built-in title bars are square; round the composite's top corners with the key colour.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4 - y; ++x) {
            title.SetPixel(x, y, key);
            title.SetPixel(w - 1 - x, y, key);
        }
    s.Show(&title, left, top + 18);
    // Shown 2x high so that the stepped corners can be seen.
    const auto rects = SkinRegionRects({PixelsOf(title), true}, {}, static_cast<uint32_t>(key), w, 20);
    FillRectColor(s.Dc(), {left, top + 50, left + w, top + 90}, 0x303030);
    for (const PixelRect& r : rects)
        FillRectColor(s.Dc(), {left + r.left, top + 50 + 2 * r.top, left + r.right, top + 50 + 2 * r.bottom}, 0xE0E0E0);
}

void Resources(Sheet& s, TkrvSkinScrollBtnRes& scroll, TkrvSkinProgressBarRes& progress, TkrvSkinTabRes& tabs)
{
    int top = 600;
    s.Label(10, top, L"TkrvSkinScrollBtnRes (x3): vertical arrows 1-6, horizontal arrows 1-6");
    int x = 10;
    for (int i = 1; i <= 6; ++i)
        x = s.Show(scroll.GetVertArrow(i), x, top + 18, 3);
    x += 20;
    for (int i = 1; i <= 6; ++i)
        x = s.Show(scroll.GetHorzArrow(i), x, top + 18, 3);
    top = 690;
    s.Label(10, top, L"thumb pieces (x3): vertical 1-5, horizontal 1-5");
    x = 10;
    for (int i = 1; i <= 5; ++i)
        x = s.Show(scroll.GetVertThumbPiece(i), x, top + 18, 3);
    x += 20;
    for (int i = 1; i <= 5; ++i)
        x = s.Show(scroll.GetHorzThumbPiece(i), x, top + 18, 3);
    top = 780;
    s.Label(10, top, L"TkrvSkinProgressBarRes (x3): pieces 1-4, turned 1-4");
    x = 10;
    for (int i = 1; i <= 4; ++i)
        x = s.Show(progress.GetPiece(i), x, top + 18, 3);
    x += 20;
    for (int i = 1; i <= 4; ++i)
        x = s.Show(progress.GetRotatedPiece(i), x, top + 18, 3);
    s.Label(480, top, L"TkrvSkinTabRes (x3): lines, tabs B, tabs A in four orientations");
    x = 480;
    for (int i = 0; i < 4; ++i)
        x = s.Show(tabs.Line(i), x, top + 18, 3);
    for (int i = 0; i < 4; ++i)
        x = s.Show(tabs.TabB(i), x, top + 18, 3);
    for (int i = 0; i < 4; ++i)
        x = s.Show(tabs.TabA(i), x, top + 18, 3);
}

TEST(PrimitivesSheet, RendersEveryPrimitiveOfTheBuiltInSkin)
{
    const std::string package = HostPath(OV_BUILTIN_SKIN_PATH);
    TkrvSkinReader reader(package, "");
    ASSERT_TRUE(reader.Loaded());
    TkrvSkinScrollBtnRes scroll;
    TkrvSkinProgressBarRes progress;
    TkrvSkinTabRes tabs;
    scroll.SetReader(&reader);
    progress.SetReader(&reader);
    tabs.SetReader(&reader);

    Sheet sheet(reader);
    CellsAndTurns(sheet);
    Recolouring(sheet, package);
    Stretching(sheet);
    Caps(sheet, progress, scroll);
    NineSlices(sheet);
    Shapes(sheet);
    Ellipses(sheet);
    Region(sheet);
    Resources(sheet, scroll, progress, tabs);

    const std::string path = HostPath(OV_PRIMITIVES_SHEET_PATH);
    ASSERT_TRUE(testing::WritePng(PixelsOf(sheet.Image()), path)) << path;
}

}  // namespace
}  // namespace ov
