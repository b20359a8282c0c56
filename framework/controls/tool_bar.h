// TToolBar and TToolButton: a strip of buttons over the system tool bar (ToolbarWindow32) with
// images, captions, check and drop-down buttons, separators, hints, and custom-draw events.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/controls/custom_draw.h"
#include "framework/graphics/image_list.h"
#include "framework/forms/win_control.h"

namespace ov {

class TToolBar;
class TToolButton;
class TMenuItem;
class TPopupMenu;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
OV_ENUM_TYPE(TToolButtonStyle, L"tbsButton", L"tbsCheck", L"tbsDropDown", L"tbsSeparator", L"tbsDivider")
enum TEdgeBorder { ebLeft, ebTop, ebRight, ebBottom };
using TEdgeBorders = TSet<TEdgeBorder>;
OV_ENUM_TYPE(TEdgeBorder, L"ebLeft", L"ebTop", L"ebRight", L"ebBottom")
OV_SET_TYPE(TEdgeBorders)

// OnCustomDraw(Sender, ARect, DefaultDraw): before the tool bar paints; ARect is the area being
// painted. Setting DefaultDraw false leaves the whole painting to the handler.
using TTBCustomDrawEvent = TEvent<void(TToolBar* Sender, const RECT& ARect, bool& DefaultDraw)>;
// OnCustomDrawButton(Sender, Button, State, DefaultDraw): before each button paints; false leaves
// that button to the handler.
using TTBCustomDrawBtnEvent =
    TEvent<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;
OV_EVENT_TYPE(TTBCustomDrawEvent)
OV_EVENT_TYPE(TTBCustomDrawBtnEvent)

// A button of a tool bar: a windowless control whose bounds are the tool bar's button rectangle
// (the tool bar places it; Left and Top only decide the order when a layout is loaded). Its
// Caption is the text under (or beside) the image, its Hint the tool tip. A separator or divider
// is Width pixels wide. Clicks reach OnClick; a check button toggles Down first.
class TToolButton : public TControl {
    OV_CLASS(TToolButton, TControl)

    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    [[nodiscard]] TToolBar* ToolBar() const noexcept { return toolBar_; }
    [[nodiscard]] int Index() const;
    [[nodiscard]] TToolButtonStyle Style() const noexcept { return style_; }
    void SetStyle(TToolButtonStyle value);
    [[nodiscard]] int ImageIndex() const noexcept { return imageIndex_; }
    void SetImageIndex(int value);
    [[nodiscard]] bool Down() const noexcept { return down_; }
    void SetDown(bool value);
    [[nodiscard]] bool Indeterminate() const noexcept { return indeterminate_; }
    void SetIndeterminate(bool value);
    [[nodiscard]] bool Marked() const noexcept { return marked_; }
    void SetMarked(bool value);
    // Check buttons of one group (neighbours with Grouped) are down one at a time.
    [[nodiscard]] bool Grouped() const noexcept { return grouped_; }
    void SetGrouped(bool value);
    // The button is as wide as its caption and image instead of ButtonWidth.
    [[nodiscard]] bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool value);
    // A menu item the button stands for: its caption, image, enabled state and visibility are the
    // item's; a click drops the item's submenu below the button, or clicks an item without one.
    [[nodiscard]] TMenuItem* MenuItem() const noexcept { return menuItem_; }
    void SetMenuItem(TMenuItem* value);
    // Reads caption, image and state from MenuItem again (the item changed).
    void UpdateFromMenuItem();

    void Click() override;
    void SetParent(TWinControl* parent) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TToolBar;

    TToolBar* toolBar_ = nullptr;
    int command_ = 0;  // the tool bar's identifier of this button
    TToolButtonStyle style_ = tbsButton;
    int imageIndex_ = -1;
    bool down_ = false;
    bool indeterminate_ = false;
    bool marked_ = false;
    bool grouped_ = false;
    bool autoSize_ = false;
    TMenuItem* menuItem_ = nullptr;
};

