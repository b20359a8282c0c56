// TScrollingWinControl: a windowed container that scrolls its children: its range follows the
// extent of the children, its scroll bars appear when they do not fit, and scrolling moves them.
// TControlScrollBar is one of its two bars.
#pragma once

#include <algorithm>
#include <memory>

#include "framework/forms/win_control.h"

namespace ov {

class TScrollingWinControl;

// Range: the content's extent along the bar (the children's far edge, read again whenever they
// or the container change, unless set in code); Position: how far the content is scrolled;
// Increment: one line of scrolling. The bar shows only while Range exceeds the client size.
class TControlScrollBar : public TPersistent {
    OV_CLASS(TControlScrollBar, TPersistent)

    TControlScrollBar(TScrollingWinControl& control, bool vertical);

    [[nodiscard]] int Range() const noexcept { return range_; }
    void SetRange(int value);
    [[nodiscard]] int Position() const noexcept { return position_; }
    void SetPosition(int value);
    [[nodiscard]] int Increment() const noexcept { return increment_; }
    void SetIncrement(int value) { increment_ = std::max(value, 1); }
    [[nodiscard]] bool Visible() const noexcept { return visible_; }
    void SetVisible(bool value);
    // Whether the bar shows now.
    [[nodiscard]] bool IsScrollBarVisible() const;
    // The page: what of the range the client area shows.
    [[nodiscard]] int PageSize() const;

private:
    friend class TScrollingWinControl;
    void Scroll(WORD request);
    void Update();
    [[nodiscard]] int MaxPosition() const;

    TScrollingWinControl& control_;
    bool vertical_;
    int range_ = 0;
    int position_ = 0;
    int increment_ = 8;
    bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
    OV_CLASS(TScrollingWinControl, TWinControl)

    explicit TScrollingWinControl(TComponent* owner);
    ~TScrollingWinControl() override;

    [[nodiscard]] TControlScrollBar* HorzScrollBar() const noexcept { return horzScrollBar_.get(); }
    [[nodiscard]] TControlScrollBar* VertScrollBar() const noexcept { return vertScrollBar_.get(); }
    // Recompute the range from the children when they change.
    [[nodiscard]] bool AutoScroll() const noexcept { return autoScroll_; }
    void SetAutoScroll(bool value);
    // Scrolls so that a child is wholly in view.
    void ScrollInView(TControl* control);
    // Reads the children's extent again and updates both bars.
    void UpdateScrollBars();

    void WndProc(TMessage& message) override;

protected:
    void CreateWnd() override;
    void AlignControls(TControl* control, RECT& rect) override;

private:
    friend class TControlScrollBar;
    // Moves every child by the change of a bar's position.
    void ScrollContent(int dx, int dy);
    [[nodiscard]] SIZE ContentExtent() const;

    std::unique_ptr<TControlScrollBar> horzScrollBar_;
    std::unique_ptr<TControlScrollBar> vertScrollBar_;
    bool autoScroll_ = true;
    bool updating_ = false;
};

}  // namespace ov
