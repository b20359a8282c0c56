// TConversionFormatList: the process-wide list of registered conversions (RTF, then plain text)
// and the choice of a conversion for a stream or a file name.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "richview/conversion.h"

namespace ov {

class TConversionFormatList {
public:
    TConversionFormatList();
    TConversionFormatList(const TConversionFormatList&) = delete;
    TConversionFormatList& operator=(const TConversionFormatList&) = delete;

    [[nodiscard]] int Count() const noexcept { return static_cast<int>(items_.size()); }
    [[nodiscard]] TOvConversion& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
    [[nodiscard]] TOvConversion& DefaultConversion() const { return Items(rtfIndex_); }
    [[nodiscard]] TOvConversion& RTFConversion() const { return Items(rtfIndex_); }
    [[nodiscard]] TOvConversion& TextConversion() const { return Items(textIndex_); }

    // The RTF conversion when it accepts the stream (when saving, or when the stream starts with
    // "{\rtf" at its position), else the plain text conversion; given the parent window.
    TOvConversion& ConversionForStream(HWND parent, TStream& stream, bool forSaving);
    // The first conversion that accepts the file's extension and (when loading) its content, or
    // null when none does.
    TOvConversion* ConversionForFile(HWND parent, const std::wstring& fileName, bool forSaving);

private:
    std::vector<std::unique_ptr<TOvConversion>> items_;
    int rtfIndex_ = 0;
    int textIndex_ = 0;
};

// Created on first use, freed when the process ends.
TConversionFormatList& ConversionFormatList();

// The extension of a file name in lower case without its dot ("RTF" of "a.RTF" gives "rtf");
// empty when it has none.
std::wstring LowerCaseExtension(const std::wstring& fileName);

}  // namespace ov
