// Writing a skin data file ("SKINDATA.SK2") from its entries.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/skinc/skin_entry.h"

namespace ov::skinc {

// The file in the layout the built-in skin uses: the 24-byte header, then for each entry, in the
// order given, its 77-byte record followed directly by its data, then a terminator record (empty
// name, kind 2, no data, next offset 0). Throws Error when a name does not fit the record's 64
// bytes or the file would not fit 32-bit offsets.
std::vector<uint8_t> WriteSkinDataFile(std::span<const SkinEntry> entries);

}  // namespace ov::skinc
