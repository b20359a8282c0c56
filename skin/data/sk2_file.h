// Parsing of a skin data file ("SKINDATA.SK2") into its entries, in chain order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "skin/data/bmp_decoder.h"
#include "skin/data/sk2_format.h"

namespace ov {

// One filed entry. The alternatives are in the order of sk2::EntryKind, so Kind() is the index.
struct SkinDataEntry {
    std::string name;
    std::variant<DecodedBitmap, int32_t, uint8_t, std::string> value;

    [[nodiscard]] sk2::EntryKind Kind() const { return static_cast<sk2::EntryKind>(value.index()); }
};

// Walks the record chain from the header's first record to the terminator and returns the entries
// of kinds 0-3 (other kinds are skipped). Raises SkinFileError for anything outside the format's
// bounds: a header size other than 24, records or payloads that leave the file, a chain that comes
// back to a record it has visited, integer payloads not 4 bytes, boolean payloads not 1 byte, and
// bitmap payloads that are not BMP files.
std::vector<SkinDataEntry> ParseSkinDataFile(std::span<const uint8_t> file);

}  // namespace ov
