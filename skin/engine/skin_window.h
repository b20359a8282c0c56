// TkrvSkinWindow: the frame skinner of one top-level window. It answers the non-client messages
// from the skin's geometry (size, paint, hit test, title buttons, activation), paints title bar,
// icon, caption, title buttons and borders, sets the window region the skin asks for, and owns the
// control skinners of the window's contents. TkrvSkinWindowVCL (framework forms) and
// TkrvSkinWindowWnd (plain windows) supply how the window is reached and measured.
//
// Teardown runs in one order, whoever starts it (the engine going, UnskinWindow, the window or a
// control going):
// 1. Stop dispatching. The engine going marks itself destroying first (TkrvSkinEngine::
//    IsDestroying): from then on every control skinner passes messages straight on, and its CBT
//    hook comes off, so no new window is skinned. A frame skinner going switches its skin off.
// 2. Give the procedures back, last hooked first: each control skinner from the end of the list,
//    then the frame skinner's own hook on the window (installed before the walk hooked the
//    controls). Hooks stacked on one window come off in any order all the same (window_hooks.h).
// 3. Free the windows: a control skinner's Detach releases its overlays (skin_overlay.h).
// 4. Free the skinner: each control skinner right after its Detach, the frame skinner last.
// Steps 2 to 4 run skinner by skinner; a control going before its frame skinner takes its own
// control skinner through the same steps (TkrvSkinWindowVCL::Notification).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/core/component.h"
#include "framework/forms/messages.h"

namespace ov {

class TkrvSkinControl;
class TkrvSkinEngine;
class TCanvas;

// The title buttons, as FHoverButton numbers them.
enum TkrvTitleButton { tbNone = -1, tbIcon = 0, tbClose = 1, tbMaximize = 2, tbMinimize = 3, tbHelp = 4 };

// Where the title buttons of a frame go, from the right: close, maximise, minimise, help.
struct TkrvTitleButtonLayout {
    int width = 0, height = 0;  // one frame of the 18-frame strip
    int top = 0;
    int firstLeft = 0;    // the close button (or the first present one)
    int buttonsLeft = 0;  // left edge of the group: x of the last slot + width
};
// Lays out `count` buttons of a window `windowWidth` wide; a minimised window puts them 5 pixels
// from the right edge at `minimizedTop`.
TkrvTitleButtonLayout LayoutTitleButtons(int windowWidth, int stripWidth, int stripHeight, int count, int buttonPosX,
                                         int buttonPosY, bool minimized, int minimizedTop);
// The 1-based frame of the 18-frame title button strip for a button in a state.
int TitleButtonFrame(TkrvTitleButton button, bool windowMaximized, bool windowMinimized, bool hovered, bool pressed);
// Width of the title button group: n buttons w wide, 2 pixels apart, plus 15.
inline int TitleButtonGroupWidth(int buttonWidth, int count) { return buttonWidth * count + 2 * (count - 1) + 15; }
// The top of a minimised window's icon and buttons: centred in 26 pixels.
int MinimizedButtonTop(int buttonHeight);

class TkrvSkinWindow : public TComponent {
    OV_CLASS(TkrvSkinWindow, TComponent)

    TkrvSkinWindow(TComponent* owner, TkrvSkinEngine* engine, bool dialog);
    ~TkrvSkinWindow() override;

    TkrvSkinEngine* Engine() const noexcept { return FEngine; }
    const std::vector<std::unique_ptr<TkrvSkinControl>>& ControlSkinners() const noexcept { return FControlSkinners; }
    void AddControlSkinner(std::unique_ptr<TkrvSkinControl> skinner);

    void SetSkinActive(bool on);
    bool SkinOn() const noexcept { return FSkinOn; }
    bool Started() const noexcept { return FStarted; }
    bool FrameEnabled() const noexcept { return FFrameEnabled; }
    void DisableFrame() noexcept { FFrameEnabled = false; }
    bool Dialog() const noexcept { return FDialog; }
    // Re-reads the skin's region flags, repaints and sets the region.
    void Refresh();
    void SetTitleVisible(bool on);
    void SetBordersVisible(bool on);
    void PaintFrame();
    void UpdateRegion();
    int CaptionHeight() const;

    // Window commands, posted as WM_SYSCOMMAND.
    void CloseWindow();
    void ContextHelp();
    void MaximizeRestore();
    void MinimizeRestore();
    void ShowSystemMenu();
    void ShowSystemMenu(POINT screenPoint);

    // What the last frame paint drew (the system menu enables its items from these).
    bool DrewCloseButton() const noexcept { return FHasCloseButton; }
    bool DrewMaxButton() const noexcept { return FHasMaxButton; }
    bool DrewMinButton() const noexcept { return FHasMinButton; }
    int HoverButton() const noexcept { return FHoverButton; }
    int ButtonsLeft() const noexcept { return FButtonsLeft; }
    bool WindowActive() const noexcept { return FWindowActive; }
    // The native frame's insets as measured (top without a native menu bar, sides, bottom).
    int TopInset() const noexcept { return FTopInset; }
    int SideInset() const noexcept { return FSideInset; }
    int BottomInset() const noexcept { return FBottomInset; }

