// The fixed edit menu: captions from the system, enabled states from the control, and actions
// sent through the control's own message handling.
#include "richview/hidden_popup.h"

#include <richedit.h>

#include "framework/core/properties.h"
#include "richview/custom_rich_edit.h"
#include "richview/edit_menu_captions.h"

namespace ov {

namespace {

constexpr TOvClipboardCommands kCommandsWithoutClear{caCopy, caCut, caPaste, caUndo};

bool IsComboBox(HWND window)
{
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    return _wcsicmp(name, L"ComboBox") == 0;
}

TOvClipboardCommands AllowedCommands(TWinControl& control)
{
    if (!HasPublishedProperty(control, L"ClipboardCommands"))
        return kCommandsWithoutClear;
    TValue value = GetPropertyValue(control, L"ClipboardCommands");
    auto bits = std::get_if<std::int64_t>(&value);
    return bits ? TOvClipboardCommands::FromBits(static_cast<std::uint64_t>(*bits)) : kCommandsWithoutClear;
}

// Text length in the units of the selection: a rich edit counts a paragraph break as one.
int TextLengthOf(TWinControl& control, HWND window)
{
    if (auto rich = dynamic_cast<TOvCustomRichEdit*>(&control))
        return rich->TextLength();
    return static_cast<int>(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
}

}  // namespace

const TClassInfo& THiddenPopupObject::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<THiddenPopupObject>(L"THiddenPopupObject", TComponent::StaticClass()).Build();
    return info;
}

TFixedMenuEnabled FixedMenuEnabled(const TFixedMenuState& state) noexcept
{
    bool selection = state.selectionLength > 0;
    return {
        state.allowed.Contains(caUndo) && state.canUndo,
        selection && !state.readOnly && state.allowed.Contains(caCut),
        selection && state.allowed.Contains(caCopy),
        !state.readOnly && state.allowed.Contains(caPaste),
        selection && !state.readOnly,
        state.textLength > 0 && state.selectionLength < state.textLength,
    };
}

THiddenPopupObject::THiddenPopupObject(TComponent* owner) : TComponent(owner) {}

THiddenPopupObject& HiddenPopupObject()
{
    static TComponentPtr<THiddenPopupObject> object(new THiddenPopupObject(nullptr));
    return *object;
}

TPopupMenu* THiddenPopupObject::MenuFor(TWinControl* control, bool update)
{
    if (control_ != control) {
        if (control_)
            control_->RemoveFreeNotification(this);
        control_ = control;
        if (control_)
            control_->FreeNotification(this);
    }
    if (!menu_)
        CreateMenu();
    if (update)
        UpdateItems();
    return menu_;
}

void THiddenPopupObject::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == control_)
        control_ = nullptr;
    if (operation == opRemove && component == menu_)
        menu_ = nullptr;
}

void THiddenPopupObject::CreateMenu()
{
    menu_ = new TPopupMenu(this);
    EditMenuCaptions captions = SystemEditMenuCaptions();
    struct {
        const std::wstring* caption;
        void (THiddenPopupObject::*click)(TObject*);
    } items[] = {{&captions.undo, &THiddenPopupObject::UndoClick},
                 {nullptr, nullptr},
                 {&captions.cut, &THiddenPopupObject::CutClick},
                 {&captions.copy, &THiddenPopupObject::CopyClick},
                 {&captions.paste, &THiddenPopupObject::PasteClick},
                 {&captions.clear, &THiddenPopupObject::DeleteClick},
                 {nullptr, nullptr},
                 {&captions.selectAll, &THiddenPopupObject::SelectAllClick}};
    for (const auto& item : items) {
        auto menuItem = new TMenuItem(menu_);
        menuItem->SetCaption(item.caption ? *item.caption : L"-");
        if (item.click)
            menuItem->OnClick = TNotifyEvent(this, item.click);
        menu_->Items()->Add(menuItem);
    }
}

void THiddenPopupObject::SetEnabled(Item item, bool enabled) { menu_->Items()->Items(item)->SetEnabled(enabled); }

HWND THiddenPopupObject::BoundWindow() const
{
    return control_ && control_->HandleAllocated() ? control_->WindowHandle() : nullptr;
}

void THiddenPopupObject::UpdateItems()
{
    HWND window = BoundWindow();
    if (!window)
        return;
    if (auto custom = dynamic_cast<IFixedPopup*>(control_)) {
        SetEnabled(kUndo, custom->FixedPopupCanUndo());
        SetEnabled(kCut, custom->FixedPopupCanCut());
        SetEnabled(kCopy, custom->FixedPopupCanCopy());
        SetEnabled(kPaste, custom->FixedPopupCanPaste());
        SetEnabled(kDelete, custom->FixedPopupCanDelete());
        SetEnabled(kSelectAll, custom->FixedPopupCanSelectAll());
        return;
    }
    DWORD start = 0, end = 0;
    ::SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    TFixedMenuState state;
    state.allowed = AllowedCommands(*control_);
    state.canUndo = ::SendMessageW(window, EM_CANUNDO, 0, 0) != 0;
    state.readOnly = (::GetWindowLongW(window, GWL_STYLE) & ES_READONLY) != 0;
    state.selectionLength = static_cast<int>(end - start);
    state.textLength = TextLengthOf(*control_, window);
    TFixedMenuEnabled enabled = FixedMenuEnabled(state);
    SetEnabled(kUndo, enabled.undo);
    SetEnabled(kCut, enabled.cut);
    SetEnabled(kCopy, enabled.copy);
    SetEnabled(kPaste, enabled.paste);
    SetEnabled(kDelete, enabled.clear);
    SetEnabled(kSelectAll, enabled.selectAll);
}

void THiddenPopupObject::Send(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (BoundWindow())
        control_->Perform(msg, wParam, lParam);
}

void THiddenPopupObject::UndoClick(TObject*)
{
    HWND window = BoundWindow();
    if (!window)
        return;
    if (auto custom = dynamic_cast<IFixedPopup*>(control_))
        custom->FixedPopupUndo();
    else if (IsComboBox(window))
        ::SendMessageW(window, WM_UNDO, 0, 0);
    else
        Send(WM_UNDO);
}

void THiddenPopupObject::CutClick(TObject*)
{
    if (auto custom = dynamic_cast<IFixedPopup*>(control_); custom && BoundWindow())
        custom->FixedPopupCut();
    else
        Send(WM_CUT);
}

void THiddenPopupObject::CopyClick(TObject*)
{
    if (auto custom = dynamic_cast<IFixedPopup*>(control_); custom && BoundWindow())
        custom->FixedPopupCopy();
    else
        Send(WM_COPY);
}

void THiddenPopupObject::PasteClick(TObject*)
{
    if (auto custom = dynamic_cast<IFixedPopup*>(control_); custom && BoundWindow())
        custom->FixedPopupPaste();
    else
        Send(WM_PASTE);
}

void THiddenPopupObject::DeleteClick(TObject*)
{
    if (auto custom = dynamic_cast<IFixedPopup*>(control_); custom && BoundWindow())
        custom->FixedPopupDelete();
    else
        Send(WM_CLEAR);
}

void THiddenPopupObject::SelectAllClick(TObject*)
{
    if (auto custom = dynamic_cast<IFixedPopup*>(control_); custom && BoundWindow())
        custom->FixedPopupSelectAll();
    else
        Send(EM_SETSEL, 0, static_cast<LPARAM>(-1));
}

}  // namespace ov
