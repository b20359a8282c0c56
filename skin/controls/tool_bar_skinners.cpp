// The tool bar skinners.
#include "skin/controls/tool_bar_skinners.h"

#include <commctrl.h>

#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/graphics/pen.h"
#include "framework/controls/status_bar.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/windows_version_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

namespace {

constexpr int kDropDownArrowWidth = 14;

std::wstring WithoutAmpersands(std::wstring text)
{
    std::erase(text, L'&');
    return text;
}

void DrawDropDownArrow(TCanvas& canvas, const RECT& r)
{
    int middle = r.top + (r.bottom - r.top) / 2;
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetColor(clBlack);
    canvas.Brush()->SetStyle(bsSolid);
    POINT outer[] = {{r.right - 9, middle}, {r.right - 5, middle}, {r.right - 7, middle + 2}};
    POINT inner[] = {{r.right - 8, middle}, {r.right - 6, middle}, {r.right - 7, middle + 1}};
    canvas.Polygon(outer);
    canvas.Polygon(inner);
    canvas.MoveTo(r.right - kDropDownArrowWidth, r.top);
    canvas.LineTo(r.right - kDropDownArrowWidth, r.bottom);
}

}  // namespace

TkrvToolButtonLook ToolButtonLook(TCustomDrawState state)
{
    if (state.Contains(cdsHot))
        return state.Contains(cdsSelected) ? TkrvToolButtonLook::Down : TkrvToolButtonLook::Hot;
    if (state.Contains(cdsSelected) || state.Contains(cdsChecked))
        return TkrvToolButtonLook::Hot;
    return TkrvToolButtonLook::Own;
}

POINT ToolButtonCaptionOrigin(const RECT& button, int contentRight, int captionWidth, bool hasImages, bool list,
                              bool imageDrawn, SIZE image, bool down)
{
    int centred = button.left + (contentRight - button.left - captionWidth) / 2;
    if (hasImages) {
        if (!list)
            return {centred, button.top + image.cy + 4};
        return imageDrawn ? POINT{button.left + image.cx + 7, button.top + (image.cy - 16) / 2 + 4}
                          : POINT{button.left + 5, button.top + 4};
    }
    if (list)
        return {button.left + 8, button.top + 3};
    return {centred, button.top + (down ? 5 : 4)};
}

void TkrvSkinToolBar::Initialize()
{
    FOldFlat = Bar().Flat();
    FOldColor = Bar().Color();
}

void TkrvSkinToolBar::Update()
{
    TToolBar& bar = Bar();
    if (FEngine->IsWorking()) {
        bar.SetFlat(true);
        bar.SetTransparent(false);
        bar.SetColor(FEngine->GetColor(SKIN2_TOOLBARSTARTCOLOR));
        if (!bar.ComponentState().Contains(csDesigning)) {
            bar.OnCustomDrawButton = TTBCustomDrawBtnEvent(this, &TkrvSkinToolBar::ToolBarCustomDrawButton);
            bar.OnCustomDraw = TTBCustomDrawEvent(this, &TkrvSkinToolBar::ToolBarCustomDraw);
        }
    } else {
        bar.SetFlat(FOldFlat);
        bar.SetColor(FOldColor);
        bar.OnCustomDrawButton = nullptr;
    }
}

// The tool bar's paint events name this skinner: they go with it, also when the engine is going
// (the tool bar may outlive the engine and would paint through a freed skinner).
void TkrvSkinToolBar::Detach()
{
    TkrvSkinControlVCL::Detach();
    Bar().OnCustomDraw = nullptr;
    Bar().OnCustomDrawButton = nullptr;
}

void TkrvSkinToolBar::ToolBarCustomDraw(TToolBar* sender, const RECT& rect, bool&)
{
    TCanvas& canvas = *sender->Canvas();
    TColor start = FEngine->GetColor(SKIN2_TOOLBARSTARTCOLOR), end = FEngine->GetColor(SKIN2_TOOLBARENDCOLOR);
    if (const TBitmap* background = FEngine->SkinBitmap(SKIN2_TOOLBAR))
        StretchBitmap(*background, canvas, rect);
    else if (start != end)
        FillGradientV(canvas.Handle(), rect, start, end);
}

