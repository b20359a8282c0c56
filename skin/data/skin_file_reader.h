// Tsk2SkinFileReader: a skin package read into four name-keyed tables (bitmaps, integers, booleans,
// strings), and the extraction step it is built on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/bmp_decoder.h"
#include "skin/data/named_list.h"
#include "skin/data/sk2_file.h"

namespace ov {

// Extracts the package's "SKINDATA.SK2" through a temporary file (deleted again on every path)
// and returns its bytes. Raises SkinFileError with "Wrong password!" or "Failed to read skin file!".
std::vector<uint8_t> ExtractSkinData(const std::string& packageFile, std::string_view password);

class Tsk2SkinFileReader {
public:
    // Reads the whole package; raises SkinFileError ("Wrong password!", "Failed to read skin
    // file!", or what is wrong with the skin data file), and then no reader exists.
    Tsk2SkinFileReader(const std::string& fileName, const std::string& password);

    // The first bitmap entry of that name (letter case ignored), or null. The reader keeps it;
    // copy it to change it or to keep it longer than the reader.
    [[nodiscard]] const DecodedBitmap* FindBitmap(std::string_view name) const;
    // The first integer entry of that name, or -1.
    [[nodiscard]] int32_t FindInteger(std::string_view name) const;
    // The first boolean entry of that name (its byte is not 0), or false.
    [[nodiscard]] bool FindBoolean(std::string_view name) const;
    // Makes every bitmap transparent where it has `color` (0x00BBGGRR).
    void SetBitmapsTransparentColor(uint32_t color);

    [[nodiscard]] const NamedList<DecodedBitmap>& Bitmaps() const { return FBitmaps; }
    [[nodiscard]] const NamedList<int32_t>& Integers() const { return FIntegers; }
    [[nodiscard]] const NamedList<uint8_t>& Booleans() const { return FBooleans; }
    [[nodiscard]] const NamedList<std::string>& Strings() const { return FStrings; }

private:
    void LoadPackage(const std::string& fileName, const std::string& password);
    void FileEntries(std::vector<SkinDataEntry> entries);

    NamedList<DecodedBitmap> FBitmaps;
    NamedList<int32_t> FIntegers;
    NamedList<uint8_t> FBooleans;
    NamedList<std::string> FStrings;  // nothing looks them up
};

}  // namespace ov
