// TGraphic: what a canvas can draw as a picture (bitmaps, icons): a size, optional transparency,
// and drawing into a rectangle of a canvas.
#pragma once

#include <windows.h>

#include "framework/core/component.h"

namespace ov {

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
    OV_CLASS(TGraphic, TPersistent)

    [[nodiscard]] virtual int Width() const = 0;
    [[nodiscard]] virtual int Height() const = 0;
    [[nodiscard]] bool Empty() const { return Width() <= 0 || Height() <= 0; }

    [[nodiscard]] bool Transparent() const noexcept { return transparent_; }
    virtual void SetTransparent(bool value);

    virtual void LoadFromStream(TStream& stream) = 0;

    // Draws the whole picture stretched into rect of the canvas (TCanvas::Draw / StretchDraw).
    virtual void Draw(TCanvas& canvas, const RECT& rect) const = 0;

    TNotifyEvent OnChange;

protected:
    virtual void Changed() { OnChange.Fire(this); }

private:
    bool transparent_ = false;
};

}  // namespace ov
