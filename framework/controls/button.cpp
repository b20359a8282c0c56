// TButton: a superclassed BUTTON; clicks arrive as reflected BN_CLICKED.
#include "framework/controls/button.h"

#include <cwctype>

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TButton::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TButton>(L"TButton", TWinControl::StaticClass())
                                        .Creatable()
                                        .Property(L"Cancel", &TButton::Cancel, &TButton::SetCancel)
                                        .Property(L"Default", &TButton::Default, &TButton::SetDefault)
                                        .Property(L"ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
                                        .Build();
    return info;
}

wchar_t AcceleratorOf(const std::wstring& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        if (caption[i + 1] != L'&')
            return static_cast<wchar_t>(std::towupper(caption[i + 1]));
        ++i;  // "&&" is a plain ampersand
    }
    return 0;
}

TButton::TButton(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, L"BUTTON");
    params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value)
{
    if (default_ == value)
        return;
    default_ = value;
    if (HWND window = WindowHandle())
        SendMessageW(window, BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click()
{
    if (modalResult_ != mrNone)
        if (TCustomForm* form = GetParentForm())
            form->SetModalResult(modalResult_);
    TWinControl::Click();
}

bool TButton::TakesEnter() const
{
    if (Focused())
        return true;
    TCustomForm* form = GetParentForm();
    TWinControl* focused = form ? form->ActiveControl() : nullptr;
    return default_ && !dynamic_cast<TButton*>(focused);
}

void TButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == BN_CLICKED)
            Click();
        return;
    case CM_DIALOGKEY:
        HandleDialogKey(message);
        return;
    case CM_DIALOGCHAR:
        HandleDialogChar(message);
        return;
    default:
        TWinControl::WndProc(message);
    }
}

void TButton::HandleDialogKey(TMessage& message)
{
    bool enter = message.WParam == VK_RETURN && TakesEnter();
    bool escape = message.WParam == VK_ESCAPE && cancel_;
    if ((enter || escape) && KeyboardShiftState().Empty() && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TWinControl::WndProc(message);
}

void TButton::HandleDialogChar(TMessage& message)
{
    wchar_t accelerator = AcceleratorOf(Caption());
    if (accelerator && accelerator == std::towupper(static_cast<wchar_t>(message.WParam)) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
