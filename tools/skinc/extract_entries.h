// Turning the entries of a skin data file back into the entries of a source folder.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "skin/data/sk2_file.h"
#include "tools/skinc/skin_entry.h"

namespace ov::skinc {

struct ExtractedSkin {
    std::vector<SkinEntry> entries;  // in the order skinc build writes them
    std::vector<std::string> notes;  // what was changed or left out, and why
};

// Keeps what the skin reader would use and a source folder can say: entries whose name and kind
// match Skin2Define (the first of repeated names, as the reader takes it) and strings whose name
// fits a manifest line. Bitmaps become canonical 24-bit BMP files; a boolean byte above 1 becomes
// 1, which the reader treats alike. Everything else is left out with a note.
ExtractedSkin ToSourceEntries(std::span<const SkinDataEntry> parsed);

}  // namespace ov::skinc