    // --- what the concrete frame skinners supply ---
    virtual std::wstring GetCaptionW() { return {}; }
    virtual void ApplySkinState() = 0;
    virtual void CallDefault(TMessage& message) = 0;
    virtual void MeasureNativeFrame() {}
    virtual void SkinControls() = 0;
    virtual void FreeControlSkinners() = 0;
    virtual bool HasFrame() { return true; }
    virtual int MenuBarHeight() { return 0; }
    virtual HICON IconHandle() { return nullptr; }
    virtual bool HasHelpButton() { return false; }
    virtual bool IsMDIForm() { return false; }
    virtual bool IsMDIChild() { return false; }
    virtual bool IsDialogBorder() { return false; }
    virtual bool HasIcon() { return false; }
    virtual bool HasCloseButton() { return true; }
    virtual bool HasMaximizeButton() { return false; }
    virtual bool HasMinimizeButton() { return false; }
    virtual bool StartsAtOnce() { return false; }
    virtual bool ToolBarBelowMenu() { return false; }
    virtual bool SuppressNCActivate() { return false; }
    virtual HWND GetHandle() = 0;
    virtual void SizeChangedWhileOff() {}
    virtual bool PreProcess(TMessage& message) { return true; }
    virtual void PostProcess(TMessage& message) {}
    virtual void Attach(HWND window) = 0;
    virtual void Detach() = 0;

protected:
    // The second step of construction (the constructor cannot call the subclass's operations):
    // attach, walk the contents, switch the skin on. The engine calls it through MakeSkinWindow.
    void Initialize(HWND window);
    friend class TkrvSkinEngine;
    // Initializes a newly made skinner; one that fails is freed and the failure passed on.
    template <typename Skinner>
    static Skinner* Initialized(Skinner* skinWindow, HWND window)
    {
        try {
            skinWindow->Initialize(window);
        } catch (...) {
            skinWindow->Free();
            throw;
        }
        return skinWindow;
    }

    // The message handler common to both kinds.
    void WindowProcHandler(TMessage& message);
    void Start();

    void BeforeDestruction() override;
    // The frame skinner's own teardown has begun.
    bool IsDestroying() const noexcept { return FDestroying; }
    bool IsMinimized();
    bool IsMaximized();
    // Removes every control skinner, putting back what each replaced.
    void ClearControlSkinners();

    TkrvSkinEngine* FEngine;
    std::vector<std::unique_ptr<TkrvSkinControl>> FControlSkinners;
    TBitmap FTitleBitmap;
    std::unique_ptr<TBitmap> FTitleMergeBitmap;
    TBitmap FBottomBitmap;
    std::unique_ptr<TBitmap> FBottomMergeBitmap;
    bool FTitleNeedsRegion = false;
    bool FBottomNeedsRegion = false;
    bool FShowTitle = true;
    bool FShowBorders = true;
    bool FFrameEnabled = true;
    bool FSkinOn = false;
    bool FStarted = false;
    bool FDialog = false;
    bool FWindowActive = true;
    bool FNcPressed = false;
    int FHoverButton = tbNone;
    bool FHasCloseButton = false;
    bool FHasMaxButton = false;
    bool FHasMinButton = false;
    int FButtonsLeft = 10000;
    int FCaptionLeft = -10000;
    // The native frame, measured before the skin is applied.
    int FClientWidth = 0;
    int FClientHeight = 0;
    int FTopInset = 0;
    int FSideInset = 0;
    int FBottomInset = 0;
    int FLeftInset = 0;
    int FBottomInset2 = 0;
    int FMenuOffset = 0;
    bool FDestroying = false;

private:
    bool HandleBeforeDefault(TMessage& message);
    void HandleAfterDefault(TMessage& message);
    void HandleNcLButtonDown(TMessage& message);
    bool HandleNcLButtonDblClk(TMessage& message);
    void HandleNcLButtonUp();
    void HandleNcCalcSize(TMessage& message);
    void HandleNcHitTest(TMessage& message);

    // Frame painting (skin_window_paint.cpp).
    struct FramePaint;
    void BuildTitle(FramePaint& paint);
    void DrawTitleBitmaps(FramePaint& paint);
    void DrawNarrowTitle(FramePaint& paint);
    void DrawIcon(FramePaint& paint);
    void DrawTitleButtons(FramePaint& paint);
    void DrawCaption(FramePaint& paint);
    void OutputTitle(HDC dc);
    void DrawBorders(HDC dc, int borderTop, int windowWidth, int windowHeight);
    void DrawFillers(HDC dc, int windowWidth, int windowHeight);
    void DrawMenuBarBackground(HDC dc, const RECT& rect);
};

}  // namespace ov
