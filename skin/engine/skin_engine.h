// TkrvSkinEngine: the non-visual component on the main form that skins the whole program. It owns
// the skin reader (the built-in package streamed with the form as SkinData, or a .ssk file), caches
// the skin's frame metrics and colours, keeps one frame skinner per skinned top-level window and
// installs the thread hook through which new windows are found.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/core/collection.h"
#include "framework/core/component.h"
#include "framework/forms/form.h"
#include "framework/core/handle.h"
#include "framework/forms/menus.h"
#include "framework/core/strings.h"
#include "skin/data/progress_bar_res_win.h"
#include "skin/data/scroll_btn_res_win.h"
#include "skin/data/skin_reader_win.h"
#include "skin/data/tab_res_win.h"

namespace ov {

class TkrvSkinWindow;
class TStream;

// The thirteen menu colours, in the order the metrics keep them.
enum TkrvMenuColor {
    mcMenuBarStart,
    mcMenuBarEnd,
    mcTopSelected,
    mcTopSelectedBorder,
    mcTopSelectedFont,
    mcTopMenuFont,
    mcLeftBarStart,
    mcLeftBarEnd,
    mcMenuItem,
    mcMenuItemFont,
    mcSelectedMenu,
    mcSelectedMenuBorder,
    mcSelectedMenuFont,
    kMenuColorCount
};

// What the frame painters read on every paint, taken from the skin once per load.
struct TkrvSkinMetrics {
    int titleBarHeight = 0;      // height of SKIN2_TITLEBAR1
    int leftBorderWidth = 0;     // width of SKIN2_FORMLEFTBORDER
    int rightBorderWidth = 0;    // width of SKIN2_FORMRIGHTBORDER
    int bottomBorderHeight = 0;  // height of SKIN2_FORMBOTTOMBORDER1
    TColor transColor = clNone;
    TColor formColor = clNone;
    int iconX = 0, iconY = 0;
    int buttonX = 0, buttonY = 0;
    int captionTop = 0;
    TColor titleFontColor = clNone;
    int titleRegionMinY = -1, titleRegionMaxY = -1;
    int bottomRegionMinY = -1, bottomRegionMaxY = -1;
    std::array<TColor, kMenuColorCount> menuColors{};
};

// The metrics of the reader's skin, and the narrowest outer form width that still shows the
// title bar's end pieces and three title buttons.
TkrvSkinMetrics ReadSkinMetrics(const TkrvSkinReader& reader);
int ComputeMinFormWidth(const TkrvSkinReader& reader);

// A further streamed skin with a reader of its own (carried and streamed, never applied here).
class TkrvSkinCollectionItem : public TCollectionItem {
    OV_CLASS(TkrvSkinCollectionItem, TCollectionItem)

    explicit TkrvSkinCollectionItem(TCollection* collection);
    ~TkrvSkinCollectionItem() override;

    [[nodiscard]] const std::wstring& SkinFile() const noexcept { return FSkinFile; }
    void SetSkinFile(const std::wstring& value) { FSkinFile = value; }
    [[nodiscard]] const std::wstring& Password() const noexcept { return FPassword; }
    void SetPassword(const std::wstring& value) { FPassword = value; }
    [[nodiscard]] TkrvSkinReader* Reader() const noexcept { return FReader.get(); }
    void DefineProperties(TFiler& filer) override;
    // Writes the package to a temporary file, loads it into the item's reader and deletes the file.
    void LoadSkinData(TStream& stream);

private:
    std::wstring FSkinFile;
    std::wstring FPassword;
    std::unique_ptr<TkrvSkinReader> FReader;
};

class TkrvSkinCollection : public TCollection {
    OV_CLASS(TkrvSkinCollection, TCollection)

    explicit TkrvSkinCollection(TComponent* engine);
    [[nodiscard]] TComponent* Engine() const noexcept { return FEngine; }

private:
    TComponent* FEngine;
};

class TkrvSkinEngine : public TComponent {
    OV_CLASS(TkrvSkinEngine, TComponent)

    // Raises "Must be placed on a Form" unless the owner is a form.
    explicit TkrvSkinEngine(TComponent* owner);
    ~TkrvSkinEngine() override;

