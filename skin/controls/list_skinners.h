// Grids and list views: scrolled controls (frame and overlay bars) with one part more each. A grid's
// fixed cells take the skin's form colour while the skin works; a list view's column header is
// painted from the skin in place of the system's look.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/graphics/color.h"
#include "skin/controls/scroll_skinners.h"
#include "skin/engine/window_hooks.h"

namespace ov {

class TkrvSkinGrid : public TkrvSkinScrollWinControl {
public:
    TkrvSkinGrid(TControl* control, TkrvSkinWindow* owner) : TkrvSkinScrollWinControl(control, owner) {}

    void Initialize() override;
    void Update() override;

private:
    TColor FOldFixedColor = clBtnFace;
    bool FSkinColored = false;  // FixedColor is the skin's; FOldFixedColor is the grid's own
};

// Where a header column's image (when `imageWidth` > 0) and caption start, by the column's
// alignment; `item` is the column's rectangle and `captionWidth` the caption's width.
struct TkrvHeaderPlaces {
    int image;
    int caption;
};
TkrvHeaderPlaces HeaderColumnPlaces(TAlignment alignment, const RECT& item, int captionWidth, int imageWidth);

class TkrvSkinListView : public TkrvSkinScrollWinControl {
public:
    TkrvSkinListView(TControl* control, TkrvSkinWindow* owner) : TkrvSkinScrollWinControl(control, owner) {}
    ~TkrvSkinListView() override;

    void Initialize() override;
    void Detach() override;

    [[nodiscard]] HWND Header() const noexcept { return FHeader; }

private:
    void HeaderProc(TMessage& message);
    void PaintHeader();
    void DrawColumn(TCanvas& canvas, int index, const RECT& item);

    HWND FHeader = nullptr;
    std::unique_ptr<TSubclassHook> FOldHeaderProc;  // the header's procedure before hooking
    HWND FListHandle = nullptr;
};

}  // namespace ov
