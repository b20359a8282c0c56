// The scroll bar and frame skinners.
#include "skin/controls/scroll_skinners.h"

#include <algorithm>
#include <utility>

#include "framework/graphics/canvas.h"
#include "framework/forms/form.h"
#include "framework/core/properties.h"
#include "framework/controls/scroll_bar.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_forms_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/user32_entries_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_globals.h"
#include "skin/engine/skin_window.h"

namespace ov {

namespace {

// The thumb of a vertical bar built from the five pieces: the caps at both ends, the grip in the
// middle at its own height (or stretched when it does not fit), the two middles stretched between.
void DrawThumbFromPieces(TCanvas& canvas, const TkrvSkinScrollBtnRes& res, const RECT& thumb, bool vertical)
{
    auto piece = [&](int i) { return vertical ? res.GetVertThumbPiece(i) : res.GetHorzThumbPiece(i); };
    // Work along the bar: `along(a, b)` is the part of the thumb from a to b along its length.
    const int start = vertical ? thumb.top : thumb.left;
    const int length = vertical ? thumb.bottom - thumb.top : thumb.right - thumb.left;
    auto along = [&](int a, int b) {
        return vertical ? RECT{thumb.left, start + a, thumb.right, start + b}
                        : RECT{start + a, thumb.top, start + b, thumb.bottom};
    };
    auto lengthOf = [&](const TBitmap* b) { return vertical ? HeightOf(b) : WidthOf(b); };
    StretchInto(canvas, piece(1), along(0, 3));
    const TBitmap* finish = piece(5);
    int finishLength = lengthOf(finish);
    if (length / 2 < finishLength && finish) {
        int keep = length / 2;
        TBitmap part(vertical ? finish->Width() : keep, vertical ? keep : finish->Height());
        RECT from = vertical ? RECT{0, finishLength - keep, finish->Width(), finishLength}
                             : RECT{finishLength - keep, 0, finishLength, finish->Height()};
        part.Canvas()->CopyRect({0, 0, part.Width(), part.Height()}, *finish, from);
        StretchInto(canvas, &part, along(length - keep, length));
    } else {
        StretchInto(canvas, finish, along(length - finishLength, length));
    }
    const TBitmap* grip = piece(3);
    int gripLength = lengthOf(grip);
    if (gripLength >= length - 6) {
        StretchInto(canvas, grip, along(3, length - 3));
        return;
    }
    int d = (length - 6 - gripLength) / 2;
    StretchInto(canvas, grip, along(3 + d, 3 + d + gripLength));
    StretchInto(canvas, piece(4), along(3 + d + gripLength, length - 3));
    StretchInto(canvas, piece(2), along(3, 3 + d));
}

}  // namespace

void PaintSkinScrollBar(TCanvas& canvas, TkrvSkinEngine& engine, const RECT& bar, const RECT& thumb, bool drawThumb,
                        bool vertical)
{
    FillRectColor(canvas.Handle(), bar, engine.GetColor(SKIN2_SCROLLBARCOLOR));
    const TkrvSkinScrollBtnRes& res = engine.ScrollBtnRes();
    if (vertical) {
        int side = bar.right - bar.left;
        StretchInto(canvas, res.GetVertArrow(1), {bar.left, bar.top, bar.right, bar.top + side});
        StretchInto(canvas, res.GetVertArrow(4), {bar.left, bar.bottom - side, bar.right, bar.bottom});
    } else {
        int side = bar.bottom - bar.top;
        StretchInto(canvas, res.GetHorzArrow(1), {bar.left, bar.top, bar.left + side, bar.bottom});
        StretchInto(canvas, res.GetHorzArrow(4), {bar.right - side, bar.top, bar.right, bar.bottom});
    }
    if (!drawThumb)
        return;
    int length = vertical ? thumb.bottom - thumb.top : thumb.right - thumb.left;
    if (res.WholeThumb() && length > 15) {
        if (vertical && res.WholeVertThumb())
            DrawCapsV(*res.WholeVertThumb(), canvas, thumb, 0);
        else if (!vertical && res.WholeHorzThumb())
            DrawThreeSliceH(*res.WholeHorzThumb(), canvas, thumb, clNone, false);
        return;
    }
    DrawThumbFromPieces(canvas, res, thumb, vertical);
}

bool PlausibleScrollBarRect(const RECT& r, bool horizontal)
{
    int width = r.right - r.left, height = r.bottom - r.top;
    if (horizontal)
        return r.right >= r.left && height >= 0 && height < 100;
    return width >= 0 && width <= 100 && r.bottom >= r.top;
}

// --- frames -------------------------------------------------------------------------------------------

bool HasSkinnedFrame(const TControl& control)
{
    const TClassInfo& cls = control.ClassInfo();
    auto* self = const_cast<TControl*>(&control);
    try {
        if (const TPropInfo* border = cls.FindProperty(L"BorderStyle")) {
            std::wstring type = border->Type ? border->Type->TypeName() : L"";
            if (type != L"TBorderStyle" && type != L"TFormBorderStyle")
                return false;
            if (std::get<std::int64_t>(border->Get(self)) == bsNone)
                return false;
        }
    } catch (...) {
        // A BorderStyle that cannot be read does not decide.
    }
    for (const wchar_t* edges : {L"BevelEdges", L"EdgeBorders"}) {
        const TPropInfo* set = cls.FindProperty(edges);
        if (set && std::get<std::int64_t>(set->Get(self)) == 0)
            return false;
    }
    return !NoBorderClasses().Contains(control.ClassName());
}

void TkrvSkinBorderWinControl::PaintFrame()
{
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    if (!windowed || !windowed->HandleAllocated() || !HasSkinnedFrame(*FControl))
        return;
    TColor inner = FEngine->GetColor(SKIN2_CONTROLCOLOR);
    if (const TPropInfo* color = FControl->ClassInfo().FindProperty(L"Color"))
        inner = static_cast<TColor>(std::get<std::int64_t>(color->Get(FControl)));
    FrameWindow(windowed->WindowHandle(), FEngine->GetColor(SKIN2_CONTROLBORDERCOLOR), inner, true);
}

void TkrvSkinBorderWndControl::Paint()
{
    FrameWindow(FHandle, FEngine->GetColor(SKIN2_CONTROLBORDERCOLOR), clWindow, true);
}

// --- overlay bars -------------------------------------------------------------------------------------

const TClassInfo& TkrvSkinInternalScrollBar::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinInternalScrollBar>(L"TkrvSkinInternalScrollBar", TCustomPanel::StaticClass()).Build();
    return info;
}

