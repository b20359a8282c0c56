// TColor: system colour resolution and the colour names of layouts.
#include "framework/graphics/color.h"

#include "framework/core/class_info.h"

#include <array>

namespace ov {

namespace {

struct NamedColor {
    TColor color;
    const wchar_t* name;
};

// Names in lookup order; where two names share a value (clSilver/clLtGray), the first wins when
// naming a colour.
constexpr std::array kNamedColors{
    NamedColor{clBlack, L"clBlack"},
    NamedColor{clMaroon, L"clMaroon"},
    NamedColor{clGreen, L"clGreen"},
    NamedColor{clOlive, L"clOlive"},
    NamedColor{clNavy, L"clNavy"},
    NamedColor{clPurple, L"clPurple"},
    NamedColor{clTeal, L"clTeal"},
    NamedColor{clGray, L"clGray"},
    NamedColor{clSilver, L"clSilver"},
    NamedColor{clRed, L"clRed"},
    NamedColor{clLime, L"clLime"},
    NamedColor{clYellow, L"clYellow"},
    NamedColor{clBlue, L"clBlue"},
    NamedColor{clFuchsia, L"clFuchsia"},
    NamedColor{clAqua, L"clAqua"},
    NamedColor{clWhite, L"clWhite"},
    NamedColor{clLtGray, L"clLtGray"},
    NamedColor{clDkGray, L"clDkGray"},
    NamedColor{clMoneyGreen, L"clMoneyGreen"},
    NamedColor{clSkyBlue, L"clSkyBlue"},
    NamedColor{clCream, L"clCream"},
    NamedColor{clMedGray, L"clMedGray"},
    NamedColor{clNone, L"clNone"},
    NamedColor{clDefault, L"clDefault"},
    NamedColor{clScrollBar, L"clScrollBar"},
    NamedColor{clBackground, L"clBackground"},
    NamedColor{clActiveCaption, L"clActiveCaption"},
    NamedColor{clInactiveCaption, L"clInactiveCaption"},
    NamedColor{clMenu, L"clMenu"},
    NamedColor{clWindow, L"clWindow"},
    NamedColor{clWindowFrame, L"clWindowFrame"},
    NamedColor{clMenuText, L"clMenuText"},
    NamedColor{clWindowText, L"clWindowText"},
    NamedColor{clCaptionText, L"clCaptionText"},
    NamedColor{clActiveBorder, L"clActiveBorder"},
    NamedColor{clInactiveBorder, L"clInactiveBorder"},
    NamedColor{clAppWorkSpace, L"clAppWorkSpace"},
    NamedColor{clHighlight, L"clHighlight"},
    NamedColor{clHighlightText, L"clHighlightText"},
    NamedColor{clBtnFace, L"clBtnFace"},
    NamedColor{clBtnShadow, L"clBtnShadow"},
    NamedColor{clGrayText, L"clGrayText"},
    NamedColor{clBtnText, L"clBtnText"},
    NamedColor{clInactiveCaptionText, L"clInactiveCaptionText"},
    NamedColor{clBtnHighlight, L"clBtnHighlight"},
    NamedColor{cl3DDkShadow, L"cl3DDkShadow"},
    NamedColor{cl3DLight, L"cl3DLight"},
    NamedColor{clInfoText, L"clInfoText"},
    NamedColor{clInfoBk, L"clInfoBk"},
    NamedColor{clHotLight, L"clHotLight"},
    NamedColor{clGradientActiveCaption, L"clGradientActiveCaption"},
    NamedColor{clGradientInactiveCaption, L"clGradientInactiveCaption"},
    NamedColor{clMenuHighlight, L"clMenuHighlight"},
    NamedColor{clMenuBar, L"clMenuBar"},
};

}  // namespace

COLORREF ColorToRGB(TColor color)
{
    if (IsSystemColor(color))
        return ::GetSysColor(static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF));
    return static_cast<COLORREF>(color);
}

std::optional<TColor> IdentToColor(std::wstring_view ident)
{
    for (const auto& named : kNamedColors)
        if (SameIdent(ident, named.name))
            return named.color;
    return std::nullopt;
}

std::optional<std::wstring> ColorToIdent(TColor color)
{
    for (const auto& named : kNamedColors)
        if (named.color == color)
            return std::wstring(named.name);
    return std::nullopt;
}

const TTypeInfo& ColorType()
{
    static const TTypeInfo info = [] {
        TTypeInfo t;
        t.Kind = TTypeKind::Integer;
        t.Name = L"TColor";
        t.IdentToInt = [](std::wstring_view ident) -> std::optional<std::int64_t> {
            if (auto color = IdentToColor(ident))
                return *color;
            return std::nullopt;
        };
        t.IntToIdent = [](std::int64_t value) { return ColorToIdent(static_cast<TColor>(value)); };
        return t;
    }();
    return info;
}

}  // namespace ov
