// TCustomDrawState: the state of an item in a custom-draw notification (NM_CUSTOMDRAW), as the
// custom-draw events of tool bars and list controls hand it to their handlers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/core/properties.h"
#include "framework/core/set.h"

namespace ov {

// In the order of the CDIS_* bits: bit n of uItemState is the item with ordinal n.
enum TCustomDrawStateItem {
    cdsSelected,       // CDIS_SELECTED: pressed (a tool button held down)
    cdsGrayed,         // CDIS_GRAYED
    cdsDisabled,       // CDIS_DISABLED
    cdsChecked,        // CDIS_CHECKED: a check button that is down
    cdsFocused,        // CDIS_FOCUS
    cdsDefault,        // CDIS_DEFAULT
    cdsHot,            // CDIS_HOT: under the pointer
    cdsMarked,         // CDIS_MARKED
    cdsIndeterminate,  // CDIS_INDETERMINATE
};
using TCustomDrawState = TSet<TCustomDrawStateItem>;

OV_ENUM_TYPE(TCustomDrawStateItem, L"cdsSelected", L"cdsGrayed", L"cdsDisabled", L"cdsChecked", L"cdsFocused",
             L"cdsDefault", L"cdsHot", L"cdsMarked", L"cdsIndeterminate")
OV_SET_TYPE(TCustomDrawState)

static_assert(CDIS_SELECTED == 1 << cdsSelected && CDIS_HOT == 1 << cdsHot &&
              CDIS_INDETERMINATE == 1 << cdsIndeterminate);

inline TCustomDrawState CustomDrawState(UINT itemState)
{
    return TCustomDrawState::FromBits(itemState & ((1u << (cdsIndeterminate + 1)) - 1));
}

}  // namespace ov
