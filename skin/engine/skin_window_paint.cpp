// Painting a skinned frame: the title bar is built in an off-screen composite (end pieces, the
// stretched middle, icon, title buttons, caption) and copied onto the window in one piece; the
// side borders, the bottom composite and the filler strips follow.
#include <algorithm>

#include "framework/forms/application.h"
#include "framework/graphics/canvas.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/skin_text_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window.h"

namespace ov {

namespace {

constexpr int kTitleButtonFrames = 18;

void DrawAt(TCanvas& canvas, const TBitmap* bitmap, int x, int y)
{
    if (bitmap && bitmap->Width() > 0)
        canvas.Draw(x, y, *bitmap);
}

void Fill(TCanvas& canvas, const RECT& rect, TColor color)
{
    if (rect.right > rect.left && rect.bottom > rect.top)
        FillRectColor(canvas.Handle(), rect, color);
}

// Copies `composite` onto the window DC at (x, y); through `merge` (filled with the form colour
// first) when the composite's key-colour pixels must not show.
void Output(HDC dc, const TBitmap& composite, TBitmap* merge, TColor formColor, int x, int y)
{
    if (!merge) {
        CopyPicture(composite, dc, {x, y});
        return;
    }
    merge->SetSize(composite.Width(), composite.Height());
    Fill(*merge->Canvas(), {0, 0, composite.Width(), composite.Height()}, formColor);
    merge->Canvas()->Draw(0, 0, composite);
    CopyPicture(*merge, dc, {x, y});
}

}  // namespace

int MinimizedButtonTop(int buttonHeight)
{
    int top = std::max((26 - buttonHeight) / 2, 0);
    return buttonHeight + top < 22 ? top + 2 : top;
}

TkrvTitleButtonLayout LayoutTitleButtons(int windowWidth, int stripWidth, int stripHeight, int count, int buttonPosX,
                                         int buttonPosY, bool minimized, int minimizedTop)
{
    TkrvTitleButtonLayout layout;
    layout.width = stripWidth / kTitleButtonFrames;
    layout.height = stripHeight;
    layout.firstLeft = minimized ? windowWidth - layout.width - 5 : windowWidth - buttonPosX - layout.width;
    layout.top = minimized ? minimizedTop : buttonPosY;
    int nextSlot = layout.firstLeft - count * (layout.width + 2);
    layout.buttonsLeft = nextSlot + layout.width;
    return layout;
}

int TitleButtonFrame(TkrvTitleButton button, bool windowMaximized, bool windowMinimized, bool hovered, bool pressed)
{
    int normal = 0;
    switch (button) {
    case tbHelp:
        normal = 4;
        break;
    case tbMaximize:
        normal = windowMaximized || windowMinimized ? 10 : 7;
        break;
    case tbMinimize:
        normal = windowMinimized ? 10 : 13;
        break;
    case tbClose:
        normal = 16;
        break;
    default:
        return 0;
    }
    if (!hovered)
        return normal;
    return pressed ? normal + 2 : normal + 1;
}

// What one frame paint works with.
struct TkrvSkinWindow::FramePaint {
    explicit FramePaint(const TkrvSkinMetrics& m) : metrics(m) {}
    const TkrvSkinMetrics& metrics;
    int width = 0, height = 0;
    bool minimized = false, maximized = false;
    int groupWidth = 0;  // G: the title button group
    int captionX = 0;
    int iconTop = 0;
    POINT cursor{};  // client co-ordinates, y moved down by the caption height
    std::wstring captionW;
    std::string captionA;
};

void TkrvSkinWindow::PaintFrame()
{
    if (!FEngine->IsWorking())
        return;
    HWND window = GetHandle();
    RECT bounds{};
    if (!window || !::GetWindowRect(window, &bounds))
        return;
    const TkrvSkinMetrics& m = FEngine->Metrics();
    FramePaint paint{m};
    paint.width = bounds.right - bounds.left;
    paint.height = bounds.bottom - bounds.top;
    paint.minimized = IsMinimized();
    paint.maximized = IsMaximized();
    ::GetCursorPos(&paint.cursor);
    ::ScreenToClient(window, &paint.cursor);
    paint.cursor.y += CaptionHeight();

    FHasCloseButton = HasCloseButton();
    FHasMaxButton = HasMaximizeButton();
    FHasMinButton = HasMinimizeButton();
    int count = int{FHasCloseButton} + int{FHasMaxButton} + int{FHasMinButton};
    paint.groupWidth =
        TitleButtonGroupWidth(WidthOf(FEngine->SkinBitmap(SKIN2_TITLEBUTTONS)) / kTitleButtonFrames, count);
    if (FEngine->GetBoolean(SKIN2_TITLEFIVESECT))
        paint.groupWidth += WidthOf(FEngine->SkinBitmap(SKIN2_TITLEBAR3));

    // A hidden window shows nothing and is painted whole when it is shown; only a region cut from
    // the composites needs them built while it is still hidden.
    if (!::IsWindowVisible(window) && !FTitleNeedsRegion && !FBottomNeedsRegion)
        return;
    UniqueWindowDC dc = WindowAreaDC(window, WindowArea::Whole);
    if (!dc)
        return;
    bool maximizedChild = IsMDIChild() && paint.maximized;
    if (FShowTitle && !maximizedChild) {
        BuildTitle(paint);
        OutputTitle(dc.get());
    }
    if (maximizedChild) {
        if (TCustomForm* main = Application->MainForm(); main && main->HandleAllocated())
            ::PostMessageW(main->WindowHandle(), WM_KRV_MAXIMIZEDCHILD, 0, 0);
    }
    if (FShowBorders && !paint.minimized)
        DrawBorders(dc.get(), maximizedChild ? 0 : CaptionHeight(), paint.width, paint.height);
    DrawFillers(dc.get(), paint.width, paint.height);
}

void TkrvSkinWindow::BuildTitle(FramePaint& paint)
{
    const TkrvSkinMetrics& m = paint.metrics;
    int caption = CaptionHeight();
    int titleHeight = paint.minimized ? paint.height : std::max(caption, FTopInset);
    FTitleBitmap.SetSize(paint.width, std::max(titleHeight, 1));
    TCanvas& canvas = *FTitleBitmap.Canvas();
    Fill(canvas, {0, 0, paint.width, titleHeight}, m.formColor);
    if (!paint.minimized && caption < FTopInset)
        Fill(canvas, {0, caption, paint.width, FTopInset},
             MenuBarHeight() < 1 ? m.formColor : m.menuColors[mcMenuBarStart]);

    // Caption texts and their place.
    paint.captionX = HasIcon() ? m.iconX + 20 : m.iconX;
    if (FCaptionLeft >= 0)
        paint.captionX = FCaptionLeft;
    SetCaptionFont(*canvas.Font());
    int limit = paint.width - paint.captionX - paint.groupWidth - 4;
    paint.captionW = EllipsizeTextW(canvas, GetCaptionW(), limit);
    char ansi[260] = {};
    int length = ::GetWindowTextA(GetHandle(), ansi, 260);
    paint.captionA = EllipsizeText(canvas, std::string(ansi, static_cast<size_t>(std::max(length, 0))), limit);

    if (paint.minimized)
        StretchInto(canvas, FEngine->SkinBitmap(SKIN2_MINIMIZEDTITLE), {0, 0, paint.width, paint.height});
    else
        DrawTitleBitmaps(paint);
    DrawIcon(paint);
    DrawTitleButtons(paint);
    DrawCaption(paint);
}

void TkrvSkinWindow::DrawTitleBitmaps(FramePaint& paint)
{
    TCanvas& canvas = *FTitleBitmap.Canvas();
    const TkrvSkinMetrics& m = paint.metrics;
    const TBitmap* bar1 = FEngine->SkinBitmap(SKIN2_TITLEBAR1);
    const TBitmap* bar2 = FEngine->SkinBitmap(SKIN2_TITLEBAR2);
    const TBitmap* bar3 = FEngine->SkinBitmap(SKIN2_TITLEBAR3);
    bool fiveSections = FEngine->GetBoolean(SKIN2_TITLEFIVESECT);
    const TBitmap* rightEnd = fiveSections ? FEngine->SkinBitmap(SKIN2_TITLEBAR5) : bar3;
    int w1 = WidthOf(bar1), wEnd = WidthOf(rightEnd);
    int titleRows = std::max(HeightOf(bar1), 0);

    if (paint.width - paint.groupWidth < w1) {
        DrawNarrowTitle(paint);
    } else if (!fiveSections) {
        DrawAt(canvas, rightEnd, paint.width - wEnd, 0);
        DrawAt(canvas, bar1, 0, 0);
        StretchInto(canvas, bar2, {w1, 0, paint.width - wEnd, HeightOf(bar2)});
    } else {
        DrawAt(canvas, rightEnd, paint.width - wEnd, 0);
        DrawAt(canvas, bar1, 0, 0);
        int textWidth =
            paint.captionW.empty() ? TextWidth(canvas.Handle(), paint.captionA) : TextWidthW(canvas, paint.captionW);
        int middleEnd = std::max(w1, paint.captionX + textWidth + 2);
        StretchInto(canvas, bar2, {w1, 0, middleEnd, HeightOf(bar2)});
        DrawAt(canvas, bar3, middleEnd, 0);
        StretchInto(canvas, FEngine->SkinBitmap(SKIN2_TITLEBAR4),
                    {middleEnd + WidthOf(bar3), 0, paint.width - wEnd, HeightOf(bar2)});
    }
    // Rows below the title pieces show the form colour (between the side borders).
    RECT below{0, titleRows, paint.width, FTitleBitmap.Height()};
    if (FShowBorders) {
        below.left = m.leftBorderWidth;
        below.right = paint.width - m.rightBorderWidth;
    }
    if (titleRows < CaptionHeight())
        Fill(canvas, {below.left, titleRows, below.right, CaptionHeight()}, m.formColor);
}

// A window too narrow for the left piece and the buttons: the right end piece at the right edge
// (clipped at the left border), the left piece squeezed into what is left.
void TkrvSkinWindow::DrawNarrowTitle(FramePaint& paint)
{
    TCanvas& canvas = *FTitleBitmap.Canvas();
    const TkrvSkinMetrics& m = paint.metrics;
    const TBitmap* bar1 = FEngine->SkinBitmap(SKIN2_TITLEBAR1);
    const TBitmap* rightEnd =
        FEngine->SkinBitmap(FEngine->GetBoolean(SKIN2_TITLEFIVESECT) ? SKIN2_TITLEBAR5 : SKIN2_TITLEBAR3);
    int wEnd = WidthOf(rightEnd);
    int endLeft = paint.width - wEnd;
    if (rightEnd && endLeft >= m.leftBorderWidth) {
        DrawAt(canvas, rightEnd, endLeft, 0);
    } else if (rightEnd) {
        int skip = m.leftBorderWidth - endLeft;
        RECT from{skip, 0, wEnd, rightEnd->Height()};
        RECT to{m.leftBorderWidth, 0, paint.width, rightEnd->Height()};
        canvas.CopyRect(to, *rightEnd, from);
    }
    StretchInto(canvas, bar1, {m.leftBorderWidth, 0, std::max(m.leftBorderWidth, paint.width - wEnd), HeightOf(bar1)});
    if (rightEnd && paint.width < WidthOf(bar1)) {
        int columns = std::min(m.rightBorderWidth, wEnd);
        RECT from{wEnd - columns, 0, wEnd, rightEnd->Height()};
        RECT to{paint.width - columns, 0, paint.width, rightEnd->Height()};
        canvas.CopyRect(to, *rightEnd, from);
    }
}

void TkrvSkinWindow::DrawIcon(FramePaint& paint)
{
    const TkrvSkinMetrics& m = paint.metrics;
    int buttonHeight = HeightOf(FEngine->SkinBitmap(SKIN2_TITLEBUTTONS));
    paint.iconTop = paint.minimized ? MinimizedButtonTop(buttonHeight) : std::max(m.iconY, 4);
    if (!HasIcon())
        return;
    HICON icon = IconHandle();
    if (!icon)
        icon = Application->Icon();
    if (!icon)
        icon = ::LoadIconW(::GetModuleHandleW(nullptr), L"MAINICON");
    if (icon)
        ::DrawIconEx(FTitleBitmap.Canvas()->Handle(), std::max(m.iconX, 0), paint.iconTop, icon, 16, 16, 0, nullptr,
                     DI_NORMAL);
}

void TkrvSkinWindow::DrawTitleButtons(FramePaint& paint)
{
    const TkrvSkinMetrics& m = paint.metrics;
    const TBitmap* strip = FEngine->SkinBitmap(SKIN2_TITLEBUTTONS);
    TkrvTitleButton order[] = {tbClose, tbMaximize, tbMinimize, tbHelp};
    bool present[] = {FHasCloseButton, FHasMaxButton, FHasMinButton, HasHelpButton()};
    int count = int{present[0]} + int{present[1]} + int{present[2]} + int{present[3]};
    TkrvTitleButtonLayout layout = LayoutTitleButtons(paint.width, WidthOf(strip), HeightOf(strip), count, m.buttonX,
                                                      m.buttonY, paint.minimized, paint.iconTop);
    FHoverButton = tbNone;
    auto inside = [&](int left, int top, int width, int height) {
        return paint.cursor.x >= left && paint.cursor.x <= left + width && paint.cursor.y >= top &&
               paint.cursor.y <= top + height;
    };
    if (HasIcon() && inside(std::max(m.iconX, 0) - m.leftBorderWidth, paint.iconTop, 16, 16))
        FHoverButton = tbIcon;

    TBitmap cell;
    cell.SetTransparentMode(tmFixed);
    cell.SetTransparentColor(m.transColor);
    int x = layout.firstLeft;
    for (int i = 0; i < 4; ++i) {
        if (!present[i])
            continue;
        bool hovered = inside(x - m.rightBorderWidth, layout.top, layout.width, layout.height);
        if (hovered)
            FHoverButton = order[i];
        if (strip && layout.width > 0) {
            int frame = TitleButtonFrame(order[i], paint.maximized, paint.minimized, hovered, FNcPressed);
            CopyCell(strip, cell, kTitleButtonFrames, frame);
            cell.SetTransparent(FEngine->GetBoolean(SKIN2_TITLEBTNTRANS));
            FTitleBitmap.Canvas()->Draw(x, layout.top, cell);
        }
        x -= layout.width + 2;
    }
    FButtonsLeft = x + layout.width;
}

void TkrvSkinWindow::DrawCaption(FramePaint& paint)
{
    TCanvas& canvas = *FTitleBitmap.Canvas();
    HDC dc = canvas.Handle();
    TColor color = FWindowActive ? paint.metrics.titleFontColor : FEngine->InactiveTitleColor();
    canvas.Font()->SetColor(color);
    canvas.Handle();  // selects the font in its colour
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(color));
    int top = paint.minimized ? 4 : paint.metrics.captionTop;
    if (!paint.captionW.empty()) {
        RECT box{paint.captionX, top, 2048, 100};
        ::DrawTextW(dc, paint.captionW.c_str(), static_cast<int>(paint.captionW.size()), &box, DT_SINGLELINE);
    } else if (!paint.captionA.empty()) {
        ::TextOutA(dc, paint.captionX, top, paint.captionA.c_str(), static_cast<int>(paint.captionA.size()));
    }
}

