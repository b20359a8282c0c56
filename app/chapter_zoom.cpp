// Zooming with the control's own zoom (EM_SETZOOM): text, pictures and objects scale together and
// the lines wrap anew, so the line at the top is found again by its first character.
#include "app/chapter_zoom.h"

#include <richedit.h>

#include <algorithm>

#include "richview/rich_edit.h"

namespace ov {

namespace {

constexpr int kWheelNotch = WHEEL_DELTA;

int FirstVisibleCharacter(HWND view)
{
    auto line = static_cast<WPARAM>(SendMessageW(view, EM_GETFIRSTVISIBLELINE, 0, 0));
    return static_cast<int>(SendMessageW(view, EM_LINEINDEX, line, 0));
}

POINT ScrollPosition(HWND view)
{
    POINT scroll{};
    SendMessageW(view, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    return scroll;
}

// Scrolls so that the line holding the character starts at the top of the view.
void ScrollToTop(HWND view, int character)
{
    auto line = static_cast<LPARAM>(SendMessageW(view, EM_EXLINEFROMCHAR, 0, character));
    auto lineStart = static_cast<LPARAM>(SendMessageW(view, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    POINTL at{};
    SendMessageW(view, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), lineStart);
    POINT scroll = ScrollPosition(view);
    scroll.y = std::max<LONG>(0, scroll.y + at.y);
    SendMessageW(view, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
}

}  // namespace

int ZoomStep(int current, int steps)
{
    constexpr int kLast = static_cast<int>(kZoomSteps.size()) - 1;
    auto index = static_cast<int>(std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), current) - kZoomSteps.begin());
    // Between two steps (or above the last) the lower bound is already one step up.
    bool onStep = index <= kLast && kZoomSteps[static_cast<size_t>(index)] == current;
    if (steps > 0 && !onStep)
        --index;
    return kZoomSteps[static_cast<size_t>(std::clamp(index + steps, 0, kLast))];
}

void ChapterZoom::Step(TOvRichEdit& view, int steps)
{
    if (steps != 0)
        ZoomTo(view, ZoomStep(view.Zoom(), steps));
}

void ChapterZoom::Reset(TOvRichEdit& view) { ZoomTo(view, 100); }

void ChapterZoom::Wheel(TOvRichEdit& view, int delta)
{
    wheelRest_ += delta;
    int notches = wheelRest_ / kWheelNotch;
    wheelRest_ -= notches * kWheelNotch;
    Step(view, notches);
}

void ChapterZoom::ZoomTo(TOvRichEdit& view, int percent)
{
    if (percent == view.Zoom())
        return;
    HWND window = view.Handle();
    auto anchor = anchors_.find(&view);
    POINT scroll = ScrollPosition(window);
    int top = anchor != anchors_.end() && anchor->second.scroll.x == scroll.x && anchor->second.scroll.y == scroll.y
                  ? anchor->second.character
                  : FirstVisibleCharacter(window);
    view.SetZoom(percent);
    ScrollToTop(window, top);
    anchors_[&view] = Anchor{top, ScrollPosition(window)};
}

}  // namespace ov
