// TControl: the base of every visual component: bounds, alignment and anchors, visibility,
// colour and font, caption, hint, cursor, popup menu, mouse events, and the replaceable
// window-procedure slot WindowProc through which every message of the control passes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/graphics/color.h"
#include "framework/core/component.h"
#include "framework/forms/messages.h"
#include "framework/core/properties.h"
#include "framework/core/set.h"
#include "framework/forms/size_constraints.h"

namespace ov {

class TFont;
class TPopupMenu;
class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Reading order of text. The program's windows and menus are all left to right.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// What a control is doing right now.
enum TControlStateItem {
    csLButtonDown,
    csClicked,  // the left button went down on the control with click events; up on it clicks
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,  // its window is being created
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
};
using TControlState = TSet<TControlStateItem>;

// How a control behaves, fixed by its class.
enum TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,  // a button press captures the mouse until release
    csDesignInteractive,
    csClickEvents,  // down + up on the control is a click
    csFramed,
    csSetCaption,
    csOpaque,        // paints its whole area: the parent need not paint under it
    csDoubleClicks,  // double clicks arrive as such (else as a second button press)
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
};
using TControlStyle = TSet<TControlStyleItem>;

// Cursor identifiers; crDefault lets the control's window class decide.
using TCursor = int;
inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                         crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                         crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
                         crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                         crSizeAll = -22, crSize = -22;
// The system cursor for a TCursor (null for crDefault and crNone).
HCURSOR CursorHandle(TCursor cursor);
// The type of Cursor properties ("TCursor": an integer with the names crDefault, crHandPoint, ...).
const TTypeInfo& CursorType();

using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TContextPopupEvent = TEvent<void(TObject* Sender, POINT MousePos, bool& Handled)>;

OV_ENUM_TYPE(TAlign, L"alNone", L"alTop", L"alBottom", L"alLeft", L"alRight", L"alClient", L"alCustom")
OV_ENUM_TYPE(TAnchorKind, L"akLeft", L"akTop", L"akRight", L"akBottom")
OV_SET_TYPE(TAnchors)
OV_ENUM_TYPE(TAlignment, L"taLeftJustify", L"taRightJustify", L"taCenter")
OV_ENUM_TYPE(TMouseButton, L"mbLeft", L"mbRight", L"mbMiddle")
OV_ENUM_TYPE(TShiftStateItem, L"ssShift", L"ssAlt", L"ssCtrl", L"ssLeft", L"ssRight", L"ssMiddle", L"ssDouble")
OV_SET_TYPE(TShiftState)
OV_EVENT_TYPE(TMouseEvent)
OV_EVENT_TYPE(TMouseMoveEvent)
OV_EVENT_TYPE(TContextPopupEvent)

TShiftState KeysToShiftState(WPARAM keys);  // MK_* flags of mouse messages, plus Alt
TShiftState KeyboardShiftState();           // the keyboard's current Shift, Ctrl and Alt

class TControl : public TComponent {
    OV_CLASS(TControl, TComponent)

    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The window-procedure slot. Every message for this control is delivered by calling it; it
    // starts as the control's own WndProc. Whoever replaces it keeps the previous value, passes on
    // what it does not consume, and puts the previous value back when done.
    TWndMethod WindowProc;
    // The control's own message handling; subclasses extend it and pass the rest to the base.
    virtual void WndProc(TMessage& message);
    // Delivers a message to this control through WindowProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // Parent and placement. Co-ordinates are in the parent's client area (screen for forms).
    [[nodiscard]] TWinControl* Parent() const noexcept { return parent_; }
    virtual void SetParent(TWinControl* parent);
    [[nodiscard]] int Left() const noexcept { return left_; }
    [[nodiscard]] int Top() const noexcept { return top_; }
    [[nodiscard]] int Width() const noexcept { return width_; }
    [[nodiscard]] int Height() const noexcept { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    [[nodiscard]] RECT BoundsRect() const noexcept { return {left_, top_, left_ + width_, top_ + height_}; }
    void SetBoundsRect(const RECT& r) { SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); }
    [[nodiscard]] virtual RECT ClientRect() const;
    [[nodiscard]] int ClientWidth() const;
    [[nodiscard]] int ClientHeight() const;
    virtual void SetClientWidth(int value);
    virtual void SetClientHeight(int value);
    // Screen position of the client area's top-left corner.
    [[nodiscard]] virtual POINT ClientOrigin() const;
    [[nodiscard]] POINT ClientToScreen(POINT p) const;
    [[nodiscard]] POINT ScreenToClient(POINT p) const;
    [[nodiscard]] TSizeConstraints* Constraints() const noexcept { return constraints_.get(); }

