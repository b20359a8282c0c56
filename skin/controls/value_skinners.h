// Value controls painted wholly from the skin, each picture built off-screen and copied once:
// TkrvSkinProgressBar (caps, filled and empty pieces), TkrvSkinTrackBar (channel image, selection,
// ticks and slider image) and TkrvSkinUpDown (two framed halves with arrows). TkrvSkinUpDown also
// paints the up-down the date picker skinner lays over a picker's own spin buttons.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "skin/engine/skin_control.h"

namespace ov {

// Where the four pieces of a progress bar go in a bar of `width` x `height`. A horizontal bar
// fills from the left, a vertical one from the bottom; `firstWidth` and `lastWidth` are the
// lengths of the start and end caps along the bar.
struct TkrvProgressLayout {
    RECT startCap;
    RECT filled;
    RECT empty;
    RECT endCap;
};
TkrvProgressLayout ProgressBarLayout(int width, int height, int min, int max, int position, bool vertical,
                                     int firstWidth, int lastWidth);

class TkrvSkinProgressBar : public TkrvSkinControlVCL {
public:
    TkrvSkinProgressBar(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    bool PreMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;
};

// Where along the channel (from `channelStart` to `channelEnd`) a track bar centres its thumb for
// `value`: the thumb's centre travels the channel less one thumb length.
int TrackBarValuePosition(int channelStart, int channelEnd, int thumbLength, int min, int max, int value);

// The focus frame of a track bar: across the bar 2 pixels beyond the thumb, along it 4 pixels
// beyond both ends of the channel. Ticks stand just outside it.
RECT TrackBarFocusFrame(const RECT& channel, const RECT& thumb, bool vertical);

class TkrvSkinTrackBar : public TkrvSkinControlVCL {
public:
    TkrvSkinTrackBar(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    void Update() override;
    void Detach() override;
    bool PreMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void Paint() override;

    [[nodiscard]] const TBitmap* TrackImage() const noexcept { return FTrackImage.get(); }

private:
    [[nodiscard]] bool Vertical() const;
    [[nodiscard]] RECT ChannelRect() const;
    void DrawChannel(TCanvas& canvas, const RECT& channel);
    // The selection's two lines; the colour they were drawn in (the ticks take it too), or black.
    TColor DrawSelection(TCanvas& canvas, const RECT& channel);
    void DrawThumb(TCanvas& canvas, const RECT& thumb);
    // `place` gives a value's position along the bar.
    void DrawTicks(TCanvas& canvas, const RECT& frame, const std::function<int(int)>& place, TColor color);
    // Where the control centres its thumb for `value`, along the bar.
    [[nodiscard]] int ValuePosition(const RECT& channel, int value) const;

    std::unique_ptr<TBitmap> FTrackImage;
};

// The two buttons of an up-down of `width` x `height`: up (or left) first, down (or right) second.
std::pair<RECT, RECT> UpDownHalves(int width, int height, bool vertical);
// Which button a press at (x, y) holds: -1 the first, 1 the second, 0 none. Right and bottom edges
// count as inside, so the middle row belongs to the first half.
int UpDownPressedPart(int x, int y, int width, int height, bool vertical);
// The first corner of a button's arrow glyph (see DrawArrowGlyph), one pixel right and down while
// the button is held.
POINT UpDownArrowOrigin(const RECT& half, bool vertical, bool second, bool held);

class TkrvSkinUpDown : public TkrvSkinControlVCL {
public:
    TkrvSkinUpDown(TControl* control, TkrvSkinWindow* owner) : TkrvSkinControlVCL(control, owner) {}

    bool PreMessage(TMessage& message) override;
    void Paint() override;

    [[nodiscard]] int PressedPart() const noexcept { return FPressedPart; }

private:
    [[nodiscard]] bool Vertical() const;

    int FPressedPart = 0;
};

}  // namespace ov
