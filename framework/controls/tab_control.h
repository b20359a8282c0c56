// TCustomTabControl: a row of tabs over the system tab control (SysTabControl32) — tab captions
// and images, tab position and size, the selected tab, change events, and the display area that
// the tabs leave. TTabControl is the published one; TPageControl builds pages on it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/forms/form.h"
#include "framework/graphics/image_list.h"
#include "framework/core/strings.h"
#include "framework/forms/win_control.h"

namespace ov {

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
OV_ENUM_TYPE(TTabPosition, L"tpTop", L"tpBottom", L"tpLeft", L"tpRight")
OV_ENUM_TYPE(TTabStyle, L"tsTabs", L"tsButtons", L"tsFlatButtons")

// Same signature as TCloseQueryEvent, so the two share one published event type (form.h).
using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;

// The tabs are kept by the control (Tabs, with an object per tab) and mirrored into the window
// whenever it exists, so they survive window re-creation and can be set up before the window is
// made. The window's items are exactly Tabs: TCM_GETITEMCOUNT equals Tabs()->Count().
//
// TabHeight / TabWidth: 0 lets the system size the tabs; a width other than 0 makes all tabs that
// wide. tpLeft and tpRight need MultiLine, which they switch on.
//
// A click on a tab asks OnChanging (AllowChange starts true) and, when allowed, selects the tab
// and fires OnChange. Setting TabIndex from code fires neither.
class TCustomTabControl : public TWinControl {
    OV_CLASS(TCustomTabControl, TWinControl)

    explicit TCustomTabControl(TComponent* owner);
    ~TCustomTabControl() override;

    [[nodiscard]] TStrings* Tabs() const noexcept { return tabs_.get(); }
    [[nodiscard]] int TabIndex() const;
    void SetTabIndex(int value);

    [[nodiscard]] TTabPosition TabPosition() const noexcept { return tabPosition_; }
    void SetTabPosition(TTabPosition value);
    [[nodiscard]] TTabStyle Style() const noexcept { return style_; }
    void SetStyle(TTabStyle value);
    [[nodiscard]] bool MultiLine() const noexcept { return multiLine_; }
    void SetMultiLine(bool value);
    [[nodiscard]] bool HotTrack() const noexcept { return hotTrack_; }
    void SetHotTrack(bool value);
    [[nodiscard]] int TabHeight() const noexcept { return tabHeight_; }
    void SetTabHeight(int value);
    [[nodiscard]] int TabWidth() const noexcept { return tabWidth_; }
    void SetTabWidth(int value);
    [[nodiscard]] TCustomImageList* Images() const noexcept { return images_; }
    void SetImages(TCustomImageList* value);

    // The area the tabs leave (TCM_ADJUSTRECT of the client rectangle); without a window, the same
    // reckoned from the tab height and the control's 4-pixel border.
    [[nodiscard]] RECT DisplayRect() const;
    [[nodiscard]] RECT TabRect(int index) const;
    // The tab under a client point, or -1.
    [[nodiscard]] int IndexOfTabAt(int x, int y) const;

    void AdjustClientRect(RECT& rect) const override;
    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    // Asks OnChanging; a descendant may refuse first.
    virtual bool CanChange();
    // A tab was picked by the user.
    virtual void Change();
    // The image of tab `index` (its position in Tabs); -1 for none.
    [[nodiscard]] virtual int GetImageIndex(int index) const { return index; }
    // Re-sends every tab's caption and image to the window.
    void UpdateTabImages();

private:
    friend class TTabStrings;
    struct TabItem {
        std::wstring caption;
        TObject* object = nullptr;
    };

    void InsertTabItem(int index);
    void SetTabItem(int index);
    bool SendTabItem(UINT message, int index);
    void ApplyTabSize();
    void ImageListChange(TObject* sender);
    void TabsChanged();

    std::vector<TabItem> items_;
    std::unique_ptr<TStrings> tabs_;
    int tabIndex_ = -1;
    TTabPosition tabPosition_ = tpTop;
    TTabStyle style_ = tsTabs;
    bool multiLine_ = false;
    bool hotTrack_ = false;
    int tabHeight_ = 0;
    int tabWidth_ = 0;
    TCustomImageList* images_ = nullptr;
    TChangeLink imageChangeLink_;
};

class TTabControl : public TCustomTabControl {
    OV_CLASS(TTabControl, TCustomTabControl)

    explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
};

}  // namespace ov
