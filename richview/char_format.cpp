// Character formats from fonts.
#include "richview/char_format.h"

#include <algorithm>

namespace ov {

CHARFORMAT2W CharFormatFromFont(const TFont& font)
{
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_COLOR | CFM_FACE |
                    CFM_CHARSET | CFM_WEIGHT;
    TFontStyles style = font.Style();
    if (style.Contains(fsBold))
        format.dwEffects |= CFE_BOLD;
    if (style.Contains(fsItalic))
        format.dwEffects |= CFE_ITALIC;
    if (style.Contains(fsUnderline))
        format.dwEffects |= CFE_UNDERLINE;
    if (style.Contains(fsStrikeOut))
        format.dwEffects |= CFE_STRIKEOUT;
    format.yHeight = font.Size() * 20;
    if (font.Color() == clWindowText || font.Color() == clDefault)
        format.dwEffects |= CFE_AUTOCOLOR;
    else
        format.crTextColor = ColorToRGB(font.Color());
    LOGFONTW logFont = font.LogFont();
    format.wWeight = static_cast<WORD>(logFont.lfWeight ? logFont.lfWeight : FW_NORMAL);
    switch (font.Pitch()) {
    case fpVariable:
        format.bPitchAndFamily = VARIABLE_PITCH;
        break;
    case fpFixed:
        format.bPitchAndFamily = FIXED_PITCH;
        break;
    default:
        format.bPitchAndFamily = DEFAULT_PITCH;
        break;
    }
    std::wstring name = font.Name();
    size_t length = std::min(name.size(), std::size(format.szFaceName) - 1);
    std::copy_n(name.c_str(), length, format.szFaceName);
    format.szFaceName[length] = L'\0';
    format.bCharSet = font.Charset();
    return format;
}

void SetDefaultCharFormat(HWND window, const TFont& font)
{
    CHARFORMAT2W format = CharFormatFromFont(font);
    ::SendMessageW(window, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

}  // namespace ov
