// Caption text helpers shared by the painters: replacing every occurrence of a text, removing
// accelerator marks, and shortening a caption with "..." to a width measured by the caller.
// Templates, so that 8-bit skin text and wide window text take the same path.
#pragma once

#include <string>
#include <string_view>

namespace ov {

// Replaces the first occurrence of `searched` again and again until none is left, so occurrences
// that a replacement creates are replaced too ("aaa", "aa" -> "a" gives "a"). A replacement that
// itself contains `searched` would never end that way; it is then replaced in one pass from left
// to right. An empty `searched` changes nothing.
template <typename Char>
std::basic_string<Char> ReplaceAll(std::basic_string_view<Char> text, std::basic_string_view<Char> searched,
                                   std::basic_string_view<Char> replacement)
{
    std::basic_string<Char> result(text);
    if (searched.empty())
        return result;
    const bool repeat = replacement.find(searched) == std::basic_string_view<Char>::npos;
    size_t from = 0;
    for (size_t at = result.find(searched); at != std::basic_string<Char>::npos; at = result.find(searched, from)) {
        result.replace(at, searched.size(), replacement);
        // Nothing before `at` matched; a new match must overlap the replacement, so it starts no
        // earlier than searched.size() - 1 characters before it.
        from = repeat ? (at + 1 > searched.size() ? at + 1 - searched.size() : 0) : at + replacement.size();
    }
    return result;
}

inline std::string ReplaceAll(std::string_view text, std::string_view searched, std::string_view replacement)
{
    return ReplaceAll<char>(text, searched, replacement);
}
inline std::wstring ReplaceAll(std::wstring_view text, std::wstring_view searched, std::wstring_view replacement)
{
    return ReplaceAll<wchar_t>(text, searched, replacement);
}

// A menu or button caption without its "&" accelerator marks.
inline std::string StripAccelerators(std::string_view caption) { return ReplaceAll(caption, "&", ""); }
inline std::wstring StripAccelerators(std::wstring_view caption) { return ReplaceAll(caption, L"&", L""); }

// The text when it fits within `limit` (as measured by `width`); otherwise the shortest
// "first i characters" + "..." that is at least as wide as the limit, or the whole text when no
// shorter prefix gets there. Wide text is never cut between the two halves of a surrogate pair.
template <typename Char, typename WidthOf>
std::basic_string<Char> EllipsizeText(std::basic_string_view<Char> text, int limit, WidthOf&& width)
{
    std::basic_string<Char> result(text);
    if (width(std::basic_string_view<Char>(result)) <= limit)
        return result;
    constexpr Char kDots[] = {'.', '.', '.', 0};
    for (size_t i = 1; i < text.size(); ++i) {
        if constexpr (sizeof(Char) == 2) {
            if (text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF)
                continue;
        }
        result.assign(text.substr(0, i)).append(kDots);
        if (width(std::basic_string_view<Char>(result)) >= limit)
            return result;
    }
    return std::basic_string<Char>(text);
}

}  // namespace ov
