// Skin source folders: a manifest (skin.txt) for the integer, boolean and string entries and one
// BMP file per bitmap entry, named after the entry (SKIN2_TITLEBAR1.bmp).
#pragma once

#include <filesystem>
#include <span>
#include <vector>

#include "tools/skinc/skin_entry.h"

namespace ov::skinc {

inline constexpr const char* kManifestFileName = "skin.txt";

// Reads a source folder into entries in the order a data file stores them: bitmaps by bitmap id,
// then integers (colours by colour id, integers by integer id, then SKIN2_SYSTEMCOLOR1 and 2),
// then booleans by boolean id, then strings as the manifest lists them. Bitmaps are stored in the
// canonical BMP form. Throws Error naming the file (and line) on a missing manifest, an unknown
// name, a name used twice or with the wrong kind, a value out of range, or a bitmap that is not a
// 24-bit uncompressed BMP.
std::vector<SkinEntry> ReadSkinSource(const std::filesystem::path& folder);

// Writes entries as a source folder that ReadSkinSource reads back to the same entries (for
// entries in its order). The folder must not exist or be empty; it is made complete or not at all.
void WriteSkinSource(const std::filesystem::path& folderPath, std::span<const SkinEntry> entries);

}  // namespace ov::skinc
