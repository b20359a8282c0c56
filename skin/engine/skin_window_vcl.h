// TkrvSkinWindowVCL: the frame skinner of a framework form, reached through the form's WindowProc
// slot. It keeps the client area and the controls where they were when the skin goes on and off,
// sets the skin's minimum size as constraints and keeps the shortcuts of the form's menu working
// once the native menu is taken away. Its menu bar and MDI half (the skinned menu bar, merged
// menus, the Window menu, cascade and tile, the buttons of a maximised child) is a TkrvSkinWindowMDI
// of its own.
#pragma once

#include <memory>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/forms/menus.h"
#include "skin/engine/skin_menu_bar.h"
#include "skin/engine/skin_window.h"
#include "skin/engine/skin_window_mdi.h"
#include "skin/engine/window_hooks.h"

namespace ov {

class TkrvSkinWindowVCL : public TkrvSkinWindow {
    OV_CLASS(TkrvSkinWindowVCL, TkrvSkinWindow)

    // Creates and switches on the skinner of the form whose window is `window` (found among the
    // screen's forms, else `publishedForm`); raises "KRVSkin: Skinning form failed!" without one.
    static TkrvSkinWindowVCL* Make(HWND window, bool dialog, TkrvSkinEngine* engine, TCustomForm* publishedForm);

    TCustomForm* Form() const noexcept { return FForm; }
    // The form's menu, measured before the skin took it away.
    TMainMenu* MainMenu() const noexcept { return FMainMenu; }

    std::wstring GetCaptionW() override;
    void ApplySkinState() override;
    void CallDefault(TMessage& message) override { FHook->CallPrevious(message); }
    void MeasureNativeFrame() override;
    void SkinControls() override;
    void FreeControlSkinners() override;
    bool HasFrame() override;
    HICON IconHandle() override;
    bool HasHelpButton() override;
    bool IsMDIForm() override { return FForm->FormStyle() == fsMDIForm; }
    bool IsMDIChild() override { return FForm->FormStyle() == fsMDIChild; }
    bool IsDialogBorder() override { return FForm->BorderStyle() == bsDialog; }
    bool HasIcon() override;
    bool HasCloseButton() override;
    bool HasMaximizeButton() override;
    bool HasMinimizeButton() override;
    bool StartsAtOnce() override { return true; }
    bool SuppressNCActivate() override { return true; }
    HWND GetHandle() override { return FForm->Handle(); }
    void SizeChangedWhileOff() override;
    void PostProcess(TMessage& message) override;
    void Attach(HWND window) override;
    void Detach() override;
    void Notification(TComponent* component, TOperation operation) override;

    int MenuBarHeight() override { return FMDI.MenuBarHeight(); }
    TkrvSkinMenuBar* MenuBar() const noexcept { return FMDI.MenuBar(); }

private:
    TkrvSkinWindowVCL(TComponent* owner, TkrvSkinEngine* engine, bool dialog, TCustomForm* form);

    void SwitchOn();
    void SwitchOff();
    void UpdateControlSkinners();
    void ApplyConstraints();
    void ClearConstraints();
    void ShiftControls(int distance);
    void RememberClientSize();
    void RemoveSystemMenuStyle();
    void PrepareFormMenus(bool prepare);
    void HandleParentNotify(TMessage& message);
    void ShortcutFilter(MSG& msg, bool& handled);
    bool HasTitleButton(TBorderIcon icon);
    void MeasureMDIChildInsets();

    TCustomForm* FForm;
    std::unique_ptr<TWindowProcHook> FHook;
    TMainMenu* FMainMenu = nullptr;  // the form's menu, taken away while skinned
    TColor FFormColor = clBtnFace;   // the form's unskinned Color
    std::unique_ptr<TApplicationEvents> FApplicationEvents;
    bool FShownOnce = false;
    static constexpr UINT_PTR kSkinOpenFormsTimer = 0x4B53;
    static void CALLBACK SkinOpenFormsNow(HWND window, UINT, UINT_PTR timer, DWORD);
    bool FRestoring = false;
    bool FSettingClientSize = false;
    bool FControlsShifted = false;
    int FShiftedBy = 0;
    bool FSkinSetMinHeight = false;
    bool FSkinSetMinWidth = false;
    bool FHadFrame = true;
    TkrvSkinWindowMDI FMDI;  // last: it is made from the form and the engine above
};

}  // namespace ov
