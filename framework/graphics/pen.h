// TPen: the colour, width, style and raster mode of lines, and the HPEN made from them on first use.
#pragma once

#include <windows.h>

#include "framework/graphics/color.h"
#include "framework/core/component.h"
#include "framework/core/handle.h"
#include "framework/core/properties.h"

namespace ov {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// The binary raster operations of SetROP2, in the order of their R2_ values minus one.
enum TPenMode {
    pmBlack,
    pmNotMerge,
    pmMaskNotPen,
    pmNotCopy,
    pmMaskPenNot,
    pmNot,
    pmXor,
    pmNotMask,
    pmMask,
    pmNotXor,
    pmNop,
    pmMergeNotPen,
    pmCopy,
    pmMergePenNot,
    pmMerge,
    pmWhite,
};

OV_ENUM_TYPE(TPenStyle, L"psSolid", L"psDash", L"psDot", L"psDashDot", L"psDashDotDot", L"psClear", L"psInsideFrame")
OV_ENUM_TYPE(TPenMode, L"pmBlack", L"pmNotMerge", L"pmMaskNotPen", L"pmNotCopy", L"pmMaskPenNot", L"pmNot", L"pmXor",
             L"pmNotMask", L"pmMask", L"pmNotXor", L"pmNop", L"pmMergeNotPen", L"pmCopy", L"pmMergePenNot", L"pmMerge",
             L"pmWhite")

// Default: black, 1 pixel, solid, pmCopy. The handle belongs to the pen; a change drops it after
// OnChange has run (as TFont does), and Mode is applied by the canvas, not part of the handle.
class TPen : public TPersistent {
    OV_CLASS(TPen, TPersistent)

    TPen() = default;
    TPen(const TPen& other)
        : TPersistent(), color_(other.color_), width_(other.width_), style_(other.style_), mode_(other.mode_)
    {
    }
    TPen& operator=(const TPen& other);

    TColor Color() const noexcept { return color_; }
    void SetColor(TColor value);
    int Width() const noexcept { return width_; }
    void SetWidth(int value);
    TPenStyle Style() const noexcept { return style_; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const noexcept { return mode_; }
    void SetMode(TPenMode value);
    int Rop2() const noexcept { return static_cast<int>(mode_) + R2_BLACK; }

    HPEN Handle() const;
    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

private:
    void HandleChanged();

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    mutable UniquePen handle_;
};

}  // namespace ov
