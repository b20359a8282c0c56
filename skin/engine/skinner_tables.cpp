// The skinner tables and the walks that attach control skinners to a skinned window's contents.
#include "skin/engine/skinner_tables.h"

#include <algorithm>
#include <vector>

#include "framework/forms/form.h"
#include "framework/forms/menus.h"
#include "skin/data/skin_forms_win.h"
#include "skin/engine/skin_control.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window.h"
#include "skin/engine/skin_window_wnd.h"

namespace ov {

namespace {

std::vector<TkrvFrameworkSkinnerRow>& FrameworkTable()
{
    static std::vector<TkrvFrameworkSkinnerRow> rows;
    return rows;
}

std::vector<TkrvWindowClassSkinnerRow>& WindowClassTable()
{
    static std::vector<TkrvWindowClassSkinnerRow> rows;
    return rows;
}

// Nothing that belongs to the skin engine itself is skinned, except the up-down it lays over
// date pickers.
bool IsEngineOwn(std::wstring_view className) { return className.starts_with(L"Tkrv"); }

void SetParentColor(TControl* control)
{
    if (!HasPublishedProperty(control, L"ParentColor"))
        return;
    control->SetParentColor(true);
}

// Skins a control the walk met; false when the walk must not go into what it owns.
bool SkinOneControl(TkrvSkinWindow* owner, TControl* control)
{
    std::unique_ptr<TkrvSkinControl> skinner;
    try {
        skinner = CreateFrameworkSkinner(control, owner);
    } catch (...) {
        return false;  // the control keeps its own look
    }
    if (!skinner)
        return false;
    TkrvSkinControl* added = skinner.get();
    owner->AddControlSkinner(std::move(skinner));
    added->Update();
    if (added->UsesParentColor())
        SetParentColor(control);
    const std::wstring& name = control->ClassName();
    return name != L"TDBLookupComboBox" && name != L"TJamShellList" && !control->InheritsFrom(L"TCustomGrid");
}

}  // namespace

void AddFrameworkSkinners(std::span<const TkrvFrameworkSkinnerRow> rows)
{
    FrameworkTable().insert(FrameworkTable().end(), rows.begin(), rows.end());
}

void AddWindowClassSkinners(std::span<const TkrvWindowClassSkinnerRow> rows)
{
    WindowClassTable().insert(WindowClassTable().end(), rows.begin(), rows.end());
}

void ClearSkinnerTables()
{
    FrameworkTable().clear();
    WindowClassTable().clear();
}

const TkrvFrameworkSkinnerRow* FindFrameworkSkinnerRow(const TClassInfo& controlClass)
{
    const auto& rows = FrameworkTable();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        if (controlClass.InheritsFrom(row->frameworkClass))
            return &*row;
    return nullptr;
}

std::wstring WindowClassSkinnerName(std::wstring_view upperClassName, DWORD style)
{
    std::wstring name(upperClassName);
    DWORD s = style & 0xFF;
    if (name == L"BUTTON") {
        if ((s & 7) == 7)
            return {};  // group box
        if ((s & 3) == 3 || (s & 2) != 0 || (s & 5) == 5)
            return L"BUTTON_CHECKBOX";
        if ((s & 9) == 9 || (s & 4) != 0)
            return L"BUTTON_RADIOBUTTON";
        return name;
    }
    if (name == L"COMBOBOX" && (s & 3) == 1)
        return {};  // simple combo box
    return name;
}

namespace {

// The last step of making a skinner, once it is whole and hooked.
std::unique_ptr<TkrvSkinControl> Initialized(std::unique_ptr<TkrvSkinControl> skinner)
{
    if (skinner)
        skinner->Initialize();
    return skinner;
}

}  // namespace

std::unique_ptr<TkrvSkinControl> CreateFrameworkSkinner(TControl* control, TkrvSkinWindow* owner)
{
    const TkrvFrameworkSkinnerRow* row = FindFrameworkSkinnerRow(control->ClassInfo());
    return row ? Initialized(row->create(control, owner)) : nullptr;
}

std::unique_ptr<TkrvSkinControl> CreateWindowClassSkinner(HWND window, TkrvSkinWindow* owner)
{
    std::wstring upper = UpperCase(ReadClassName(window));
    if (upper == L"SYSANIMATE32" || upper == L"MSCTLS_PROGRESS32") {
        if (auto* dialog = dynamic_cast<TkrvSkinWindowWnd*>(owner))
            dialog->SetBusyDialog();
        return nullptr;
    }
    std::wstring name = WindowClassSkinnerName(upper, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)));
    if (name.empty())
        return nullptr;
    if (name == L"COMBOBOXEX32") {
        window = ::GetWindow(window, GW_CHILD);  // the inner combo box
        if (!window)
            return nullptr;
    }
    for (const TkrvWindowClassSkinnerRow& row : WindowClassTable())
        if (name == row.className)
            return Initialized(row.create(window, owner));
    return nullptr;
}

void SkinControl(TkrvSkinWindow* owner, TControl* control)
{
    TkrvSkinEngine* engine = owner->Engine();
    if (engine->Designing() || !control->WindowProc.Assigned())
        return;
    if (engine->DisabledTag() != 0 && engine->DisabledTag() == control->Tag())
        return;
    const std::wstring& name = control->ClassName();
    if (name == L"TkrvSkinInternalScrollBar" || name == L"TkrvSkinInternalComboButton")
        return;
    if (auto* windowed = dynamic_cast<TWinControl*>(control);
        windowed && windowed->HandleAllocated() && IsWindowSkinned(windowed->WindowHandle()))
        return;
    if (IsEngineOwn(name)) {
        if (name == L"TkrvForm")
            owner->DisableFrame();
        if (name != L"TkrvSkinInternalUpDown")
            return;
    }
    if (ExcludedClasses().Contains(name) || !control->Parent())
        return;
    if (auto* form = dynamic_cast<TCustomForm*>(control)) {
        if (form->Name().empty())
            return;
        form->SetColor(engine->FormColor());
    } else if (!SkinOneControl(owner, control)) {
        return;
    }
    for (int i = 0; i < control->ComponentCount(); ++i) {
        TComponent* component = control->Components(i);
        if (auto* child = dynamic_cast<TControl*>(component))
            SkinControl(owner, child);
        else if (auto* popup = dynamic_cast<TPopupMenu*>(component); popup && popup->Tag() != engine->DisabledTag())
            engine->PrepareMenu(popup);
    }
}

void SkinChildWindows(TkrvSkinWindow* owner)
{
    for (HWND child = ::GetWindow(owner->GetHandle(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) == 0 || IsWindowSkinned(child))
            continue;
        try {
            if (auto skinner = CreateWindowClassSkinner(child, owner))
                owner->AddControlSkinner(std::move(skinner));
        } catch (...) {
            // The child keeps its own look.
        }
    }
}

TkrvDialogContent CheckDialogContent(HWND dialog)
{
    TkrvDialogContent content;
    bool shellView = false, toolBar = false, listBox = false;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        std::wstring name = UpperCase(ReadClassName(child));
        if (name == L"#32770") {
            content.nestedPage = child;
            break;
        }
        shellView |= name == L"SHELLDLL_DEFVIEW";
        toolBar |= name == L"TOOLBARWINDOW32";
        listBox |= name == L"LISTBOX";
        if (name == L"SHBROWSEFORFOLDER SHELLNAMESPACE CONTROL")
            content.folderBrowser = true;
        else if (content.folderBrowser && name == L"SCROLLBAR")
            ::ShowWindow(child, SW_HIDE);
    }
    content.fileDialog = shellView && toolBar && listBox;
    return content;
}

}  // namespace ov
