// Character and paragraph formats of a view, through EM_GET/SETCHARFORMAT and EM_GET/SETPARAFORMAT.
#include "richview/rich_edit_attributes.h"

#include <algorithm>

#include "framework/core/properties.h"
#include "richview/char_format.h"
#include "richview/custom_rich_edit.h"
#include "richview/richedit_library.h"

namespace ov {

namespace {

// The flag each kind of text attributes reads and writes with.
WPARAM FlagOfType(int type, bool setting)
{
    switch (type) {
    case atSelected:
        return SCF_SELECTION;
    case atWord:
        return setting ? (SCF_SELECTION | SCF_WORD) : SCF_SELECTION;
    default:
        return SCF_DEFAULT;
    }
}

constexpr int kTwipsPerPoint = 20;

}  // namespace

const TClassInfo& TOvTextAttributes::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TOvTextAttributes>(L"TOvTextAttributes", TPersistent::StaticClass()).Build();
    return info;
}

const TClassInfo& TOvParaAttributes::StaticClass()
{
    static const TClassInfo& info =
        TClassBuilder<TOvParaAttributes>(L"TOvParaAttributes", TPersistent::StaticClass()).Build();
    return info;
}

// --- character format -----------------------------------------------------------------------------

CHARFORMAT2W TOvTextAttributes::Get() const
{
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    ::SendMessageW(view_.Handle(), EM_GETCHARFORMAT, FlagOfType(type_, false), reinterpret_cast<LPARAM>(&format));
    return format;
}

void TOvTextAttributes::Set(CHARFORMAT2W format, DWORD mask)
{
    format.cbSize = sizeof(format);
    format.dwMask = mask;
    ::SendMessageW(view_.Handle(), EM_SETCHARFORMAT, FlagOfType(type_, true), reinterpret_cast<LPARAM>(&format));
}

std::wstring TOvTextAttributes::Name() const { return Get().szFaceName; }

void TOvTextAttributes::SetName(const std::wstring& value)
{
    CHARFORMAT2W format{};
    size_t length = std::min(value.size(), std::size(format.szFaceName) - 1);
    std::copy_n(value.c_str(), length, format.szFaceName);
    Set(format, CFM_FACE);
}

int TOvTextAttributes::Size() const { return Get().yHeight / kTwipsPerPoint; }

void TOvTextAttributes::SetSize(int value)
{
    CHARFORMAT2W format{};
    format.yHeight = value * kTwipsPerPoint;
    Set(format, CFM_SIZE);
}

int TOvTextAttributes::Height() const { return ::MulDiv(Size(), ScreenPixelsPerInch(), 72); }

void TOvTextAttributes::SetHeight(int value) { SetSize(::MulDiv(value, 72, ScreenPixelsPerInch())); }

TColor TOvTextAttributes::Color() const
{
    CHARFORMAT2W format = Get();
    return (format.dwEffects & CFE_AUTOCOLOR) ? clWindowText : static_cast<TColor>(format.crTextColor);
}

void TOvTextAttributes::SetColor(TColor value)
{
    CHARFORMAT2W format{};
    if (value == clWindowText || value == clDefault)
        format.dwEffects = CFE_AUTOCOLOR;
    else
        format.crTextColor = ColorToRGB(value);
    Set(format, CFM_COLOR);
}

TFontStyles TOvTextAttributes::Style() const
{
    CHARFORMAT2W format = Get();
    TFontStyles style;
    style.Set(fsBold, format.dwEffects & CFE_BOLD);
    style.Set(fsItalic, format.dwEffects & CFE_ITALIC);
    style.Set(fsUnderline, format.dwEffects & CFE_UNDERLINE);
    style.Set(fsStrikeOut, format.dwEffects & CFE_STRIKEOUT);
    return style;
}

void TOvTextAttributes::SetStyle(TFontStyles value)
{
    CHARFORMAT2W format{};
    if (value.Contains(fsBold))
        format.dwEffects |= CFE_BOLD;
    if (value.Contains(fsItalic))
        format.dwEffects |= CFE_ITALIC;
    if (value.Contains(fsUnderline))
        format.dwEffects |= CFE_UNDERLINE;
    if (value.Contains(fsStrikeOut))
        format.dwEffects |= CFE_STRIKEOUT;
    Set(format, CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT);
}

TFontPitch TOvTextAttributes::Pitch() const { return PitchOfPitchAndFamily(Get().bPitchAndFamily); }

void TOvTextAttributes::SetPitch(TFontPitch value)
{
    CHARFORMAT2W format = Get();
    format.bPitchAndFamily = WithPitch(format.bPitchAndFamily, value);
    Set(format, CFM_FACE);
}

TFontCharset TOvTextAttributes::Charset() const { return Get().bCharSet; }

void TOvTextAttributes::SetCharset(TFontCharset value)
{
    CHARFORMAT2W format{};
    format.bCharSet = value;
    Set(format, CFM_CHARSET);
}

bool TOvTextAttributes::Protected() const { return (Get().dwEffects & CFE_PROTECTED) != 0; }

void TOvTextAttributes::SetProtected(bool value)
{
    CHARFORMAT2W format{};
    format.dwEffects = value ? CFE_PROTECTED : 0;
    Set(format, CFM_PROTECTED);
}

DWORD TOvTextAttributes::ConsistentAttributes() const { return Get().dwMask; }