TkrvSkinInternalScrollBar::TkrvSkinInternalScrollBar(TComponent* owner, TWinControl* control,
                                                     TkrvSkinOverlaySlotBase* slot, bool horizontal)
    : TkrvSkinOverlay(owner, control, slot), FHorizontal(horizontal)
{
    SetBevelOuter(bvNone);
    SetCaption(L"");
}

// The control runs its own scroll bar tracking from here, as if its bar had been pressed.
void TkrvSkinInternalScrollBar::PassToControl(TMessage& message)
{
    UINT nonClient = 0;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        nonClient = WM_NCLBUTTONDOWN;
        break;
    case WM_LBUTTONUP:
        nonClient = WM_NCLBUTTONUP;
        break;
    case WM_LBUTTONDBLCLK:
        nonClient = WM_NCLBUTTONDBLCLK;
        break;
    default:
        return;
    }
    ::ReleaseCapture();
    DWORD at = ::GetMessagePos();
    ::SendMessageW(FControl->WindowHandle(), nonClient, FHorizontal ? HTHSCROLL : HTVSCROLL, static_cast<LPARAM>(at));
}

bool TkrvSkinInternalScrollBar::ShowsPicture(const RECT& thumb, bool thumbShown) const
{
    return FPictureMade && FPictureThumbShown == thumbShown && EqualRect(&FPictureThumb, &thumb) &&
           FPictureSize.cx == FBitmap.Width() && FPictureSize.cy == FBitmap.Height();
}

void TkrvSkinInternalScrollBar::PictureMade(const RECT& thumb, bool thumbShown)
{
    FPictureMade = true;
    FPictureThumb = thumb;
    FPictureThumbShown = thumbShown;
    FPictureSize = {FBitmap.Width(), FBitmap.Height()};
}