    // --- published properties ---
    [[nodiscard]] bool Active() const noexcept { return FActive; }
    void SetActive(bool value);
    [[nodiscard]] bool Ready() const { return FReader && FReader->Loaded(); }
    void SetReady(bool) {}
    [[nodiscard]] const std::wstring& Password() const noexcept { return FPassword; }
    void SetPassword(const std::wstring& value) { FPassword = value; }
    [[nodiscard]] const std::wstring& SkinFile() const noexcept { return FSkinFile; }
    // Finds the file (as named, else by its name beside the program, in the Windows folder, in the
    // system folder) and loads it; nothing happens when it is nowhere.
    void SetSkinFile(const std::wstring& value);
    [[nodiscard]] const std::wstring& ResSysMenuMin() const noexcept { return FResSysMenu[0]; }
    void SetResSysMenuMin(const std::wstring& value) { SetSystemMenuCaption(0, value); }
    [[nodiscard]] const std::wstring& ResSysMenuMax() const noexcept { return FResSysMenu[1]; }
    void SetResSysMenuMax(const std::wstring& value) { SetSystemMenuCaption(1, value); }
    [[nodiscard]] const std::wstring& ResSysMenuClose() const noexcept { return FResSysMenu[3]; }
    void SetResSysMenuClose(const std::wstring& value) { SetSystemMenuCaption(3, value); }
    [[nodiscard]] int DisabledTag() const noexcept { return FDisabledTag; }
    void SetDisabledTag(int value) noexcept { FDisabledTag = value; }
    [[nodiscard]] bool DrawScrollBar() const noexcept { return FDrawScrollBar; }
    void SetDrawScrollBar(bool value) noexcept { FDrawScrollBar = value; }
    [[nodiscard]] std::wstring Version() const { return L"4.6"; }
    void SetVersion(const std::wstring&) {}
    [[nodiscard]] bool BuiltIn() const noexcept { return FBuiltIn; }
    void SetBuiltIn(bool value);
    [[nodiscard]] bool SkinDialogs() const noexcept { return FSkinDialogs; }
    void SetSkinDialogs(bool value) noexcept { FSkinDialogs = value; }
    [[nodiscard]] bool SkinAllForms() const noexcept { return FSkinAllForms; }
    void SetSkinAllForms(bool value);
    [[nodiscard]] TkrvSkinCollection* AdditionalBuiltInSkins() const noexcept { return FAdditionalBuiltInSkins.get(); }
    [[nodiscard]] bool NoChangeButtonsFontColor() const noexcept { return FNoChangeButtonsFontColor; }
    void SetNoChangeButtonsFontColor(bool value) noexcept { FNoChangeButtonsFontColor = value; }
    [[nodiscard]] TStrings* AutoSkinWndClassNames() const noexcept { return FAutoSkinWndClassNames.get(); }
    void SetAutoSkinWndClassNames(TStrings* value);
    TNotifyEvent OnSkinChanged;
    TNotifyEvent OnSkinChanging;

    void DefineProperties(TFiler& filer) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // Active, a skin loaded, not designing: every hook and skinner asks this first.
    [[nodiscard]] bool IsWorking() const;
    [[nodiscard]] bool Designing() const { return ComponentState().Contains(csDesigning); }
    // Free has begun: every skinner passes messages straight on from now on.
    [[nodiscard]] bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

    void SkinMainForm(TCustomForm* form);
    void SkinWindow(HWND window, bool dialog);
    void UnskinWindow(HWND window);
    void SkinOpenForms();
    void UnskinOtherForms();
    // The streamed package: written to a temporary .ssk, loaded and applied, the file deleted.
    void LoadSkinData(TStream& stream);

    // --- lookups for the skinners ---
    // Copies skin bitmap `id` into `out` (frame `index` of `count` equal frames when count > 0);
    // false when the skin has no such bitmap.
    bool GetBitmap(Skin2Bitmap id, TBitmap& out, int count = 0, int index = 0) const;
    // The reader's own bitmap (null when missing); valid until the next skin load.
    [[nodiscard]] TBitmap* SkinBitmap(Skin2Bitmap id) const { return FReader->GetBitmap(id); }
    [[nodiscard]] TColor GetColor(Skin2Color id) const { return FReader->GetColor(id); }
    [[nodiscard]] bool GetBoolean(Skin2Boolean id) const { return FReader->GetBoolean(id); }
    [[nodiscard]] int GetInteger(Skin2Integer id) const { return FReader->GetInteger(id); }
    [[nodiscard]] TColor FormColor() const noexcept { return FMetrics.formColor; }
    [[nodiscard]] const TkrvSkinMetrics& Metrics() const noexcept { return FMetrics; }
    [[nodiscard]] int MinFormWidth() const noexcept { return FMinFormWidth; }
    [[nodiscard]] HBRUSH FormBrush() const noexcept { return FFormBrush.get(); }
    [[nodiscard]] TColor DisabledMenuTextColor() const noexcept { return clGray; }
    [[nodiscard]] TColor InactiveTitleColor() const noexcept { return clInactiveCaption; }
    [[nodiscard]] int CaptionLeft() const noexcept { return FCaptionLeft; }
    [[nodiscard]] TkrvSkinReader* Reader() const noexcept { return FReader; }
    TkrvSkinScrollBtnRes& ScrollBtnRes() noexcept { return FScrollBtnRes; }
    TkrvSkinProgressBarRes& ProgressBarRes() noexcept { return FProgressBarRes; }
    TkrvSkinTabRes& TabRes() noexcept { return FTabRes; }

