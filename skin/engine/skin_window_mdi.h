// TkrvSkinWindowMDI: the menu bar and MDI half of a framework form's frame skinner
// (TkrvSkinWindowVCL), which owns one. It shows the form's main menu as the skinned menu bar. On an
// MDI parent it also merges the active child's menu into the bar, lists the children in the Window
// menu, shows the three buttons of a maximised child and cascades and tiles the children in the MDI
// client; an MDI child tells the parent when it is activated, maximised, restored, shown or hidden.
// The skinner hands it its calls while attaching, switching and detaching, the messages it has
// passed on, and the components going away.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "framework/core/handle.h"
#include "framework/forms/form.h"
#include "framework/forms/menus.h"
#include "skin/engine/skin_menu_bar.h"
#include "skin/engine/window_hooks.h"

namespace ov {

class TkrvSkinEngine;
class TkrvSkinWindowVCL;

class TkrvSkinWindowMDI {
public:
    explicit TkrvSkinWindowMDI(TkrvSkinWindowVCL& skinner);
    TkrvSkinWindowMDI(const TkrvSkinWindowMDI&) = delete;
    TkrvSkinWindowMDI& operator=(const TkrvSkinWindowMDI&) = delete;

    // Attaching: the hidden menu bar; on an MDI parent also the three buttons and the client's hook.
    void Create();
    // Detaching: the client gets its own Window list back and loses the hook; when the engine
    // removes the skinner, the bar, the buttons and the added Window menu items are freed too.
    void Detach();
    // A component the skinner was told of is going: none of the parts keeps pointing at it.
    void Forget(TComponent* component);
    // Switching the skin on and off: the bar shown with the form's menu, or hidden again.
    void SwitchOn();
    void SwitchOff();
    // The menu bar and MDI parts of the skinner's PostProcess; true when the message was one of them.
    bool PostProcess(TMessage& message);
    // An MDI child tells its parent once that it is maximised, and again when it is not any more.
    void AnnounceChildSize(bool maximized);

    [[nodiscard]] TkrvSkinMenuBar* MenuBar() const noexcept { return FMenuBar; }
    [[nodiscard]] int MenuBarHeight() const;
    // The active child's menu an MDI parent merges into its bar, or null.
    [[nodiscard]] TMainMenu* MergedChildMenu() const noexcept { return FMergedChildMenu; }
    // The bar and the MDI buttons: controls of its own on the form, which stay where they are.
    [[nodiscard]] bool IsOwnControl(const TControl* control) const;

    void BuildMenuBar(bool force);
    TkrvMenuBarItems CollectMenuItems();
    void FillMenuBar(const TkrvMenuBarItems& collected);
    void PaintMenuBarBackground(TToolBar* bar, const RECT& rect, bool& defaultDraw);
    void PaintMenuBarButton(TToolBar* bar, TToolButton* button, TCustomDrawState state, bool& defaultDraw);
    void RebuildWindowMenu();
    [[nodiscard]] std::vector<TCustomForm*> ListedMDIChildren() const;
    // The MDI control buttons: 1 close (Tag -1381), 2 restore (-1382), 3 minimise (-1383).
    [[nodiscard]] TkrvSkinMenuBarControlButton* MDIButton(int i) const
    {
        return FMDIButtons.at(static_cast<size_t>(i - 1));
    }

private:
    void CreateMenuBar();
    void PlaceMenuBar();
    void CreateMDIButtons();
    void PlaceMDIButtons();
    void ColorMDIButtons();
    void ShowMDIButtons(bool show);
    void MDIButtonClick(TObject* sender);
    void FreeWindowMenuItems();
    void ClientWindowProc(TMessage& message);
    void CascadeChildren();
    void TileChildren(bool horizontal);
    [[nodiscard]] std::vector<TCustomForm*> VisibleChildren(bool withMinimized) const;
    void SetMergedChildMenu(TMainMenu* menu);

    TkrvSkinWindowVCL& FSkinner;
    TCustomForm* FForm;
    TkrvSkinEngine* FEngine;
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
