// TCustomEdit and TEdit: window parameters, state kept across window re-creation, EM_* wrappers.
#include "framework/controls/edit.h"

#include "framework/graphics/font.h"
#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TCustomEdit::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomEdit>(L"TCustomEdit", TWinControl::StaticClass())
            .Property(L"AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect)
            .Property(L"AutoSize", &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize)
            .Property(L"BorderStyle", BorderStyleType(), &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
            .Property(L"CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase)
            .Property(L"HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection)
            .Property(L"MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
            .Property(L"ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
            .Property(
                L"PasswordChar", [](TCustomEdit* e) { return static_cast<int>(e->PasswordChar()); },
                [](TCustomEdit* e, int v) { e->SetPasswordChar(static_cast<wchar_t>(v)); })
            .Event(L"OnChange", &TCustomEdit::OnChange)
            .Build();
    return info;
}

const TClassInfo& TEdit::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TEdit>(L"TEdit", TCustomEdit::StaticClass()).Creatable().Build();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, 25);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetControlStyle({csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight});
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, EditClassName());
    params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (borderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
    if (readOnly_)
        params.Style |= ES_READONLY;
    if (!hideSelection_)
        params.Style |= ES_NOHIDESEL;
    if (charCase_ == ecUpperCase)
        params.Style |= ES_UPPERCASE;
    else if (charCase_ == ecLowerCase)
        params.Style |= ES_LOWERCASE;
}

void TCustomEdit::CreateWnd()
{
    creating_ = true;
    try {
        TWinControl::CreateWnd();
    } catch (...) {
        creating_ = false;
        throw;
    }
    creating_ = false;
    HWND window = WindowHandle();
    if (maxLength_ > 0)
        SendMessageW(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (passwordChar_)
        SendMessageW(window, EM_SETPASSWORDCHAR, passwordChar_, 0);
    SendMessageW(window, EM_SETMODIFY, modified_, 0);
    SendMessageW(window, EM_SETSEL, static_cast<WPARAM>(savedSelStart_),
                 static_cast<LPARAM>(savedSelStart_) + savedSelLength_);
    UpdateHeight();
}

void TCustomEdit::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    UpdateHeight();
}

// One line of the font plus the sunken edge and the edit's inner margin: eight border widths.
// The height is then fixed (csFixedHeight) for as long as AutoSize holds.
void TCustomEdit::UpdateHeight()
{
    bool fixed = autoSize_ && borderStyle_ == bsSingle;
    SetControlStyle(fixed ? ControlStyle().Include(csFixedHeight) : ControlStyle().Exclude(csFixedHeight));
    if (!fixed || !HandleAllocated())
        return;
    SetBounds(Left(), Top(), Width(), ScreenLineHeight(*Font()) + 8 * GetSystemMetrics(SM_CYBORDER));
}

void TCustomEdit::DestroyWnd()
{
    if (HandleAllocated()) {
        modified_ = Modified();
        savedSelStart_ = SelStart();
        savedSelLength_ = SelLength();
    }
    TWinControl::DestroyWnd();
}

void TCustomEdit::WndProc(TMessage& message)
{
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        if (!creating_)
            Change();
        return;
    }
    TWinControl::WndProc(message);
    if (message.Msg == CM_FONTCHANGED)
        UpdateHeight();
}

void TCustomEdit::DoEnter()
{
    if (autoSelect_ && !ControlState().Contains(csLButtonDown) && !(GetWindowLongW(Handle(), GWL_STYLE) & ES_MULTILINE))
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Change() { OnChange.Fire(this); }

void TCustomEdit::SetReadOnly(bool value)
{
    if (value == readOnly_)
        return;
    readOnly_ = value;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value == bsNone ? bsNone : bsSingle;
    RecreateWnd();
}

void TCustomEdit::SetMaxLength(int value)
{
    maxLength_ = value < 0 ? 0 : value;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetHideSelection(bool value)
{
    if (value == hideSelection_)
        return;
    hideSelection_ = value;
    RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase value)
{
    if (value == charCase_)
        return;
    charCase_ = value;
    RecreateWnd();
}

void TCustomEdit::SetPasswordChar(wchar_t value)
{
    if (value == passwordChar_)
        return;
    passwordChar_ = value;
    if (HandleAllocated()) {
        SendMessageW(WindowHandle(), EM_SETPASSWORDCHAR, value, 0);
        Invalidate();
    }
}

bool TCustomEdit::Modified() const
{
    return HandleAllocated() ? SendMessageW(WindowHandle(), EM_GETMODIFY, 0, 0) != 0 : modified_;
}

void TCustomEdit::SetModified(bool value)
{
    modified_ = value;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), EM_SETMODIFY, value, 0);
}

bool TCustomEdit::CanUndo() const { return HandleAllocated() && SendMessageW(WindowHandle(), EM_CANUNDO, 0, 0) != 0; }

void TCustomEdit::GetSelection(DWORD& start, DWORD& end) const
{
    start = end = 0;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

int TCustomEdit::SelStart() const
{
    if (!HandleAllocated())
        return savedSelStart_;
    DWORD start, end;
    GetSelection(start, end);
    return static_cast<int>(start);
}

int TCustomEdit::SelLength() const
{
    if (!HandleAllocated())
        return savedSelLength_;
    DWORD start, end;
    GetSelection(start, end);
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int value)
{
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(value), static_cast<LPARAM>(value));
}

void TCustomEdit::SetSelLength(int value)
{
    int start = SelStart();
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start) + value);
}

std::wstring TCustomEdit::SelText() const
{
    DWORD start, end;
    GetSelection(start, end);
    std::wstring text = Text();
    return start < end && end <= text.size() ? text.substr(start, end - start) : std::wstring();
}

void TCustomEdit::SetSelText(const std::wstring& value)
{
    SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }
void TCustomEdit::ClearSelection() { SendMessageW(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageW(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessageW(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageW(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessageW(Handle(), WM_UNDO, 0, 0); }

void TCustomEdit::ClearUndo()
{
    if (HandleAllocated())
        SendMessageW(WindowHandle(), EM_EMPTYUNDOBUFFER, 0, 0);
}

void TCustomEdit::Clear() { SetText(L""); }

}  // namespace ov
