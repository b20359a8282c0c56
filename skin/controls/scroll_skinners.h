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

namespace ov {

class TkrvSkinEngine;
class TkrvSkinScrollWinControl;

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
class TkrvSkinInternalScrollBar : public TCustomPanel {
    OV_CLASS(TkrvSkinInternalScrollBar, TCustomPanel)

    TkrvSkinInternalScrollBar(TComponent* owner, TControl* control, TkrvSkinScrollWinControl* skinner, bool horizontal);

    TBitmap& Bitmap() noexcept { return FBitmap; }
    bool Horizontal() const noexcept { return FHorizontal; }
    // The skinner no longer keeps this overlay.
    void ForgetSkinner() noexcept { FSkinner = nullptr; }
    // Whether the bitmap already shows the bar at its size with this thumb: a bar whose control
    // repaints without scrolling is not drawn again.
    bool ShowsPicture(const RECT& thumb, bool thumbShown) const;
    void PictureMade(const RECT& thumb, bool thumbShown);
    void ForgetPicture() noexcept { FPictureMade = false; }
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    // An overlay also goes with its parent control: its skinner forgets it then.
    void BeforeDestruction() override;

private:
    void PassClickToControl(UINT nonClientMessage);

    TControl* FControl;
    TBitmap FBitmap;
    TkrvSkinScrollWinControl* FSkinner;
    bool FHorizontal;
    bool FPictureMade = false;
    RECT FPictureThumb{};
    bool FPictureThumbShown = false;
    SIZE FPictureSize{};
};

class TkrvSkinScrollWinControl : public TkrvSkinBorderWinControl {
public:
    TkrvSkinScrollWinControl(TControl* control, TkrvSkinWindow* owner) : TkrvSkinBorderWinControl(control, owner) {}
    ~TkrvSkinScrollWinControl() override;

    void Initialize() override;
    void Detach() override;
    void Update() override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;

    TkrvSkinInternalScrollBar* VertBar() const noexcept { return FVertBar; }
    TkrvSkinInternalScrollBar* HorzBar() const noexcept { return FHorzBar; }
    // An overlay is going (with its parent control); the skinner must not free it again.
    void OverlayGone(TkrvSkinInternalScrollBar* bar);

private:
    bool WantsOverlays() const;
    TWinControl* OverlayParent() const;
    TkrvSkinInternalScrollBar* MakeOverlay(bool horizontal);
    void UpdateScrollBars();
    // Places and paints the overlay of one bar, making it the first time the bar is on the
    // screen; true when it shows.
    bool UpdateScrollBar(TkrvSkinInternalScrollBar*& made, bool& wanted, bool horizontal);
    void FreeOverlays();

    TkrvSkinInternalScrollBar* FVertBar = nullptr;
    TkrvSkinInternalScrollBar* FHorzBar = nullptr;
    bool FVertWanted = false;  // until that overlay is made
    bool FHorzWanted = false;
};

// Where the overlay of a bar goes, in the overlay parent's client co-ordinates: the bar's screen
// rectangle converted, or nothing when the bar is hidden or implausible (more than 100 pixels
// thick, or inside out).
bool PlausibleScrollBarRect(const RECT& rect, bool horizontal);

}  // namespace ov

namespace ov {

class TkrvSkinScrollBar;

// The panel laid over a stand-alone scroll bar control; it hands the mouse to the scroll bar.
class TkrvSkinInternalScrollBar2 : public TCustomPanel {
    OV_CLASS(TkrvSkinInternalScrollBar2, TCustomPanel)

    TkrvSkinInternalScrollBar2(TComponent* owner, TWinControl* control, TkrvSkinScrollBar* skinner);

    TBitmap& Bitmap() noexcept { return FBitmap; }
    void ForgetSkinner() noexcept { FSkinner = nullptr; }
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    // It may go with its parent control before the skinner: the skinner forgets it then.
    void BeforeDestruction() override;

private:
    void PassMouseToControl(TMessage& message, WPARAM keys);

    TWinControl* FControl;
    TBitmap FBitmap;
    TkrvSkinScrollBar* FSkinner;
};

class TkrvSkinScrollBar : public TkrvSkinControlVCL {
public:
    TkrvSkinScrollBar(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}
    ~TkrvSkinScrollBar() override;

    void Initialize() override;
    void Detach() override;
    void Update() override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;

    TkrvSkinInternalScrollBar2* Bar() const noexcept { return FBar; }
    void BarGone(TkrvSkinInternalScrollBar2* bar);

private:
    void FreeBar();

    TkrvSkinInternalScrollBar2* FBar = nullptr;
};

}  // namespace ov