// Buttons are ButtonWidth × ButtonHeight, laid out left to right in the order of Buttons and
// wrapped into further rows when Wrapable and the bar is too narrow; AutoSize makes the bar as
// high as its rows. ShowCaptions shows the captions, under the images or, with List, beside them.
// BorderWidth is a frame of that many pixels in the bar's Color around the buttons (outside the
// client area, so button rectangles start at 0, 0). Align is alTop unless set otherwise.
//
// The custom-draw events run with Canvas() wrapped round the tool bar's paint DC, holding the tool
// bar's Font and a brush of its Color; their State is the button's CDIS_* state.
class TToolBar : public TWinControl {
    OV_CLASS(TToolBar, TWinControl)

    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    int ButtonCount() const noexcept { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

    int ButtonWidth() const noexcept { return buttonWidth_; }
    void SetButtonWidth(int value);
    int ButtonHeight() const noexcept { return buttonHeight_; }
    void SetButtonHeight(int value);
    bool ShowCaptions() const noexcept { return showCaptions_; }
    void SetShowCaptions(bool value);
    bool List() const noexcept { return list_; }
    void SetList(bool value);
    bool Flat() const noexcept { return flat_; }
    void SetFlat(bool value);
    bool Transparent() const noexcept { return transparent_; }
    void SetTransparent(bool value);
    bool Wrapable() const noexcept { return wrapable_; }
    void SetWrapable(bool value);
    bool AutoSize() const noexcept { return autoSize_; }
    void SetAutoSize(bool value);
    int BorderWidth() const noexcept { return borderWidth_; }
    void SetBorderWidth(int value);
    TCustomImageList* Images() const noexcept { return images_; }
    void SetImages(TCustomImageList* value);
    TCustomImageList* HotImages() const noexcept { return hotImages_; }
    void SetHotImages(TCustomImageList* value);
    // Etched edges drawn on these sides, outside the client area.
    TEdgeBorders EdgeBorders() const noexcept { return edgeBorders_; }
    void SetEdgeBorders(TEdgeBorders value);
    // Space left of the first button.
    int Indent() const noexcept { return indent_; }
    void SetIndent(int value);

    // Drops the submenu of a button that carries a menu item (tool_bar_menu.cpp). While it is open,
    // moving the pointer onto another such button, or Left/Right on the menu's first level, moves
    // the open menu there. Returns after the menu closed (and the chosen item was clicked).
    void TrackMenu(TToolButton* button);
    // Closes a menu dropped from a button.
    void CancelMenu();
    // The button whose menu is open, or null.
    TToolButton* MenuButton() const noexcept { return menuButton_; }

    // Valid while a custom-draw event runs (its DC is the tool bar's paint DC then).
    TCanvas* Canvas() noexcept { return &canvas_; }

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void SetParent(TWinControl* parent) override;

    TTBCustomDrawEvent OnCustomDraw;
    TTBCustomDrawBtnEvent OnCustomDrawButton;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    friend class TToolButton;

    void ApplyDrawingStyle(DWORD style, bool on);
    void InsertButton(TToolButton* button);
    void RemoveButton(TToolButton* button);
    void InsertButtonItem(int index);
    void UpdateButtonState(TToolButton* button);
    void UpdateButtonItem(TToolButton* button);
    void ApplyImageLists();
    void ApplySizes();
    void LayoutChanged();
    void UpdateButtonBounds();
    void AdjustAutoSize();
    TToolButton* FindButton(int command) const;
    TToolButton* ButtonAt(POINT point) const;
    void HandleMouse(TMessage& message);
    void HandleCommand(TMessage& message);
    void HandleCustomDraw(TMessage& message);
    void HandleNcCalcSize(TMessage& message);
    void HandleNcPaint(TMessage& message);
    void ImageListChange(TObject* sender);
    RECT EdgeInsets() const;
    // Menu tracking (tool_bar_menu.cpp).
    bool HandleMenuButtonPress(TMessage& message);
    bool HandleAccelerator(TMessage& message);
    void HandleMenuSelect(TMessage& message);
    bool HandleMenuFilter(const MSG& msg);
    TToolButton* NeighbourMenuButton(TToolButton* button, bool forward) const;
    static LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam);

    std::vector<TToolButton*> buttons_;
    int nextCommand_ = 1;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    bool showCaptions_ = false;
    bool list_ = false;
    bool flat_ = false;
    bool transparent_ = false;
    bool wrapable_ = true;
    bool autoSize_ = false;
    int borderWidth_ = 0;
    TCustomImageList* images_ = nullptr;
    TCustomImageList* hotImages_ = nullptr;
    TChangeLink imageChangeLink_;
    TChangeLink hotImageChangeLink_;
    TCanvas canvas_;
    bool updatingBounds_ = false;
    TEdgeBorders edgeBorders_;
    int indent_ = 0;
    TToolButton* menuButton_ = nullptr;      // the button whose menu is open
    TToolButton* nextMenuButton_ = nullptr;  // where the open menu moves when it closes
    TPopupMenu* dropMenu_ = nullptr;         // owned: stands for the dropped menu (its OnPopup fires)
    HMENU selectedMenu_ = nullptr;           // the (sub)menu holding the selected item
    bool selectedHasSubmenu_ = false;
};

}  // namespace ov
