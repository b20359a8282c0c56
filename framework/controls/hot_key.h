// TCustomHotKey / THotKey: a field where the user presses a key combination, over the system hot
// key control (msctls_hotkey32). HotKey is the combination as a shortcut (a virtual key plus
// scShift, scCtrl, scAlt).
#pragma once

#include "framework/forms/menus.h"
#include "framework/forms/win_control.h"

namespace ov {

enum THKModifier { hkShift, hkCtrl, hkAlt, hkExt };
using THKModifiers = TSet<THKModifier>;
enum THKInvalidKey { hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl, hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt };
using THKInvalidKeys = TSet<THKInvalidKey>;
OV_ENUM_TYPE(THKModifier, L"hkShift", L"hkCtrl", L"hkAlt", L"hkExt")
OV_SET_TYPE(THKModifiers)
OV_ENUM_TYPE(THKInvalidKey, L"hcNone", L"hcShift", L"hcCtrl", L"hcAlt", L"hcShiftCtrl", L"hcShiftAlt", L"hcCtrlAlt",
             L"hcShiftCtrlAlt")
OV_SET_TYPE(THKInvalidKeys)

// InvalidKeys lists the modifier combinations the control refuses; a refused combination is
// replaced by Modifiers. HotKey reads what the user typed; OnChange fires as it changes.
class TCustomHotKey : public TWinControl {
    OV_CLASS(TCustomHotKey, TWinControl)

    explicit TCustomHotKey(TComponent* owner);

    [[nodiscard]] TShortCut HotKey() const;
    void SetHotKey(TShortCut value);
    [[nodiscard]] THKModifiers Modifiers() const noexcept { return modifiers_; }
    void SetModifiers(THKModifiers value);
    [[nodiscard]] THKInvalidKeys InvalidKeys() const noexcept { return invalidKeys_; }
    void SetInvalidKeys(THKInvalidKeys value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;

private:
    void SendRules();

    TShortCut hotKey_ = 0;
    THKModifiers modifiers_{hkAlt};
    THKInvalidKeys invalidKeys_{hcNone, hcShift};
};

class THotKey : public TCustomHotKey {
    OV_CLASS(THotKey, TCustomHotKey)

    explicit THotKey(TComponent* owner) : TCustomHotKey(owner) {}
};

}  // namespace ov
