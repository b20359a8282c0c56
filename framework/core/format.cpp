// Format: walks the format text once, writing literal text and one argument per placeholder.
#include "framework/core/format.h"

#include "framework/core/unicode.h"

#include <cwchar>

namespace ov {

FormatArg::FormatArg(std::string_view utf8) : value_(Utf8ToWide(utf8)) {}

namespace {

std::wstring NumberText(std::int64_t number, wchar_t conversion)
{
    wchar_t buffer[32];
    switch (conversion) {
    case L'u':
        std::swprintf(buffer, 32, L"%llu", static_cast<unsigned long long>(number));
        break;
    case L'x':
        std::swprintf(buffer, 32, L"%llx", static_cast<unsigned long long>(number));
        break;
    case L'X':
        std::swprintf(buffer, 32, L"%llX", static_cast<unsigned long long>(number));
        break;
    default:
        std::swprintf(buffer, 32, L"%lld", static_cast<long long>(number));
        break;
    }
    return buffer;
}

std::wstring ArgText(const FormatArg& arg, wchar_t conversion)
{
    if (const auto* text = std::get_if<std::wstring>(&arg.Value()))
        return *text;
    return NumberText(std::get<std::int64_t>(arg.Value()), conversion);
}

bool IsConversion(wchar_t c) { return c == L's' || c == L'd' || c == L'u' || c == L'x' || c == L'X'; }

}  // namespace

std::wstring Format(std::wstring_view format, std::initializer_list<FormatArg> args)
{
    std::wstring result;
    result.reserve(format.size() + 16);
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        wchar_t c = format[i];
        if (c != L'%' || i + 1 == format.size()) {
            result += c;
            continue;
        }
        wchar_t conversion = format[i + 1];
        if (conversion == L'%') {
            result += L'%';
            ++i;
        } else if (IsConversion(conversion) && next != args.end()) {
            result += ArgText(*next++, conversion);
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace ov
