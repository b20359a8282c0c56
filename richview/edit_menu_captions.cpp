// Reads the edit menu captions from user32.dll's own edit menu resource.
#include "richview/edit_menu_captions.h"

#include <initializer_list>

#include "framework/core/handle.h"

namespace ov {

namespace {

constexpr int kMaxCaption = 255;

// Replaces `caption` with the menu's text for the first of `commands` the menu has.
void TakeCaption(HMENU menu, std::initializer_list<UINT> commands, std::wstring& caption)
{
    for (UINT command : commands) {
        wchar_t text[kMaxCaption + 1] = {};
        int length = ::GetMenuStringW(menu, command, text, kMaxCaption + 1, MF_BYCOMMAND);
        if (length > 0) {
            caption.assign(text, static_cast<size_t>(length));
            return;
        }
    }
}

}  // namespace

EditMenuCaptions CaptionsFromEditMenu(HMENU editMenu)
{
    EditMenuCaptions captions;
    if (!editMenu)
        return captions;
    // Wine's user32 files its Undo item under EM_UNDO where Windows uses WM_UNDO.
    TakeCaption(editMenu, {WM_UNDO, EM_UNDO}, captions.undo);
    TakeCaption(editMenu, {WM_CUT}, captions.cut);
    TakeCaption(editMenu, {WM_COPY}, captions.copy);
    TakeCaption(editMenu, {WM_PASTE}, captions.paste);
    TakeCaption(editMenu, {WM_CLEAR}, captions.clear);
    TakeCaption(editMenu, {EM_SETSEL}, captions.selectAll);
    return captions;
}

EditMenuCaptions SystemEditMenuCaptions()
{
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32)
        return {};
    // Windows keeps the edit menu as menu 1; Wine files the same menu under the name EDITMENU.
    UniqueMenu menu(::LoadMenuW(user32, MAKEINTRESOURCEW(1)));
    if (!menu)
        menu.reset(::LoadMenuW(user32, L"EDITMENU"));
    if (!menu)
        return {};
    return CaptionsFromEditMenu(::GetSubMenu(menu.get(), 0));
}

}  // namespace ov
