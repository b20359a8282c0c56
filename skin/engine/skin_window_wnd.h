// TkrvSkinWindowWnd: the frame skinner of a plain window (message boxes, system dialogs, file and
// folder dialogs), reached by subclassing. It grows the window by the skin's borders, answers the
// dialog colour messages with the skin's form colour, turns the title close button into IDCANCEL,
// and removes itself when the window is destroyed.
#pragma once

#include <memory>

#include "skin/engine/skin_window.h"
#include "skin/engine/window_hooks.h"

namespace ov {

class TkrvSkinWindowWnd : public TkrvSkinWindow {
    OV_CLASS(TkrvSkinWindowWnd, TkrvSkinWindow)

    static TkrvSkinWindowWnd* Make(HWND window, bool dialog, TkrvSkinEngine* engine);

    // An animation or progress control inside: the plain button skinners run without polling.
    void SetBusyDialog() noexcept { FBusyDialog = true; }
    bool BusyDialog() const noexcept { return FBusyDialog; }

    std::wstring GetCaptionW() override;
    void ApplySkinState() override;
    void CallDefault(TMessage& message) override { message.Result = FHook->CallPrevious(message); }
    void MeasureNativeFrame() override;
    void SkinControls() override;
    void FreeControlSkinners() override { ClearControlSkinners(); }
    HWND GetHandle() override { return FHandle; }
    bool PreProcess(TMessage& message) override;
    void PostProcess(TMessage& message) override;
    void Attach(HWND window) override;
    void Detach() override;

private:
    TkrvSkinWindowWnd(TkrvSkinEngine* engine, bool dialog);

    void SwitchOn();
    void SwitchOff();
    void UpdateControlSkinners();
    void HandleShowWindow();
    void ColourPagePanels(HWND page);
    void PageHandler(TMessage& message);

    HWND FHandle = nullptr;
    std::unique_ptr<TSubclassHook> FHook;
    LONG_PTR FStyle = 0;       // at measurement
    LONG_PTR FEraseStyle = 0;  // at the first WM_ERASEBKGND
    bool FErasedOnce = false;
    bool FResizedOnce = false;
    bool FBusyDialog = false;
    bool FFileDialog = false;
    bool FFolderBrowser = false;
    std::unique_ptr<TSubclassHook> FPageHook;  // a nested dialog page
};

}  // namespace ov