void TkrvSkinToolBar::ToolBarCustomDrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state,
                                              bool& defaultDraw)
{
    TkrvToolButtonLook look = ToolButtonLook(state);
    if (look == TkrvToolButtonLook::Own)
        return;  // normal and disabled buttons draw themselves
    RECT r = button->BoundsRect();
    bool isDropDown = button->Style() == tbsDropDown;
    TCustomImageList* images = sender->HotImages() ? sender->HotImages() : sender->Images();
    DrawButton(*sender->Canvas(), r, isDropDown, button->Caption(), button->ImageIndex(), images,
               look == TkrvToolButtonLook::Down);
    if (state.Contains(cdsHot) && isDropDown)
        DrawDropDownArrow(*sender->Canvas(), r);
    defaultDraw = false;
}

void TkrvSkinToolBar::DrawButton(TCanvas& canvas, const RECT& r, bool isDropDown, const std::wstring& caption,
                                 int imageIndex, TCustomImageList* images, bool down)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FEngine->GetColor(down ? SKIN2_TOOLBARDOWNCOLOR : SKIN2_TOOLBARONCOLOR));
    canvas.Pen()->SetColor(FEngine->GetColor(SKIN2_TOOLBARBORDERCOLOR));
    canvas.Rectangle(r);
    int contentRight = isDropDown ? r.right - kDropDownArrowWidth : r.right;
    bool list = Bar().List();
    bool imageDrawn = false;
    SIZE image{};
    if (images) {
        image = {images->Width(), images->Height()};
        bool drawable = down || (imageIndex >= 0 && imageIndex < images->Count());
        if (drawable) {
            int x = list ? r.left + 5 : r.left + (contentRight - r.left - image.cx) / 2;
            images->Draw(canvas, x, r.top + 3, imageIndex, true);
            imageDrawn = true;
        }
    }
    if (!Bar().ShowCaptions())
        return;
    int w = canvas.TextWidth(WithoutAmpersands(caption));
    POINT at = ToolButtonCaptionOrigin(r, contentRight, w, images != nullptr, list, imageDrawn, image, down);
    RECT box{at.x, at.y, r.right, r.bottom};
    canvas.Brush()->SetStyle(bsClear);
    canvas.DrawText(caption, box, 0);
}

void TkrvSkinStatusBar::Paint()
{
    auto& bar = static_cast<TCustomStatusBar&>(*FControl);
    if (!bar.SizeGrip())
        return;
    UniqueWindowDC dc = ControlDC();
    if (!dc)
        return;
    const int w = bar.Width(), h = bar.Height();
    TColor back = bar.Color();
    FillRectColor(dc.get(), {w - 16, h - 15, w - 1, h - 1}, back);
    UniquePen pen(::CreatePen(PS_SOLID, 1, ColorToRGB(clInactiveCaption)));
    ScopedSelect selected(dc.get(), pen.get());
    ::MoveToEx(dc.get(), w - 15, h - 1, nullptr);
    ::LineTo(dc.get(), w - 1, h - 15);
    for (int i = 0; i < 3; ++i) {
        ::MoveToEx(dc.get(), w - 16 + 4 * i + 5, h - 1, nullptr);
        ::LineTo(dc.get(), w - 1, h - 15 + 4 * i + 4);
    }
    if (h - 15 > 3)
        FillRectColor(dc.get(), {w - 16, 3, w - 1, h - 15}, back);
    FillRectColor(dc.get(), {w - 20, 3, w - 16, h - 1}, back);
}

void TkrvSkinWndToolbarWindow32::Initialize()
{
    if (!WindowsVersion().isNT) {
        LRESULT style = ::SendMessageW(FHandle, TB_GETSTYLE, 0, 0);
        ::SendMessageW(FHandle, TB_SETSTYLE, 0, style | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT);
    }
}

}  // namespace ov
