// TBrush: the colour and style of filled areas and of text backgrounds, and the HBRUSH made from
// them on first use.
#pragma once

#include <windows.h>

#include "framework/graphics/color.h"
#include "framework/core/component.h"
#include "framework/core/handle.h"
#include "framework/core/properties.h"

namespace ov {

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

OV_ENUM_TYPE(TBrushStyle, L"bsSolid", L"bsClear", L"bsHorizontal", L"bsVertical", L"bsFDiagonal", L"bsBDiagonal",
             L"bsCross", L"bsDiagCross")

// Default: white, solid. bsClear fills nothing and makes text backgrounds transparent. The handle
// belongs to the brush; a change drops it after OnChange has run (as TFont does).
class TBrush : public TPersistent {
    OV_CLASS(TBrush, TPersistent)

    TBrush() = default;
    explicit TBrush(TColor color) : color_(color) {}
    TBrush(const TBrush& other) : TPersistent(), color_(other.color_), style_(other.style_) {}
    TBrush& operator=(const TBrush& other);

    TColor Color() const noexcept { return color_; }
    // A colour other than clNone makes a clear brush solid again; clNone makes it clear.
    void SetColor(TColor value);
    TBrushStyle Style() const noexcept { return style_; }
    void SetStyle(TBrushStyle value);

    HBRUSH Handle() const;
    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

private:
    void HandleChanged();

    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    mutable UniqueBrush handle_;
};

}  // namespace ov
