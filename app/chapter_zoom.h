// Zooming a chapter view in fixed steps, keeping the text that was at the top of the view at the
// top. The control keeps each view's zoom while the program runs; nothing is saved.
#pragma once

#include <windows.h>

#include <array>
#include <map>

namespace ov {

class TOvRichEdit;

// The zoom steps in percent, smallest first; 100 is the chapter as stored.
inline constexpr std::array<int, 9> kZoomSteps{50, 75, 100, 125, 150, 175, 200, 250, 300};

// The step after `current` towards larger (steps > 0) or smaller (steps < 0) zoom, `steps` steps
// on, stopping at the ends. A zoom between steps goes to the next step in that direction.
int ZoomStep(int current, int steps);

class ChapterZoom {
public:
    // By whole steps; 0 does nothing.
    void Step(TOvRichEdit& view, int steps);
    void Reset(TOvRichEdit& view);
    // Ctrl with the wheel: one step per notch, fine wheels adding up to notches.
    void Wheel(TOvRichEdit& view, int delta);

private:
    void ZoomTo(TOvRichEdit& view, int percent);

    // The character kept at the top by a view's last zoom, and where the view was scrolled then:
    // while it has not scrolled since, the next zoom keeps that same character at the top, so that
    // zooming in and back out returns to the very same line.
    struct Anchor {
        int character;
        POINT scroll;
    };
    std::map<TOvRichEdit*, Anchor> anchors_;
    int wheelRest_ = 0;
};

}  // namespace ov
