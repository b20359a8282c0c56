// Check boxes and radio buttons with the skin's box and circle. The control paints itself first;
// the skinner then draws the skin's image over the system's box (SKIN2_CHECKBOX: checked, grayed,
// unchecked, then the same disabled; SKIN2_RADIOBUTTON: checked, unchecked, then disabled).
// Framework controls also take the skin's control font colour; plain check boxes and radio
// buttons of dialogs are drawn on the skin's form colour.
#pragma once

#include "framework/controls/check_box.h"
#include "skin/data/skin2_define.h"
#include "skin/engine/skin_control.h"

namespace ov {

class TkrvSkinEngine;

// Image numbers (1-based) within the skin's pictures.
int CheckBoxImageState(TCheckBoxState state, bool enabled);
int RadioButtonImageState(bool checked, bool enabled);
// A plain BUTTON's BM_GETCHECK answer as a check box state.
TCheckBoxState CheckStateOf(LRESULT check);

// Image `state` of the `count` side by side in skin bitmap `id`, 24 bits per pixel, transparent in
// the skin's transparent colour when `transparent`. Empty when the skin has no such bitmap.
void CutBoxImage(const TkrvSkinEngine& engine, Skin2Bitmap id, int count, int state, bool transparent, TBitmap& out);

// Where the skin's image goes on a framework check box or radio button: at the left edge when the
// caption stands right of the box, else at the right edge; centred (rounded down) in height.
POINT BoxImagePosition(bool boxAtLeft, int controlWidth, int clientHeight, SIZE image);

// What framework check boxes and radio buttons share: the control's own font colour, kept to give
// back when the skin stops, and the image painted over the box.
class TkrvSkinCheckControl : public TkrvSkinControlVCL {
public:
    TkrvSkinCheckControl(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    void Initialize() override;
    void Update() override;
    void Paint() override;

protected:
    // The image of the skin for the control's state.
    virtual void CutImage(TBitmap& image) = 0;

private:
    TColor FOldFontColor = clWindowText;
};

class TkrvSkinCheckBox : public TkrvSkinCheckControl {
public:
    using TkrvSkinCheckControl::TkrvSkinCheckControl;
    void AfterMessage(TMessage& message) override;

protected:
    void CutImage(TBitmap& image) override;
};

class TkrvSkinRadioButton : public TkrvSkinCheckControl {
public:
    using TkrvSkinCheckControl::TkrvSkinCheckControl;
    bool PreMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;

protected:
    void CutImage(TBitmap& image) override;
};

// Plain check boxes and radio buttons: the image at the window's top-left corner on the form colour.
class TkrvSkinWndCheckControl : public TkrvSkinControlWnd {
public:
    TkrvSkinWndCheckControl(HWND window, TkrvSkinWindow* owner) : TkrvSkinControlWnd(window, owner) {}
    void Paint() override;

protected:
    virtual void CutImage(TBitmap& image) = 0;
};

class TkrvSkinWndCheckBox : public TkrvSkinWndCheckControl {
public:
    using TkrvSkinWndCheckControl::TkrvSkinWndCheckControl;
    void AfterMessage(TMessage& message) override;

protected:
    void CutImage(TBitmap& image) override;
};

class TkrvSkinWndRadioButton : public TkrvSkinWndCheckControl {
public:
    using TkrvSkinWndCheckControl::TkrvSkinWndCheckControl;
    void AfterMessage(TMessage& message) override;

protected:
    void CutImage(TBitmap& image) override;
};

}  // namespace ov
