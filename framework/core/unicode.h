// Conversions between the wide text of the Win32 boundary and 8-bit text (UTF-8, or a code page).
#pragma once

#include <string>
#include <string_view>

namespace ov {

std::string WideToUtf8(std::wstring_view text);
std::wstring Utf8ToWide(std::string_view text);

// 8-bit text in the given code page (CP_ACP by default) to wide text and back; characters the
// code page cannot hold become the system's default character.
std::wstring AnsiToWide(std::string_view text, unsigned codePage = 0);
std::string WideToAnsi(std::wstring_view text, unsigned codePage = 0);

}  // namespace ov
