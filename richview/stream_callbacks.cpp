// Stream callbacks: half-buffer reads with in-place line-break expansion, and plain writes.
// Nothing may unwind into the control, so every failure becomes a callback result.
#include "richview/stream_callbacks.h"

namespace ov {

namespace {

constexpr DWORD kReadFailed = 1;
constexpr DWORD kWriteFailed = 2;

// Reads up to `count` bytes at `at`; -1 for a failure.
LONG ReadSome(TOvConversion& conversion, LPBYTE at, LONG count) noexcept
{
    try {
        std::int64_t read = conversion.Read(at, count);
        return read < 0 ? -1 : static_cast<LONG>(read);
    } catch (...) {
        return -1;
    }
}

}  // namespace

DWORD CALLBACK RichEditReadCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* transferred) noexcept
{
    auto* state = reinterpret_cast<TCookie*>(cookie);
    *transferred = 0;
    LONG half = size / 2;
    LPBYTE upper = buffer + (size - half);
    LONG read = ReadSome(*state->conversion, upper, half);
    if (read < 0)
        return kReadFailed;
    if (read == 0)
        return 0;  // end of the stream
    *transferred = static_cast<LONG>(ExpandLineBreaks(upper, static_cast<size_t>(read), buffer, state->lineBreaks));
    return 0;
}

DWORD CALLBACK RichEditReadCallbackW(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* transferred) noexcept
{
    auto* state = reinterpret_cast<TCookie*>(cookie);
    *transferred = 0;
    // Whole characters only, kept aligned: the upper part starts on an even offset.
    LONG half = (size / 2) & ~1L;
    LPBYTE upper = buffer + ((size - half) & ~1L);
    LONG read = ReadSome(*state->conversion, upper, half);
    if (read < 0)
        return kReadFailed;
    if (read == 0)
        return 0;
    size_t characters = static_cast<size_t>(read) / 2;
    size_t written = ExpandLineBreaks(reinterpret_cast<const wchar_t*>(upper), characters,
                                      reinterpret_cast<wchar_t*>(buffer), state->lineBreaks);
    LONG bytes = static_cast<LONG>(written * 2);
    if (read % 2)  // half a character at the very end: pass it on as it came
        buffer[bytes++] = upper[read - 1];
    *transferred = bytes;
    return 0;
}

DWORD CALLBACK RichEditWriteCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* transferred) noexcept
{
    *transferred = 0;
    auto* conversion = reinterpret_cast<TOvConversion*>(cookie);
    if (!conversion)
        return 0;
    try {
        std::int64_t written = conversion->Write(buffer, size);
        if (written < 0)
            return kWriteFailed;
        *transferred = static_cast<LONG>(written);
        return 0;
    } catch (...) {
        return kWriteFailed;
    }
}

}  // namespace ov
