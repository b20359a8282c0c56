// TCustomComboBox: window parameters, the lines mirrored into COMBOBOX, the dropped height, and
// the reflected notifications.
#include "framework/controls/combo_box.h"

#include "framework/graphics/font.h"
#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TCustomComboBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomComboBox>(L"TCustomComboBox", TCustomListControl::StaticClass())
            .Property(L"DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount)
            .Property(L"ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight)
            .Property(L"Items", &TCustomComboBox::Items)
            .Property(L"ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex)
            .Property(L"MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength)
            .Property(L"Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted)
            .Property(L"Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle)
            .Event(L"OnChange", &TCustomComboBox::OnChange)
            .Event(L"OnCloseUp", &TCustomComboBox::OnCloseUp)
            .Event(L"OnDropDown", &TCustomComboBox::OnDropDown)
            .Event(L"OnSelect", &TCustomComboBox::OnSelect)
            .Publish({L"OnDrawItem"})
            .Build();
    return info;
}

const TClassInfo& TComboBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TComboBox>(L"TComboBox", TCustomComboBox::StaticClass()).Creatable().Build();
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomListControl(owner), items_(std::make_unique<TListStrings>(static_cast<TListStringsSink&>(*this), *this))
{
    SetBounds(0, 0, 145, 24);
    SetControlStyle({csSetCaption, csDoubleClicks, csFixedHeight});
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::CreateParams(TCreateParams& params)
{
    TCustomListControl::CreateParams(params);
    PrepareSystemClass(params, L"COMBOBOX");
    static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST,
                                        CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                        CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS};
    params.Style |= kStyles[style_] | CBS_AUTOHSCROLL | WS_VSCROLL;
    params.Height = DroppedWindowHeight();
    // The system combo box ignores the window text it is made with: CreateWnd sets it.
    if (savedText_.empty())
        savedText_ = params.Caption;
}

int TCustomComboBox::DroppedWindowHeight() const
{
    if (style_ == csSimple)
        return Height();
    return Height() + dropDownCount_ * std::max(itemHeight_, 16) + 2;
}

void TCustomComboBox::CreateWnd()
{
    TCustomListControl::CreateWnd();
    HWND window = WindowHandle();
    if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable)
        SendMessageW(window, CB_SETITEMHEIGHT, 0, itemHeight_);
    if (maxLength_ > 0)
        SendMessageW(window, CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    items_->FillWindow();
    SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    if (itemIndex_ < 0 && !savedText_.empty())
        SetWindowTextW(window, savedText_.c_str());
    UpdateBounds();
}

void TCustomComboBox::DestroyWnd()
{
    if (HandleAllocated()) {
        itemIndex_ = ItemIndex();
        savedText_ = GetText();
    }
    TCustomListControl::DestroyWnd();
}

// The system control keeps its own height (one edit line) and takes the height it is given as
// the height of the edit and the dropped list together.
void TCustomComboBox::ApplyBounds(int left, int top, int width, int height)
{
    if (HandleAllocated() && style_ != csSimple)
        height = DroppedWindowHeight();
    TCustomListControl::ApplyBounds(left, top, width, height);
}

void TCustomComboBox::InsertWindowItem(int index, const std::wstring& text)
{
    SendMessageW(WindowHandle(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomComboBox::DeleteWindowItem(int index)
{
    SendMessageW(WindowHandle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TCustomComboBox::ClearWindowItems() { SendMessageW(WindowHandle(), CB_RESETCONTENT, 0, 0); }

int TCustomComboBox::ItemIndex() const
{
    if (!HandleAllocated())
        return itemIndex_;
    return static_cast<int>(SendMessageW(WindowHandle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int value)
{
    itemIndex_ = value >= 0 && value < Count() ? value : -1;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

std::wstring TCustomComboBox::GetText() const
{
    if (!HandleAllocated())
        return itemIndex_ >= 0 ? items_->Get(itemIndex_) : TCustomListControl::GetText();
    return TCustomListControl::GetText();
}

void TCustomComboBox::Clear()
{
    items_->Clear();
    itemIndex_ = -1;
    savedText_.clear();
    SetText(L"");
}

void TCustomComboBox::DeleteSelected()
{
    if (int index = ItemIndex(); index >= 0)
        items_->Delete(index);
}

void TCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (style_ == value)
        return;
    style_ = value;
    SetControlStyle(value == csSimple ? ControlStyle().Exclude(csFixedHeight) : ControlStyle().Include(csFixedHeight));
    RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int value)
{
    if (value < 1 || dropDownCount_ == value)
        return;
    dropDownCount_ = value;
    if (HandleAllocated())
        ApplyBounds(Left(), Top(), Width(), Height());
}

int TCustomComboBox::ItemHeight() const
{
    if (HandleAllocated() && style_ != csOwnerDrawFixed && style_ != csOwnerDrawVariable)
        return static_cast<int>(SendMessageW(WindowHandle(), CB_GETITEMHEIGHT, 0, 0));
    return itemHeight_;
}

void TCustomComboBox::SetItemHeight(int value)
{
    if (value <= 0 || itemHeight_ == value)
        return;
    itemHeight_ = value;
    if (HandleAllocated() && (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable))
        SendMessageW(WindowHandle(), CB_SETITEMHEIGHT, 0, value);
}

void TCustomComboBox::SetMaxLength(int value)
{
    maxLength_ = std::max(value, 0);
    if (HandleAllocated())
        SendMessageW(WindowHandle(), CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

bool TCustomComboBox::DroppedDown() const
{
    return HandleAllocated() && SendMessageW(WindowHandle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) { SendMessageW(Handle(), CB_SHOWDROPDOWN, value, 0); }

void TCustomComboBox::Command(WORD code)
{
    switch (code) {
    case CBN_SELCHANGE:
        itemIndex_ = ItemIndex();
        // The edit shows the new line only after this notification: give Text the line now.
        if (itemIndex_ >= 0)
            SetWindowTextW(WindowHandle(), items_->Get(itemIndex_).c_str());
        OnChange.Fire(this);
        OnSelect.Fire(this);
        break;
    case CBN_EDITCHANGE:
        itemIndex_ = -1;
        OnChange.Fire(this);
        break;
    case CBN_DROPDOWN:
        OnDropDown.Fire(this);
        break;
    case CBN_CLOSEUP:
        OnCloseUp.Fire(this);
        break;
    default:
        break;
    }
}

void TCustomComboBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        Command(HIWORD(message.WParam));
        return;
    case CN_DRAWITEM:
        DrawOwnerItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
        message.Result = TRUE;
        return;
    case CN_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->itemHeight = static_cast<UINT>(itemHeight_);
        message.Result = TRUE;
        return;
    default:
        TCustomListControl::WndProc(message);
    }
}

}  // namespace ov
