// TCustomFrame / TFrame: a container that owns its own components, read from its own stored
// layout, and that is placed on a form (or another container) like any control.
#pragma once

#include <string_view>

#include "framework/controls/scrolling_win_control.h"

namespace ov {

// A frame class is a TFrame descendant whose layout (`object Frame1: TMyFrame ... end`) is the
// RT_RCDATA resource named after the class in upper case, read when the frame is made: its
// components are owned by the frame, not by the form it sits on, and the frame's published fields
// and handlers are bound as a form's are. A plain TFrame in a form's layout has no layout of its
// own and holds the controls nested in it there.
class TCustomFrame : public TScrollingWinControl {
    OV_CLASS(TCustomFrame, TScrollingWinControl)

    explicit TCustomFrame(TComponent* owner);

    // Reads a layout with the frame as its root (the frame's own resource, or a given text).
    void InitFrame();
    void InitFrame(std::string_view layoutUtf8);
};

class TFrame : public TCustomFrame {
    OV_CLASS(TFrame, TCustomFrame)

    explicit TFrame(TComponent* owner) : TCustomFrame(owner) {}
};

}  // namespace ov
