// The combo box and date picker skinners.
#include "skin/controls/combo_skinners.h"

#include <commctrl.h>

#include "framework/graphics/canvas.h"
#include "framework/controls/combo_box_ex.h"
#include "framework/controls/date_time_picker.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/user32_entries_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

namespace {

constexpr int kButtonPanelWidth = 16;

RECT Inflated(RECT r, int by)
{
    ::InflateRect(&r, by, by);
    return r;
}

bool ReadComboInfo(HWND combo, COMBOBOXINFO& info)
{
    info = {};
    info.cbSize = sizeof(info);
    return combo && SkinGetComboBoxInfo(combo, &info);
}

// An open list gets the border colour round it, on the screen: the list is a pop-up of its own.
void FrameOpenList(HWND combo, const COMBOBOXINFO& info, TColor border)
{
    if (!info.hwndList || !::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0))
        return;
    RECT list{};
    ::GetWindowRect(info.hwndList, &list);
    if (UniqueWindowDC screen = WindowAreaDC(nullptr, WindowArea::Whole))
        FrameRectColor(screen.get(), list, border);
}

}  // namespace

TkrvComboButtonLook ComboButtonLook(const RECT& button, bool rightToLeft)
{
    int x = rightToLeft ? button.right - 1 : button.left;
    int width = button.right - button.left, height = button.bottom - button.top;
    return {button, {x, button.top - 1}, {x, button.bottom + 1}, {button.left + width / 2 - 3, height / 2}};
}

void DrawComboButton(HDC dc, TkrvSkinEngine& engine, const TkrvComboButtonLook& look, bool enabled)
{
    FillRectColor(dc, look.face, engine.GetColor(SKIN2_CONTROLCOLOR));
    TCanvas canvas(dc);
    canvas.Pen()->SetColor(engine.GetColor(SKIN2_CONTROLBORDERCOLOR));
    canvas.MoveTo(look.lineFrom.x, look.lineFrom.y);
    canvas.LineTo(look.lineTo.x, look.lineTo.y);
    canvas.SetHandle(nullptr);
    DrawArrowGlyph(dc, ArrowDirection::Down, look.arrow.x, look.arrow.y, enabled);
}

// --- framework combo boxes ----------------------------------------------------------------------------

void TkrvSkinComboBox::PaintCombo(HWND combo, HDC dc, const RECT& frame)
{
    COMBOBOXINFO info;
    if (!ReadComboInfo(combo, info))
        return;
    TColor border = FEngine->GetColor(SKIN2_CONTROLBORDERCOLOR);
    FrameRectColor(dc, frame, border);
    FrameRectColor(dc, Inflated(frame, -1), FControl->Color());
    FrameOpenList(combo, info, border);
    DrawComboButton(dc, *FEngine, ComboButtonLook(info.rcButton, FControl->BiDiMode() != bdLeftToRight), IsEnabled());
}

void TkrvSkinComboBox::Paint()
{
    auto& combo = static_cast<TCustomComboBox&>(*FControl);
    if (!combo.HandleAllocated() || combo.Style() == csSimple)
        return;  // a simple combo box has no button
    UniqueWindowDC dc = ControlDC();
    if (dc)
        PaintCombo(combo.WindowHandle(), dc.get(), combo.ClientRect());
}

void TkrvSkinComboBoxEx::AfterMessage(TMessage& message)
{
    TkrvSkinComboBox::AfterMessage(message);
    if (message.Msg == WM_DRAWITEM && EngineWorking())
        Paint();
}

// Everything is drawn on the inner combo box, which covers the extended control.
void TkrvSkinComboBoxEx::Paint()
{
    auto& combo = static_cast<TCustomComboBoxEx&>(*FControl);
    if (!combo.HandleAllocated() || combo.Style() == csSimple)
        return;
    HWND inner = reinterpret_cast<HWND>(::SendMessageW(combo.WindowHandle(), CBEM_GETCOMBOCONTROL, 0, 0));
    if (!inner)
        return;
    if (UniqueWindowDC dc = WindowAreaDC(inner, WindowArea::Whole))
        PaintCombo(inner, dc.get(), combo.ClientRect());
}

// --- combo boxes of plain dialogs ---------------------------------------------------------------------

void TkrvSkinWndComboBox::Paint()
{
    COMBOBOXINFO info;
    if (!ReadComboInfo(FHandle, info))
        return;
    TkrvSkinBorderWndControl::Paint();
    if (UniqueWindowDC dc = WindowAreaDC(FHandle, WindowArea::Whole))
        DrawComboButton(dc.get(), *FEngine, ComboButtonLook(info.rcButton, false), true);
}

// --- the button panel ---------------------------------------------------------------------------------

const TClassInfo& TkrvSkinInternalComboButton::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinInternalComboButton>(L"TkrvSkinInternalComboButton", TCustomPanel::StaticClass()).Build();
    return info;
}

TkrvSkinInternalComboButton::TkrvSkinInternalComboButton(TComponent* owner, TWinControl* control,
                                                         TkrvSkinOverlaySlotBase* slot)
    : TkrvSkinOverlay(owner, control, slot)
{
    SetBevelOuter(bvNone);
    SetCaption(L"");
    SetBounds(0, 0, kButtonPanelWidth, kButtonPanelWidth);
}

void TkrvSkinInternalComboButton::PassToControl(TMessage& message)
{
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP)
        SendAtMessagePos(FControl->WindowHandle(), message.Msg, MK_LBUTTON);
}

