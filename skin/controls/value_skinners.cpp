// The progress bar, track bar and up-down skinners.
#include "skin/controls/value_skinners.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cmath>
#include <functional>

#include "framework/graphics/canvas.h"
#include "framework/controls/progress_bar.h"
#include "framework/core/properties.h"
#include "framework/controls/track_bar.h"
#include "framework/controls/up_down.h"
#include "skin/data/rect_ops.h"
#include "skin/data/skin_bitmap_win.h"
#include "skin/data/skin_color_win.h"
#include "skin/data/skin_shapes_win.h"
#include "skin/data/window_picture_win.h"
#include "skin/engine/skin_engine.h"

namespace ov {

namespace {

bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// How much of `span` pixels a position fills: to the nearest pixel, halves to even (the default
// rounding of lrint). An empty range fills nothing.
int FilledLength(int span, int min, int max, int position)
{
    if (min >= max)
        return 0;
    double share = static_cast<double>(position - min) * span / (max - min);
    return static_cast<int>(std::lrint(share));
}

// The window's size (borders included: the skinners paint the whole window).
SIZE WindowSize(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND window)
{
    RECT r{};
    ::GetClientRect(window, &r);
    return {r.right, r.bottom};
}

}  // namespace

// --- progress bar -------------------------------------------------------------------------------------

TkrvProgressLayout ProgressBarLayout(int width, int height, int min, int max, int position, bool vertical,
                                     int firstWidth, int lastWidth)
{
    TkrvProgressLayout layout{};
    if (!vertical) {
        RECT value{firstWidth, 0, width - lastWidth, height};
        value.right = value.left + FilledLength(value.right - value.left, min, max, position);
        layout.startCap = {0, 0, firstWidth, height};
        layout.filled = value;
        layout.empty = {value.right, 0, width - lastWidth, height};
        layout.endCap = {width - lastWidth, 0, width, height};
        return layout;
    }
    RECT value{0, lastWidth, width, height - firstWidth};
    value.top = value.bottom - FilledLength(value.bottom - value.top, min, max, position);
    layout.startCap = {0, value.bottom, width, value.bottom + firstWidth};
    layout.filled = value;
    layout.empty = {0, lastWidth, width, value.top};
    layout.endCap = {0, 0, width, lastWidth};
    return layout;
}

bool TkrvSkinProgressBar::PreMessage(TMessage& message)
{
    return AnswerPaintMessages(message, GetHandle(), [this] { Paint(); });
}

void TkrvSkinProgressBar::AfterMessage(TMessage& message)
{
    TkrvSkinControlVCL::AfterMessage(message);
    if (message.Msg == PBM_SETPOS && EngineWorking())
        Paint();
}

void TkrvSkinProgressBar::Paint()
{
    auto& bar = static_cast<TProgressBar&>(*FControl);
    if (!bar.HandleAllocated())
        return;
    const TkrvSkinProgressBarRes& res = FEngine->ProgressBarRes();
    bool vertical = bar.Orientation() == pbVertical;
    auto piece = [&](int i) { return vertical ? res.GetRotatedPiece(i) : res.GetPiece(i); };
    for (int i = 1; i <= 4; ++i)
        if (!piece(i) || piece(i)->Width() == 0)
            return;  // no skin pieces: the bar keeps what it shows
    HWND window = bar.WindowHandle();
    SIZE size = WindowSize(window);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    TBitmap picture(size.cx, size.cy);
    TCanvas& canvas = *picture.Canvas();
    FillRectColor(canvas.Handle(), {0, 0, size.cx, size.cy}, FEngine->GetColor(SKIN2_FORMCOLOR));
    TkrvProgressLayout layout = ProgressBarLayout(size.cx, size.cy, bar.Min(), bar.Max(), bar.Position(), vertical,
                                                  res.FirstWidth(), res.LastWidth());
    const std::pair<int, RECT> pieces[] = {
        {1, layout.startCap}, {2, layout.filled}, {3, layout.empty}, {4, layout.endCap}};
    for (const auto& [index, rect] : pieces) {
        if (IsEmptyRect(rect))
            continue;
        // The middle rows (or columns) stretch across the bar, the two at each side stay.
        if (vertical)
            DrawCapsH(*piece(index), canvas, rect, 2);
        else
            DrawCapsV(*piece(index), canvas, rect, 2);
    }
    CopyToWindow(picture, window, WindowArea::Whole);
}

// --- track bar ----------------------------------------------------------------------------------------

int TrackBarValuePosition(int channelStart, int channelEnd, int thumbLength, int min, int max, int value)
{
    int offset = thumbLength / 2;
    int start = channelStart + offset;
    if (min >= max)
        return start;
    return start + (value - min) * (channelEnd - channelStart - 2 * offset) / (max - min);
}

RECT TrackBarFocusFrame(const RECT& channel, const RECT& thumb, bool vertical)
{
    if (vertical)
        return {thumb.left - 2, channel.top - 4, thumb.right + 2, channel.bottom + 4};
    return {channel.left - 4, thumb.top - 2, channel.right + 4, thumb.bottom + 2};
}

bool TkrvSkinTrackBar::Vertical() const { return static_cast<TTrackBar&>(*FControl).Orientation() == trVertical; }

void TkrvSkinTrackBar::Update()
{
    FTrackImage.reset();
    if (!FEngine->IsWorking())
        return;
    const TBitmap* source = FEngine->SkinBitmap(SKIN2_TRACKBAR);
    if (!source || source->Width() == 0)
        return;
    FTrackImage = std::make_unique<TBitmap>();
    FTrackImage->Assign(*source);
    if (Vertical())
        RotateLeft(*FTrackImage);
}

void TkrvSkinTrackBar::Detach()
{
    TkrvSkinControlVCL::Detach();
    FTrackImage.reset();
}

bool TkrvSkinTrackBar::PreMessage(TMessage& message)
{
    return AnswerPaintMessages(message, GetHandle(), [this] { Paint(); });
}

// The focus messages reach the control too (it and the form keep track of the focus); the new
// look follows once the control has taken them.
void TkrvSkinTrackBar::AfterMessage(TMessage& message)
{
    TkrvSkinControlVCL::AfterMessage(message);
    if ((message.Msg == WM_KILLFOCUS || message.Msg == CM_GOTFOCUS) && EngineWorking())
        Paint();
}

// The channel as the control reports it. The system reports a vertical bar's channel as if the
// bar lay across; such a rectangle is turned back.
RECT TkrvSkinTrackBar::ChannelRect() const
{
    HWND window = static_cast<TWinControl&>(*FControl).WindowHandle();
    RECT channel{};
    ::SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    if (Vertical() && channel.right - channel.left > channel.bottom - channel.top)
        channel = {channel.top, channel.left, channel.bottom, channel.right};
    return channel;
}

int TkrvSkinTrackBar::ValuePosition(const RECT& channel, int value) const
{
    auto& bar = static_cast<TTrackBar&>(*FControl);
    RECT thumb{};
    ::SendMessageW(bar.WindowHandle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    if (Vertical())
        return TrackBarValuePosition(channel.top, channel.bottom, thumb.bottom - thumb.top, bar.Min(), bar.Max(),
                                     value);
    return TrackBarValuePosition(channel.left, channel.right, thumb.right - thumb.left, bar.Min(), bar.Max(), value);
}

void TkrvSkinTrackBar::DrawChannel(TCanvas& canvas, const RECT& channel)
{
    RECT r = channel;
    if (Vertical()) {
        int width = FTrackImage->Width();
        r.left = channel.left + (channel.right - channel.left - width) / 2 + 2;
        r.right = r.left + width;
        DrawCapsV(*FTrackImage, canvas, r, 0);
    } else {
        int height = FTrackImage->Height();
        r.top = channel.top + (channel.bottom - channel.top - height) / 2;
        r.bottom = r.top + height;
        DrawThreeSliceH(*FTrackImage, canvas, r, FEngine->GetColor(SKIN2_TRANSCOLOR), true);
    }
}

TColor TkrvSkinTrackBar::DrawSelection(TCanvas& canvas, const RECT& channel)
{
    auto& bar = static_cast<TTrackBar&>(*FControl);
    if (bar.SelStart() >= bar.SelEnd())
        return clBlack;
    HWND window = bar.WindowHandle();
    bool vertical = Vertical();
    int first = vertical ? channel.top : channel.left;
    int last = vertical ? channel.bottom : channel.right;
    auto at = [&](int value) { return ValuePosition(channel, value); };
    int start = bar.SelStart() < 1 ? first + 4 : at(bar.SelStart());
    int end = bar.SelEnd() < bar.Max() ? at(bar.SelEnd()) : last - 4;
    SIZE size = ClientSize(window);
    int middle = vertical ? (channel.left + channel.right) / 2 : (channel.top + channel.bottom) / 2;
    TColor under = vertical ? canvas.Pixels(middle, size.cy / 2) : canvas.Pixels(size.cx / 2, middle);
    TColor color = InvertColor(under);
    canvas.Pen()->SetColor(color);
    for (int line = middle; line <= middle + 1; ++line) {
        if (vertical) {
            canvas.MoveTo(line, start);
            canvas.LineTo(line, end + 1);
        } else {
            canvas.MoveTo(start, line);
            canvas.LineTo(end + 1, line);
        }
    }
    return color;
}

void TkrvSkinTrackBar::DrawThumb(TCanvas& canvas, const RECT& thumb)
{
    const TBitmap* slider = FEngine->SkinBitmap(Vertical() ? SKIN2_TRACKBARVSLIDER : SKIN2_TRACKBARSLIDER);
    if (!slider || slider->Width() == 0 || IsEmptyRect(thumb))
        return;
    TBitmap stretched(thumb.right - thumb.left, thumb.bottom - thumb.top);
    stretched.Canvas()->StretchDraw({0, 0, stretched.Width(), stretched.Height()}, *slider);
    stretched.SetTransparent(true);  // keyed by its own bottom-left pixel
    canvas.Draw(thumb.left, thumb.top, stretched);
}

void TkrvSkinTrackBar::DrawTicks(TCanvas& canvas, const RECT& f, const std::function<int(int)>& place, TColor color)
{
    auto& bar = static_cast<TTrackBar&>(*FControl);
    if (bar.TickStyle() == tsNone)
        return;
    bool before = bar.TickMarks() != tmBottomRight;  // left or top side
    bool after = bar.TickMarks() != tmTopLeft;       // right or bottom side
    bool vertical = Vertical();
    canvas.Pen()->SetColor(color);
    auto tick = [&](int p) {
        if (vertical) {
            if (before) {
                canvas.MoveTo(f.left, p);
                canvas.LineTo(f.left - 3, p);
            }
            if (after) {
                canvas.MoveTo(f.right + 3, p);
                canvas.LineTo(f.right, p);
            }
        } else {
            if (before) {
                canvas.MoveTo(p, f.top - 3);
                canvas.LineTo(p, f.top);
            }
            if (after) {
                canvas.MoveTo(p, f.bottom);
                canvas.LineTo(p, f.bottom + 3);
            }
        }
    };
    // Each interior tick where its value lies along the channel, as the control itself places them:
    // the control's own pixel positions are not to be trusted for a vertical bar everywhere.
    HWND window = bar.WindowHandle();
    int count = static_cast<int>(::SendMessageW(window, TBM_GETNUMTICS, 0, 0));
    for (int i = 0; i <= count - 3; ++i) {
        int value = static_cast<int>(::SendMessageW(window, TBM_GETTIC, static_cast<WPARAM>(i), 0));
        tick(place(value));
    }
    tick(vertical ? f.top + 8 : f.left + 8);
    tick(vertical ? f.bottom - 8 : f.right - 8);
}

void TkrvSkinTrackBar::Paint()
{
    auto& bar = static_cast<TTrackBar&>(*FControl);
    if (!FTrackImage || !bar.HandleAllocated())
        return;
    HWND window = bar.WindowHandle();
    SIZE size = ClientSize(window);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    TBitmap picture(size.cx, size.cy, pf24bit);
    TCanvas& canvas = *picture.Canvas();
    FillRectColor(canvas.Handle(), {0, 0, size.cx, size.cy}, FEngine->GetColor(SKIN2_FORMCOLOR));
    RECT channel = ChannelRect();
    DrawChannel(canvas, channel);
    TColor tickColor = DrawSelection(canvas, channel);
    RECT thumb{};
    ::SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    DrawThumb(canvas, thumb);
    RECT frame = TrackBarFocusFrame(channel, thumb, Vertical());
    DrawTicks(
        canvas, frame, [&](int value) { return ValuePosition(channel, value); }, tickColor);
    if (::GetFocus() == window) {
        canvas.Brush()->SetStyle(bsSolid);
        ::DrawFocusRect(canvas.Handle(), &frame);
    }
    CopyToWindow(picture, window, WindowArea::Client);
}

// --- up-down ------------------------------------------------------------------------------------------

std::pair<RECT, RECT> UpDownHalves(int width, int height, bool vertical)
{
    if (vertical)
        return {RECT{0, 0, width, height / 2}, RECT{0, height / 2 + 1, width, height}};
    return {RECT{0, 0, width / 2, height}, RECT{width / 2 + 1, 0, width, height}};
}

int UpDownPressedPart(int x, int y, int width, int height, bool vertical)
{
    auto [first, second] = UpDownHalves(width, height, vertical);
    if (PointInRectInclusive(x, y, first))
        return -1;
    if (PointInRectInclusive(x, y, second))
        return 1;
    return 0;
}

POINT UpDownArrowOrigin(const RECT& half, bool vertical, bool second, bool held)
{
    int p = held ? 1 : 0;
    int w = half.right - half.left, h = half.bottom - half.top;
    if (vertical) {
        int x = half.left + (w - 6) / 2 + p, y = half.top + (h - 6) / 2 + 1 + p;
        return second ? POINT{x, y} : POINT{x + 3, y};  // the up arrow starts at its apex
    }
    int x = half.left + (w - 3) / 2 + p;
    return second ? POINT{x, half.top + (h - 6) / 2 + p} : POINT{x, half.top + h / 2 + p};
}

bool TkrvSkinUpDown::Vertical() const { return static_cast<TCustomUpDown&>(*FControl).Orientation() == udVertical; }

bool TkrvSkinUpDown::PreMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN: {
        SIZE size = ClientSize(GetHandle());
        FPressedPart =
            UpDownPressedPart(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam), size.cx, size.cy, Vertical());
        break;
    }
    case WM_LBUTTONUP:
        FPressedPart = 0;
        break;
    case WM_LBUTTONDBLCLK:
        Paint();
        break;
    default:
        break;
    }
    return true;
}

