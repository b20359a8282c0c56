// TOvExCustomMemo: notifications routed to overridable operations.
#include "richview/ex_custom_memo.h"

#include <windowsx.h>

#include "framework/core/properties.h"

namespace ov {

const TClassInfo& TOvExCustomMemo::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TOvExCustomMemo>(L"TOvExCustomMemo", TCustomMemo::StaticClass())
            .Property(L"HintColor", ColorType(), &TOvExCustomMemo::HintColor, &TOvExCustomMemo::SetHintColor)
            .Property(L"ClipboardCommands", &TOvExCustomMemo::ClipboardCommands, &TOvExCustomMemo::SetClipboardCommands)
            .Build();
    return info;
}

TOvExCustomMemo::TOvExCustomMemo(TComponent* owner) : TCustomMemo(owner) {}

void TOvExCustomMemo::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        TCustomMemo::WndProc(message);
        DoTextChanged();
        return;
    case CM_DIALOGCHAR:
        if (WantsDialogChar(static_cast<wchar_t>(message.WParam), KeyboardShiftState(), Text())) {
            message.Result = 0;  // not a dialog character: the control takes it
            return;
        }
        break;
    case CM_HITTEST:
        message.Result = DoHitTest(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)) ? 1 : 0;
        return;
    case WM_SIZE:
        TCustomMemo::WndProc(message);
        DoBoundsChanged();
        return;
    case WM_GETDLGCODE:
        TCustomMemo::WndProc(message);
        DoDialogCode(message.Result);
        return;
    case WM_SETFOCUS:
        TCustomMemo::WndProc(message);
        DoFocusSet();
        return;
    case WM_KILLFOCUS:
        TCustomMemo::WndProc(message);
        DoFocusKilled();
        return;
    case WM_ERASEBKGND:
        OfferEraseBackground(message);
        return;
    default:
        break;
    }
    TCustomMemo::WndProc(message);
}

void TOvExCustomMemo::OfferEraseBackground(TMessage& message)
{
    auto dc = reinterpret_cast<HDC>(message.WParam);
    bool erased = false;
    if (dc) {
        TCanvas canvas(dc);  // saves the DC's state and restores it when it lets the DC go
        erased = DoEraseBackground(canvas);
    }
    if (erased)
        message.Result = 1;
    else
        TCustomMemo::WndProc(message);
}

}  // namespace ov