void TkrvSkinInternalComboButton::Paint()
{
    TCanvas& canvas = *Canvas();
    RECT client = ClientRect();
    TkrvSkinEngine* engine = Skinner() ? Skinner()->Engine() : nullptr;
    if (!engine)
        return;
    FillRectColor(canvas.Handle(), client, engine->GetColor(SKIN2_CONTROLCOLOR));
    canvas.Pen()->SetColor(engine->GetColor(SKIN2_CONTROLBORDERCOLOR));
    canvas.MoveTo(0, -1);
    canvas.LineTo(0, client.bottom + 1);
    bool enabled = FControl && FControl->Enabled();
    DrawArrowGlyph(canvas.Handle(), ArrowDirection::Down, client.right / 2 - 3, client.bottom / 2 - 2, enabled);
}

// --- controls with a button panel ---------------------------------------------------------------------

void TkrvSkinExtComboboxLikeControl::Initialize()
{
    TkrvSkinBorderWinControl::Initialize();
    if (FEngine->Designing())
        return;
    auto place = [this](TkrvSkinInternalComboButton& button) {
        button.SetParent(&Windowed());
        button.SetAlign(alRight);
        button.SetVisible(true);
        button.BringToFront();
    };
    FButton.Create(place, FEngine, &Windowed());
}

void TkrvSkinExtComboboxLikeControl::Detach()
{
    TkrvSkinBorderWinControl::Detach();
    FButton.Release();
}

void TkrvSkinExtComboboxLikeControl::Update()
{
    TkrvSkinBorderWinControl::Update();
    if (FButton)
        FButton->SetVisible(FEngine->IsWorking());
}

void TkrvSkinExtComboboxLikeControl::AfterMessage(TMessage& message)
{
    TkrvSkinBorderWinControl::AfterMessage(message);
    if (message.Msg == CM_VISIBLECHANGED && FButton)
        FButton->SetVisible(FControl->Visible());
}

void TkrvSkinExtComboboxLikeControl::Paint()
{
    PaintFrame();
    if (FButton && Windowed().HandleAllocated() && FButton->HandleAllocated())
        FButton->Invalidate();
}

// --- the up-down over a date picker -------------------------------------------------------------------

HWND FindPickerSpin(HWND picker) { return picker ? ::FindWindowExW(picker, nullptr, UPDOWN_CLASSW, nullptr) : nullptr; }

const TClassInfo& TkrvSkinInternalUpDown::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinInternalUpDown>(L"TkrvSkinInternalUpDown", TCustomUpDown::StaticClass()).Build();
    return info;
}

TkrvSkinInternalUpDown::TkrvSkinInternalUpDown(TComponent* owner, TWinControl* control, TkrvSkinOverlaySlotBase* slot)
    : TkrvSkinOverlay(owner, control, slot)
{
    SetBounds(0, 0, 16, 16);
}

// So the picker steps the field it has selected exactly as when its buttons are clicked themselves.
void TkrvSkinInternalUpDown::PassToControl(TMessage& message)
{
    bool hitTest = message.Msg == WM_NCHITTEST;
    if (!hitTest && message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONUP && message.Msg != WM_LBUTTONDBLCLK)
        return;
    if (HWND spin = FindPickerSpin(FControl->WindowHandle()))
        SendAtMessagePos(spin, message.Msg, hitTest ? 0 : MK_LBUTTON, !hitTest);
}

// --- date pickers -------------------------------------------------------------------------------------

bool TkrvSkinDateTimePicker::ShowsDropDownButton() const
{
    auto& picker = static_cast<TDateTimePicker&>(*FControl);
    return picker.Kind() != dtkTime && picker.DateMode() != dmUpDown;
}

void TkrvSkinDateTimePicker::Initialize()
{
    TkrvSkinExtComboboxLikeControl::Initialize();
    if (FEngine->Designing())
        return;
    if (FButton)
        FButton->SetVisible(ShowsDropDownButton());
    if (FControl->Tag() == kOwnSpinTag)
        return;
    auto place = [this](TkrvSkinInternalUpDown& upDown) {
        upDown.SetParent(&Windowed());
        upDown.SetVisible(!FButton || !FButton->Visible());
        upDown.BringToFront();
        upDown.SetAlign(alRight);
    };
    FUpDown.Create(place, FControl, &Windowed());
}

void TkrvSkinDateTimePicker::Update()
{
    TkrvSkinExtComboboxLikeControl::Update();
    HWND spin = Windowed().HandleAllocated() ? FindPickerSpin(Windowed().WindowHandle()) : nullptr;
    if (FButton && FButton->Visible())
        FButton->SetVisible(ShowsDropDownButton());
    if (!FUpDown)
        return;
    bool working = FEngine->IsWorking();
    // While the skin works, the skinned up-down takes the place of the picker's own.
    FUpDown->SetVisible(working && !(FButton && FButton->Visible()));
    if (spin)
        ::ShowWindow(spin, !working && !ShowsDropDownButton() ? SW_SHOWNA : SW_HIDE);
}

// The picker's own spin buttons come back with the picker's own look.
void TkrvSkinDateTimePicker::Detach()
{
    TkrvSkinExtComboboxLikeControl::Detach();
    bool hadUpDown = static_cast<bool>(FUpDown);
    FUpDown.Release();
    if (hadUpDown && Windowed().HandleAllocated() && !FControl->ComponentState().Contains(csDestroying))
        if (HWND spin = FindPickerSpin(Windowed().WindowHandle()); spin && !ShowsDropDownButton())
            ::ShowWindow(spin, SW_SHOWNA);
}

}  // namespace ov