void TkrvSkinWindow::OutputTitle(HDC dc)
{
    Output(dc, FTitleBitmap, FTitleNeedsRegion ? FTitleMergeBitmap.get() : nullptr, FEngine->FormColor(), 0, 0);
}

void TkrvSkinWindow::DrawBorders(HDC dc, int borderTop, int windowWidth, int windowHeight)
{
    const TkrvSkinMetrics& m = FEngine->Metrics();
    TCanvas canvas(dc);
    int sideBottom = windowHeight - m.bottomBorderHeight;
    StretchInto(canvas, FEngine->SkinBitmap(SKIN2_FORMLEFTBORDER), {0, borderTop, m.leftBorderWidth, sideBottom});
    StretchInto(canvas, FEngine->SkinBitmap(SKIN2_FORMRIGHTBORDER),
                {windowWidth - m.rightBorderWidth, borderTop, windowWidth, sideBottom});

    const TBitmap* bottom1 = FEngine->SkinBitmap(SKIN2_FORMBOTTOMBORDER1);
    if (bottom1 && m.bottomBorderHeight > 0) {
        FBottomBitmap.SetSize(windowWidth, m.bottomBorderHeight);
        TCanvas& bottom = *FBottomBitmap.Canvas();
        RECT whole{0, 0, windowWidth, m.bottomBorderHeight};
        if (FEngine->GetBoolean(SKIN2_BOTTOMBORDERTHREESECT)) {
            const TBitmap* bottom3 = FEngine->SkinBitmap(SKIN2_FORMBOTTOMBORDER3);
            DrawAt(bottom, bottom1, 0, 0);
            DrawAt(bottom, bottom3, windowWidth - WidthOf(bottom3), 0);
            StretchInto(bottom, FEngine->SkinBitmap(SKIN2_FORMBOTTOMBORDER2),
                        {WidthOf(bottom1), 0, windowWidth - WidthOf(bottom3), m.bottomBorderHeight});
        } else {
            DrawThreeSliceH(*bottom1, bottom, whole, m.transColor, false);
        }
        Output(dc, FBottomBitmap, FBottomNeedsRegion ? FBottomMergeBitmap.get() : nullptr, FEngine->FormColor(), 0,
               sideBottom);
    }
    canvas.SetHandle(nullptr);
}

