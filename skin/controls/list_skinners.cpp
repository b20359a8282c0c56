// The grid and list view skinners.
#include "skin/controls/list_skinners.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/controls/grid.h"
#include "framework/graphics/image_list.h"
#include "framework/controls/list_view.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/skin_text_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

// --- grids --------------------------------------------------------------------------------------------

void TkrvSkinGrid::Initialize()
{
    TkrvSkinScrollWinControl::Initialize();
    FOldFixedColor = static_cast<TCustomGrid&>(*FControl).FixedColor();
}

// The grid's own colour is kept only while it shows its own: an update while the skin already
// colours it (a new skin loaded) must not take the skin's colour for the grid's.
void TkrvSkinGrid::Update()
{
    TkrvSkinScrollWinControl::Update();
    auto& grid = static_cast<TCustomGrid&>(*FControl);
    if (FEngine->IsWorking()) {
        if (!FSkinColored)
            FOldFixedColor = grid.FixedColor();
        FSkinColored = true;
        grid.SetFixedColor(FEngine->GetColor(SKIN2_FORMCOLOR));
    } else if (FSkinColored) {
        FSkinColored = false;
        grid.SetFixedColor(FOldFixedColor);
    }
}

// --- list views ---------------------------------------------------------------------------------------

TkrvHeaderPlaces HeaderColumnPlaces(TAlignment alignment, const RECT& item, int captionWidth, int imageWidth)
{
    int w = item.right - item.left - 6;
    int image = imageWidth > 0 ? imageWidth : 0;
    int x = item.left + 4;
    if (alignment == taRightJustify)
        x = item.left + std::max(w - captionWidth - image - 2, 4);
    else if (alignment == taCenter)
        x = item.left + std::max((w - captionWidth - image - 2) / 2, 4);
    return {x, imageWidth > 0 ? x + imageWidth + 2 : x};
}

TkrvSkinListView::~TkrvSkinListView() { FOldHeaderProc.reset(); }

void TkrvSkinListView::Initialize()
{
    TkrvSkinScrollWinControl::Initialize();
    auto& list = static_cast<TWinControl&>(*FControl);
    FListHandle = list.Handle();
    FHeader = ListView_GetHeader(FListHandle);
    if (FHeader)
        FOldHeaderProc = std::make_unique<TSubclassHook>(FHeader, TWndMethod(this, &TkrvSkinListView::HeaderProc));
}

void TkrvSkinListView::Detach()
{
    TkrvSkinScrollWinControl::Detach();
    // A list view on its way out takes its header along; the hook is only forgotten then.
    if (FOldHeaderProc && ::IsWindow(FListHandle) && !FControl->ComponentState().Contains(csDestroying))
        FOldHeaderProc->Remove();
    FOldHeaderProc.reset();
}

void TkrvSkinListView::HeaderProc(TMessage& message)
{
    bool painting = EngineWorking() && !FEngine->IsDestroying() && FControl->Tag() != FEngine->DisabledTag();
    if (message.Msg == WM_PAINT && painting) {
        PAINTSTRUCT ps;
        ::BeginPaint(FHeader, &ps);
        PaintHeader();
        ::EndPaint(FHeader, &ps);
        message.Result = 0;
        return;
    }
    message.Result = FOldHeaderProc->CallPrevious(message);
    if ((message.Msg == HDM_SETITEMA || message.Msg == HDM_SETITEMW) && painting)
        PaintHeader();
}

// The whole header built off-screen: each column on the form colour with its image and caption
// and a line at its right edge, the rest of the header after the last column, a line along the
// bottom.
void TkrvSkinListView::PaintHeader()
{
    RECT window{};
    ::GetWindowRect(FHeader, &window);
    int width = window.right - window.left, height = window.bottom - window.top;
    if (width <= 0 || height <= 0)
        return;
    TBitmap picture(width, height);
    TCanvas& canvas = *picture.Canvas();
    SetMenuFont(*canvas.Font());
    canvas.Font()->SetColor(FEngine->GetColor(SKIN2_CONTROLFONTCOLOR));
    TColor border = FEngine->GetColor(SKIN2_CONTROLBORDERCOLOR);
    int count = static_cast<int>(::SendMessageW(FHeader, HDM_GETITEMCOUNT, 0, 0));
    int lastLine = -1;
    int right = 0;
    for (int i = 0; i < count; ++i) {
        RECT item{};
        ::SendMessageW(FHeader, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        FillRectColor(canvas.Handle(), item, FEngine->FormColor());
        DrawColumn(canvas, i, item);
        canvas.Pen()->SetColor(border);
        canvas.MoveTo(item.right - 1, item.top);
        canvas.LineTo(item.right - 1, item.bottom);
        if (item.right == lastLine + 1) {  // a column of no width: its line beside the last one
            canvas.MoveTo(item.right - 2, item.top);
            canvas.LineTo(item.right - 2, item.bottom);
        }
        lastLine = item.right - 1;
        right = item.right;
    }
    FillRectColor(canvas.Handle(), {right, 0, width, height}, FEngine->FormColor());
    canvas.Pen()->SetColor(border);
    canvas.MoveTo(0, height - 1);
    canvas.LineTo(width, height - 1);
    CopyToWindow(picture, FHeader, WindowArea::Whole);
}

void TkrvSkinListView::DrawColumn(TCanvas& canvas, int index, const RECT& item)
{
    auto& list = static_cast<TCustomListView&>(*FControl);
    if (index >= list.Columns()->Count())
        return;
    TListColumn* column = list.Column(index);
    TCustomImageList* images = list.SmallImages();
    bool withImage = images && column->ImageIndex() >= 0;
    canvas.Brush()->SetStyle(bsClear);
    TkrvHeaderPlaces places = HeaderColumnPlaces(column->Alignment(), item, canvas.TextWidth(column->Caption()),
                                                 withImage ? images->Width() : 0);
    if (withImage)
        images->Draw(canvas, places.image, (item.bottom - item.top - images->Height()) / 2, column->ImageIndex());
    std::wstring caption = EllipsizeTextW(canvas, column->Caption(), item.right - places.caption - 2);
    RECT box{places.caption, item.top, item.right - 2, item.bottom};
    canvas.DrawText(caption, box, DT_SINGLELINE | DT_VCENTER);
}

}  // namespace ov
