// THiddenPopupObject: the one hidden object of the process that keeps the fixed edit menu (undo,
// cut, copy, paste, delete, select all) and lends it to whichever edit control asks.
#pragma once

#include "framework/forms/menus.h"
#include "framework/forms/win_control.h"
#include "richview/rich_edit_types.h"

namespace ov {

// A control that decides the fixed menu's items itself instead of by the edit messages.
class IFixedPopup {
public:
    virtual bool FixedPopupCanUndo() = 0;
    virtual bool FixedPopupCanCut() = 0;
    virtual bool FixedPopupCanCopy() = 0;
    virtual bool FixedPopupCanPaste() = 0;
    virtual bool FixedPopupCanDelete() = 0;
    virtual bool FixedPopupCanSelectAll() = 0;
    virtual void FixedPopupUndo() = 0;
    virtual void FixedPopupCut() = 0;
    virtual void FixedPopupCopy() = 0;
    virtual void FixedPopupPaste() = 0;
    virtual void FixedPopupDelete() = 0;
    virtual void FixedPopupSelectAll() = 0;

protected:
    ~IFixedPopup() = default;
};

class THiddenPopupObject : public TComponent {
    OV_CLASS(THiddenPopupObject, TComponent)

    // The items of the fixed menu by index.
    enum Item { kUndo = 0, kCut = 2, kCopy = 3, kPaste = 4, kDelete = 5, kSelectAll = 7 };

    explicit THiddenPopupObject(TComponent* owner);

    // Binds the object to `control`, creates the menu on first use and, with `update`, enables
    // its items for the control's state now.
    TPopupMenu* MenuFor(TWinControl* control, bool update);
    [[nodiscard]] TWinControl* Control() const noexcept { return control_; }

    void Notification(TComponent* component, TOperation operation) override;

private:
    void CreateMenu();
    void UpdateItems();
    void SetEnabled(Item item, bool enabled);
    // The control's window when one is bound and has it.
    [[nodiscard]] HWND BoundWindow() const;
    void Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    void UndoClick(TObject* sender);
    void CutClick(TObject* sender);
    void CopyClick(TObject* sender);
    void PasteClick(TObject* sender);
    void DeleteClick(TObject* sender);
    void SelectAllClick(TObject* sender);

    TWinControl* control_ = nullptr;
    TPopupMenu* menu_ = nullptr;  // owned as a component of this object
};

// The process's object, made on first use.
THiddenPopupObject& HiddenPopupObject();

// Which items of the fixed menu are enabled for an edit control's state.
struct TFixedMenuState {
    TOvClipboardCommands allowed;
    bool canUndo = false;
    bool readOnly = false;
    int selectionLength = 0;
    int textLength = 0;
};
struct TFixedMenuEnabled {
    bool undo, cut, copy, paste, clear, selectAll;
};
TFixedMenuEnabled FixedMenuEnabled(const TFixedMenuState& state) noexcept;

}  // namespace ov
