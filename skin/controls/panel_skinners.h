// Labels, panels, cool bars, group boxes and frames in the skin's colours. Containers take their
// parent's colour (on a skinned form, the skin's form colour); a label takes the skin's control
// font colour and gives its own back when the skin stops; a group box is drawn over with a
// one-pixel frame in the skin's control border colour and its caption in the control font colour.
// A frame only marks its controls as the walk's to skin.
#pragma once

#include "skin/engine/skin_control.h"

namespace ov {

class TkrvSkinLabel : public TkrvSkinControlVCL {
public:
    TkrvSkinLabel(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    void Initialize() override;
    void Update() override;
    bool UsesParentColor() override { return true; }

private:
    TColor FOldFontColor = clWindowText;
};

class TkrvSkinPanel : public TkrvSkinControlVCL {
public:
    TkrvSkinPanel(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}
    bool UsesParentColor() override { return true; }
};

class TkrvSkinGroupBox : public TkrvSkinControlVCL {
public:
    TkrvSkinGroupBox(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}
    void Paint() override;
    bool UsesParentColor() override { return true; }
};

class TkrvSkinFrame : public TkrvSkinControlVCL {
public:
    TkrvSkinFrame(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}
};

// The skin's frame of a group box of `size` whose caption line is `textHeight` high (the frame runs
// through the middle of the caption), right and bottom edges exclusive.
RECT GroupBoxFrameRect(SIZE size, int textHeight);

}  // namespace ov
