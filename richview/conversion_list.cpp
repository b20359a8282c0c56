// The registered conversions and how one is picked.
#include "richview/conversion_list.h"

namespace ov {

TConversionFormatList::TConversionFormatList()
{
    items_.push_back(std::make_unique<TOvRTFConversion>());
    rtfIndex_ = Count() - 1;
    items_.push_back(std::make_unique<TOvTextConversion>());
    textIndex_ = Count() - 1;
}

TOvConversion& TConversionFormatList::ConversionForStream(HWND parent, TStream& stream, bool forSaving)
{
    TOvConversion& rtf = RTFConversion();
    rtf.SetParentWindow(parent);
    if (rtf.AcceptsStreams(forSaving) && (forSaving || rtf.StreamContentCorrect(stream)))
        return rtf;
    rtf.Close();
    TOvConversion& text = TextConversion();
    text.SetParentWindow(parent);
    return text;
}

TOvConversion* TConversionFormatList::ConversionForFile(HWND parent, const std::wstring& fileName, bool forSaving)
{
    std::wstring extension = LowerCaseExtension(fileName);
    for (const auto& conversion : items_) {
        conversion->SetParentWindow(parent);
        if (conversion->AcceptsExtension(extension, forSaving) &&
            (forSaving || conversion->FileContentCorrect(fileName)))
            return conversion.get();
        conversion->Close();
    }
    return nullptr;
}

TConversionFormatList& ConversionFormatList()
{
    static TConversionFormatList list;
    return list;
}

std::wstring LowerCaseExtension(const std::wstring& fileName)
{
    size_t dot = fileName.find_last_of(L'.');
    size_t separator = fileName.find_last_of(L"\\/:");
    if (dot == std::wstring::npos || (separator != std::wstring::npos && dot < separator))
        return {};
    std::wstring extension = fileName.substr(dot + 1);
    if (!extension.empty())
        ::CharLowerBuffW(extension.data(), static_cast<DWORD>(extension.size()));
    return extension;
}

}  // namespace ov
