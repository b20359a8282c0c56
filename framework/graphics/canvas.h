// TCanvas: drawing on a device context with a Font, a Pen and a Brush that are selected on demand
// and deselected again, so that the DC is left as it was found.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

#include "framework/graphics/brush.h"
#include "framework/core/component.h"
#include "framework/graphics/font.h"
#include "framework/graphics/pen.h"

namespace ov {

class TBitmap;
class TGraphic;

// Raster operations of CopyRect (BitBlt's dwRop).
using TCopyMode = DWORD;
inline constexpr TCopyMode cmBlackness = BLACKNESS;
inline constexpr TCopyMode cmDstInvert = DSTINVERT;
inline constexpr TCopyMode cmMergeCopy = MERGECOPY;
inline constexpr TCopyMode cmMergePaint = MERGEPAINT;
inline constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
inline constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
inline constexpr TCopyMode cmPatCopy = PATCOPY;
inline constexpr TCopyMode cmPatInvert = PATINVERT;
inline constexpr TCopyMode cmPatPaint = PATPAINT;
inline constexpr TCopyMode cmSrcAnd = SRCAND;
inline constexpr TCopyMode cmSrcCopy = SRCCOPY;
inline constexpr TCopyMode cmSrcErase = SRCERASE;
inline constexpr TCopyMode cmSrcInvert = SRCINVERT;
inline constexpr TCopyMode cmSrcPaint = SRCPAINT;
inline constexpr TCopyMode cmWhiteness = WHITENESS;

// Lifetime of the DC. A canvas owns nothing it did not create. When a DC is attached (SetHandle,
// or CreateHandle of a derived canvas) its whole state is saved (SaveDC); when it is detached
// (SetHandle(other), SetHandle(nullptr), destruction) that state is restored (RestoreDC), which
// also deselects the canvas's font, pen and brush so that they can be deleted. So a canvas may
// wrap a DC borrowed from WM_PAINT or WM_ERASEBKGND for the length of a handler:
//
//     TCanvas canvas(paintStruct.hdc);   // borrowed: not deleted, state restored at scope end
//     canvas.Brush()->SetColor(clBtnFace);
//     canvas.FillRect(rect);
//
// Derived canvases that make their own DC (a bitmap's memory DC, a control's window DC) override
// CreateHandle to attach it on first use and free it after DetachHandle.
//
// Font, Pen and Brush are selected into the DC by the first operation that needs them; changing
// one of them deselects it, and the next operation selects the new handle. Text uses the font's
// colour and, unless the brush is clear, the brush colour as an opaque background.
class TCanvas : public TPersistent {
    OV_CLASS(TCanvas, TPersistent)

    TCanvas();
    explicit TCanvas(HDC dc);
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC, made by CreateHandle when none is attached (null for a plain canvas without one).
    HDC Handle();
    bool HandleAllocated() const noexcept { return dc_ != nullptr; }
    // Attaches a borrowed DC (null: detach only). The previous DC is restored and released.
    void SetHandle(HDC dc);

    TFont* Font() noexcept { return &font_; }
    TPen* Pen() noexcept { return &pen_; }
    TBrush* Brush() noexcept { return &brush_; }
    void SetFont(const TFont& value) { font_.Assign(value); }
    void SetPen(const TPen& value) { pen_.Assign(value); }
    void SetBrush(const TBrush& value) { brush_.Assign(value); }

    TCopyMode CopyMode() const noexcept { return copyMode_; }
    void SetCopyMode(TCopyMode value) noexcept { copyMode_ = value; }
    POINT PenPos();
    void SetPenPos(POINT value) { MoveTo(value.x, value.y); }
    RECT ClipRect();

    // Lines and shapes: outlines with the pen, insides with the brush; right and bottom exclusive.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const POINT> points);
    void Polygon(std::span<const POINT> points);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const RECT& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const RECT& rect) { Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
    void FillRect(const RECT& rect);   // brush only, no outline
    void FrameRect(const RECT& rect);  // one-pixel frame in the brush

    // Text in the font. TextOut leaves the pen position at the end of the text; TextRect clips to
    // rect (and fills it unless the brush is clear); DrawText is DrawTextW (DT_* flags), returns
    // the text height and with DT_CALCRECT updates rect.
    void TextOut(int x, int y, std::wstring_view text);
    void TextRect(const RECT& rect, int x, int y, std::wstring_view text);
    int DrawText(std::wstring_view text, RECT& rect, UINT format);
    SIZE TextExtent(std::wstring_view text);
    int TextWidth(std::wstring_view text) { return TextExtent(text).cx; }
    int TextHeight(std::wstring_view text) { return TextExtent(text).cy; }

    // Pictures: at their own size, or stretched into rect; transparency as the picture says.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const RECT& rect, const TGraphic& graphic);
    // Copies sourceRect of another canvas into rect (stretching when the sizes differ) with CopyMode.
    void CopyRect(const RECT& rect, TCanvas& source, const RECT& sourceRect);
    // The same from a bitmap's picture.
    void CopyRect(const RECT& rect, const TBitmap& source, const RECT& sourceRect);

    // One pixel through GDI (slow; TBitmap has direct access). -1 outside the DC's surface.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // Deselects font, pen and brush now (they are selected again by the next operation).
    void Refresh();

    // A stretch mode that suits colour pictures: COLORONCOLOR unless the DC already has one other
    // than the GDI default BLACKONWHITE (so HALFTONE chosen by a caller is kept).
    void PrepareStretch();

    // Selects what an operation needs; for callers that draw on Handle() with GDI directly.
    void RequireFont();
    void RequirePen();
    void RequireBrush();

protected:
    // Derived canvases attach a DC of their own here (SetHandle); the default attaches nothing.
    virtual void CreateHandle() {}
    // Restores and detaches the DC and gives it back, for a derived canvas to release.
    HDC DetachHandle();

private:
    void FontChanged(TObject* sender);
    void PenChanged(TObject* sender);
    void BrushChanged(TObject* sender);
    void Deselect(bool& selected, int stockObject);
    void CopyRectFrom(const RECT& rect, HDC source, const RECT& sourceRect);

    HDC dc_ = nullptr;
    int savedState_ = 0;
    bool fontSelected_ = false;
    bool penSelected_ = false;
    bool brushSelected_ = false;
    POINT penPos_{};  // kept while no DC is attached
    TCopyMode copyMode_ = cmSrcCopy;
    TFont font_;
    TPen pen_;
    TBrush brush_;
};

}  // namespace ov
