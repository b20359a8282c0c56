// TCustomListControl: the base of controls that show a list of items with a current one (list
// box, combo boxes, list view): the item index, the count, adding and clearing, and the
// owner-drawn item painting that list and combo boxes share.
#pragma once

#include <windows.h>

#include <string>

#include "framework/forms/win_control.h"

namespace ov {

class TCanvas;

enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
OV_ENUM_TYPE(TOwnerDrawStateItem, L"odSelected", L"odGrayed", L"odDisabled", L"odChecked", L"odFocused", L"odDefault",
             L"odComboBoxEdit")
OV_SET_TYPE(TOwnerDrawState)

// Paints item Index into Rect of the control's Canvas (brush and font already set for the state).
using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, RECT Rect, TOwnerDrawState State)>;
OV_EVENT_TYPE(TDrawItemEvent)

class TCustomListControl : public TWinControl {
    OV_CLASS(TCustomListControl, TWinControl)

    explicit TCustomListControl(TComponent* owner);

    // The current item, -1 for none.
    [[nodiscard]] virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int value) = 0;
    [[nodiscard]] virtual int Count() const = 0;
    virtual void AddItem(const std::wstring& text, TObject* object) = 0;
    virtual void Clear() = 0;
    virtual void DeleteSelected() = 0;

    // The canvas an OnDrawItem handler paints on (valid during the handler only).
    [[nodiscard]] TCanvas* Canvas() const noexcept { return drawCanvas_; }

    TDrawItemEvent OnDrawItem;

protected:
    // The text of an item, for the default owner-drawn look.
    [[nodiscard]] virtual std::wstring ItemText(int index) const { return {}; }
    // Answers WM_DRAWITEM reflected to the control: OnDrawItem paints the item when assigned,
    // otherwise the item's text on the selection colours.
    void DrawOwnerItem(const DRAWITEMSTRUCT& item);

private:
    TCanvas* drawCanvas_ = nullptr;
};

// The owner-draw state of a DRAWITEMSTRUCT's itemState.
TOwnerDrawState OwnerDrawState(UINT itemState);

}  // namespace ov
