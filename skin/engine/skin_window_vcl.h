// TkrvSkinWindowVCL: the frame skinner of a framework form, reached through the form's WindowProc
// slot. It keeps the client area and the controls where they were when the skin goes on and off,
// sets the skin's minimum size as constraints, shows the form's menu as a skinned menu bar and keeps
// its shortcuts working once the native menu is taken away, and serves MDI parents and children
// (merged menus, the Window menu, cascade and tile, the buttons of a maximised child).
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/forms/menus.h"
#include "skin/engine/skin_menu_bar.h"
#include "skin/engine/skin_window.h"
#include "skin/engine/window_hooks.h"

namespace ov {

class TkrvSkinWindowVCL : public TkrvSkinWindow {
    OV_CLASS(TkrvSkinWindowVCL, TkrvSkinWindow)

    // Creates and switches on the skinner of the form whose window is `window` (found among the
    // screen's forms, else `publishedForm`); raises "KRVSkin: Skinning form failed!" without one.
    static TkrvSkinWindowVCL* Make(HWND window, bool dialog, TkrvSkinEngine* engine, TCustomForm* publishedForm);

    TCustomForm* Form() const noexcept { return FForm; }

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

    // Menu bar and MDI (skin_window_vcl_menu.cpp).
    int MenuBarHeight() override;
    TkrvSkinMenuBar* MenuBar() const noexcept { return FMenuBar; }
    void BuildMenuBar(bool force);
    TkrvMenuBarItems CollectMenuItems();
    void FillMenuBar(const TkrvMenuBarItems& collected);
    void PaintMenuBarBackground(TToolBar* bar, const RECT& rect, bool& defaultDraw);
    void PaintMenuBarButton(TToolBar* bar, TToolButton* button, TCustomDrawState state, bool& defaultDraw);
    void RebuildWindowMenu();
    std::vector<TCustomForm*> ListedMDIChildren() const;
    // The MDI control buttons: 1 close (Tag -1381), 2 restore (-1382), 3 minimise (-1383).
    TkrvSkinMenuBarControlButton* MDIButton(int i) const { return FMDIButtons.at(static_cast<size_t>(i - 1)); }

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
    // Menu bar and MDI (skin_window_vcl_menu.cpp).
    void CreateMenuBar();
    void PlaceMenuBar();
    void CreateMDIButtons();
    void SwitchMenuBarOn();
    void SwitchMenuBarOff();
    void PlaceMDIButtons();
    void ColorMDIButtons();
    void ShowMDIButtons(bool show);
    void MDIButtonClick(TObject* sender);
    void MeasureMDIChildInsets();
    void AnnounceMDIChildSize();
    void FreeWindowMenuItems();
    bool PostProcessMDI(TMessage& message);
    void ClientWindowProc(TMessage& message);
    void CascadeChildren();
    void TileChildren(bool horizontal);
    std::vector<TCustomForm*> VisibleChildren(bool withMinimized) const;
    void SetMergedChildMenu(TMainMenu* menu);

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
    // Menu bar and MDI.
    TkrvSkinMenuBar* FMenuBar = nullptr;
    TMainMenu* FLastBuiltMenu = nullptr;
    TMainMenu* FMergedChildMenu = nullptr;
    TMainMenu* FLastBuiltChildMenu = nullptr;
    std::vector<TMenuItem*> FMenuItems;
    std::vector<TMenuItem*> FWindowMenuItems;
    std::array<TkrvSkinMenuBarControlButton*, 3> FMDIButtons{};
    TColor FMDIButtonColor = clBtnFace;
    TColor FMDIButtonToColor = clBtnFace;
    std::unique_ptr<TSubclassHook> FClientHook;
    UniqueMenu FSpareWindowMenu;  // takes the client's own Window list while the skin lists it
    bool FMDIChildMaximized = false;
    bool FMDIChildHidden = false;
};

}  // namespace ov
