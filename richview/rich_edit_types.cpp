// Conversions between DROPEFFECT_* flags and TRichDropEffects.
#include "richview/rich_edit_types.h"

namespace ov {

namespace {

struct DropEffectFlag {
    TRichDropEffect effect;
    DWORD flag;
};
constexpr DropEffectFlag kDropEffectFlags[] = {
    {rdeCopy, DROPEFFECT_COPY}, {rdeMove, DROPEFFECT_MOVE}, {rdeLink, DROPEFFECT_LINK}, {rdeScroll, DROPEFFECT_SCROLL}};

}  // namespace

TRichDropEffects DropEffectsFromFlags(DWORD effect) noexcept
{
    TRichDropEffects effects;
    for (const auto& e : kDropEffectFlags)
        effects.Set(e.effect, (effect & e.flag) != 0);
    return effects;
}

DWORD DropEffectsToFlags(TRichDropEffects effects) noexcept
{
    DWORD flags = DROPEFFECT_NONE;
    for (const auto& e : kDropEffectFlags)
        if (effects.Contains(e.effect))
            flags |= e.flag;
    return flags;
}

TShiftState ShiftStateFromDragKeys(DWORD keyState) noexcept
{
    constexpr DWORD kAltKey = 0x20;  // MK_ALT of OLE drag and drop
    TShiftState shift;
    shift.Set(ssShift, (keyState & MK_SHIFT) != 0);
    shift.Set(ssCtrl, (keyState & MK_CONTROL) != 0);
    shift.Set(ssAlt, (keyState & kAltKey) != 0);
    shift.Set(ssLeft, (keyState & MK_LBUTTON) != 0);
    shift.Set(ssRight, (keyState & MK_RBUTTON) != 0);
    shift.Set(ssMiddle, (keyState & MK_MBUTTON) != 0);
    return shift;
}

}  // namespace ov
