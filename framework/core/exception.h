// Exception: the framework's one exception class, carrying a message text meant for people.
#pragma once

#include "framework/core/format.h"

#include <exception>
#include <string>
#include <string_view>

namespace ov {

// Raised for failures a user may see ("Resource %s not found", "Failed to read skin file!"): the
// application's handler shows Message() under the application title. what() gives the same text
// in UTF-8 for logs and test output.
class Exception : public std::exception {
public:
    explicit Exception(std::wstring message);
    explicit Exception(std::wstring_view message) : Exception(std::wstring(message)) {}
    explicit Exception(const wchar_t* message) : Exception(std::wstring(message)) {}
    // The message from a format and its arguments (see Format): Exception(L"Resource %s not found", {name}).
    Exception(std::wstring_view format, std::initializer_list<FormatArg> args);

    [[nodiscard]] const std::wstring& Message() const noexcept { return message_; }
    [[nodiscard]] const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::wstring message_;
    std::string utf8_;
};

}  // namespace ov
