// TPageControl and TTabSheet: pages stacked in the display area of a tab control, one shown at a
// time, each with its own tab unless its tab is hidden.
#pragma once

#include <vector>

#include "framework/controls/tab_control.h"

namespace ov {

class TPageControl;

// A page. It belongs to the page control it is parented to; its PageIndex is its place among the
// control's pages (creation order unless moved). A page whose TabVisible is off has no tab item
// (TabIndex -1) but can still be shown from code.
class TTabSheet : public TWinControl {
    OV_CLASS(TTabSheet, TWinControl)

    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    [[nodiscard]] TPageControl* PageControl() const noexcept { return pageControl_; }
    void SetPageControl(TPageControl* value);
    [[nodiscard]] int PageIndex() const;
    void SetPageIndex(int value);
    // The position of this page's tab among the tabs, -1 when it has none.
    [[nodiscard]] int TabIndex() const;
    [[nodiscard]] bool TabVisible() const noexcept { return tabVisible_; }
    void SetTabVisible(bool value);
    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }
    void SetImageIndex(int value);

    void SetParent(TWinControl* parent) override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

private:
    friend class TPageControl;

    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
    int imageIndex_ = -1;
};

// ActivePage is the one page shown; the others are hidden. Picking a tab activates its page and
// fires OnChange; ActivePage / ActivePageIndex from code fire nothing. An index outside the pages
// leaves no page active. A hidden page control keeps its active page, so a page control on a page
// that is not shown still has the sub-page the user left it on when it is shown again.
//
// Pages fill DisplayRect: the client area less the tab row (TCM_ADJUSTRECT). When no page has a
// visible tab the control has no tab items and no tab row; only its border remains.
class TPageControl : public TCustomTabControl {
    OV_CLASS(TPageControl, TCustomTabControl)

    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    [[nodiscard]] int PageCount() const noexcept { return static_cast<int>(pages_.size()); }
    [[nodiscard]] TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    [[nodiscard]] TTabSheet* ActivePage() const noexcept { return activePage_; }
    void SetActivePage(TTabSheet* page);
    [[nodiscard]] int ActivePageIndex() const;
    void SetActivePageIndex(int value);
    // The next (or previous) page with a visible tab after `current`, wrapping round; null if none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward, bool checkTabVisible = true);

protected:
    void AlignControls(TControl* control, RECT& rect) override;
    bool CanChange() override;
    void Change() override;
    [[nodiscard]] int GetImageIndex(int index) const override;

private:
    friend class TTabSheet;

    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void UpdateTab(TTabSheet* page);
    void ChangeActivePage(TTabSheet* page);
    void SelectActiveTab();

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

}  // namespace ov