// Strips in the form colour where the native frame was thicker than the skin's borders, with the
// menu bar's background over the menu bar rows.
void TkrvSkinWindow::DrawFillers(HDC dc, int windowWidth, int windowHeight)
{
    const TkrvSkinMetrics& m = FEngine->Metrics();
    TCanvas canvas(dc);
    int menuBar = MenuBarHeight();
    int caption = CaptionHeight();
    int top = menuBar + caption;
    int bottom = windowHeight - m.bottomBorderHeight;
    RECT left{m.leftBorderWidth, top, FSideInset, bottom};
    RECT right{windowWidth - FSideInset, top, windowWidth - m.rightBorderWidth, bottom};
    if (FSideInset > m.leftBorderWidth)
        Fill(canvas, left, m.formColor);
    if (FSideInset > m.rightBorderWidth)
        Fill(canvas, right, m.formColor);
    if (FBottomInset > m.bottomBorderHeight)
        Fill(canvas, {m.leftBorderWidth, windowHeight - FBottomInset, windowWidth - m.rightBorderWidth, bottom},
             m.formColor);
    if (menuBar > 0) {
        int barTop = caption + FMenuOffset;
        if (FSideInset > m.leftBorderWidth)
            DrawMenuBarBackground(dc, {left.left, barTop, left.right, barTop + menuBar});
        if (FSideInset > m.rightBorderWidth)
            DrawMenuBarBackground(dc, {right.left, barTop, right.right, barTop + menuBar});
    }
    canvas.SetHandle(nullptr);
}

void TkrvSkinWindow::DrawMenuBarBackground(HDC dc, const RECT& rect)
{
    const TkrvSkinMetrics& m = FEngine->Metrics();
    TCanvas canvas(dc);
    TColor start = m.menuColors[mcMenuBarStart], end = m.menuColors[mcMenuBarEnd];
    if (const TBitmap* bar = FEngine->SkinBitmap(SKIN2_MENUBAR))
        StretchInto(canvas, bar, rect);
    else if (start == end)
        FillRectColor(dc, rect, start);
    else
        FillGradientV(dc, rect, start, end);
    if (ToolBarBelowMenu() && start != m.formColor) {
        FillRectColor(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, clGray);
        FillRectColor(dc, {rect.left, rect.bottom, rect.right, rect.bottom + 1}, clWhite);
    }
    canvas.SetHandle(nullptr);
}

}  // namespace ov