void TkrvSkinUpDown::Paint()
{
    auto* control = static_cast<TWinControl*>(FControl);
    if (!control->HandleAllocated())
        return;
    HWND window = control->WindowHandle();
    SIZE size = ClientSize(window);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    bool vertical = Vertical();
    TBitmap picture(size.cx, size.cy);
    TCanvas& canvas = *picture.Canvas();
    // The row (or column) between the two buttons belongs to neither.
    FillRectColor(canvas.Handle(), {0, 0, size.cx, size.cy}, FEngine->GetColor(SKIN2_FORMCOLOR));
    canvas.Pen()->SetColor(FEngine->GetColor(SKIN2_TOOLBARBORDERCOLOR));
    canvas.Brush()->SetStyle(bsSolid);
    auto [first, second] = UpDownHalves(size.cx, size.cy, vertical);
    const std::pair<RECT, int> halves[] = {{first, -1}, {second, 1}};
    bool enabled = IsEnabled();
    for (const auto& [half, part] : halves) {
        bool held = FPressedPart == part;
        canvas.Brush()->SetColor(FEngine->GetColor(held ? SKIN2_TOOLBARDOWNCOLOR : SKIN2_FORMCOLOR));
        canvas.Rectangle(half);
        POINT at = UpDownArrowOrigin(half, vertical, part == 1, held);
        ArrowDirection direction = vertical ? (part == 1 ? ArrowDirection::Down : ArrowDirection::Up)
                                            : (part == 1 ? ArrowDirection::Right : ArrowDirection::Left);
        DrawArrowGlyph(canvas.Handle(), direction, at.x, at.y, enabled);
    }
    CopyToWindow(picture, window, WindowArea::Client);
}

}  // namespace ov