void TOvTextAttributes::Assign(const TPersistent& source)
{
    if (auto font = dynamic_cast<const TFont*>(&source)) {
        CHARFORMAT2W format = CharFormatFromFont(*font);
        Set(format, format.dwMask);
        return;
    }
    if (auto other = dynamic_cast<const TOvTextAttributes*>(&source)) {
        CHARFORMAT2W format = other->Get();
        Set(format, format.dwMask);
        return;
    }
    TPersistent::Assign(source);
}

void TOvTextAttributes::AssignTo(TPersistent& dest) const
{
    if (auto font = dynamic_cast<TFont*>(&dest)) {
        font->SetName(Name());
        font->SetSize(Size());
        font->SetColor(Color());
        font->SetStyle(Style());
        font->SetCharset(Charset());
        font->SetPitch(Pitch());
        return;
    }
    TPersistent::AssignTo(dest);
}

// --- paragraph format -----------------------------------------------------------------------------

PARAFORMAT2 TOvParaAttributes::Get() const
{
    PARAFORMAT2 format{};
    format.cbSize = sizeof(format);
    ::SendMessageW(view_.Handle(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format;
}

void TOvParaAttributes::Set(PARAFORMAT2 format, DWORD mask)
{
    format.cbSize = sizeof(format);
    format.dwMask = mask;
    ::SendMessageW(view_.Handle(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
}

TParaAlignment TOvParaAttributes::Alignment() const
{
    switch (Get().wAlignment) {
    case PFA_RIGHT:
        return paraRightJustify;
    case PFA_CENTER:
        return paraCenter;
    case PFA_JUSTIFY:
        return paraJustify;
    default:
        return paraLeftJustify;
    }
}

// Justified paragraphs need the control's advanced typography.
void TOvParaAttributes::SetAlignment(TParaAlignment value)
{
    if (value == paraJustify && view_.AutoAdvancedTypography() && RichEditLevel() >= 3)
        view_.SetAdvancedTypography(true);
    static constexpr WORD kAlignments[] = {PFA_LEFT, PFA_RIGHT, PFA_CENTER, PFA_JUSTIFY};
    PARAFORMAT2 format{};
    format.wAlignment = kAlignments[value];
    Set(format, PFM_ALIGNMENT);
}

int TOvParaAttributes::FirstIndent() const { return Get().dxStartIndent / kTwipsPerPoint; }

void TOvParaAttributes::SetFirstIndent(int value)
{
    PARAFORMAT2 format{};
    format.dxStartIndent = value * kTwipsPerPoint;
    Set(format, PFM_STARTINDENT);
}

int TOvParaAttributes::LeftIndent() const { return Get().dxOffset / kTwipsPerPoint; }

void TOvParaAttributes::SetLeftIndent(int value)
{
    PARAFORMAT2 format{};
    format.dxOffset = value * kTwipsPerPoint;
    Set(format, PFM_OFFSET);
}

int TOvParaAttributes::RightIndent() const { return Get().dxRightIndent / kTwipsPerPoint; }

void TOvParaAttributes::SetRightIndent(int value)
{
    PARAFORMAT2 format{};
    format.dxRightIndent = value * kTwipsPerPoint;
    Set(format, PFM_RIGHTINDENT);
}

TNumberingStyle TOvParaAttributes::Numbering() const { return Get().wNumbering == PFN_BULLET ? nsBullet : nsNone; }

void TOvParaAttributes::SetNumbering(TNumberingStyle value)
{
    PARAFORMAT2 format{};
    format.wNumbering = value == nsBullet ? PFN_BULLET : 0;
    Set(format, PFM_NUMBERING);
}

int TOvParaAttributes::TabCount() const { return Get().cTabCount; }

int TOvParaAttributes::Tab(int index) const
{
    PARAFORMAT2 format = Get();
    if (index < 0 || index >= format.cTabCount)
        return 0;
    return (format.rgxTabs[index] & 0xFFFFFF) / kTwipsPerPoint;
}

void TOvParaAttributes::SetTab(int index, int value)
{
    PARAFORMAT2 format = Get();
    if (index < 0 || index >= MAX_TAB_STOPS)
        return;
    format.rgxTabs[index] = value * kTwipsPerPoint;
    format.cTabCount = static_cast<SHORT>(std::max<int>(format.cTabCount, index + 1));
    Set(format, PFM_TABSTOPS);
}

void TOvParaAttributes::SetTabCount(int value)
{
    PARAFORMAT2 format = Get();
    format.cTabCount = static_cast<SHORT>(std::clamp(value, 0, MAX_TAB_STOPS));
    Set(format, PFM_TABSTOPS);
}

bool TOvParaAttributes::RightToLeft() const { return (Get().wEffects & PFE_RTLPARA) != 0; }

void TOvParaAttributes::SetRightToLeft(bool value)
{
    PARAFORMAT2 format{};
    format.wEffects = value ? PFE_RTLPARA : 0;
    Set(format, PFM_RTLPARA);
}

void TOvParaAttributes::Assign(const TPersistent& source)
{
    if (auto other = dynamic_cast<const TOvParaAttributes*>(&source)) {
        PARAFORMAT2 format = other->Get();
        Set(format, format.dwMask);
        return;
    }
    TPersistent::Assign(source);
}

}  // namespace ov
