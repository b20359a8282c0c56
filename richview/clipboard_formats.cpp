// Registers the rich text clipboard formats once per process.
#include "richview/clipboard_formats.h"

namespace ov {

const RichEditClipboardFormats& ClipboardFormats()
{
    static const RichEditClipboardFormats formats{
        ::RegisterClipboardFormatW(L"Embedded Object"),
        ::RegisterClipboardFormatW(L"Link Source"),
        ::RegisterClipboardFormatW(L"Rich Text Format"),
        ::RegisterClipboardFormatW(L"Rich Text Format Without Objects"),
    };
    return formats;
}

}  // namespace ov