    // --- frame skinners ---
    [[nodiscard]] const std::vector<TkrvSkinWindow*>& SkinWindows() const noexcept { return FSkinWindows; }
    TkrvSkinWindow* FindSkinWindow(HWND window) const;
    // Called by a frame skinner's destructor.
    void RemoveSkinWindow(TkrvSkinWindow* skinWindow);
    [[nodiscard]] bool Removing() const noexcept { return FRemoving; }
    [[nodiscard]] bool SkinningAll() const noexcept { return FSkinningAll; }

    // --- system menu of skinned windows ---
    [[nodiscard]] TPopupMenu* SystemMenu() const noexcept { return FSystemMenu; }
    [[nodiscard]] TkrvSkinWindow* MenuTarget() const noexcept { return FMenuTarget; }
    void SetMenuTarget(TkrvSkinWindow* target) noexcept { FMenuTarget = target; }

    // --- menus ---
    void PrepareMenu(TMenu* menu);
    void PrepareMenuItem(TMenuItem* item);
    void ReleaseMenu(TMenu* menu);
    // A popup menu about to show for a control of a skinned form is drawn by the skin too, when the
    // walk has not met it (menus made later, or owned by no control). Released with the engine.
    void PrepareShownPopup(TPopupMenu& menu);
    void ReleaseShownPopups();
    void MeasureMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height);
    void DrawMenuItem(TObject* sender, TCanvas* canvas, RECT rect, bool selected);

protected:
    void BeforeDestruction() override;

private:
    void ApplySkin(TObject* sender);
    void ApplyCheckMark();
    void ReapplySkinWindows();
    void SetSystemMenuCaption(int index, const std::wstring& value);
    void BuildSystemMenu();
    void SystemMenuPopup(TObject* sender);
    void SystemMenuMinimize(TObject* sender);
    void SystemMenuMaximize(TObject* sender);
    void SystemMenuClose(TObject* sender);
    void AutoSkinNamesChanged(TObject* sender);
    void AddAutoSkinNames();
    void AppendSkinWindow(TkrvSkinWindow* skinWindow);
    [[nodiscard]] bool Loading() const { return ComponentState().Contains(csLoading); }

    bool FActive = false;
    std::wstring FPassword;
    std::wstring FSkinFile;
    std::array<std::wstring, 4> FResSysMenu{L"Mi&nimize", L"Ma&ximize/Restore", L"-", L"&Close"};
    int FDisabledTag = 9999;
    bool FDrawScrollBar = true;
    bool FBuiltIn = false;
    bool FSkinDialogs = true;
    bool FSkinAllForms = true;
    bool FNoChangeButtonsFontColor = false;
    std::unique_ptr<TkrvSkinCollection> FAdditionalBuiltInSkins;
    std::unique_ptr<TStringList> FAutoSkinWndClassNames;

    std::vector<TkrvSkinWindow*> FSkinWindows;
    std::unique_ptr<TkrvSkinReader> FOwnReader;
    TkrvSkinReader* FReader = nullptr;
    TPopupMenu* FSystemMenu = nullptr;  // owned (no owner component: freed in the destructor)
    TkrvSkinWindow* FMenuTarget = nullptr;
    TkrvSkinScrollBtnRes FScrollBtnRes;
    TkrvSkinProgressBarRes FProgressBarRes;
    TkrvSkinTabRes FTabRes;
    UniqueBrush FFormBrush;
    TkrvSkinMetrics FMetrics;
    int FCaptionLeft = -10000;  // negative: every frame places its caption itself
    int FMinFormWidth = 0;
    bool FRemoving = false;
    std::vector<TPopupMenu*> FShownPopups;  // prepared by PrepareShownPopup
    bool FSkinningAll = false;
};

}  // namespace ov