    // A top-aligned control spans its parent's width and keeps its height; alClient fills what is
    // left. An unaligned control keeps its distance to every edge it is anchored to.
    [[nodiscard]] TAlign Align() const noexcept { return align_; }
    void SetAlign(TAlign value);
    [[nodiscard]] TAnchors Anchors() const noexcept { return anchors_; }
    void SetAnchors(TAnchors value);

    [[nodiscard]] bool Visible() const noexcept { return visible_; }
    void SetVisible(bool value);
    virtual void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all parents (a form counts as showing when its window is visible).
    [[nodiscard]] virtual bool Showing() const;
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool value);

    [[nodiscard]] TColor Color() const noexcept { return color_; }
    void SetColor(TColor value);
    [[nodiscard]] TBiDiMode BiDiMode() const noexcept { return bdLeftToRight; }
    [[nodiscard]] bool ParentColor() const noexcept { return parentColor_; }
    void SetParentColor(bool value);
    [[nodiscard]] TFont* Font() const noexcept { return font_.get(); }
    void SetFont(TFont* value);  // copies value
    [[nodiscard]] bool ParentFont() const noexcept { return parentFont_; }
    void SetParentFont(bool value);

    // Caption and Text are the same text (a form shows it as its title).
    [[nodiscard]] std::wstring Caption() const { return GetText(); }
    void SetCaption(const std::wstring& value) { SetText(value); }
    [[nodiscard]] std::wstring Text() const { return GetText(); }
    void SetText(const std::wstring& value);

    [[nodiscard]] const std::wstring& Hint() const noexcept { return hint_; }
    void SetHint(const std::wstring& value) { hint_ = value; }
    [[nodiscard]] bool ShowHint() const noexcept { return showHint_; }
    void SetShowHint(bool value);
    [[nodiscard]] bool ParentShowHint() const noexcept { return parentShowHint_; }
    void SetParentShowHint(bool value);
    [[nodiscard]] TCursor Cursor() const noexcept { return cursor_; }
    void SetCursor(TCursor value);
    [[nodiscard]] TPopupMenu* PopupMenu() const noexcept { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* value);
    // The menu to show on a context-menu request; by default PopupMenu.
    virtual TPopupMenu* GetPopupMenu() { return popupMenu_; }

    [[nodiscard]] TControlState ControlState() const noexcept { return controlState_; }
    void SetControlState(TControlState value) noexcept { controlState_ = value; }
    [[nodiscard]] TControlStyle ControlStyle() const noexcept { return controlStyle_; }
    void SetControlStyle(TControlStyle value) noexcept { controlStyle_ = value; }

    void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // Mouse capture: while captured, every mouse message goes to this control.
    [[nodiscard]] bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // The form this control sits on (the top-most parent that is a form), or null.
    [[nodiscard]] TCustomForm* GetParentForm() const;

    // Multiplies bounds and font by m / d (layouts are stored at 96 pixels per inch).
    void ScaleBy(int m, int d);

    [[nodiscard]] bool HasParent() const override { return true; }
    [[nodiscard]] TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TContextPopupEvent OnContextPopup;

protected:
    void BeforeDestruction() override;

    // The last step of message handling: a windowless control answers text messages itself; a
    // windowed one calls the window class's own procedure.
    virtual void DefaultHandler(TMessage& message);

    [[nodiscard]] virtual std::wstring GetText() const;
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Resize();
    virtual void ChangeScale(int m, int d);
    virtual void FontChanged();
    // Bounds as the alignment or anchors of the parent ask for them; bypasses anchor bookkeeping.
    void SetAlignedBounds(int left, int top, int width, int height);
    // Stores new bounds; windowed controls move their window.
    virtual void ApplyBounds(int left, int top, int width, int height);
    // Records the distances to the parent's edges that the anchors keep.
    void UpdateAnchorRules();
    // Where the anchors put the control for the parent's current client size.
    [[nodiscard]] RECT AnchoredBounds(SIZE parentClient) const;
    void RequestAlign();
    // The current colour and font of the parent, for ParentColor / ParentFont.
    void TakeParentColor();
    void TakeParentFont();
    void InvalidateControl(bool isVisible, bool isOpaque);

private:
    friend class TWinControl;

    void HandleMouseMessage(TMessage& message);
    void HandleButtonDown(TMessage& message, TMouseButton button, TShiftState extra);
    void HandleButtonUp(TMessage& message, TMouseButton button);
    void HandleDoubleClick(TMessage& message);
    void HandleContextMenu(TMessage& message);
    void HandleTextMessage(TMessage& message);
    void SendCancelMode();
    void FontChangedHandler(TObject* sender);
    void ConstraintsChanged(TObject* sender);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    RECT anchorOrigin_{};      // bounds when the anchor rules were last taken
    SIZE anchorParentSize_{};  // the parent's client size at that moment
    bool anchorRulesValid_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    std::wstring text_;
    std::wstring hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    TControlState controlState_;
    TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    std::unique_ptr<TSizeConstraints> constraints_;
};

}  // namespace ov
