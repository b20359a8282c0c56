// The control skinner base: the message paths of both branches and the shared paint services.
#include "skin/engine/skin_control.h"

#include "framework/graphics/canvas.h"
#include "framework/forms/form.h"
#include "skin/data/user32_entries_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/skin_messages.h"
#include "skin/engine/skin_window.h"

namespace ov {

namespace {

constexpr UINT kWordWrapMeasure = DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK;  // 0x450
constexpr TColor kDisabledText = 0x808080;

// Classes whose own scroll bars the scroll bar painters follow while the thumb is dragged.
bool TracksThumbDrag(const TControl& control)
{
    return control.InheritsFrom(L"TCustomGrid") || control.InheritsFrom(L"TScrollBox") ||
           control.ClassName() == L"TAltRichEdit" || control.ClassName() == L"TAltCustomRichEdit" ||
           control.ClassName() == L"TAltxRichEdit";
}

// Reads the bar's geometry into `track`, in the client co-ordinates of the control's parent.
void ReadThumb(HWND window, LONG bar, HWND parent, TkrvThumbTrack& track)
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!SkinGetScrollBarInfo(window, bar, &info))
        return;
    track.thumbTop = info.xyThumbTop;
    track.thumbBottom = info.xyThumbBottom;
    track.thumbSize = info.xyThumbBottom - info.xyThumbTop;
    RECT r = info.rcScrollBar;
    if (parent)
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    track.bar = r;
}

}  // namespace

TkrvThumbTrack& VerticalThumbTrack()
{
    static TkrvThumbTrack track;
    return track;
}

TkrvThumbTrack& HorizontalThumbTrack()
{
    static TkrvThumbTrack track;
    return track;
}

// --- TkrvSkinControl --------------------------------------------------------------------------------

TkrvSkinControl::TkrvSkinControl(TkrvSkinWindow* ownerWindow)
    : FOwnerWindow(ownerWindow), FEngine(ownerWindow->Engine())
{
}

bool TkrvSkinControl::EngineWorking() const { return FEngine && FEngine->IsWorking(); }

void TkrvSkinControl::AfterMessage(TMessage& message)
{
    auto paint = [this] {
        if (EngineWorking())
            Paint();
    };
    switch (message.Msg) {
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_KRV_CONTROLREPAINT:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        paint();
        break;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        WORD key = static_cast<WORD>(message.WParam);
        bool down = message.Msg == WM_KEYDOWN;
        if (key == VK_SPACE || key == VK_RETURN)
            SetState(kPressed, down);
        paint();
        down ? KeyDown(key) : KeyUp(key);
        break;
    }
    case WM_LBUTTONDOWN:
        SetState(kPressed, true);
        paint();
        MouseDown();
        break;
    case WM_LBUTTONUP:
        SetState(kPressed, false);
        paint();
        MouseUp();
        break;
    case WM_KRV_QUERYSKINNED:
        message.Result = 1;
        break;
    case CM_MOUSEENTER:
        SetState(kHover, true);
        paint();
        MouseEnter();
        break;
    case CM_MOUSELEAVE:
        SetState(kHover | kPressed, false);
        paint();
        MouseLeave();
        break;
    default:
        break;
    }
}

void TkrvSkinControl::DrawCaption(const TBitmap& bitmap, const std::wstring& text, bool wordWrap, const RECT& rect,
                                  const TFont* font)
{
    DrawCaptionText(bitmap, text, wordWrap, rect, font, kWordWrapMeasure);
}

void TkrvSkinControl::DrawWindowCaption(const TBitmap& bitmap, bool wordWrap, const RECT& rect, const TFont* font)
{
    HWND window = GetHandle();
    std::wstring text;
    if (window) {
        int length = ::GetWindowTextLengthW(window);
        text.resize(static_cast<size_t>(length) + 1);
        text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), length + 1)));
    }
    UINT measure = wordWrap ? (DT_CALCRECT | DT_WORDBREAK | DT_CENTER) : (DT_CALCRECT | DT_CENTER);
    DrawCaptionText(bitmap, text, wordWrap, rect, font, measure);
}

UniqueWindowDC TkrvSkinControl::ControlDC()
{
    HWND window = GetHandle();
    return window ? WindowAreaDC(window, WindowArea::Client) : UniqueWindowDC();
}

// One path for both caption services: copy the picture, then measure and centre the text.
void TkrvSkinControl::DrawCaptionText(const TBitmap& bitmap, const std::wstring& text, bool wordWrap, const RECT& rect,
                                      const TFont* font, UINT measureFlags)
{
    UniqueWindowDC dc = ControlDC();
    if (!dc)
        return;
    RECT paint{};
    GetPaintRect(paint);
    CopyPicturePart(bitmap, dc.get(), paint);
    TCanvas canvas(dc.get());
    if (!text.empty()) {
        canvas.Brush()->SetStyle(bsClear);  // a transparent background
        if (font)
            canvas.SetFont(*font);
        if (!IsEnabled())
            canvas.Font()->SetColor(kDisabledText);
        RECT r = rect;
        if (Pressed())
            ::OffsetRect(&r, 1, 1);
        RECT box = r;
        if (wordWrap) {
            box.left += 2;
            box.right -= 2;
        }
        canvas.DrawText(text, box, measureFlags);
        int dx = ((r.right - r.left) - (box.right - box.left)) / 2;
        int dy = ((r.bottom - r.top) - (box.bottom - box.top)) / 2;
        ::OffsetRect(&box, dx, dy);
        canvas.DrawText(text, box, wordWrap ? (DT_WORDBREAK | DT_CENTER) : DT_CENTER);
    }
    canvas.SetHandle(nullptr);
}

