// TCustomTabControl: the tab list mirrored into SysTabControl32, window parameters, the display
// rectangle, and the selection notifications.
#include "framework/controls/tab_control.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "framework/core/exception.h"
#include "framework/graphics/font.h"
#include "framework/core/handle.h"
#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

// Tabs as a string list: edits the control's items and, through it, the window's.
class TTabStrings : public TStrings {
public:
    explicit TTabStrings(TCustomTabControl& control) : control_(control) {}

    [[nodiscard]] int Count() const override { return static_cast<int>(control_.items_.size()); }
    [[nodiscard]] std::wstring Get(int index) const override { return Item(index).caption; }
    [[nodiscard]] TObject* GetObjectAt(int index) const override { return Item(index).object; }
    void PutObjectAt(int index, TObject* object) override { Item(index).object = object; }
    void Put(int index, const std::wstring& s) override
    {
        Item(index).caption = s;
        control_.SetTabItem(index);
    }
    void Insert(int index, const std::wstring& s) override { InsertObject(index, s, nullptr); }
    // The object is in place before the window's item is made: it may decide the tab's image.
    void InsertObject(int index, const std::wstring& s, TObject* object) override
    {
        if (index < 0 || index > Count())
            IndexError(index);
        control_.items_.insert(control_.items_.begin() + index, TCustomTabControl::TabItem{s, object});
        control_.InsertTabItem(index);
        control_.TabsChanged();
    }
    void Delete(int index) override
    {
        (void)Item(index);  // refuses an index out of range before anything changes
        control_.items_.erase(control_.items_.begin() + index);
        if (control_.HandleAllocated())
            SendMessageW(control_.WindowHandle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
        control_.TabsChanged();
    }
    void Clear() override
    {
        control_.items_.clear();
        if (control_.HandleAllocated())
            SendMessageW(control_.WindowHandle(), TCM_DELETEALLITEMS, 0, 0);
        control_.TabsChanged();
    }

private:
    [[nodiscard]] TCustomTabControl::TabItem& Item(int index) const
    {
        if (index < 0 || index >= Count())
            IndexError(index);
        return control_.items_[static_cast<size_t>(index)];
    }

    TCustomTabControl& control_;
};

const TClassInfo& TCustomTabControl::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TCustomTabControl>(L"TCustomTabControl", TWinControl::StaticClass())
            .Property(L"HotTrack", &TCustomTabControl::HotTrack, &TCustomTabControl::SetHotTrack)
            .Property(L"Images", &TCustomTabControl::Images, &TCustomTabControl::SetImages)
            .Property(L"MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine)
            .Property(L"Style", &TCustomTabControl::Style, &TCustomTabControl::SetStyle)
            .Property(L"TabHeight", &TCustomTabControl::TabHeight, &TCustomTabControl::SetTabHeight)
            .Property(L"TabPosition", &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition)
            .Property(L"TabWidth", &TCustomTabControl::TabWidth, &TCustomTabControl::SetTabWidth)
            .Event(L"OnChange", &TCustomTabControl::OnChange)
            .Event(L"OnChanging", &TCustomTabControl::OnChanging)
            .Build();
    return info;
}

const TClassInfo& TTabControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TTabControl>(L"TTabControl", TCustomTabControl::StaticClass())
                                        .Creatable()
                                        .Property(L"Tabs", &TTabControl::Tabs)
                                        .Property(L"TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
                                        .Build();
    return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner)
    : TWinControl(owner), tabs_(std::make_unique<TTabStrings>(*this))
{
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    SetControlStyle({csAcceptsControls, csDoubleClicks, csClickEvents});
    imageChangeLink_.OnChange = TNotifyEvent(this, &TCustomTabControl::ImageListChange);
}

TCustomTabControl::~TCustomTabControl() = default;

void TCustomTabControl::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    PrepareSystemClass(params, WC_TABCONTROLW);
    params.Style |= WS_CLIPCHILDREN;
    if (style_ == tsTabs)
        params.Style |= TCS_TABS;
    else
        params.Style |= TCS_BUTTONS | (style_ == tsFlatButtons ? TCS_FLATBUTTONS : 0);
    if (multiLine_ || tabPosition_ == tpLeft || tabPosition_ == tpRight)
        params.Style |= TCS_MULTILINE;
    if (hotTrack_)
        params.Style |= TCS_HOTTRACK;
    if (tabWidth_ > 0)
        params.Style |= TCS_FIXEDWIDTH;
    switch (tabPosition_) {
    case tpBottom:
        params.Style |= TCS_BOTTOM;
        break;
    case tpLeft:
        params.Style |= TCS_VERTICAL;
        break;
    case tpRight:
        params.Style |= TCS_VERTICAL | TCS_RIGHT;
        break;
    default:
        break;
    }
    // The system class erases with the button face and redraws on every resize.
    params.WindowClass.style |= CS_HREDRAW | CS_VREDRAW;
}