void TkrvSkinInternalScrollBar::Paint()
{
    if (FBitmap.Width() == 0 || FBitmap.Height() == 0) {
        Hide();
        TCustomPanel::Paint();
        return;
    }
    Canvas()->Draw(0, 0, FBitmap);
}

// --- scrolled controls --------------------------------------------------------------------------------

// One-line edits have no scroll bars; controls on pages of a "TTabPage" keep their own.
bool TkrvSkinScrollWinControl::WantsOverlays() const
{
    TWinControl* above = FControl->Parent();
    while (above && above->ClassName() == L"TPanel")
        above = above->Parent();
    if (FControl->Parent() && FControl->Parent()->ClassName() == L"TPanel" && above &&
        above->ClassName() == L"TTabPage")
        return false;
    if (FControl->InheritsFrom(L"TCustomEdit")) {
        auto* windowed = static_cast<TWinControl*>(FControl);
        LONG_PTR style = ::GetWindowLongPtrW(windowed->Handle(), GWL_STYLE);
        return (style & ES_MULTILINE) != 0 && !FControl->InheritsFrom(L"TCustomMaskEdit") &&
               FControl->ClassName() != L"TSpinEdit";
    }
    return true;
}

// The overlays sit beside the control, on its parent (or on the form of a control without one).
TWinControl* TkrvSkinScrollWinControl::OverlayParent() const
{
    if (TWinControl* parent = FControl->Parent())
        return parent;
    return dynamic_cast<TWinControl*>(FOwnerWindow->Owner());
}

void TkrvSkinScrollWinControl::MakeOverlay(OverlaySlot& slot, bool horizontal)
{
    auto place = [this](TkrvSkinInternalScrollBar& bar) {
        bar.SetVisible(false);
        bar.SetParent(OverlayParent());
    };
    slot.Create(place, FEngine, dynamic_cast<TWinControl*>(FControl), horizontal);
}

// Each overlay is made when its bar is first on the screen: a form with many scrolled controls on
// pages not in front makes windows only for those shown, and a control that never shows one of
// its bars never has that overlay.
void TkrvSkinScrollWinControl::Initialize() { FVertWanted = FHorzWanted = !FEngine->Designing() && WantsOverlays(); }

void TkrvSkinScrollWinControl::Detach()
{
    TkrvSkinBorderWinControl::Detach();
    FVertBar.Release();
    FHorzBar.Release();
}

void TkrvSkinScrollWinControl::Update()
{
    TkrvSkinBorderWinControl::Update();
    bool working = FEngine->IsWorking();
    for (TkrvSkinInternalScrollBar* bar : {VertBar(), HorzBar()}) {
        if (!bar)
            continue;
        bar->SetVisible(working);
        bar->ForgetPicture();  // the skin may have changed
    }
}

void TkrvSkinScrollWinControl::AfterMessage(TMessage& message)
{
    TkrvSkinBorderWinControl::AfterMessage(message);
    switch (message.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOVE:
        if (EngineWorking())
            Paint();
        break;
    case CM_VISIBLECHANGED:
        for (TkrvSkinInternalScrollBar* bar : {VertBar(), HorzBar()})
            if (bar)
                bar->SetVisible(FControl->Visible());
        break;
    default:
        break;
    }
}

void TkrvSkinScrollWinControl::Paint()
{
    PaintFrame();
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    // A control on a page that is not in front has nothing on the screen to follow.
    if (windowed && windowed->HandleAllocated() && FControl->Visible() && FControl->Showing())
        UpdateScrollBars();
}

void TkrvSkinScrollWinControl::UpdateScrollBars()
{
    if (!FEngine->DrawScrollBar())
        return;
    bool vertical = UpdateScrollBar(FVertBar, FVertWanted, false);
    bool horizontal = UpdateScrollBar(FHorzBar, FHorzWanted, true);
    if (!vertical || !horizontal)
        return;
    // The square where the two bars meet, in the form colour.
    HWND window = static_cast<TWinControl*>(FControl)->WindowHandle();
    RECT control{}, v{}, h{};
    ::GetWindowRect(window, &control);
    ::GetWindowRect(FVertBar->Handle(), &v);
    ::GetWindowRect(FHorzBar->Handle(), &h);
    RECT corner{v.left - control.left, h.top - control.top, v.right - control.left, h.bottom - control.top};
    UniqueWindowDC dc = WindowAreaDC(window, WindowArea::Whole);
    if (dc)
        FillRectColor(dc.get(), corner, FEngine->FormColor());
}

