// TCustomListBox: window parameters, the lines and the selection mirrored into LISTBOX, and the
// reflected notifications.
#include "framework/controls/list_box.h"

#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

const TClassInfo& TCustomListBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomListBox>(L"TCustomListBox", TCustomListControl::StaticClass())
            .Property(L"BorderStyle", BorderStyleType(), &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle)
            .Property(L"Columns", &TCustomListBox::Columns, &TCustomListBox::SetColumns)
            .Property(L"ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight)
            .Property(L"Items", &TCustomListBox::Items)
            .Property(L"ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex)
            .Property(L"MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect)
            .Property(L"Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted)
            .Property(L"Style", &TCustomListBox::Style, &TCustomListBox::SetStyle)
            .Publish({L"OnDrawItem"})
            .Build();
    return info;
}

const TClassInfo& TListBox::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TListBox>(L"TListBox", TCustomListBox::StaticClass()).Creatable().Build();
    return info;
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomListControl(owner), items_(std::make_unique<TListStrings>(static_cast<TListStringsSink&>(*this), *this))
{
    SetBounds(0, 0, 121, 97);
    SetControlStyle({csSetCaption, csDoubleClicks, csOpaque});
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& params)
{
    TCustomListControl::CreateParams(params);
    PrepareSystemClass(params, L"LISTBOX");
    params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (multiSelect_)
        params.Style |= LBS_EXTENDEDSEL;
    if (style_ == lbOwnerDrawFixed)
        params.Style |= LBS_OWNERDRAWFIXED;
    else if (style_ == lbOwnerDrawVariable)
        params.Style |= LBS_OWNERDRAWVARIABLE;
    if (columns_ > 0)
        params.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
    if (borderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd()
{
    TCustomListControl::CreateWnd();
    if (style_ != lbStandard)
        Send(LB_SETITEMHEIGHT, 0, itemHeight_);
    if (columns_ > 0)
        Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(Width() / columns_), 0);
    items_->FillWindow();
    if (multiSelect_) {
        for (int index : savedSelection_)
            Send(LB_SETSEL, TRUE, index);
    } else {
        Send(LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    }
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(savedTopIndex_), 0);
}

void TCustomListBox::DestroyWnd()
{
    if (HandleAllocated()) {
        itemIndex_ = ItemIndex();
        savedTopIndex_ = TopIndex();
        savedSelection_.clear();
        for (int i = 0; multiSelect_ && i < Count(); ++i)
            if (Selected(i))
                savedSelection_.push_back(i);
    }
    TCustomListControl::DestroyWnd();
}

void TCustomListBox::InsertWindowItem(int index, const std::wstring& text)
{
    Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomListBox::DeleteWindowItem(int index) { Send(LB_DELETESTRING, static_cast<WPARAM>(index), 0); }

void TCustomListBox::ClearWindowItems() { Send(LB_RESETCONTENT); }

int TCustomListBox::ItemIndex() const
{
    if (!HandleAllocated())
        return itemIndex_;
    return static_cast<int>(multiSelect_ ? Send(LB_GETCARETINDEX) : Send(LB_GETCURSEL));
}

void TCustomListBox::SetItemIndex(int value)
{
    itemIndex_ = value >= 0 && value < Count() ? value : -1;
    if (!HandleAllocated())
        return;
    if (multiSelect_)
        Send(LB_SETCARETINDEX, static_cast<WPARAM>(itemIndex_), FALSE);
    else
        Send(LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TCustomListBox::DeleteSelected()
{
    if (!multiSelect_) {
        if (int index = ItemIndex(); index >= 0)
            items_->Delete(index);
        return;
    }
    for (int i = Count() - 1; i >= 0; --i)
        if (Selected(i))
            items_->Delete(i);
}

bool TCustomListBox::Selected(int index) const
{
    if (!HandleAllocated())
        return multiSelect_ ? std::find(savedSelection_.begin(), savedSelection_.end(), index) != savedSelection_.end()
                            : index == itemIndex_;
    return Send(LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool value)
{
    if (!multiSelect_) {
        if (value)
            SetItemIndex(index);
        else if (ItemIndex() == index)
            SetItemIndex(-1);
        return;
    }
    HandleNeeded();
    Send(LB_SETSEL, value, index);
}

int TCustomListBox::SelCount() const
{
    if (!multiSelect_)
        return -1;
    if (!HandleAllocated())
        return static_cast<int>(savedSelection_.size());
    return static_cast<int>(Send(LB_GETSELCOUNT));
}

void TCustomListBox::SetMultiSelect(bool value)
{
    if (multiSelect_ == value)
        return;
    multiSelect_ = value;
    RecreateWnd();
}

void TCustomListBox::SetSorted(bool value)
{
    if (Sorted() == value)
        return;
    items_->SetSorted(value);
}

void TCustomListBox::SetStyle(TListBoxStyle value)
{
    if (style_ == value)
        return;
    style_ = value;
    RecreateWnd();
}

int TCustomListBox::ItemHeight() const
{
    if (HandleAllocated() && style_ == lbStandard)
        return static_cast<int>(Send(LB_GETITEMHEIGHT));
    return itemHeight_;
}

void TCustomListBox::SetItemHeight(int value)
{
    if (value <= 0 || itemHeight_ == value)
        return;
    itemHeight_ = value;
    RecreateWnd();
}

void TCustomListBox::SetColumns(int value)
{
    if (value < 0 || columns_ == value)
        return;
    columns_ = value;
    RecreateWnd();
}

int TCustomListBox::TopIndex() const
{
    return HandleAllocated() ? static_cast<int>(Send(LB_GETTOPINDEX)) : savedTopIndex_;
}

void TCustomListBox::SetTopIndex(int value)
{
    savedTopIndex_ = value;
    if (HandleAllocated())
        Send(LB_SETTOPINDEX, static_cast<WPARAM>(value), 0);
}

void TCustomListBox::SetBorderStyle(TBorderStyle value)
{
    if (borderStyle_ == value)
        return;
    borderStyle_ = value;
    RecreateWnd();
}

int TCustomListBox::ItemAtPos(POINT point) const
{
    if (!HandleAllocated())
        return -1;
    LRESULT hit = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    return HIWORD(hit) ? -1 : LOWORD(hit);
}

RECT TCustomListBox::ItemRect(int index) const
{
    RECT r{};
    if (HandleAllocated())
        Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

void TCustomListBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == LBN_SELCHANGE) {
            itemIndex_ = ItemIndex();
            Click();
        } else if (HIWORD(message.WParam) == LBN_DBLCLK) {
            DblClick();
        }
        return;
    case CN_DRAWITEM:
        DrawOwnerItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
        message.Result = TRUE;
        return;
    case CN_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->itemHeight = static_cast<UINT>(itemHeight_);
        message.Result = TRUE;
        return;
    case WM_LBUTTONDBLCLK:
        // The system list reports the double click itself (LBN_DBLCLK).
        DefaultHandler(message);
        return;
    default:
        TCustomListControl::WndProc(message);
    }
}

}  // namespace ov
