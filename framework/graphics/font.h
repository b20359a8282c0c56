// TFont: a font description (name, height, charset, colour, style, pitch) and the HFONT made from
// it on first use.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/graphics/color.h"
#include "framework/core/component.h"
#include "framework/core/handle.h"
#include "framework/core/properties.h"
#include "framework/core/set.h"

namespace ov {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = std::uint8_t;  // ANSI_CHARSET, DEFAULT_CHARSET, GB2312_CHARSET ...

OV_ENUM_TYPE(TFontStyle, L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut")
OV_SET_TYPE(TFontStyles)
OV_ENUM_TYPE(TFontPitch, L"fpDefault", L"fpVariable", L"fpFixed")

// The pitch in the low two bits of a LOGFONT's lfPitchAndFamily (or a CHARFORMAT's
// bPitchAndFamily), and the same byte with the pitch replaced; the family bits are kept.
TFontPitch PitchOfPitchAndFamily(BYTE pitchAndFamily) noexcept;
BYTE WithPitch(BYTE pitchAndFamily, TFontPitch pitch) noexcept;

// The type of Charset properties: a byte with the Windows charset names (GB2312_CHARSET = 134).
const TTypeInfo& FontCharsetType();

// The screen's logical pixels per inch (LOGPIXELSY), read once.
int ScreenPixelsPerInch();

// A font is kept as a LOGFONTW plus a colour, so that a font taken from a handle (the system's
// caption or menu font) keeps everything its description holds, weight and quality included. The
// properties read and change that description. Height is in pixels (negative: character height
// without internal leading, as layouts store it); Size is in points at PixelsPerInch.
//
// The HFONT is created on the first Handle() call and belongs to the font. A change of any
// property except Color drops it (a new one is made on the next call); the old handle is deleted
// only after OnChange has run, so a holder that selected it into a DC can select another one from
// its OnChange handler (TCanvas does). Every change fires OnChange.
//
// Default: "MS Sans Serif", 8 points, DEFAULT_CHARSET, clWindowText, no style, fpDefault.
class TFont : public TPersistent {
    OV_CLASS(TFont, TPersistent)

    TFont();
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);
    ~TFont() override;

    std::wstring Name() const { return logFont_.lfFaceName; }
    void SetName(const std::wstring& value);
    int Height() const noexcept { return logFont_.lfHeight; }
    void SetHeight(int value);
    int Size() const noexcept;
    void SetSize(int value);
    TFontCharset Charset() const noexcept { return logFont_.lfCharSet; }
    void SetCharset(TFontCharset value);
    TColor Color() const noexcept { return color_; }
    void SetColor(TColor value);
    TFontStyles Style() const noexcept;
    void SetStyle(TFontStyles value);
    TFontPitch Pitch() const noexcept;
    void SetPitch(TFontPitch value);
    // The density Size converts with; the screen's by default.
    int PixelsPerInch() const noexcept { return pixelsPerInch_; }
    void SetPixelsPerInch(int value) noexcept { pixelsPerInch_ = value; }

    HFONT Handle() const;
    // Takes ownership of `font` and makes its description this font's (colour unchanged).
    void SetHandle(HFONT font);

    LOGFONTW LogFont() const noexcept { return logFont_; }
    void SetLogFont(const LOGFONTW& value);

    // Copies another TFont (description, colour, density); fires OnChange when something changed.
    void Assign(const TPersistent& source) override;
    bool SameAs(const TFont& other) const noexcept;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    void DescriptionChanged();

    LOGFONTW logFont_{};
    TColor color_ = clWindowText;
    int pixelsPerInch_ = 96;
    mutable UniqueFont handle_;
};

// The height of one line of the font on the screen (tmHeight): what a one-line control or a row
// of tabs is sized by.
int ScreenLineHeight(const TFont& font);

}  // namespace ov
