// Text widths, ellipsis and the non-client fonts.
#include "skin/data/skin_text_win.h"

#include <cstddef>

#include "skin/data/text_ops.h"

namespace ov {

int TextWidth(HDC dc, std::string_view text)
{
    SIZE size{};
    return ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size) ? size.cx : 0;
}

int TextWidthW(HDC dc, std::wstring_view text)
{
    SIZE size{};
    return ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size) ? size.cx : 0;
}

std::string EllipsizeText(HDC dc, std::string_view text, int limit)
{
    return EllipsizeText<char>(text, limit, [dc](std::string_view t) { return TextWidth(dc, t); });
}

std::wstring EllipsizeTextW(HDC dc, std::wstring_view text, int limit)
{
    return EllipsizeText<wchar_t>(text, limit, [dc](std::wstring_view t) { return TextWidthW(dc, t); });
}

int TextWidthW(TCanvas& canvas, std::wstring_view text)
{
    canvas.RequireFont();
    return TextWidthW(canvas.Handle(), text);
}

std::string EllipsizeText(TCanvas& canvas, std::string_view text, int limit)
{
    canvas.RequireFont();
    return EllipsizeText(canvas.Handle(), text, limit);
}

std::wstring EllipsizeTextW(TCanvas& canvas, std::wstring_view text, int limit)
{
    canvas.RequireFont();
    return EllipsizeTextW(canvas.Handle(), text, limit);
}

namespace {

std::optional<NONCLIENTMETRICSW> NonClientMetrics()
{
    // The record without the padded border field that Vista added: every Windows version accepts
    // this size, while the full size fails on the older ones.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return std::nullopt;
    return metrics;
}

}  // namespace

std::optional<LOGFONTW> CaptionLogFont()
{
    const auto metrics = NonClientMetrics();
    return metrics ? std::optional(metrics->lfCaptionFont) : std::nullopt;
}

std::optional<LOGFONTW> MenuLogFont()
{
    const auto metrics = NonClientMetrics();
    return metrics ? std::optional(metrics->lfMenuFont) : std::nullopt;
}

void SetCaptionFont(TFont& font)
{
    if (const auto logFont = CaptionLogFont())
        font.SetHandle(::CreateFontIndirectW(&*logFont));
}

void SetMenuFont(TFont& font)
{
    if (const auto logFont = MenuLogFont())
        font.SetHandle(::CreateFontIndirectW(&*logFont));
    font.SetColor(clMenuText);
}

}  // namespace ov
