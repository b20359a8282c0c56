// TButtonControl: window parameters and the click notification of two-state buttons.
#include "framework/controls/button_control.h"

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TButtonControl::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TButtonControl>(L"TButtonControl", TWinControl::StaticClass())
            .Property(L"Alignment", &TButtonControl::Alignment, &TButtonControl::SetAlignment)
            .Property(L"Checked", &TButtonControl::Checked, &TButtonControl::SetChecked)
            .Property(L"WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap)
            .Build();
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetTabStop(true);
}

void TButtonControl::CreateButtonParams(TCreateParams& params, DWORD buttonStyle)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, L"BUTTON");
    params.Style |= buttonStyle;
    if (alignment_ == taLeftJustify)
        params.Style |= BS_LEFTTEXT | BS_RIGHT;
    if (wordWrap_)
        params.Style |= BS_MULTILINE;
}

void TButtonControl::SetAlignment(TAlignment value)
{
    if (alignment_ == value || value == taCenter)
        return;
    alignment_ = value;
    RecreateWnd();
}

void TButtonControl::SetWordWrap(bool value)
{
    if (wordWrap_ == value)
        return;
    wordWrap_ = value;
    RecreateWnd();
}

void TButtonControl::ShowCheck(UINT state)
{
    if (HWND window = WindowHandle())
        SendMessageW(window, BM_SETCHECK, state, 0);
}

void TButtonControl::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == BN_CLICKED)
            Toggle();
        return;
    }
    TWinControl::WndProc(message);
}

}  // namespace ov
