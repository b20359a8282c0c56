// TCustomListControl: class information and the shared owner-drawn item painting.
#include "framework/controls/list_control.h"

#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"
#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TCustomListControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TCustomListControl>(L"TCustomListControl", TWinControl::StaticClass())
                                        .Unpublished()
                                        .Event(L"OnDrawItem", &TCustomListControl::OnDrawItem)
                                        .Build();
    return info;
}

// Every list is an input on the window colour, reached with Tab.
TCustomListControl::TCustomListControl(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TOwnerDrawState OwnerDrawState(UINT itemState)
{
    TOwnerDrawState state;
    state.Set(odSelected, itemState & ODS_SELECTED).Set(odGrayed, itemState & ODS_GRAYED);
    state.Set(odDisabled, itemState & ODS_DISABLED).Set(odChecked, itemState & ODS_CHECKED);
    state.Set(odFocused, itemState & ODS_FOCUS).Set(odDefault, itemState & ODS_DEFAULT);
    state.Set(odComboBoxEdit, itemState & ODS_COMBOBOXEDIT);
    return state;
}

void TCustomListControl::DrawOwnerItem(const DRAWITEMSTRUCT& item)
{
    TCanvas canvas(item.hDC);
    TOwnerDrawState state = OwnerDrawState(item.itemState);
    bool selected = state.Contains(odSelected);
    canvas.SetFont(*Font());
    canvas.Brush()->SetColor(selected ? clHighlight : Color());
    canvas.Font()->SetColor(selected ? clHighlightText : Font()->Color());
    int index = static_cast<int>(item.itemID);
    if (index >= 0 && index < Count()) {
        if (OnDrawItem.Assigned()) {
            struct CanvasScope {
                TCanvas*& slot;
                ~CanvasScope() { slot = nullptr; }
            } scope{drawCanvas_};
            drawCanvas_ = &canvas;
            OnDrawItem(this, index, item.rcItem, state);
        } else {
            canvas.FillRect(item.rcItem);
            canvas.TextOut(item.rcItem.left + 2, item.rcItem.top, ItemText(index));
        }
    } else {
        canvas.FillRect(item.rcItem);
    }
    if (state.Contains(odFocused) && !state.Contains(odComboBoxEdit))
        DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace ov
