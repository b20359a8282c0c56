// Tool bars and status bars in the skin's colours. TkrvSkinToolBar plugs into a framework tool bar's custom-draw
// events: the background from the skin, and hot, pressed and checked buttons drawn in the skin's
// colours, while normal and disabled buttons keep the tool bar's own drawing.
// TkrvSkinWndToolbarWindow32 serves plain tool bars of dialogs and only makes them flat (on the
// old platform family, where they are not already).
#pragma once

#include <string>

#include "framework/controls/tool_bar.h"
#include "skin/engine/skin_control.h"

namespace ov {

class TkrvSkinToolBar : public TkrvSkinControlVCL {
public:
    TkrvSkinToolBar(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    void Initialize() override;
    void Update() override;
    void Detach() override;
    bool UsesParentColor() override { return true; }

    void ToolBarCustomDraw(TToolBar* sender, const RECT& rect, bool& defaultDraw);
    void ToolBarCustomDrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw);

private:
    [[nodiscard]] TToolBar& Bar() const { return static_cast<TToolBar&>(*FControl); }
    void DrawButton(TCanvas& canvas, const RECT& r, bool isDropDown, const std::wstring& caption, int imageIndex,
                    TCustomImageList* images, bool down);

    bool FOldFlat = false;
    TColor FOldColor = clBtnFace;
};

// A status bar keeps its own painting; only its size grip is drawn again, in the inactive caption
// colour over the bar's own colour.
class TkrvSkinStatusBar : public TkrvSkinControlVCL {
public:
    TkrvSkinStatusBar(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}
    void Paint() override;
    bool UsesParentColor() override { return true; }
};

class TkrvSkinWndToolbarWindow32 : public TkrvSkinControlWnd {
public:
    TkrvSkinWndToolbarWindow32(HWND window, TkrvSkinWindow* owner) : TkrvSkinControlWnd(window, owner) {}
    void Initialize() override;
};

// How the skin draws a button in a custom-draw state: not at all (the tool bar's own look), hot, or
// down (hot and pressed at once). A checked or pressed button without the pointer looks hot.
enum class TkrvToolButtonLook { Own, Hot, Down };
TkrvToolButtonLook ToolButtonLook(TCustomDrawState state);

// Where a skinned button's caption starts, by how the button shows its image (see DrawButton).
POINT ToolButtonCaptionOrigin(const RECT& button, int contentRight, int captionWidth, bool hasImages, bool list,
                              bool imageDrawn, SIZE image, bool down);

}  // namespace ov
