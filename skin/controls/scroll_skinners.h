// Scroll bars and frames of scrolled controls in the skin's look, without taking over what they do.
// Windows draws a control's scroll bars in its non-client area, so TkrvSkinScrollWinControl lays a
// small borderless panel (TkrvSkinInternalScrollBar) over each visible bar, paints the skin's bar
// into it and hands every click on it back to the control as a press on its own scroll bar: the
// control scrolls exactly as it would unskinned. TkrvSkinBorderWinControl (and its plain-window
// twin) draws a two-colour frame in place of the control's sunken border.
#pragma once

#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/controls/panel.h"
#include "skin/engine/skin_control.h"
#include "skin/engine/skin_overlay.h"

namespace ov {

class TkrvSkinEngine;

// Paints one skinned scroll bar into `bar` of the canvas: the track, the two arrow buttons in
// their normal state, and (with `drawThumb`) the thumb over `thumb`.
void PaintSkinScrollBar(TCanvas& canvas, TkrvSkinEngine& engine, const RECT& bar, const RECT& thumb, bool drawThumb,
                        bool vertical);

// Whether a control's frame is drawn: a published BorderStyle other than bsNone, no empty
// BevelEdges or EdgeBorders, and a class not on the no-border list.
bool HasSkinnedFrame(const TControl& control);

class TkrvSkinBorderWinControl : public TkrvSkinControlVCL {
public:
    TkrvSkinBorderWinControl(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}
    void Paint() override { PaintFrame(); }

protected:
    void PaintFrame();
};

class TkrvSkinBorderWndControl : public TkrvSkinControlWnd {
public:
    TkrvSkinBorderWndControl(HWND window, TkrvSkinWindow* owner) : TkrvSkinControlWnd(window, owner) {}
    void Paint() override;
};

// The panel laid over one scroll bar of a control.
class TkrvSkinInternalScrollBar : public TkrvSkinOverlay<TCustomPanel> {
    OV_CLASS(TkrvSkinInternalScrollBar, TkrvSkinOverlay<TCustomPanel>)

    TkrvSkinInternalScrollBar(TComponent* owner, TWinControl* control, TkrvSkinOverlaySlotBase* slot, bool horizontal);

    TBitmap& Bitmap() noexcept { return FBitmap; }
    bool Horizontal() const noexcept { return FHorizontal; }
    // Whether the bitmap already shows the bar at its size with this thumb: a bar whose control
    // repaints without scrolling is not drawn again.
    bool ShowsPicture(const RECT& thumb, bool thumbShown) const;
    void PictureMade(const RECT& thumb, bool thumbShown);
    void ForgetPicture() noexcept { FPictureMade = false; }

protected:
    void Paint() override;
    // A click on it is a click on the control's own scroll bar.
    void PassToControl(TMessage& message) override;

private:
    TBitmap FBitmap;
    bool FHorizontal;
    bool FPictureMade = false;
    RECT FPictureThumb{};
    bool FPictureThumbShown = false;
    SIZE FPictureSize{};
};

class TkrvSkinScrollWinControl : public TkrvSkinBorderWinControl {
public:
    TkrvSkinScrollWinControl(TControl* control, TkrvSkinWindow* owner)
        : TkrvSkinBorderWinControl(control, owner), FVertBar(*this), FHorzBar(*this)
    {
    }

    void Initialize() override;
    void Detach() override;
    void Update() override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;

    [[nodiscard]] TkrvSkinInternalScrollBar* VertBar() const noexcept { return FVertBar.Get(); }
    [[nodiscard]] TkrvSkinInternalScrollBar* HorzBar() const noexcept { return FHorzBar.Get(); }

private:
    [[nodiscard]] bool WantsOverlays() const;
    [[nodiscard]] TWinControl* OverlayParent() const;
    using OverlaySlot = TkrvSkinOverlaySlot<TkrvSkinInternalScrollBar>;
    void MakeOverlay(OverlaySlot& slot, bool horizontal);
    void UpdateScrollBars();
    // Places and paints the overlay of one bar, making it the first time the bar is on the
    // screen; true when it shows.
    bool UpdateScrollBar(OverlaySlot& slot, bool& wanted, bool horizontal);

    OverlaySlot FVertBar;
    OverlaySlot FHorzBar;
    bool FVertWanted = false;  // until that overlay is made
    bool FHorzWanted = false;
};

// Where the overlay of a bar goes, in the overlay parent's client co-ordinates: the bar's screen
// rectangle converted, or nothing when the bar is hidden or implausible (more than 100 pixels
// thick, or inside out).
bool PlausibleScrollBarRect(const RECT& rect, bool horizontal);

}  // namespace ov

namespace ov {

// The panel laid over a stand-alone scroll bar control; it hands the mouse to the scroll bar.
class TkrvSkinInternalScrollBar2 : public TkrvSkinOverlay<TCustomPanel> {
    OV_CLASS(TkrvSkinInternalScrollBar2, TkrvSkinOverlay<TCustomPanel>)

    TkrvSkinInternalScrollBar2(TComponent* owner, TWinControl* control, TkrvSkinOverlaySlotBase* slot);

    TBitmap& Bitmap() noexcept { return FBitmap; }

protected:
    void Paint() override;
    // The scroll bar runs its own tracking from the press, as if it had been pressed itself.
    void PassToControl(TMessage& message) override;

private:
    TBitmap FBitmap;
};

class TkrvSkinScrollBar : public TkrvSkinControlVCL {
public:
    TkrvSkinScrollBar(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner), FBar(*this) {}

    void Initialize() override;
    void Detach() override;
    void Update() override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;

    [[nodiscard]] TkrvSkinInternalScrollBar2* Bar() const noexcept { return FBar.Get(); }

private:
    TkrvSkinOverlaySlot<TkrvSkinInternalScrollBar2> FBar;
};

}  // namespace ov
