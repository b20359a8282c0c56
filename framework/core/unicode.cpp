// Conversions between wide and 8-bit text through MultiByteToWideChar / WideCharToMultiByte.
#include "framework/core/unicode.h"

#include <windows.h>

namespace ov {

namespace {

std::string FromWide(std::wstring_view text, unsigned codePage)
{
    if (text.empty())
        return {};
    int length =
        ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                              nullptr);
    return result;
}

std::wstring ToWide(std::string_view text, unsigned codePage)
{
    if (text.empty())
        return {};
    int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

}  // namespace

std::string WideToUtf8(std::wstring_view text) { return FromWide(text, CP_UTF8); }
std::wstring Utf8ToWide(std::string_view text) { return ToWide(text, CP_UTF8); }
std::wstring AnsiToWide(std::string_view text, unsigned codePage) { return ToWide(text, codePage); }
std::string WideToAnsi(std::wstring_view text, unsigned codePage) { return FromWide(text, codePage); }

}  // namespace ov