bool TkrvSkinScrollWinControl::UpdateScrollBar(OverlaySlot& slot, bool& wanted, bool horizontal)
{
    HWND window = static_cast<TWinControl*>(FControl)->WindowHandle();
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    RECT r{};
    bool shown = SkinGetScrollBarInfo(window, horizontal ? OBJID_HSCROLL : OBJID_VSCROLL, &info) &&
                 !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    if (shown) {
        r = info.rcScrollBar;
        TWinControl* parent = slot ? slot->Parent() : OverlayParent();
        ::MapWindowPoints(nullptr, parent ? parent->Handle() : nullptr, reinterpret_cast<POINT*>(&r), 2);
        shown = PlausibleScrollBarRect(r, horizontal);
    }
    if (!shown) {
        if (slot)
            slot->Hide();
        return false;
    }
    if (!slot && std::exchange(wanted, false))
        MakeOverlay(slot, horizontal);
    if (!slot)
        return false;
    TkrvSkinInternalScrollBar& overlay = *slot.Get();
    // Moved, raised and shown only when it is not already so: each of those costs the windows
    // around it a repaint. Placed before it is shown, so that a new overlay never moves on the
    // screen (which would have the view under it repaint its whole chapter).
    RECT placed = overlay.BoundsRect();
    if (!overlay.Visible() || !EqualRect(&r, &placed) || ::GetWindow(overlay.Handle(), GW_HWNDPREV) != nullptr) {
        overlay.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        overlay.BringToFront();
        overlay.Show();
    }
    TBitmap& bitmap = overlay.Bitmap();
    bitmap.SetSize(std::max<int>(r.right - r.left, 1), std::max<int>(r.bottom - r.top, 1));

    RECT thumb = horizontal ? RECT{info.xyThumbTop, 0, info.xyThumbBottom, bitmap.Height()}
                            : RECT{0, info.xyThumbTop, bitmap.Width(), info.xyThumbBottom};
    const TkrvThumbTrack& track = horizontal ? HorizontalThumbTrack() : VerticalThumbTrack();
    bool tracked = FControl->InheritsFrom(L"TCustomGrid") || FControl->InheritsFrom(L"TScrollBox") ||
                   FControl->ClassName().starts_with(L"TAlt");
    if (tracked && track.dragging && track.thumbTop != 0)
        thumb = horizontal ? RECT{track.thumbTop, 0, track.thumbBottom, bitmap.Height()}
                           : RECT{0, track.thumbTop, bitmap.Width(), track.thumbBottom};
    bool drawThumb = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
    if (!overlay.ShowsPicture(thumb, drawThumb)) {
        PaintSkinScrollBar(*bitmap.Canvas(), *FEngine, {0, 0, bitmap.Width(), bitmap.Height()}, thumb, drawThumb,
                           !horizontal);
        overlay.PictureMade(thumb, drawThumb);
        overlay.Invalidate();
        ::UpdateWindow(overlay.Handle());
    }
    return true;
}

// --- stand-alone scroll bars --------------------------------------------------------------------------

const TClassInfo& TkrvSkinInternalScrollBar2::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TkrvSkinInternalScrollBar2>(L"TkrvSkinInternalScrollBar2", TCustomPanel::StaticClass()).Build();
    return info;
}

TkrvSkinInternalScrollBar2::TkrvSkinInternalScrollBar2(TComponent* owner, TWinControl* control,
                                                       TkrvSkinOverlaySlotBase* slot)
    : TkrvSkinOverlay(owner, control, slot)
{
    SetBevelOuter(bvNone);
    SetCaption(L"");
}