void TCustomTabControl::CreateWnd()
{
    TWinControl::CreateWnd();
    HWND window = WindowHandle();
    if (images_)
        SendMessageW(window, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    ApplyTabSize();
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        InsertTabItem(i);
    SendMessageW(window, TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
    Realign();
}

void TCustomTabControl::InsertTabItem(int index) { SendTabItem(TCM_INSERTITEMW, index); }

void TCustomTabControl::SetTabItem(int index)
{
    if (SendTabItem(TCM_SETITEMW, index))
        TabsChanged();
}

// The tab's caption and image to the system control, inserted or replaced; false without a window.
bool TCustomTabControl::SendTabItem(UINT message, int index)
{
    if (!HandleAllocated())
        return false;
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<wchar_t*>(items_[static_cast<size_t>(index)].caption.c_str());
    item.iImage = GetImageIndex(index);
    SendMessageW(WindowHandle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return true;
}

void TCustomTabControl::UpdateTabImages()
{
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        SetTabItem(i);
}

// A change of the tabs can change the row count and so the display area.
void TCustomTabControl::TabsChanged()
{
    if (HandleAllocated())
        Realign();
}

int TCustomTabControl::TabIndex() const
{
    if (HandleAllocated())
        return static_cast<int>(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0));
    return tabIndex_;
}

void TCustomTabControl::SetTabIndex(int value)
{
    tabIndex_ = value >= 0 && value < static_cast<int>(items_.size()) ? value : -1;
    if (HandleAllocated())
        SendMessageW(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition value)
{
    if (value == tabPosition_)
        return;
    tabPosition_ = value;
    if (value == tpLeft || value == tpRight)
        multiLine_ = true;
    RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle value)
{
    if (value == style_)
        return;
    style_ = value;
    RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool value)
{
    if (value == multiLine_)
        return;
    multiLine_ = value || tabPosition_ == tpLeft || tabPosition_ == tpRight;
    RecreateWnd();
}

void TCustomTabControl::SetHotTrack(bool value)
{
    if (value == hotTrack_)
        return;
    hotTrack_ = value;
    RecreateWnd();
}

void TCustomTabControl::SetTabHeight(int value)
{
    if (value < 0 || value == tabHeight_)
        return;
    tabHeight_ = value;
    ApplyTabSize();
}

void TCustomTabControl::SetTabWidth(int value)
{
    if (value < 0 || value == tabWidth_)
        return;
    bool fixedChanges = (value > 0) != (tabWidth_ > 0);
    tabWidth_ = value;
    if (fixedChanges)
        RecreateWnd();
    ApplyTabSize();
}

void TCustomTabControl::ApplyTabSize()
{
    if (!HandleAllocated() || (tabHeight_ == 0 && tabWidth_ == 0))
        return;
    SendMessageW(WindowHandle(), TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
    TabsChanged();
}

void TCustomTabControl::SetImages(TCustomImageList* value)
{
    if (!AttachImageList(*this, images_, value, imageChangeLink_))
        return;
    if (HandleAllocated()) {
        SendMessageW(WindowHandle(), TCM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
        UpdateTabImages();
    }
}

// The image list may have made a new HIMAGELIST (a new size): hand it over again.
void TCustomTabControl::ImageListChange(TObject*)
{
    if (HandleAllocated() && images_) {
        SendMessageW(WindowHandle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
        InvalidateRect(WindowHandle(), nullptr, TRUE);
    }
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_)
        SetImages(nullptr);
}

// Measured on the system control: 4 pixels of border on every side, and a row of tabs as high as
// the text plus 8 (or TabHeight) with 2 more pixels on each side of it.
RECT TCustomTabControl::DisplayRect() const
{
    RECT rect = ClientRect();
    if (HandleAllocated()) {
        SendMessageW(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    InflateRect(&rect, -4, -4);
    if (items_.empty())
        return rect;
    int row = tabHeight_;
    if (row == 0)
        row = ScreenLineHeight(*Font()) + 8;
    switch (tabPosition_) {
    case tpTop:
        rect.top += row;
        break;
    case tpBottom:
        rect.bottom -= row;
        break;
    case tpLeft:
        rect.left += row;
        break;
    case tpRight:
        rect.right -= row;
        break;
    }
    return rect;
}

void TCustomTabControl::AdjustClientRect(RECT& rect) const { rect = DisplayRect(); }

RECT TCustomTabControl::TabRect(int index) const
{
    RECT rect{};
    if (HandleAllocated())
        SendMessageW(WindowHandle(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) const
{
    if (!HandleAllocated())
        return -1;
    TCHITTESTINFO hit{{x, y}, 0};
    return static_cast<int>(SendMessageW(WindowHandle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TCustomTabControl::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY) {
        auto header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code == TCN_SELCHANGING) {
            message.Result = CanChange() ? FALSE : TRUE;
            return;
        }
        if (header->code == TCN_SELCHANGE) {
            tabIndex_ = static_cast<int>(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0));
            Change();
            return;
        }
    }
    if (message.Msg == WM_PAINT) {  // always on a DC of ours: see PaintWindow
        PaintHandler(message);
        return;
    }
    TWinControl::WndProc(message);
}

namespace {

// More pieces than this and one paint of the whole is cheaper.
constexpr DWORD kMostPaintedPieces = 8;

// The rectangles of what shows of the window a DC paints (client coordinates); empty when the
// system cannot say.
std::vector<RECT> VisiblePieces(HDC dc)
{
    UniqueRegion visible(CreateRectRgn(0, 0, 0, 0));
    if (GetRandomRgn(dc, visible.get(), SYSRGN) != 1)
        return {};
    POINT origin{};
    GetDCOrgEx(dc, &origin);  // the system region is in screen coordinates
    OffsetRgn(visible.get(), -origin.x, -origin.y);
    DWORD size = GetRegionData(visible.get(), 0, nullptr);
    std::vector<std::byte> data(size);
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    if (size == 0 || GetRegionData(visible.get(), size, region) != size)
        return {};
    auto* first = reinterpret_cast<const RECT*>(region->Buffer);
    return {first, first + region->rdh.nCount};
}

}  // namespace

// The system control draws its themed pane for the whole control, however little of it shows,
// unless the DC's clip box is small: behind a page only a thin frame shows, yet the pane costs as
// much as a full-size picture. So it paints once per piece of what shows (the tab row and the
// frame's sides), each on its own small clip; the pieces together cost a fifth of one whole paint.
void TCustomTabControl::PaintWindow(HDC dc)
{
    std::vector<RECT> pieces = VisiblePieces(dc);
    if (pieces.size() < 2 || pieces.size() > kMostPaintedPieces) {
        TWinControl::PaintWindow(dc);
        return;
    }
    for (const RECT& piece : pieces) {
        int saved = SaveDC(dc);
        IntersectClipRect(dc, piece.left, piece.top, piece.right, piece.bottom);
        TWinControl::PaintWindow(dc);
        RestoreDC(dc, saved);
    }
}

bool TCustomTabControl::CanChange()
{
    bool allow = true;
    if (OnChanging.Assigned())
        OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change() { OnChange.Fire(this); }

}  // namespace ov
