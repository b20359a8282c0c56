// TkrvSkinControl: the base of every control skinner, the small object that sits in a control's
// message path and paints it from the skin. It turns the message stream into a few operations
// (paint, mouse enter/leave/down/up, key down/up) and keeps a hover/pressed state for subclasses.
// TkrvSkinControlVCL serves framework controls through their WindowProc slot; TkrvSkinControlWnd
// serves plain child windows of dialogs by subclassing them.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/forms/control.h"
#include "framework/graphics/font.h"
#include "framework/graphics/graphic.h"
#include "framework/core/handle.h"
#include "skin/engine/window_hooks.h"

namespace ov {

class TkrvSkinEngine;
class TkrvSkinWindow;

class TkrvSkinControl {
public:
    static constexpr unsigned char kHover = 1;
    static constexpr unsigned char kPressed = 2;

    explicit TkrvSkinControl(TkrvSkinWindow* ownerWindow);
    virtual ~TkrvSkinControl() = default;
    TkrvSkinControl(const TkrvSkinControl&) = delete;
    TkrvSkinControl& operator=(const TkrvSkinControl&) = delete;

    // Before the control's own procedure; false keeps the message from it.
    virtual bool PreMessage(TMessage& message) { return true; }
    // After the control's own procedure (not once detached): the default turns messages into the
    // operations below.
    virtual void AfterMessage(TMessage& message);
    virtual void Paint() {}
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseDown() {}
    virtual void MouseUp() {}
    virtual void KeyDown(WORD key) {}
    virtual void KeyUp(WORD key) {}
    // Re-reads the skin and adapts the control: after creation and whenever the frame is switched.
    virtual void Update() {}
    // The last step of construction, after hooking (the skinner tables' makers call it).
    virtual void Initialize() {}
    // Just before the frame skinner frees it: the after-message step stops.
    virtual void Detach() { FDetached = true; }
    virtual void GetPaintRect(RECT& rect) = 0;
    virtual HWND GetHandle() = 0;
    virtual bool IsEnabled() = 0;
    // True makes the control walk set the control's ParentColor.
    virtual bool UsesParentColor() { return false; }
    // The framework control it serves, or null for a plain window.
    [[nodiscard]] virtual TControl* Control() const { return nullptr; }

    [[nodiscard]] TkrvSkinWindow* OwnerWindow() const noexcept { return FOwnerWindow; }
    [[nodiscard]] TkrvSkinEngine* Engine() const noexcept { return FEngine; }
    [[nodiscard]] unsigned char State() const noexcept { return FState; }
    [[nodiscard]] bool Hovered() const noexcept { return (FState & kHover) != 0; }
    [[nodiscard]] bool Pressed() const noexcept { return (FState & kPressed) != 0; }

    // Copies the paint rectangle of `bitmap` onto the control, then centres `text` in `rect` (grey
    // when disabled, moved by one pixel while pressed).
    void DrawCaption(const TBitmap& bitmap, const std::wstring& text, bool wordWrap, const RECT& rect,
                     const TFont* font);
    // The same with the window's own text.
    void DrawWindowCaption(const TBitmap& bitmap, bool wordWrap, const RECT& rect, const TFont* font);
    void DrawGraphicAt(const TGraphic& graphic, POINT point);

protected:
    void SetState(unsigned char bits, bool on) { FState = on ? (FState | bits) : (FState & ~bits); }
    // Whether the engine is working and painting may happen.
    [[nodiscard]] bool EngineWorking() const;
    // A device context of the control's client area; none when it has no window.
    UniqueWindowDC ControlDC();
    // Answers WM_ERASEBKGND (nothing to erase) and WM_PAINT (`paint` between BeginPaint and
    // EndPaint) for a skinner that paints the whole control itself; false for those two messages.
    template <typename Paint>
    static bool AnswerPaintMessages(TMessage& message, HWND window, Paint paint)
    {
        if (message.Msg == WM_ERASEBKGND) {
            message.Result = 1;
            return false;
        }
        if (message.Msg != WM_PAINT)
            return true;
        PAINTSTRUCT ps;
        ::BeginPaint(window, &ps);
        paint();
        ::EndPaint(window, &ps);
        message.Result = 0;
        return false;
    }

    TkrvSkinWindow* FOwnerWindow;
    TkrvSkinEngine* FEngine;
    unsigned char FState = 0;
    bool FDetached = false;

private:
    void DrawCaptionText(const TBitmap& bitmap, const std::wstring& text, bool wordWrap, const RECT& rect,
                         const TFont* font, UINT measureFlags);
};

class TkrvSkinControlVCL : public TkrvSkinControl {
public:
    TkrvSkinControlVCL(TControl* control, TkrvSkinWindow* ownerWindow);

    void GetPaintRect(RECT& rect) override;
    HWND GetHandle() override;
    bool IsEnabled() override { return FControl->Enabled(); }
    [[nodiscard]] TControl* Control() const override { return FControl; }

    // Puts the control's previous WindowProc back (or hands it on, see TWindowProcHook).
    void Unhook() { FHook.Remove(); }
    // Whether the skinner still sits in the control's message path.
    [[nodiscard]] bool Hooked() const noexcept { return FHook.Control() != nullptr; }
    void CallPrevious(TMessage& message) { FHook.CallPrevious(message); }

protected:
    TControl* FControl;

private:
    void WindowProcHandler(TMessage& message);
    void TrackThumbDrag(TMessage& message);

    TWindowProcHook FHook;
};

class TkrvSkinControlWnd : public TkrvSkinControl {
public:
    TkrvSkinControlWnd(HWND window, TkrvSkinWindow* ownerWindow);

    void GetPaintRect(RECT& rect) override;
    HWND GetHandle() override { return FHandle; }
    bool IsEnabled() override { return ::IsWindowEnabled(FHandle) != FALSE; }

    [[nodiscard]] int GetWindowWidth() const;
    [[nodiscard]] int GetWindowHeight() const;
    [[nodiscard]] std::wstring ReadWindowText() const;

protected:
    LRESULT CallPrevious(const TMessage& message) { return FHook.CallPrevious(message); }

    HWND FHandle;

private:
    void WindowProcHandler(TMessage& message);

    TSubclassHook FHook;
};

// The position of a scroll bar thumb being dragged, for the scroll bar painters. One set per
// direction for the whole program: the mouse capture of a drag allows only one at a time.
struct TkrvThumbTrack {
    bool dragging = false;
    POINT pressedAt{};  // cursor when the button went down on the non-client area
    int thumbTop = 0;   // along the bar, in the bar's co-ordinates
    int thumbBottom = 0;
    int thumbSize = 0;
    RECT bar{};  // the bar in the client co-ordinates of the control's parent
};
TkrvThumbTrack& VerticalThumbTrack();
TkrvThumbTrack& HorizontalThumbTrack();

}  // namespace ov
