// Menus owner-drawn with the skin: which menus the engine takes over, and how their items are
// measured and drawn (left image column, separators, selection, check mark, shortcut text).
#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "skin/data/skin_menus_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/skin_text_win.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skin_window.h"
#include "framework/forms/form.h"

namespace ov {

namespace {

constexpr TColor kSeparatorColor = 0x848284;

// The item's image list for drawing, leaving out the placeholder that only makes room.
TCustomImageList* ItemImages(const TMenuItem* item)
{
    TCustomImageList* images = GetMenuItemImages(item);
    return images == PlaceholderImages() ? nullptr : images;
}

void FillLeftBar(HDC dc, const RECT& rect, TColor start, TColor end)
{
    start == end ? FillRectColor(dc, rect, start) : FillGradientH(dc, rect, start, end);
}

}  // namespace

void TkrvSkinEngine::PrepareMenu(TMenu* menu)
{
    if (!menu)
        return;
    menu->SetOwnerDraw(true);
    if (auto* mainMenu = dynamic_cast<TMainMenu*>(menu); mainMenu && !mainMenu->Images())
        mainMenu->SetImages(PlaceholderImages());
    for (int i = 0; i < menu->Items()->Count(); ++i)
        PrepareMenuItem(menu->Items()->Items(i));
}

void TkrvSkinEngine::PrepareMenuItem(TMenuItem* item)
{
    HookMenuItems(item, TMenuMeasureItemEvent(this, &TkrvSkinEngine::MeasureMenuItem),
                  TMenuDrawItemEvent(this, &TkrvSkinEngine::DrawMenuItem));
}

void TkrvSkinEngine::ReleaseMenu(TMenu* menu)
{
    if (!menu)
        return;
    menu->SetOwnerDraw(false);
    if (auto* mainMenu = dynamic_cast<TMainMenu*>(menu); mainMenu && mainMenu->Images() == PlaceholderImages())
        mainMenu->SetImages(nullptr);
    for (int i = 0; i < menu->Items()->Count(); ++i)
        HookMenuItems(menu->Items()->Items(i), TMenuMeasureItemEvent(), TMenuDrawItemEvent());
}

// The form a control stands on, through its parents.
static TCustomForm* FormOf(TControl* control)
{
    while (control && !dynamic_cast<TCustomForm*>(control))
        control = control->Parent();
    return static_cast<TCustomForm*>(control);
}

void TkrvSkinEngine::PrepareShownPopup(TPopupMenu& menu)
{
    if (!IsWorking() || menu.Tag() == DisabledTag() || menu.OwnerDraw())
        return;
    TCustomForm* form = FormOf(dynamic_cast<TControl*>(menu.PopupComponent()));
    TkrvSkinWindow* skinWindow = form && form->HandleAllocated() ? FindSkinWindow(form->WindowHandle()) : nullptr;
    if (!skinWindow || !skinWindow->SkinOn())
        return;
    PrepareMenu(&menu);
    if (std::find(FShownPopups.begin(), FShownPopups.end(), &menu) == FShownPopups.end()) {
        FShownPopups.push_back(&menu);
        menu.FreeNotification(this);
    }
}

// Menus that outlive the engine must not keep its painters.
void TkrvSkinEngine::ReleaseShownPopups()
{
    for (TPopupMenu* menu : std::exchange(FShownPopups, {})) {
        menu->RemoveFreeNotification(this);
        ReleaseMenu(menu);
    }
}

void TkrvSkinEngine::MeasureMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height)
{
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item)
        return;
    if (item->Parent() && dynamic_cast<TMainMenu*>(item->GetParentMenu()) &&
        item->Parent() == item->GetParentMenu()->Items())
        return;  // the bar's own items keep the framework's size
    TCustomImageList* images = ItemImages(item);
    int imageHeight = images ? images->Height() + 5 : 0;
    std::wstring shortcut = ShortCutToText(item->ShortCut());
    height = item->IsLine() ? 5 : std::max({canvas->TextHeight(item->Caption()), 21, imageHeight});
    width = canvas->TextWidth(item->Caption()) + (shortcut.empty() ? 0 : canvas->TextWidth(shortcut)) + 66;
}

