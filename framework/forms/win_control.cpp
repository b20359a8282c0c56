// TWinControl: the native window's life, the child lists, focus and tab order, alignment.
// Message handling is in win_control_messages.cpp.
#include "framework/forms/win_control.h"

#include <algorithm>

#include "framework/forms/application.h"
#include "framework/graphics/font.h"
#include "framework/forms/form.h"
#include "framework/forms/mouse.h"
#include "framework/core/properties.h"
#include "framework/forms/window_class.h"

namespace ov {

namespace {

UINT NextControlId()
{
    static UINT next = 0x100;
    return next++;
}

// The non-client size of a window of these styles (border, caption, menu, scroll bars). Most
// child windows have no frame at all, and asking the system is not cheap, so they do not ask.
RECT FrameOf(const TCreateParams& params, bool hasMenu)
{
    RECT frame{0, 0, 0, 0};
    constexpr DWORD kFrameStyles = WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME;
    constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE;
    if (hasMenu || (params.Style & kFrameStyles) || (params.ExStyle & kFrameExStyles))
        AdjustWindowRectEx(&frame, params.Style, hasMenu, params.ExStyle);
    if (params.Style & WS_VSCROLL)
        frame.right += GetSystemMetrics(SM_CXVSCROLL);
    if (params.Style & WS_HSCROLL)
        frame.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return frame;
}

}  // namespace

const TClassInfo& TWinControl::StaticClass()
{
    static const TClassInfo& info = TClassBuilder<TWinControl>(L"TWinControl", TControl::StaticClass())
                                        .Property(L"TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                        .Property(L"TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                                        .Event(L"OnEnter", &TWinControl::OnEnter)
                                        .Event(L"OnExit", &TWinControl::OnExit)
                                        .Event(L"OnKeyDown", &TWinControl::OnKeyDown)
                                        .Event(L"OnKeyUp", &TWinControl::OnKeyUp)
                                        .Event(L"OnKeyPress", &TWinControl::OnKeyPress)
                                        .Build();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner), controlId_(NextControlId()) {}

TWinControl::~TWinControl()
{
    // Deleted without Free: do what BeforeDestruction does, and let the window go without calling
    // back into a half-destroyed object.
    if (parent_)
        parent_->RemoveControl(this);
    while (!controls_.empty())
        controls_.back()->Free();
    if (handle_) {
        UnbindWindow(handle_);
        DestroyWindow(std::exchange(handle_, nullptr));
    }
}

void TWinControl::BeforeDestruction()
{
    Destroying();
    if (parent_)
        parent_->RemoveControl(this);
    DestroyHandle();
    // Children go with their parent control, whoever owns them.
    while (!controls_.empty())
        controls_.back()->Free();
    TControl::BeforeDestruction();
}

// --- the window ------------------------------------------------------------------------------------

HWND TWinControl::Handle()
{
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded()
{
    if (handle_)
        return;
    if (parent_)
        parent_->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = text_;
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (ControlStyle().Contains(csAcceptsControls)) {
        params.Style |= WS_CLIPCHILDREN;
        params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (visible_)
        params.Style |= WS_VISIBLE;
    if (!enabled_)
        params.Style |= WS_DISABLED;
    if (tabStop_)
        params.Style |= WS_TABSTOP;
    params.X = left_;
    params.Y = top_;
    params.Width = width_;
    params.Height = height_;
    params.WndParent = parent_ ? parent_->WindowHandle() : parentWindow_;
    params.ControlId = controlId_;
    params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    params.WindowClass.hCursor = CursorHandle(crArrow);
    params.WinClassName = ClassName();
}

void TWinControl::CreateHandle()
{
    if (handle_)
        return;
    CreateWnd();
    AlignChildren();
    // Windows stacks each new child window on top of its siblings: creating them in list order
    // stacks them as the list is ordered, the last one on top.
    std::vector<TControl*> children = controls_;
    for (TControl* c : children)
        if (auto w = dynamic_cast<TWinControl*>(c))
            w->CreateHandle();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw Exception(L"Control '%s' has no parent window", {Name()});
    defWndProc_ = RegisterControlClass(params);
    controlState_.Include(csCreating);
    try {
        CreateWindowHandle(params);
    } catch (...) {
        controlState_.Exclude(csCreating);
        throw;
    }
    controlState_.Exclude(csCreating);
    if (!handle_)
        throw Exception(L"Error creating window of class %s", {params.WinClassName});
    UpdateBounds();
    ApplyFontToWindow();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    HWND window = CreateControlWindow(this, params);
    if (window && !handle_)
        AttachHandle(window);
}

void TWinControl::AttachHandle(HWND window)
{
    handle_ = window;
    BindWindow(window, this);
}

void TWinControl::DetachHandle()
{
    if (!handle_)
        return;
    UnbindWindow(handle_);
    handle_ = nullptr;
    lastClientSize_ = {-1, -1};
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    for (TWinControl* child : tabList_)
        child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    text_ = GetText();
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle()
{
    if (!handle_)
        return;
    controlState_.Include(csDestroyingHandle);
    HWND window = handle_;
    DestroyWindow(window);
    if (handle_ == window)  // no WM_NCDESTROY reached us (not our window any more)
        DetachHandle();
    controlState_.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd()
{
    if (handle_)
        Perform(CM_RECREATEWND);
}

void TWinControl::HandleRecreate()
{
    bool wasFocused = Focused();
    recreating_ = true;
    DestroyHandle();
    recreating_ = false;
    if (!parent_ || parent_->HandleAllocated())
        CreateHandle();
    if (wasFocused && handle_)
        ::SetFocus(handle_);
}

void TWinControl::SetParentWindow(HWND window)
{
    if (parentWindow_ == window)
        return;
    parentWindow_ = window;
    if (handle_ && !parent_) {
        if (window)
            ::SetParent(handle_, window);
        else
            DestroyHandle();
    }
}

TWinControl* TWinControl::FindControl(HWND window) { return ControlOfWindow(window); }

void TWinControl::ApplyFontToWindow()
{
    if (handle_)
        Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
}

// --- bounds ------------------------------------------------------------------------------------------

RECT TWinControl::ClientRect() const
{
    RECT r{0, 0, 0, 0};
    if (handle_) {
        GetClientRect(handle_, &r);
        return r;
    }
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame = FrameOf(params, false);
    r.right = std::max(0L, width_ - (frame.right - frame.left));
    r.bottom = std::max(0L, height_ - (frame.bottom - frame.top));
    return r;
}

POINT TWinControl::ClientOrigin() const
{
    POINT p{0, 0};
    if (handle_) {
        ::ClientToScreen(handle_, &p);
        return p;
    }
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame = FrameOf(params, false);
    p = parent_ ? parent_->ClientOrigin() : POINT{0, 0};
    return {p.x + left_ - frame.left, p.y + top_ - frame.top};
}

void TWinControl::ApplyBounds(int left, int top, int width, int height)
{
    if (handle_) {
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateBounds();
        return;
    }
    bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (resized) {
        AlignChildren();
        if (!ComponentState().Contains(csLoading))
            Resize();
    }
}

void TWinControl::UpdateBounds()
{
    // A minimised window keeps the bounds it will be restored to (and its children theirs).
    if (!handle_ || IsIconic(handle_))
        return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    bool resized = r.right - r.left != width_ || r.bottom - r.top != height_;
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    RECT client;
    GetClientRect(handle_, &client);
    SIZE clientSize{client.right, client.bottom};
    if (clientSize.cx != lastClientSize_.cx || clientSize.cy != lastClientSize_.cy) {
        lastClientSize_ = clientSize;
        AlignChildren();
    }
    if (resized && !ComponentState().Contains(csLoading))
        Resize();
}

bool TWinControl::Showing() const
{
    if (handle_)
        return IsWindowVisible(handle_) != FALSE;
    return visible_ && parent_ && parent_->Showing();
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::Repaint()
{
    if (!handle_)
        return;
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
}

// --- children ----------------------------------------------------------------------------------------

int TWinControl::WinControlCount() const { return static_cast<int>(tabList_.size()); }

TWinControl* TWinControl::WinControls(int index) const
{
    int i = 0;
    for (TControl* c : controls_)
        if (auto w = dynamic_cast<TWinControl*>(c); w && i++ == index)
            return w;
    return nullptr;
}

void TWinControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (handle_ && parent && parent->HandleAllocated()) {
        TControl::SetParent(parent);
        ::SetParent(handle_, parent->WindowHandle());
        UpdateBounds();
        return;
    }
    TControl::SetParent(parent);
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    control->parent_ = this;
    auto windowed = dynamic_cast<TWinControl*>(control);
    if (windowed)
        tabList_.push_back(windowed);
    if (control->parentColor_)
        control->TakeParentColor();
    if (control->parentFont_)
        control->TakeParentFont();
    if (control->parentShowHint_)
        control->showHint_ = showHint_;
    control->UpdateAnchorRules();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), TRUE);
    bool loading = ComponentState().Contains(csLoading) || control->ComponentState().Contains(csLoading);
    if (windowed && handle_ && !windowed->handle_ && !loading)
        windowed->CreateHandle();
    if (!windowed)
        control->InvalidateControl(control->visible_, false);
    if (control->align_ != alNone)
        AlignChildren();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (control->parent_ != this)
        return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), FALSE);
    if (auto windowed = dynamic_cast<TWinControl*>(control)) {
        if (TCustomForm* form = GetParentForm())
            form->ControlRemoved(windowed);
        if (!windowed->ComponentState().Contains(csDestroying) || windowed->handle_)
            windowed->DestroyHandle();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
    } else {
        control->InvalidateControl(control->visible_, false);
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    control->parent_ = nullptr;
    control->anchorRulesValid_ = false;
    if (control->align_ != alNone)
        AlignChildren();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->parent_)
        if (c == this)
            return true;
    return false;
}

void TWinControl::MoveChild(TControl* control, bool toFront)
{
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    controls_.erase(it);
    if (toFront)
        controls_.push_back(control);
    else
        controls_.insert(controls_.begin(), control);
    if (auto w = dynamic_cast<TWinControl*>(control); w && w->handle_)
        SetWindowPos(w->handle_, toFront ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    else
        control->InvalidateControl(control->visible_, true);
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
        if ((windowed && !allowWinControls) || !c->visible_ || (!c->enabled_ && !allowDisabled))
            continue;
        RECT r = c->BoundsRect();
        if (!PtInRect(&r, point))
            continue;
        POINT local{point.x - c->left_, point.y - c->top_};
        if (c->Perform(CM_HITTEST, 0, MAKELPARAM(local.x, local.y)) != 0)
            return c;
    }
    return nullptr;
}

bool TWinControl::HasVisibleWindowlessChildren() const
{
    return std::any_of(controls_.begin(), controls_.end(),
                       [](TControl* c) { return c->visible_ && !dynamic_cast<TWinControl*>(c); });
}

void TWinControl::Broadcast(TMessage& message)
{
    std::vector<TControl*> children = controls_;
    for (TControl* c : children) {
        c->WindowProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyChildren(UINT msg)
{
    std::vector<TControl*> children = controls_;
    for (TControl* c : children)
        c->Perform(msg);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    FixupTabList();
    AlignChildren();
}

// --- focus and tab order ----------------------------------------------------------------------------

int TWinControl::TabOrder() const
{
    if (!parent_)
        return -1;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (ComponentState().Contains(csLoading)) {
        storedTabOrder_ = value;
        return;
    }
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

// Applies the TabOrder values a layout stored (they could not be applied while siblings were
// still missing).
void TWinControl::FixupTabList()
{
    std::vector<TWinControl*> list = tabList_;
    std::stable_sort(list.begin(), list.end(), [&](TWinControl* a, TWinControl* b) {
        auto key = [&](TWinControl* c) {
            return c->storedTabOrder_ >= 0
                       ? c->storedTabOrder_
                       : static_cast<int>(std::find(tabList_.begin(), tabList_.end(), c) - tabList_.begin());
        };
        return key(a) < key(b);
    });
    tabList_ = list;
    for (TWinControl* c : tabList_)
        c->storedTabOrder_ = -1;
}

void TWinControl::SetTabStop(bool value)
{
    if (tabStop_ == value)
        return;
    tabStop_ = value;
    if (handle_) {
        LONG style = GetWindowLongW(handle_, GWL_STYLE);
        SetWindowLongW(handle_, GWL_STYLE, value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
    Perform(CM_TABSTOPCHANGED);
}

bool TWinControl::CanFocus() const
{
    TCustomForm* form = GetParentForm();
    if (!form)
        return false;
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_)
            return false;
    return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm();
    if (form && form != this) {
        form->FocusControl(this);
        return;
    }
    if (form || parentWindow_)
        ::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* c : tabList_) {
        list.push_back(c);
        c->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    int count = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    int start = found == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c != current && c->CanFocus() && (!checkTabStop || c->tabStop_) && (!checkParent || c->parent_ == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
        next->SetFocus();
}

// --- alignment ---------------------------------------------------------------------------------------

void TWinControl::EnableAlign()
{
    if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_)
        AlignChildren();
}

void TWinControl::Realign() { AlignChildren(); }

void TWinControl::AdjustClientRect(RECT& rect) const {}

void TWinControl::AlignChildren()
{
    if (alignDisabled_ > 0) {
        alignPending_ = true;
        return;
    }
    alignPending_ = false;
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying))
        return;
    RECT r = ClientRect();
    AdjustClientRect(r);
    ++alignDisabled_;
    AlignControls(nullptr, r);
    --alignDisabled_;
}

// Places the aligned children in the order top, bottom, left, right, client (each group in its
// current order of position), then moves anchored children for the current client size.
void TWinControl::AlignControls(TControl* control, RECT& rect)
{
    auto place = [&](TAlign align) {
        std::vector<TControl*> group;
        for (TControl* c : controls_)
            if (c->align_ == align && c->visible_)
                group.push_back(c);
        std::stable_sort(group.begin(), group.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case alTop:
                return a->top_ < b->top_;
            case alBottom:
                return a->top_ + a->height_ > b->top_ + b->height_;
            case alLeft:
                return a->left_ < b->left_;
            case alRight:
                return a->left_ + a->width_ > b->left_ + b->width_;
            default:
                return false;
            }
        });
        for (TControl* c : group) {
            int w = rect.right - rect.left, h = rect.bottom - rect.top;
            switch (align) {
            case alTop:
                c->SetAlignedBounds(rect.left, rect.top, w, c->height_);
                rect.top += c->height_;
                break;
            case alBottom:
                c->SetAlignedBounds(rect.left, rect.bottom - c->height_, w, c->height_);
                rect.bottom -= c->height_;
                break;
            case alLeft:
                c->SetAlignedBounds(rect.left, rect.top, c->width_, h);
                rect.left += c->width_;
                break;
            case alRight:
                c->SetAlignedBounds(rect.right - c->width_, rect.top, c->width_, h);
                rect.right -= c->width_;
                break;
            default:
                c->SetAlignedBounds(rect.left, rect.top, w, h);
                break;
            }
        }
    };
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient})
        place(align);
    RECT client = ClientRect();
    SIZE size{client.right - client.left, client.bottom - client.top};
    for (TControl* c : controls_) {
        if (c->align_ != alNone || !c->anchorRulesValid_ || c->anchors_ == TAnchors{akLeft, akTop})
            continue;
        RECT b = c->AnchoredBounds(size);
        c->SetAlignedBounds(b.left, b.top, b.right - b.left, b.bottom - b.top);
    }
}

void TWinControl::ChangeScale(int m, int d)
{
    DisableAlign();
    ScaleChildren(m, d);
    TControl::ChangeScale(m, d);
    RecordChildAnchors();
    EnableAlign();
}

void TWinControl::ScaleChildren(int m, int d)
{
    std::vector<TControl*> children = controls_;
    for (TControl* c : children)
        c->ChangeScale(m, d);
}

void TWinControl::RecordChildAnchors()
{
    for (TControl* c : controls_)
        c->UpdateAnchorRules();
}

HBRUSH TWinControl::BrushHandle()
{
    if (!brush_ || brushColor_ != color_) {
        brush_.reset(CreateSolidBrush(ColorToRGB(color_)));
        brushColor_ = color_;
    }
    return brush_.get();
}

void TWinControl::FontChanged()
{
    ApplyFontToWindow();
    TControl::FontChanged();
}

}  // namespace ov
