// What the skin engine's pieces share for the life of the program: the menu check mark and
// placeholder image lists, the class-name lists, the working engine and its thread CBT hook, and the
// last plain dialog whose skinner saw it destroyed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/image_list.h"

namespace ov {

class TkrvSkinEngine;

// Class names compared ignoring case, kept without duplicates.
class TkrvClassNameList {
public:
    TkrvClassNameList(std::initializer_list<const wchar_t*> preset);
    void Add(std::wstring_view name);
    [[nodiscard]] bool Contains(std::wstring_view name) const;
    [[nodiscard]] const std::vector<std::wstring>& Names() const noexcept { return names_; }

private:
    std::vector<std::wstring> names_;
};

// One image: the check mark menus draw for checked items without an image ("KRVSKIN_MENU_CHECKED",
// replaced by a skin's own check mark when it has one).
TCustomImageList* MenuCheckImages();
// Empty; given to main menus without images so that their items get an image column.
TCustomImageList* PlaceholderImages();
// Framework classes whose windows are skinned when they activate.
TkrvClassNameList& AutoSkinClasses();
// Classes whose borders the bordered-control skinner leaves alone.
TkrvClassNameList& NoBorderClasses();
// Framework classes that never get a control skinner.
TkrvClassNameList& ExcludedClasses();
void AddAutoSkinClass(std::wstring_view name);
void AddNoBorderClass(std::wstring_view name);

// The engine that installed the hook (the first one created outside design), or null.
TkrvSkinEngine* WorkingEngine();
// Installs the thread's CBT hook for `engine` unless one is installed; true when it did.
bool InstallSkinHook(TkrvSkinEngine* engine);
// Removes the hook when `engine` installed it.
void RemoveSkinHook(TkrvSkinEngine* engine);
LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);

// The plain dialog whose skinner last saw WM_DESTROY: the hook does not skin it again as it goes.
HWND LastDestroyedDialog();
void SetLastDestroyedDialog(HWND window);

// A window's class name as registered (its first 100 characters; empty for no window).
std::wstring ReadClassName(HWND window);
// The text in upper case by the system's rule, as the hook and the class tables compare class names.
std::wstring UpperCase(std::wstring text);

// The hook's decisions, apart from the hook so that they can be checked on their own.
// A size-grip scroll bar is refused while skinning works, unless its extended style is exactly
// WS_EX_NOPARENTNOTIFY.
bool RefusesSizeGrip(std::wstring_view upperClassName, DWORD style, DWORD exStyle, bool engineWorking);
enum class TkrvActivationSkin { None, AsDialog, AsForm };
// How an activated window of that class (exact name) is skinned; `isLastDestroyed` and
// `skinDialogs` concern dialogs only.
TkrvActivationSkin ActivationSkin(std::wstring_view className, bool isLastDestroyed, bool skinDialogs);

}  // namespace ov
