// Loading and saving through conversions.
#include "richview/richedit_loader.h"

#include <richedit.h>

#include "framework/core/exception.h"
#include "richview/conversion_list.h"
#include "richview/stream_callbacks.h"

namespace ov {

namespace {

constexpr const wchar_t* kLoadFailed = L"Failed to Load Stream";
constexpr const wchar_t* kSaveFailed = L"Failed to Save Stream";

// One load or save with a conversion: routes its progress to the view, and closes it and
// drops the routing on every way out.
class OpenConversion {
public:
    OpenConversion(TOvConversion& conversion, const TRichTransfer& transfer) : conversion_(conversion)
    {
        if (transfer.progress)
            conversion_.OnProgress = [report = transfer.progress](TOvConversion* sender) { report(sender->Percent()); };
    }
    ~OpenConversion()
    {
        conversion_.OnProgress = nullptr;
        conversion_.Close();
    }
    OpenConversion(const OpenConversion&) = delete;
    OpenConversion& operator=(const OpenConversion&) = delete;

private:
    TOvConversion& conversion_;
};

TRichStreamFormat EffectiveFormat(const TRichTransfer& transfer, const TOvConversion& conversion)
{
    if (transfer.plainText)
        return sfPlainText;
    if (transfer.format == sfDefault)
        return FormatOfTextKind(conversion.TextKind());
    return transfer.format;
}

bool IsPlainText(TRichStreamFormat format, bool plainText)
{
    return format == sfPlainText || (format == sfDefault && plainText);
}

LRESULT SendStreamIn(HWND window, WPARAM flags, TCookie& cookie, EDITSTREAM& stream)
{
    stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
    stream.pfnCallback = (flags & SF_UNICODE) ? RichEditReadCallbackW : RichEditReadCallback;
    return ::SendMessageW(window, EM_STREAMIN, flags, reinterpret_cast<LPARAM>(&stream));
}

// The failure a finished transfer ends with, if any: the conversion's own message first.
void RaiseTransferFailure(const TOvConversion& conversion, bool streamError, const wchar_t* failure)
{
    if (conversion.Cancelled())
        return;
    if (conversion.ErrorOccurred())
        throw Exception(conversion.ErrorMessage());
    if (streamError)
        throw Exception(failure);
}

}  // namespace

TRichStreamFormat FormatOfTextKind(int textKind) noexcept
{
    switch (textKind) {
    case 1:
    case 3:
        return sfRichText;
    case 0:
    case 2:
        return sfPlainText;
    default:
        return sfDefault;
    }
}

namespace {

// The flags of EM_STREAMIN and EM_STREAMOUT are alike; writing RTF may leave the objects out.
WPARAM StreamFlags(TRichStreamFormat format, TRichStreamModes mode, bool plainText, int level, bool writing) noexcept
{
    WPARAM flags = 0;
    if (IsPlainText(format, plainText)) {
        flags = SF_TEXT;
        if (mode.Contains(smUnicode) && level >= 2)
            flags |= SF_UNICODE;
    } else {
        flags = writing && mode.Contains(smNoObjects) ? SF_RTFNOOBJS : SF_RTF;
        if (mode.Contains(smPlainRtf))
            flags |= SFF_PLAINRTF;
    }
    if (mode.Contains(smSelection))
        flags |= SFF_SELECTION;
    return flags;
}

}  // namespace

WPARAM StreamInFlags(TRichStreamFormat format, TRichStreamModes mode, bool plainText, int level) noexcept
{
    return StreamFlags(format, mode, plainText, level, false);
}

WPARAM StreamOutFlags(TRichStreamFormat format, TRichStreamModes mode, bool plainText, int level) noexcept
{
    return StreamFlags(format, mode, plainText, level, true);
}

void StreamIn(const TRichTransfer& transfer, TOvConversion& conversion, TRichStreamFormat format)
{
    WPARAM flags = StreamInFlags(format, transfer.mode, transfer.plainText, transfer.level);
    TCookie cookie{&conversion, {}};
    EDITSTREAM stream{};
    SendStreamIn(transfer.window, flags, cookie, stream);
    if (stream.dwError != 0 && conversion.Rewind()) {
        // The other format, over the whole content; a fresh start for the line breaks too.
        TRichStreamFormat other = (flags & SF_TEXT) ? sfRichText : sfPlainText;
        WPARAM retry = StreamInFlags(other, transfer.mode - TRichStreamModes{smSelection}, false, transfer.level);
        cookie.lineBreaks = {};
        SendStreamIn(transfer.window, retry, cookie, stream);
    }
    RaiseTransferFailure(conversion, stream.dwError != 0, kLoadFailed);
    if (!transfer.mode.Contains(smSelection)) {
        CHARRANGE start{0, 0};
        ::SendMessageW(transfer.window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
        ::SendMessageW(transfer.window, EM_SCROLLCARET, 0, 0);
    }
}

void StreamOut(const TRichTransfer& transfer, TOvConversion& conversion, TRichStreamFormat format)
{
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&conversion);
    stream.pfnCallback = RichEditWriteCallback;
    WPARAM flags = StreamOutFlags(format, transfer.mode, transfer.plainText, transfer.level);
    ::SendMessageW(transfer.window, EM_STREAMOUT, flags, reinterpret_cast<LPARAM>(&stream));
    RaiseTransferFailure(conversion, stream.dwError != 0, kSaveFailed);
}

namespace {

// The view's own conversion when it has one, else the format list's choice for this stream.
TOvConversion& StreamConversion(const TRichTransfer& transfer, TStream& stream, bool writing)
{
    if (TOvConversion* own = transfer.defaultConversion) {
        own->SetParentWindow(transfer.parentWindow);
        return *own;
    }
    return ConversionFormatList().ConversionForStream(transfer.parentWindow, stream, writing);
}

// The format list's conversion for this file's extension, else the view's own or the default one.
TOvConversion& FileConversion(const TRichTransfer& transfer, const std::wstring& fileName, bool writing)
{
    TConversionFormatList& list = ConversionFormatList();
    if (TOvConversion* byName = list.ConversionForFile(transfer.parentWindow, fileName, writing))
        return *byName;
    TOvConversion& conversion = transfer.defaultConversion ? *transfer.defaultConversion : list.DefaultConversion();
    conversion.SetParentWindow(transfer.parentWindow);
    return conversion;
}

}  // namespace

namespace {

// One load or save through a conversion: progress routed while it lasts, the stream or file
// opened by `open`, then the text streamed in or out.
template <class OpenFn>
void Transfer(const TRichTransfer& transfer, TOvConversion& conversion, bool writing, OpenFn open)
{
    OpenConversion opened(conversion, transfer);
    TRichStreamFormat format = EffectiveFormat(transfer, conversion);
    if (!open(conversion))
        throw Exception(writing ? kSaveFailed : kLoadFailed);
    if (writing)
        StreamOut(transfer, conversion, format);
    else
        StreamIn(transfer, conversion, format);
}

void TransferStream(const TRichTransfer& transfer, TStream& stream, bool writing)
{
    Transfer(transfer, StreamConversion(transfer, stream, writing), writing,
             [&](TOvConversion& conversion) { return conversion.OpenStream(stream, writing); });
}

void TransferFile(const TRichTransfer& transfer, const std::wstring& fileName, bool writing)
{
    Transfer(transfer, FileConversion(transfer, fileName, writing), writing,
             [&](TOvConversion& conversion) { return conversion.OpenFile(fileName, writing); });
}

}  // namespace

void LoadFromStream(const TRichTransfer& transfer, TStream& stream) { TransferStream(transfer, stream, false); }

void LoadFromFile(const TRichTransfer& transfer, const std::wstring& fileName)
{
    TransferFile(transfer, fileName, false);
}

void SaveToStream(const TRichTransfer& transfer, TStream& stream) { TransferStream(transfer, stream, true); }

void SaveToFile(const TRichTransfer& transfer, const std::wstring& fileName) { TransferFile(transfer, fileName, true); }

}  // namespace ov