void TkrvSkinControl::DrawGraphicAt(const TGraphic& graphic, POINT point)
{
    UniqueWindowDC dc = ControlDC();
    if (!dc)
        return;
    TCanvas canvas(dc.get());
    canvas.Draw(point.x, point.y, graphic);
    canvas.SetHandle(nullptr);
}

// --- TkrvSkinControlVCL -----------------------------------------------------------------------------

TkrvSkinControlVCL::TkrvSkinControlVCL(TControl* control, TkrvSkinWindow* ownerWindow)
    : TkrvSkinControl(ownerWindow),
      FControl(control),
      FHook(control, TWndMethod(this, &TkrvSkinControlVCL::WindowProcHandler))
{
}

void TkrvSkinControlVCL::GetPaintRect(RECT& rect) { rect = FControl->ClientRect(); }

HWND TkrvSkinControlVCL::GetHandle()
{
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    return windowed ? windowed->Handle() : nullptr;
}

void TkrvSkinControlVCL::WindowProcHandler(TMessage& message)
{
    bool engineGoing = FEngine->IsDestroying();
    if (engineGoing && message.Msg == CM_INVALIDATE)
        return;
    if (engineGoing || !FEngine->IsWorking() || FControl->Tag() == FEngine->DisabledTag()) {
        CallPrevious(message);
        return;
    }
    if (TracksThumbDrag(*FControl))
        TrackThumbDrag(message);
    if (PreMessage(message))
        CallPrevious(message);
    if (!FDetached)
        AfterMessage(message);
}

// Follows a dragged scroll bar thumb of the control for the scroll bar painters.
void TkrvSkinControlVCL::TrackThumbDrag(TMessage& message)
{
    if (message.Msg == WM_NCLBUTTONDOWN) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        VerticalThumbTrack().pressedAt = cursor;
        HorizontalThumbTrack().pressedAt = cursor;
        return;
    }
    if (message.Msg != WM_VSCROLL && message.Msg != WM_HSCROLL)
        return;
    bool vertical = message.Msg == WM_VSCROLL;
    TkrvThumbTrack& track = vertical ? VerticalThumbTrack() : HorizontalThumbTrack();
    HWND window = GetHandle();
    HWND parent = FControl->Parent() ? FControl->Parent()->WindowHandle() : nullptr;
    LONG bar = vertical ? OBJID_VSCROLL : OBJID_HSCROLL;
    track.dragging = false;
    ReadThumb(window, bar, parent, track);
    switch (LOWORD(message.WParam)) {
    case SB_THUMBTRACK: {
        track.dragging = true;
        POINT cursor{};
        ::GetCursorPos(&cursor);
        int moved = vertical ? cursor.y - track.pressedAt.y : cursor.x - track.pressedAt.x;
        int arrow = ::GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CXHSCROLL);
        int length = vertical ? track.bar.bottom - track.bar.top : track.bar.right - track.bar.left;
        int top = track.thumbTop + moved;
        top = std::min(top, length - arrow - track.thumbSize);
        top = std::max(top, arrow);
        track.thumbTop = top;
        track.thumbBottom = top + track.thumbSize;
        break;
    }
    case SB_THUMBPOSITION:
        ReadThumb(window, bar, parent, track);
        break;
    default:
        break;
    }
}

// --- TkrvSkinControlWnd -----------------------------------------------------------------------------

TkrvSkinControlWnd::TkrvSkinControlWnd(HWND window, TkrvSkinWindow* ownerWindow)
    : TkrvSkinControl(ownerWindow),
      FHandle(window),
      FHook(window, TWndMethod(this, &TkrvSkinControlWnd::WindowProcHandler))
{
}

void TkrvSkinControlWnd::GetPaintRect(RECT& rect) { rect = {0, 0, GetWindowWidth(), GetWindowHeight()}; }

int TkrvSkinControlWnd::GetWindowWidth() const
{
    RECT r{};
    ::GetWindowRect(FHandle, &r);
    return r.right - r.left;
}

int TkrvSkinControlWnd::GetWindowHeight() const
{
    RECT r{};
    ::GetWindowRect(FHandle, &r);
    return r.bottom - r.top;
}

std::wstring TkrvSkinControlWnd::ReadWindowText() const
{
    wchar_t buffer[260] = {};
    int length = ::GetWindowTextW(FHandle, buffer, 260);
    return std::wstring(buffer, static_cast<size_t>(std::max(length, 0)));
}

void TkrvSkinControlWnd::WindowProcHandler(TMessage& message)
{
    if (FEngine->IsDestroying() || !FEngine->IsWorking()) {
        message.Result = CallPrevious(message);
        return;
    }
    if (PreMessage(message))
        message.Result = CallPrevious(message);
    if (!FDetached)
        AfterMessage(message);
}

}  // namespace ov