void TkrvSkinEngine::DrawMenuItem(TObject* sender, TCanvas* canvas, RECT r, bool selected)
{
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item)
        return;
    const auto& c = FMetrics.menuColors;
    HDC dc = canvas->Handle();
    TCustomImageList* images = ItemImages(item);
    int column = images ? images->Width() + 10 : 26;
    int imageHeight = images ? images->Height() : 16;
    RECT bar{r.left, r.top, r.left + column, r.bottom};
    RECT rest{r.left + column, r.top, r.right, r.bottom};
    if (item->IsLine()) {
        FillLeftBar(dc, bar, c[mcLeftBarStart], c[mcLeftBarEnd]);
        FillRectColor(dc, rest, c[mcMenuItem]);
        DrawSeparatorLine(dc, r, kSeparatorColor, true, column);
        return;
    }
    bool highlighted = selected && item->Enabled();
    if (highlighted) {
        FillRectColor(dc, r, c[mcSelectedMenu]);
        FrameRectColor(dc, r, c[mcSelectedMenuBorder]);
    } else {
        FillLeftBar(dc, bar, c[mcLeftBarStart], c[mcLeftBarEnd]);
        FillRectColor(dc, rest, c[mcMenuItem]);
    }

    SetMenuFont(*canvas->Font());
    TColor textColor = !item->Enabled() ? DisabledMenuTextColor()
                       : selected       ? c[mcSelectedMenuFont]
                                        : c[mcMenuItemFont];
    canvas->Font()->SetColor(textColor);
    if (item->Default()) {
        TFontStyles style = canvas->Font()->Style();
        style.Include(fsBold);
        canvas->Font()->SetStyle(style);
    }
    ::SetBkMode(canvas->Handle(), TRANSPARENT);
    RECT captionBox{r.left + column + 4, r.top, r.right, r.bottom};
    canvas->DrawText(item->Caption(), captionBox, DT_SINGLELINE | DT_VCENTER);
    std::wstring shortcut = ShortCutToText(item->ShortCut());
    if (!shortcut.empty()) {
        RECT shortcutBox{r.right - canvas->TextWidth(shortcut) - 16, r.top, r.right, r.bottom};
        canvas->DrawText(shortcut, shortcutBox, DT_SINGLELINE | DT_VCENTER);
    }

    TCustomImageList* menuImages = item->GetParentMenu() ? item->GetParentMenu()->Images() : nullptr;
    bool usableImage = item->ImageIndex() != -1 && menuImages && item->ImageIndex() < menuImages->Count();
    if (item->Checked()) {
        if (!usableImage) {
            TCustomImageList* marks = MenuCheckImages();
            canvas->Handle();
            marks->Draw(*canvas, r.left + (column - marks->Width()) / 2,
                        r.top + (imageHeight + 5 - marks->Height()) / 2, 0, item->Enabled());
        } else {
            FrameRectColor(dc, {r.left + 2, r.top + 1, r.left + column - 5, r.top + imageHeight + 4}, clBlack);
            FillRectColor(dc, {r.left + 3, r.top + 2, r.left + column - 6, r.top + imageHeight + 3}, c[mcMenuItem]);
        }
    }
    if (item->ImageIndex() != -1 && images) {
        if (item->ImageIndex() < images->Count())
            images->Draw(*canvas, r.left + 4, r.top + 3, item->ImageIndex(), item->Enabled());
    } else if (item->HasBitmap()) {
        canvas->StretchDraw({r.left + 4, r.top + 3, r.left + 20, r.top + 19}, *item->Bitmap());
    }
}

}  // namespace ov
