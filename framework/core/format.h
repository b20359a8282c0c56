// Format: printf-like message texts ("Resource %s not found") with typed arguments, so that a
// wrong argument type cannot read past the stack the way the C vararg functions do.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace ov {

// One argument: a text (wide or UTF-8) or an integer.
class FormatArg {
public:
    FormatArg(std::wstring_view text) : value_(std::wstring(text)) {}
    FormatArg(const wchar_t* text) : value_(std::wstring(text ? text : L"")) {}
    FormatArg(const std::wstring& text) : value_(text) {}
    FormatArg(std::string_view utf8);
    FormatArg(const char* utf8) : FormatArg(std::string_view(utf8 ? utf8 : "")) {}
    FormatArg(const std::string& utf8) : FormatArg(std::string_view(utf8)) {}
    template <typename T>
    requires std::is_integral_v<T> FormatArg(T number) : value_(static_cast<std::int64_t>(number)) {}

    [[nodiscard]] const std::variant<std::wstring, std::int64_t>& Value() const { return value_; }

private:
    std::variant<std::wstring, std::int64_t> value_;
};

// Replaces, in order, each %s (text), %d (signed), %u (unsigned), %x / %X (hexadecimal) with the
// next argument; %% is a percent sign. A number given for %s is written in decimal, a text given
// for %d as itself. A placeholder without an argument is kept as written; extra arguments are
// ignored.
std::wstring Format(std::wstring_view format, std::initializer_list<FormatArg> args);

}  // namespace ov
