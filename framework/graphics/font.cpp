// TFont: the description held as a LOGFONTW, the lazily made HFONT, and the published properties.
#include "framework/graphics/font.h"

#include <cwchar>
#include <utility>

namespace ov {

namespace {

struct NamedCharset {
    int value;
    const wchar_t* name;
};

constexpr NamedCharset kCharsets[] = {
    {ANSI_CHARSET, L"ANSI_CHARSET"},
    {DEFAULT_CHARSET, L"DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, L"SYMBOL_CHARSET"},
    {MAC_CHARSET, L"MAC_CHARSET"},
    {SHIFTJIS_CHARSET, L"SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, L"HANGEUL_CHARSET"},
    {JOHAB_CHARSET, L"JOHAB_CHARSET"},
    {GB2312_CHARSET, L"GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, L"CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, L"GREEK_CHARSET"},
    {TURKISH_CHARSET, L"TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, L"VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, L"HEBREW_CHARSET"},
    {ARABIC_CHARSET, L"ARABIC_CHARSET"},
    {BALTIC_CHARSET, L"BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, L"RUSSIAN_CHARSET"},
    {THAI_CHARSET, L"THAI_CHARSET"},
    {EASTEUROPE_CHARSET, L"EASTEUROPE_CHARSET"},
    {OEM_CHARSET, L"OEM_CHARSET"},
};

LOGFONTW DefaultLogFont(int pixelsPerInch)
{
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(8, pixelsPerInch, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::wcsncpy(lf.lfFaceName, L"MS Sans Serif", LF_FACESIZE - 1);
    return lf;
}

bool SameLogFont(const LOGFONTW& a, const LOGFONTW& b)
{
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
           a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
           std::wcsncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

}  // namespace

const TTypeInfo& FontCharsetType()
{
    static const TTypeInfo info = [] {
        TTypeInfo t;
        t.Kind = TTypeKind::Integer;
        t.Name = L"TFontCharset";
        t.IdentToInt = [](std::wstring_view ident) -> std::optional<std::int64_t> {
            for (const auto& c : kCharsets)
                if (SameIdent(ident, c.name))
                    return c.value;
            return std::nullopt;
        };
        t.IntToIdent = [](std::int64_t value) -> std::optional<std::wstring> {
            for (const auto& c : kCharsets)
                if (c.value == value)
                    return std::wstring(c.name);
            return std::nullopt;
        };
        return t;
    }();
    return info;
}

int ScreenPixelsPerInch()
{
    static const int ppi = [] {
        UniqueWindowDC screen = GetWindowDCOwned(nullptr);
        int value = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
        return value > 0 ? value : 96;
    }();
    return ppi;
}

TFontPitch PitchOfPitchAndFamily(BYTE pitchAndFamily) noexcept
{
    switch (pitchAndFamily & 0x3) {
    case VARIABLE_PITCH:
        return fpVariable;
    case FIXED_PITCH:
        return fpFixed;
    default:
        return fpDefault;
    }
}

BYTE WithPitch(BYTE pitchAndFamily, TFontPitch pitch) noexcept
{
    BYTE bits = pitch == fpVariable ? VARIABLE_PITCH : pitch == fpFixed ? FIXED_PITCH : DEFAULT_PITCH;
    return static_cast<BYTE>((pitchAndFamily & ~0x3) | bits);
}

int ScreenLineHeight(const TFont& font)
{
    TEXTMETRICW metrics{};
    UniqueWindowDC screen = GetWindowDCOwned(nullptr);
    ScopedSelect selected(screen.get(), font.Handle());
    GetTextMetricsW(screen.get(), &metrics);
    return metrics.tmHeight;
}

const TClassInfo& TFont::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TFont>(L"TFont", TPersistent::StaticClass())
            .Property(
                L"Charset", FontCharsetType(), [](TFont* f) { return static_cast<int>(f->Charset()); },
                [](TFont* f, int v) { f->SetCharset(static_cast<TFontCharset>(v)); })
            .Property(L"Color", ColorType(), &TFont::Color, &TFont::SetColor)
            .Property(L"Height", &TFont::Height, &TFont::SetHeight)
            .Property(L"Name", &TFont::Name, &TFont::SetName)
            .Property(L"Pitch", &TFont::Pitch, &TFont::SetPitch)
            .Property(L"Size", &TFont::Size, &TFont::SetSize)
            .Property(L"Style", &TFont::Style, &TFont::SetStyle)
            .Build();
    return info;
}

TFont::TFont() : logFont_(DefaultLogFont(ScreenPixelsPerInch())), pixelsPerInch_(ScreenPixelsPerInch()) {}

TFont::TFont(const TFont& other)
    : TPersistent(), logFont_(other.logFont_), color_(other.color_), pixelsPerInch_(other.pixelsPerInch_)
{
}

TFont& TFont::operator=(const TFont& other)
{
    Assign(other);
    return *this;
}

TFont::~TFont() = default;

void TFont::SetName(const std::wstring& value)
{
    if (value == Name())
        return;
    std::wmemset(logFont_.lfFaceName, 0, LF_FACESIZE);
    std::wcsncpy(logFont_.lfFaceName, value.c_str(), LF_FACESIZE - 1);
    DescriptionChanged();
}

void TFont::SetHeight(int value)
{
    if (value == logFont_.lfHeight)
        return;
    logFont_.lfHeight = value;
    DescriptionChanged();
}

int TFont::Size() const noexcept { return -::MulDiv(logFont_.lfHeight, 72, pixelsPerInch_); }

void TFont::SetSize(int value) { SetHeight(-::MulDiv(value, pixelsPerInch_, 72)); }

void TFont::SetCharset(TFontCharset value)
{
    if (value == logFont_.lfCharSet)
        return;
    logFont_.lfCharSet = value;
    DescriptionChanged();
}

void TFont::SetColor(TColor value)
{
    if (value == color_)
        return;
    color_ = value;
    Changed();
}

TFontStyles TFont::Style() const noexcept
{
    TFontStyles style;
    style.Set(fsBold, logFont_.lfWeight >= FW_BOLD);
    style.Set(fsItalic, logFont_.lfItalic != 0);
    style.Set(fsUnderline, logFont_.lfUnderline != 0);
    style.Set(fsStrikeOut, logFont_.lfStrikeOut != 0);
    return style;
}

void TFont::SetStyle(TFontStyles value)
{
    if (value == Style())
        return;
    // Only a change of boldness touches the weight, so a semi-bold system font stays semi-bold.
    if (value.Contains(fsBold) != Style().Contains(fsBold))
        logFont_.lfWeight = value.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    logFont_.lfItalic = value.Contains(fsItalic);
    logFont_.lfUnderline = value.Contains(fsUnderline);
    logFont_.lfStrikeOut = value.Contains(fsStrikeOut);
    DescriptionChanged();
}

TFontPitch TFont::Pitch() const noexcept { return PitchOfPitchAndFamily(logFont_.lfPitchAndFamily); }

void TFont::SetPitch(TFontPitch value)
{
    if (value == Pitch())
        return;
    logFont_.lfPitchAndFamily = WithPitch(logFont_.lfPitchAndFamily, value);
    DescriptionChanged();
}

HFONT TFont::Handle() const
{
    if (!handle_)
        handle_.reset(::CreateFontIndirectW(&logFont_));
    return handle_.get();
}

void TFont::SetHandle(HFONT font)
{
    LOGFONTW lf{};
    if (!font || ::GetObjectW(font, sizeof(lf), &lf) != sizeof(lf)) {
        if (font)
            ::DeleteObject(font);
        return;
    }
    logFont_ = lf;
    UniqueFont old = std::exchange(handle_, UniqueFont(font));
    Changed();
}

void TFont::SetLogFont(const LOGFONTW& value)
{
    if (SameLogFont(value, logFont_))
        return;
    logFont_ = value;
    DescriptionChanged();
}

void TFont::Assign(const TPersistent& source)
{
    auto font = dynamic_cast<const TFont*>(&source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    if (font == this || SameAs(*font))
        return;
    pixelsPerInch_ = font->pixelsPerInch_;
    color_ = font->color_;
    if (SameLogFont(logFont_, font->logFont_)) {
        Changed();
        return;
    }
    logFont_ = font->logFont_;
    DescriptionChanged();
}

bool TFont::SameAs(const TFont& other) const noexcept
{
    return color_ == other.color_ && pixelsPerInch_ == other.pixelsPerInch_ && SameLogFont(logFont_, other.logFont_);
}

// The old handle outlives the notification, so that a canvas holding it selected can select
// something else before it is deleted (a selected font cannot be deleted).
void TFont::DescriptionChanged()
{
    UniqueFont old = std::move(handle_);
    Changed();
}

void TFont::Changed() { OnChange.Fire(this); }

}  // namespace ov
