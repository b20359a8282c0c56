// Exception: keeps the wide message and its UTF-8 form side by side.
#include "framework/core/exception.h"

#include "framework/core/unicode.h"

namespace ov {

Exception::Exception(std::wstring message) : message_(std::move(message)), utf8_(WideToUtf8(message_)) {}

Exception::Exception(std::wstring_view format, std::initializer_list<FormatArg> args) : Exception(Format(format, args))
{
}

}  // namespace ov
