// TCustomHotKey: shortcuts turned into the control's key-and-flags word and back.
#include "framework/controls/hot_key.h"

#include <commctrl.h>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

namespace {

// HKM_SETHOTKEY / HKM_GETHOTKEY words: the virtual key in the low byte, HOTKEYF_* in the high one.
WORD ShortCutToHotKey(TShortCut shortCut)
{
    BYTE flags = 0;
    if (shortCut & scShift)
        flags |= HOTKEYF_SHIFT;
    if (shortCut & scCtrl)
        flags |= HOTKEYF_CONTROL;
    if (shortCut & scAlt)
        flags |= HOTKEYF_ALT;
    return MAKEWORD(LOBYTE(shortCut), flags);
}

TShortCut HotKeyToShortCut(WORD hotKey)
{
    BYTE flags = HIBYTE(hotKey);
    TShortCut shortCut = LOBYTE(hotKey);
    if (flags & HOTKEYF_SHIFT)
        shortCut |= scShift;
    if (flags & HOTKEYF_CONTROL)
        shortCut |= scCtrl;
    if (flags & HOTKEYF_ALT)
        shortCut |= scAlt;
    return shortCut;
}

}  // namespace

const TClassInfo& TCustomHotKey::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomHotKey>(L"TCustomHotKey", TWinControl::StaticClass())
            .Property(
                L"HotKey", [](TCustomHotKey* k) { return static_cast<int>(k->HotKey()); },
                [](TCustomHotKey* k, int v) { k->SetHotKey(static_cast<TShortCut>(v)); })
            .Property(L"InvalidKeys", &TCustomHotKey::InvalidKeys, &TCustomHotKey::SetInvalidKeys)
            .Property(L"Modifiers", &TCustomHotKey::Modifiers, &TCustomHotKey::SetModifiers)
            .Event(L"OnChange", &TCustomHotKey::OnChange)
            .Build();
    return info;
}

const TClassInfo& THotKey::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<THotKey>(L"THotKey", TCustomHotKey::StaticClass()).Creatable().Build();
    return info;
}

TCustomHotKey::TCustomHotKey(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, 25);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

void TCustomHotKey::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, HOTKEY_CLASSW);
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomHotKey::CreateWnd()
{
    TWinControl::CreateWnd();
    SendRules();
    SendMessageW(WindowHandle(), HKM_SETHOTKEY, ShortCutToHotKey(hotKey_), 0);
}

void TCustomHotKey::DestroyWnd()
{
    if (HandleAllocated())
        hotKey_ = HotKey();
    TWinControl::DestroyWnd();
}

void TCustomHotKey::SendRules()
{
    if (!HandleAllocated())
        return;
    static constexpr WORD kCombinations[] = {HKCOMB_NONE, HKCOMB_S,  HKCOMB_C,  HKCOMB_A,
                                             HKCOMB_SC,   HKCOMB_SA, HKCOMB_CA, HKCOMB_SCA};
    WORD invalid = 0;
    for (int i = hcNone; i <= hcShiftCtrlAlt; ++i)
        if (invalidKeys_.Contains(static_cast<THKInvalidKey>(i)))
            invalid |= kCombinations[i];
    WORD modifiers = 0;
    modifiers |= modifiers_.Contains(hkShift) ? HOTKEYF_SHIFT : 0;
    modifiers |= modifiers_.Contains(hkCtrl) ? HOTKEYF_CONTROL : 0;
    modifiers |= modifiers_.Contains(hkAlt) ? HOTKEYF_ALT : 0;
    modifiers |= modifiers_.Contains(hkExt) ? HOTKEYF_EXT : 0;
    SendMessageW(WindowHandle(), HKM_SETRULES, invalid, MAKELPARAM(modifiers, 0));
}

TShortCut TCustomHotKey::HotKey() const
{
    if (!HandleAllocated())
        return hotKey_;
    return HotKeyToShortCut(LOWORD(SendMessageW(WindowHandle(), HKM_GETHOTKEY, 0, 0)));
}

void TCustomHotKey::SetHotKey(TShortCut value)
{
    hotKey_ = value;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), HKM_SETHOTKEY, ShortCutToHotKey(value), 0);
}

void TCustomHotKey::SetModifiers(THKModifiers value)
{
    modifiers_ = value;
    SendRules();
}

void TCustomHotKey::SetInvalidKeys(THKInvalidKeys value)
{
    invalidKeys_ = value;
    SendRules();
}

void TCustomHotKey::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == EN_CHANGE)
            OnChange.Fire(this);
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
