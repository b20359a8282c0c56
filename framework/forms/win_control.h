// TWinControl: a control with a native window. The window is created on demand (HandleNeeded)
// from CreateParams and can be re-created (RecreateWnd); its class, whether our own or a system
// class such as BUTTON or SysTabControl32, is superclassed so that every message, from
// WM_NCCREATE to WM_NCDESTROY, passes through the control's WindowProc. A TWinControl holds child
// controls: windowed children are child windows; windowless children (labels, images) are painted
// and hit-tested by it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/forms/control.h"
#include "framework/core/handle.h"

namespace ov {

using TKeyEvent = TEvent<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, wchar_t& Key)>;
OV_EVENT_TYPE(TKeyEvent)
OV_EVENT_TYPE(TKeyPressEvent)

// What CreateWnd passes to CreateWindowEx, prepared by CreateParams.
struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    UINT ControlId = 0;  // child windows: the identifier WM_COMMAND and WM_MEASUREITEM carry
    void* Param = nullptr;
    // Class style, cursor, background and extra bytes of the window class. Taken from the system
    // class when SystemClassName is set (change the style after calling the base CreateParams).
    WNDCLASSEXW WindowClass{};
    // The name this control's window class is registered under: the control's ClassName.
    std::wstring WinClassName;
    // A system class the control's class superclasses ("BUTTON", "RichEdit20A"); empty for a
    // window class of our own whose default procedure is DefWindowProc.
    std::wstring SystemClassName;
};

class TWinControl : public TControl {
    OV_CLASS(TWinControl, TControl)

    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, created first if it does not exist yet (with the parents' windows).
    HWND Handle();
    // The window if it exists, else null; never creates it.
    [[nodiscard]] HWND WindowHandle() const noexcept { return handle_; }
    [[nodiscard]] bool HandleAllocated() const noexcept { return handle_ != nullptr; }
    void HandleNeeded();
    // Destroys the window (saving what it holds, see DestroyWnd) and creates it again when the
    // control had one and can have one.
    void RecreateWnd();
    // A plain window to live in when the control has no Parent control.
    [[nodiscard]] HWND ParentWindow() const noexcept { return parentWindow_; }
    void SetParentWindow(HWND window);

    // The framework control that owns a window, or null for windows that are not ours.
    static TWinControl* FindControl(HWND window);

    // Children, in insertion order (the order windowless children are painted in, bottom first).
    [[nodiscard]] int ControlCount() const noexcept { return static_cast<int>(controls_.size()); }
    [[nodiscard]] TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // The windowed children only.
    [[nodiscard]] int WinControlCount() const;
    [[nodiscard]] TWinControl* WinControls(int index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;  // a child, grandchild, ...
    // The topmost visible child under a client point (windowless only unless allowWinControls).
    [[nodiscard]] TControl* ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls = false) const;

    // Keyboard focus and tab order.
    [[nodiscard]] int TabOrder() const;
    void SetTabOrder(int value);
    [[nodiscard]] bool TabStop() const noexcept { return tabStop_; }
    void SetTabStop(bool value);
    [[nodiscard]] virtual bool CanFocus() const;
    [[nodiscard]] bool Focused() const;
    virtual void SetFocus();
    // The windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // Re-applies alignment and anchors of the children. DisableAlign/EnableAlign bracket changes.
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    // The part of the client area that aligned children share (a page control leaves its tabs out).
    virtual void AdjustClientRect(RECT& rect) const;

    // A brush of Color for background erasing and CN_CTLCOLOR* answers.
    HBRUSH BrushHandle();

    // Sends a message to every child until one answers with a Result other than 0.
    void Broadcast(TMessage& message);
    // Paints the visible windowless children (from `first` on, or all) onto a DC of this window.
    void PaintControls(HDC dc, TControl* first);

    [[nodiscard]] RECT ClientRect() const override;
    [[nodiscard]] POINT ClientOrigin() const override;
    [[nodiscard]] bool Showing() const override;
    void Update() override;
    void Repaint() override;
    void SetParent(TWinControl* parent) override;
    void Loaded() override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    void BeforeDestruction() override;

    virtual void CreateParams(TCreateParams& params);
    // Creates the window from CreateParams; raises Exception when Windows refuses.
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    // Called before the window is destroyed; controls that keep state in their window save it here
    // (and restore it in CreateWnd). The default destroys the window.
    virtual void DestroyWnd();
    void DestroyWindowHandle();
    virtual void CreateHandle();
    virtual void DestroyHandle();
    void DefaultHandler(TMessage& message) override;
    // Paints the window's own content into dc (the system class or Paint of a custom control).
    virtual void PaintWindow(HDC dc);
    void PaintHandler(TMessage& message);
    virtual void AlignControls(TControl* control, RECT& rect);
    void ApplyBounds(int left, int top, int width, int height) override;
    void ChangeScale(int m, int d) override;
    // Scales the children's bounds and fonts (ChangeScale without this control's own bounds);
    // call with alignment disabled, and RecordChildAnchors once this control has its new size.
    void ScaleChildren(int m, int d);
    void RecordChildAnchors();
    void FontChanged() override;
    // Reads the window's position back after Windows moved or sized it.
    void UpdateBounds();

    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(wchar_t& key);
    virtual void DoEnter();
    virtual void DoExit();

    // Reflected notifications and colour requests; see messages.h. Controls override what they use.
    virtual void CNCtlColor(TMessage& message);
    virtual void CNKeyDown(TMessage& message);
    virtual void CNChar(TMessage& message);

private:
    friend class TControl;
    friend LRESULT CALLBACK StandardWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class TCustomForm;

    void AttachHandle(HWND window);
    void DetachHandle();
    void MainWndProc(TMessage& message);
    bool RouteMouseToChild(TMessage& message);
    void TrackMouseControl(TMessage& message);
    bool ReflectToChild(TMessage& message);
    void HandleSetFocus(TMessage& message);
    void HandleKillFocus(TMessage& message);
    void HandleSetCursor(TMessage& message);
    void HandleEraseBackground(TMessage& message);
    void HandleKeyMessage(TMessage& message);
    void HandleWindowPosChanged(TMessage& message);
    void HandleRecreate();
    void HandleNcDestroy(TMessage& message);
    void AlignChildren();
    void ApplyFontToWindow();
    void MoveChild(TControl* control, bool toFront);
    void FixupTabList();
    [[nodiscard]] bool HasVisibleWindowlessChildren() const;
    void NotifyChildren(UINT msg);

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    HWND parentWindow_ = nullptr;
    UINT controlId_ = 0;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;  // windowed children in tab order
    int storedTabOrder_ = -1;            // TabOrder read from a layout, applied by the parent's Loaded
    bool tabStop_ = false;
    int alignDisabled_ = 0;
    bool alignPending_ = false;
    bool recreating_ = false;
    int dispatchDepth_ = 0;           // messages of this window being handled right now
    bool freeAfterDispatch_ = false;  // Free once the outermost of them is done (Release)
    SIZE lastClientSize_{-1, -1};
    UniqueBrush brush_;
    TColor brushColor_ = clNone;
};

}  // namespace ov