void TkrvSkinInternalScrollBar2::PassToControl(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        SendAtMessagePos(FControl->WindowHandle(), message.Msg, MK_LBUTTON);
        break;
    case WM_MOUSEMOVE:
        message.Result = SendAtMessagePos(FControl->WindowHandle(), message.Msg, message.WParam);
        break;
    default:
        break;
    }
}

void TkrvSkinInternalScrollBar2::Paint()
{
    if (FBitmap.Width() == 0 || FBitmap.Height() == 0) {
        Hide();
        TCustomPanel::Paint();
        return;
    }
    Canvas()->Draw(0, 0, FBitmap);
}

void TkrvSkinScrollBar::Initialize()
{
    if (FEngine->Designing())
        return;
    auto& scrollBar = static_cast<TWinControl&>(*FControl);
    scrollBar.SetControlStyle(scrollBar.ControlStyle().Include(csAcceptsControls));
    auto place = [&](TkrvSkinInternalScrollBar2& bar) {
        TWinControl* parent = scrollBar.Parent();
        if (!parent)
            parent = dynamic_cast<TWinControl*>(FOwnerWindow->Owner());
        bar.SetParent(parent);
        bar.SetBoundsRect(scrollBar.BoundsRect());
        bar.SetVisible(true);
        bar.BringToFront();
        bar.Repaint();
    };
    FBar.Create(place, FEngine, &scrollBar);
}

// The overlay goes with the skinner, also when the scroll bar itself is going: it is owned by the
// engine and sits on the scroll bar's parent, so nothing else would take it off the screen.
void TkrvSkinScrollBar::Detach()
{
    TkrvSkinControlVCL::Detach();
    FBar.Release();
}

void TkrvSkinScrollBar::Update()
{
    if (FBar)
        FBar->SetVisible(FEngine->IsWorking());
}

void TkrvSkinScrollBar::AfterMessage(TMessage& message)
{
    TkrvSkinControlVCL::AfterMessage(message);
    switch (message.Msg) {
    case SBM_SETSCROLLINFO:
    case WM_KILLFOCUS:
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS:
        if (EngineWorking())
            Paint();
        break;
    case CM_VISIBLECHANGED:
        if (FBar)
            FBar->SetVisible(FControl->Visible());
        break;
    default:
        break;
    }
}

void TkrvSkinScrollBar::Paint()
{
    auto& scrollBar = static_cast<TScrollBar&>(*FControl);
    if (!FBar || !FEngine->DrawScrollBar() || !scrollBar.HandleAllocated())
        return;
    RECT bounds = scrollBar.BoundsRect();
    RECT placed = FBar->BoundsRect();
    // Moved and raised only when it is not already so: each costs the windows around it a repaint.
    if (!EqualRect(&bounds, &placed))
        FBar->SetBoundsRect(bounds);
    if (FBar->HandleAllocated() && ::GetWindow(FBar->Handle(), GW_HWNDPREV) != nullptr)
        FBar->BringToFront();
    // A bar painted before its picture was made hid itself; the picture is made now.
    if (!FBar->Visible() && scrollBar.Visible())
        FBar->Show();
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!SkinGetScrollBarInfo(scrollBar.WindowHandle(), OBJID_CLIENT, &info))
        return;
    TBitmap& bitmap = FBar->Bitmap();
    bitmap.SetSize(std::max<int>(bounds.right - bounds.left, 1), std::max<int>(bounds.bottom - bounds.top, 1));
    TCanvas& canvas = *bitmap.Canvas();
    RECT client{0, 0, bitmap.Width(), bitmap.Height()};
    FillRectColor(canvas.Handle(), client, FEngine->GetColor(SKIN2_SCROLLBARCOLOR));
    bool vertical = scrollBar.Kind() == sbVertical;
    RECT thumb = vertical ? RECT{0, info.xyThumbTop, client.right, info.xyThumbBottom}
                          : RECT{info.xyThumbTop, 0, info.xyThumbBottom, client.bottom};
    PaintSkinScrollBar(canvas, *FEngine, client, thumb, true, vertical);
    if (::GetFocus() == scrollBar.WindowHandle()) {
        RECT focus = thumb;
        ::InflateRect(&focus, -1, -1);
        ::DrawFocusRect(canvas.Handle(), &focus);
    }
    FBar->Invalidate();
}

}  // namespace ov
