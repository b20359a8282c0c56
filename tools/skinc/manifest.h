// The text manifest of a skin source folder (skin.txt): one value entry a line,
//     integer NAME VALUE     decimal (-12) or hexadecimal (0x00F1F0FC)
//     boolean NAME 0|1
//     string NAME TEXT       the rest of the line; \\ \n \r \t and \xHH stand for what they say
// with blank lines and comments from # to the end of the line (not inside a string's text).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/sk2_format.h"
#include "tools/skinc/skin_entry.h"

namespace ov::skinc {

struct ManifestLine {
    int line = 0;         // 1-based
    sk2::EntryKind kind;  // Integer, Boolean or String
    std::string name;     // as written
    int64_t number = 0;   // integer and boolean lines; the range is for the caller to judge
    std::string text;     // string lines, escapes resolved
};

// Parses the manifest; `file` is the name messages give it. Throws Error "FILE:LINE: reason" on a
// line it cannot read.
std::vector<ManifestLine> ParseManifest(std::string_view text, const std::string& file);

// The manifest for the integer, boolean and string entries among `entries`, in their order:
// colours in hexadecimal, other integers in decimal, string text escaped so that it reads back
// the same.
std::string FormatManifest(std::span<const SkinEntry> entries);

}  // namespace ov::skinc
