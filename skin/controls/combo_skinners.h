// Combo boxes and date pickers in the skin's look. They keep their own behaviour and most of their
// own painting: TkrvSkinComboBox, TkrvSkinComboBoxEx and TkrvSkinWndComboBox frame the control
// and paint its drop-down button again after the control has painted itself. A date picker's
// button is no separate part of the control, so TkrvSkinDateTimePicker covers it with a small panel
// of its own (TkrvSkinInternalComboButton), or covers its spin buttons with an up-down of its own
// (TkrvSkinInternalUpDown, painted by the up-down skinner), and hands every click on to the picker,
// so the picker opens its calendar or steps its value as it would unskinned.
#pragma once

#include <windows.h>

#include "framework/controls/panel.h"
#include "framework/controls/up_down.h"
#include "skin/controls/scroll_skinners.h"
#include "skin/engine/skin_overlay.h"

namespace ov {

class TkrvSkinEngine;

// The drop-down button's face as the combo skinners draw it: `button` filled with the control
// colour, the separator line beside it, the arrow.
struct TkrvComboButtonLook {
    RECT face;
    POINT lineFrom;
    POINT lineTo;  // exclusive, as LineTo draws
    POINT arrow;   // first corner of the down arrow glyph
};
// For a button rectangle in client co-ordinates; the separator stands at the button's right edge
// when the control reads right to left.
TkrvComboButtonLook ComboButtonLook(const RECT& button, bool rightToLeft);

// Draws the face described by `look` on `dc`.
void DrawComboButton(HDC dc, TkrvSkinEngine& engine, const TkrvComboButtonLook& look, bool enabled);

class TkrvSkinComboBox : public TkrvSkinControlVCL {
public:
    TkrvSkinComboBox(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}
    void Paint() override;

protected:
    // Paints `combo` (the control itself, or the inner combo box of an extended one): frame rings
    // round `frame`, the list's frame while it is open, and the button.
    void PaintCombo(HWND combo, HDC dc, const RECT& frame);
};

class TkrvSkinComboBoxEx : public TkrvSkinComboBox {
public:
    TkrvSkinComboBoxEx(TControl* control, TkrvSkinWindow* owner) : TkrvSkinComboBox(control, owner) {}
    void AfterMessage(TMessage& message) override;
    void Paint() override;
};

class TkrvSkinWndComboBox : public TkrvSkinBorderWndControl {
public:
    TkrvSkinWndComboBox(HWND window, TkrvSkinWindow* owner) : TkrvSkinBorderWndControl(window, owner) {}
    void Paint() override;
};

// The panel laid over a control's drop-down button.
class TkrvSkinInternalComboButton : public TkrvSkinOverlay<TCustomPanel> {
    OV_CLASS(TkrvSkinInternalComboButton, TkrvSkinOverlay<TCustomPanel>)

    TkrvSkinInternalComboButton(TComponent* owner, TWinControl* control, TkrvSkinOverlaySlotBase* slot);

protected:
    void Paint() override;
    // The control opens and closes its drop-down as if it had been clicked at the same point.
    void PassToControl(TMessage& message) override;
};

class TkrvSkinExtComboboxLikeControl : public TkrvSkinBorderWinControl {
public:
    TkrvSkinExtComboboxLikeControl(TControl* control, TkrvSkinWindow* owner)
        : TkrvSkinBorderWinControl(control, owner), FButton(*this)
    {
    }

    void Initialize() override;
    void Detach() override;
    void Update() override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;

    [[nodiscard]] TkrvSkinInternalComboButton* Button() const noexcept { return FButton.Get(); }

protected:
    [[nodiscard]] TWinControl& Windowed() const { return static_cast<TWinControl&>(*FControl); }

    TkrvSkinOverlaySlot<TkrvSkinInternalComboButton> FButton;
};

// The up-down laid over a date picker's own spin buttons.
class TkrvSkinInternalUpDown : public TkrvSkinOverlay<TCustomUpDown> {
    OV_CLASS(TkrvSkinInternalUpDown, TkrvSkinOverlay<TCustomUpDown>)

    TkrvSkinInternalUpDown(TComponent* owner, TWinControl* control, TkrvSkinOverlaySlotBase* slot);

protected:
    // The picker's own spin buttons take the press where it lies over them.
    void PassToControl(TMessage& message) override;
};

// The picker's own spin buttons ("msctls_updown32" child), or null.
HWND FindPickerSpin(HWND picker);

class TkrvSkinDateTimePicker : public TkrvSkinExtComboboxLikeControl {
public:
    // A picker with this Tag keeps its own spin buttons.
    static constexpr int kOwnSpinTag = 9998;

    TkrvSkinDateTimePicker(TControl* control, TkrvSkinWindow* owner)
        : TkrvSkinExtComboboxLikeControl(control, owner), FUpDown(*this)
    {
    }

    void Initialize() override;
    void Update() override;
    void Detach() override;

    [[nodiscard]] TkrvSkinInternalUpDown* UpDown() const noexcept { return FUpDown.Get(); }

private:
    // A drop-down calendar, rather than spin buttons.
    [[nodiscard]] bool ShowsDropDownButton() const;

    TkrvSkinOverlaySlot<TkrvSkinInternalUpDown> FUpDown;
};

}  // namespace ov
