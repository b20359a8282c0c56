// The tab control skinners.
#include "skin/controls/tab_skinners.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/graphics/pen.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/skin_text_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

namespace {

// The page area framed and filled, the tab side's border erased and the skin's line laid along it.
struct PageArea {
    RECT rect;  // the display area grown by 2: the frame
};

PageArea DrawPageArea(TkrvSkinEngine& engine, TCanvas& canvas, HWND control, RECT client)
{
    FillRectColor(canvas.Handle(), client, engine.FormColor());
    RECT page = client;
    ::SendMessageW(control, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    ::InflateRect(&page, 2, 2);
    canvas.Pen()->SetColor(engine.GetColor(SKIN2_CONTROLBORDERCOLOR));
    canvas.Brush()->SetColor(engine.FormColor());
    canvas.Rectangle(page);
    return {page};
}

void DrawTabLine(TkrvSkinEngine& engine, TCanvas& canvas, TTabPosition position, const RECT& page)
{
    canvas.Pen()->SetColor(engine.FormColor());
    switch (position) {
    case tpTop:
        canvas.MoveTo(page.left + 1, page.top);
        canvas.LineTo(page.right - 1, page.top);
        break;
    case tpBottom:
        canvas.MoveTo(page.left + 1, page.bottom - 1);
        canvas.LineTo(page.right - 1, page.bottom - 1);
        break;
    case tpLeft:
        canvas.MoveTo(page.left, page.top + 1);
        canvas.LineTo(page.left, page.bottom - 1);
        break;
    case tpRight:
        canvas.MoveTo(page.right - 1, page.top + 1);
        canvas.LineTo(page.right - 1, page.bottom - 1);
        break;
    }
    const TBitmap* line = engine.TabRes().Line(TabTurn(position));
    if (!line || line->Width() == 0)
        return;
    bool across = position == tpLeft || position == tpRight;
    RECT strip = TabLineRect(position, page, across ? line->Width() : line->Height());
    StretchBitmap(*line, canvas, strip);
}

// A tab face built upright: the face's three horizontal sections across the tab, then, for a tab
// taller than the face, the face's rows in three vertical sections over the whole height.
void DrawTabFace(const TBitmap& face, TBitmap& tab, TColor key)
{
    DrawThreeSliceH(face, *tab.Canvas(), {0, 0, tab.Width(), face.Height()}, key, false);
    if (tab.Height() <= face.Height() + 1)
        return;
    TBitmap top(tab.Width(), face.Height());
    top.Canvas()->CopyRect({0, 0, tab.Width(), face.Height()}, *tab.Canvas(), {0, 0, tab.Width(), face.Height()});
    DrawCapsV(top, *tab.Canvas(), {0, 0, tab.Width(), tab.Height()}, face.Height() / 3);
}

std::wstring WithoutDoubledAmpersands(std::wstring text)
{
    for (size_t at = text.find(L"&&"); at != std::wstring::npos; at = text.find(L"&&", at + 1))
        text.erase(at, 1);
    return text;
}

}  // namespace

int TabTurn(TTabPosition position)
{
    switch (position) {
    case tpLeft:
        return 1;
    case tpBottom:
        return 2;
    case tpRight:
        return 3;
    default:
        return 0;
    }
}

RECT TabLineRect(TTabPosition position, const RECT& page, int thickness)
{
    switch (position) {
    case tpBottom:
        return {page.left, page.bottom + 1 - thickness, page.right, page.bottom + 1};
    case tpLeft:
        return {page.left - 1, page.top, page.left - 1 + thickness, page.bottom};
    case tpRight:
        return {page.right + 1 - thickness, page.top, page.right + 1, page.bottom};
    default:
        return {page.left, page.top - 1, page.right, page.top - 1 + thickness};
    }
}

// --- framework tab and page controls ----------------------------------------------------------------

bool TkrvSkinTabControl::PreMessage(TMessage& message)
{
    return AnswerPaintMessages(message, GetHandle(), [this] { Paint(); });
}

// The picture is complete after the paint messages: the base would only paint it once more.
void TkrvSkinTabControl::AfterMessage(TMessage& message)
{
    if (message.Msg != WM_PAINT && message.Msg != WM_ERASEBKGND)
        TkrvSkinControlVCL::AfterMessage(message);
}

std::wstring TkrvSkinTabControl::GetWideTabCaption(int index)
{
    TStrings* tabs = Tabs().Tabs();
    return index >= 0 && index < tabs->Count() ? tabs->Strings(index) : std::wstring();
}

void TkrvSkinTabControl::Paint()
{
    HWND window = GetHandle();
    TBitmap picture(std::max(FControl->Width(), 1), std::max(FControl->Height(), 1));
    TCanvas& canvas = *picture.Canvas();
    PageArea page = DrawPageArea(*FEngine, canvas, window, FControl->ClientRect());
    int selected = static_cast<int>(::SendMessageW(window, TCM_GETCURSEL, 0, 0));
    int count = static_cast<int>(::SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT tab{};
        ::SendMessageW(window, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
        if (tab.left < tab.right && tab.top < tab.bottom)
            DrawTab(picture, i, i == selected, tab);
    }
    DrawTabLine(*FEngine, canvas, Tabs().TabPosition(), page.rect);
    CopyToWindow(picture, window, WindowArea::Client);
}

void TkrvSkinTabControl::DrawTab(TBitmap& target, int index, bool selected, const RECT& tabRect)
{
    TTabPosition position = Tabs().TabPosition();
    bool sideways = position == tpLeft || position == tpRight;
    int width = tabRect.right - tabRect.left, height = tabRect.bottom - tabRect.top;
    TBitmap tab(sideways ? height : width, sideways ? width : height);
    const TkrvSkinMetrics& m = FEngine->Metrics();
    if (const TBitmap* face = selected ? FEngine->TabRes().TabA(0) : FEngine->TabRes().TabB(0))
        DrawTabFace(*face, tab, m.transColor);
    tab.SetTransparentMode(tmFixed);
    tab.SetTransparentColor(m.transColor);
    tab.SetTransparent(FEngine->GetBoolean(SKIN2_TABCONTROLTRANS));

    std::wstring caption = GetWideTabCaption(index);
    auto prepareCanvas = [&] {
        TCanvas& canvas = *tab.Canvas();
        canvas.SetFont(*FControl->Font());
        canvas.Font()->SetColor(
            FEngine->GetColor(selected ? SKIN2_TABCONTROLACTIVEFONTCOLOR : SKIN2_TABCONTROLINACTIVEFONTCOLOR));
        canvas.Brush()->SetStyle(bsClear);
        return &canvas;
    };
    TCanvas* canvas = prepareCanvas();
    int rawWidth = canvas->TextWidth(caption);
    RECT box{(tab.Width() - canvas->TextWidth(WithoutDoubledAmpersands(caption))) / 2, 2, tab.Width(), tab.Height()};

    TCustomImageList* images = Tabs().Images();
    int image = -1;
    if (images) {
        TCITEMW item{};
        item.mask = TCIF_IMAGE;
        ::SendMessageW(GetHandle(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        if (item.iImage < images->Count())
            image = item.iImage;
    }
    auto placeImage = [&](int minTop, int extra) {
        int x = (tab.Width() - rawWidth - images->Width() - 4) / 2;
        int y = std::max((tab.Height() - std::max(canvas->TextHeight(caption), images->Height())) / 2, minTop);
        images->Draw(*canvas, x, y + extra, image, true);
        box.left = x + images->Width() + 4;
    };
    if (image > -1 && position != tpBottom)
        placeImage(0, 1);

    switch (position) {
    case tpBottom:
        Rotate180(tab);
        canvas = prepareCanvas();
        if (image > -1)
            placeImage(1, 0);
        canvas->DrawText(caption, box, DT_SINGLELINE | DT_VCENTER);
        break;
    case tpLeft:
        canvas->DrawText(caption, box, DT_SINGLELINE | DT_VCENTER);
        RotateLeft(tab);
        break;
    case tpRight:
        canvas->DrawText(caption, box, DT_SINGLELINE | DT_VCENTER);
        RotateRight(tab);
        break;
    default:
        canvas->DrawText(caption, box, DT_SINGLELINE | DT_VCENTER);
        break;
    }
    target.Canvas()->Draw(tabRect.left, tabRect.top, tab);
}

// --- plain tab controls -------------------------------------------------------------------------------

bool TkrvSkinWndTabControl::PreMessage(TMessage& message)
{
    return AnswerPaintMessages(message, FHandle, [this] { Paint(); });
}

void TkrvSkinWndTabControl::AfterMessage(TMessage& message)
{
    if (message.Msg != WM_PAINT && message.Msg != WM_ERASEBKGND)
        TkrvSkinControlWnd::AfterMessage(message);
}

void TkrvSkinWndTabControl::Initialize()
{
    RECT tab{};
    ::SendMessageW(FHandle, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    FTabHeight = tab.bottom - tab.top;
}

// The tab height is only recorded: the control keeps sizing its own tabs, skinned or not.
void TkrvSkinWndTabControl::Update() { Initialize(); }

void TkrvSkinWndTabControl::Paint()
{
    TBitmap picture(std::max(GetWindowWidth(), 1), std::max(GetWindowHeight(), 1));
    TCanvas& canvas = *picture.Canvas();
    PageArea page = DrawPageArea(*FEngine, canvas, FHandle, {0, 0, picture.Width(), picture.Height()});
    int selected = static_cast<int>(::SendMessageW(FHandle, TCM_GETCURSEL, 0, 0));
    int count = static_cast<int>(::SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        RECT tab{};
        ::SendMessageW(FHandle, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
        DrawTab(picture, i, i == selected, tab);
    }
    DrawTabLine(*FEngine, canvas, tpTop, page.rect);
    CopyToWindow(picture, FHandle, WindowArea::Whole);
}

void TkrvSkinWndTabControl::DrawTab(TBitmap& target, int index, bool selected, const RECT& tabRect)
{
    TBitmap tab(std::max<int>(tabRect.right - tabRect.left, 1), std::max<int>(tabRect.bottom - tabRect.top, 1));
    const TkrvSkinMetrics& m = FEngine->Metrics();
    if (const TBitmap* face = selected ? FEngine->TabRes().TabA(0) : FEngine->TabRes().TabB(0)) {
        if (tab.Height() > face->Height() + 1)
            DrawThreeSliceH(*face, *tab.Canvas(), {0, tab.Height() - face->Height() - 1, tab.Width(), tab.Height() - 1},
                            m.transColor, false);
        DrawThreeSliceH(*face, *tab.Canvas(), {0, 0, tab.Width(), face->Height()}, m.transColor, false);
    }
    tab.SetTransparentMode(tmFixed);
    tab.SetTransparentColor(m.transColor);
    tab.SetTransparent(FEngine->GetBoolean(SKIN2_TABCONTROLTRANS));

    wchar_t text[260] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 260;
    ::SendMessageW(FHandle, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    TCanvas& canvas = *tab.Canvas();
    SetMenuFont(*canvas.Font());
    canvas.Font()->SetColor(
        FEngine->GetColor(selected ? SKIN2_TABCONTROLACTIVEFONTCOLOR : SKIN2_TABCONTROLINACTIVEFONTCOLOR));
    canvas.Brush()->SetStyle(bsClear);
    RECT box{(tab.Width() - canvas.TextWidth(text)) / 2, 2, tab.Width(), tab.Height()};
    canvas.DrawText(text, box, DT_SINGLELINE | DT_VCENTER);
    target.Canvas()->Draw(tabRect.left, tabRect.top, tab);
}

}  // namespace ov
