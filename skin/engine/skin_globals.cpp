// The engine module's shared state and its thread CBT hook.
#include "skin/engine/skin_globals.h"

#include <algorithm>
#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/core/class_info.h"
#include "framework/core/handle.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_messages.h"

namespace ov {

namespace {

struct HookState {
    UniqueHook hook;
    TkrvSkinEngine* engine = nullptr;
    HWND lastDestroyedDialog = nullptr;
};

HookState& Hook()
{
    static HookState state;
    return state;
}

std::unique_ptr<TCustomImageList> MakeCheckImages()
{
    auto images = std::make_unique<TCustomImageList>(nullptr);
    TBitmap mark;
    try {
        mark.LoadFromResourceName(::GetModuleHandleW(nullptr), L"KRVSKIN_MENU_CHECKED");
        mark.SetTransparent(true);
        images->SetWidth(mark.Width());
        images->SetHeight(mark.Height());
        images->AddMasked(mark, clWhite);
    } catch (...) {
        // A program without the resource gets an empty list; menus then draw no check mark.
    }
    return images;
}

}  // namespace

std::wstring ReadClassName(HWND window)
{
    wchar_t buffer[101] = {};
    int length = ::GetClassNameW(window, buffer, 101);
    return std::wstring(buffer, static_cast<size_t>(std::max(length, 0)));
}

std::wstring UpperCase(std::wstring text)
{
    if (!text.empty())
        ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TkrvClassNameList::TkrvClassNameList(std::initializer_list<const wchar_t*> preset)
{
    for (const wchar_t* name : preset)
        Add(name);
}

void TkrvClassNameList::Add(std::wstring_view name)
{
    if (!Contains(name))
        names_.emplace_back(name);
}

bool TkrvClassNameList::Contains(std::wstring_view name) const
{
    return std::any_of(names_.begin(), names_.end(), [name](const std::wstring& n) { return SameIdent(n, name); });
}

TCustomImageList* MenuCheckImages()
{
    static std::unique_ptr<TCustomImageList> images = MakeCheckImages();
    return images.get();
}

TCustomImageList* PlaceholderImages()
{
    static std::unique_ptr<TCustomImageList> images = std::make_unique<TCustomImageList>(nullptr);
    return images.get();
}

TkrvClassNameList& AutoSkinClasses()
{
    static TkrvClassNameList list{L"TSelectDirDlg", L"TForm", L"TfrmRegBrowser"};
    return list;
}

TkrvClassNameList& NoBorderClasses()
{
    static TkrvClassNameList list{L"TVorelWizard"};
    return list;
}

TkrvClassNameList& ExcludedClasses()
{
    static TkrvClassNameList list{};
    return list;
}

void AddAutoSkinClass(std::wstring_view name) { AutoSkinClasses().Add(name); }
void AddNoBorderClass(std::wstring_view name) { NoBorderClasses().Add(name); }

TkrvSkinEngine* WorkingEngine() { return Hook().engine; }

bool InstallSkinHook(TkrvSkinEngine* engine)
{
    HookState& state = Hook();
    if (state.hook)
        return false;
    state.hook.reset(::SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, ::GetCurrentThreadId()));
    if (!state.hook)
        return false;
    state.engine = engine;
    return true;
}

void RemoveSkinHook(TkrvSkinEngine* engine)
{
    HookState& state = Hook();
    if (state.engine != engine)
        return;
    state.hook.reset();
    state.engine = nullptr;
}

HWND LastDestroyedDialog() { return Hook().lastDestroyedDialog; }
void SetLastDestroyedDialog(HWND window) { Hook().lastDestroyedDialog = window; }

bool RefusesSizeGrip(std::wstring_view upperClassName, DWORD style, DWORD exStyle, bool engineWorking)
{
    return upperClassName == L"SCROLLBAR" && (style & SBS_SIZEGRIP) != 0 && engineWorking &&
           exStyle != WS_EX_NOPARENTNOTIFY;
}

TkrvActivationSkin ActivationSkin(std::wstring_view className, bool isLastDestroyed, bool skinDialogs)
{
    if (className == L"TTabDockHost" || className == L"TConjoinDockHost")
        return TkrvActivationSkin::AsDialog;
    if (className == L"TMessageForm" || className == L"#32770")
        return !isLastDestroyed && skinDialogs ? TkrvActivationSkin::AsDialog : TkrvActivationSkin::None;
    return AutoSkinClasses().Contains(className) ? TkrvActivationSkin::AsForm : TkrvActivationSkin::None;
}

// Skins message boxes, system dialogs, dock hosts and listed form classes as they activate, and
// refuses size grips while the skin draws its own. Never raises.
LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    HookState& state = Hook();
    TkrvSkinEngine* engine = state.engine;
    try {
        if (code == HCBT_CREATEWND && engine) {
            auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
            HWND window = reinterpret_cast<HWND>(wParam);
            const CREATESTRUCTW* cs = create->lpcs;
            if (RefusesSizeGrip(UpperCase(ReadClassName(window)), static_cast<DWORD>(cs->style),
                                static_cast<DWORD>(cs->dwExStyle), engine->IsWorking()))
                return 1;
        } else if (code == HCBT_ACTIVATE && engine && engine->IsWorking()) {
            HWND window = reinterpret_cast<HWND>(wParam);
            std::wstring name = ReadClassName(window);
            bool dialogClass = name == L"TMessageForm" || name == L"#32770";
            TkrvActivationSkin how = ActivationSkin(name, window == state.lastDestroyedDialog, engine->SkinDialogs());
            if (how != TkrvActivationSkin::None && !IsWindowSkinned(window))
                engine->SkinWindow(window, how == TkrvActivationSkin::AsDialog);
            if (dialogClass)
                state.lastDestroyedDialog = nullptr;
        }
    } catch (...) {
        // A window that cannot be skinned keeps its own look.
    }
    return ::CallNextHookEx(state.hook.get(), code, wParam, lParam);
}

}  // namespace ov
