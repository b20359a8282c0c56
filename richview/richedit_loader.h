// Loading a rich edit control's content from a stream or file, and saving it, through the
// conversions: choosing the conversion and the stream format, EM_STREAMIN with its one retry in
// the other format, EM_STREAMOUT, and the failures either raises.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/core/streams.h"
#include "richview/conversion.h"
#include "richview/rich_edit_types.h"

namespace ov {

// The view's side of a transfer.
struct TRichTransfer {
    HWND window = nullptr;                       // the control
    HWND parentWindow = nullptr;                 // handed to the conversion for any user interface of its own
    TOvConversion* defaultConversion = nullptr;  // the view's own, used instead of the list's
    TRichStreamFormat format = sfDefault;        // the view's current stream format and mode
    TRichStreamModes mode;
    bool plainText = false;             // the control works in plain text mode
    int level = 2;                      // rich edit level
    std::function<void(int)> progress;  // percent done, reported when it changes
};

// The format a conversion's text kind stands for: 1 and 3 rich text, 0 and 2 plain text.
TRichStreamFormat FormatOfTextKind(int textKind) noexcept;

// EM_STREAMIN / EM_STREAMOUT flags for a format, mode and control.
WPARAM StreamInFlags(TRichStreamFormat format, TRichStreamModes mode, bool plainText, int level) noexcept;
WPARAM StreamOutFlags(TRichStreamFormat format, TRichStreamModes mode, bool plainText, int level) noexcept;

// Streams an opened conversion into the control (retrying once in the other format when the
// control reports an error and the conversion can rewind); raises the conversion's message or
// "Failed to Load Stream". Without smSelection the caret ends at the start, scrolled into view.
void StreamIn(const TRichTransfer& transfer, TOvConversion& conversion, TRichStreamFormat format);
// Streams the content out through an opened conversion; raises "Failed to Save Stream".
void StreamOut(const TRichTransfer& transfer, TOvConversion& conversion, TRichStreamFormat format);

// The whole load or save, conversion chosen from the stream's first bytes or the file's name.
void LoadFromStream(const TRichTransfer& transfer, TStream& stream);
void LoadFromFile(const TRichTransfer& transfer, const std::wstring& fileName);
void SaveToStream(const TRichTransfer& transfer, TStream& stream);
void SaveToFile(const TRichTransfer& transfer, const std::wstring& fileName);

}  // namespace ov
