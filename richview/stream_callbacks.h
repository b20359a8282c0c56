// The EM_STREAMIN and EM_STREAMOUT callbacks that move a view's content through a conversion.
#pragma once

#include <windows.h>

#include "richview/conversion.h"
#include "richview/line_breaks.h"

namespace ov {

// The cookie of the read callbacks: the conversion, and what the last line break became.
struct TCookie {
    TOvConversion* conversion = nullptr;
    LineBreakState lineBreaks;
};

// EM_STREAMIN, bytes: reads at most half the control's buffer from the conversion into the
// buffer's upper half and copies it down with every line break made CR LF. Returns 0, or 1 when
// reading failed (the control then reports an error).
DWORD CALLBACK RichEditReadCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* transferred) noexcept;
// The same for UTF-16 text (SF_UNICODE).
DWORD CALLBACK RichEditReadCallbackW(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* transferred) noexcept;
// EM_STREAMOUT: the cookie is the conversion; bytes pass unchanged. Returns 2 when writing failed.
DWORD CALLBACK RichEditWriteCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* transferred) noexcept;

}  // namespace ov
