// The entry names skinc knows, taken from Skin2Define: which group a name belongs to and where its
// entry goes in a data file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "skin/data/sk2_format.h"

namespace ov::skinc {

// The Skin2Define groups, and the two colours that skins carry outside them.
enum class NameGroup { Color, Bitmap, Integer, SystemColor, Boolean };

struct KnownName {
    NameGroup group;
    int id;                 // position in the group (SKIN2_SYSTEMCOLOR1 is 0, SKIN2_SYSTEMCOLOR2 is 1)
    std::string_view name;  // as Skin2Define spells it

    [[nodiscard]] sk2::EntryKind Kind() const;
    // Entries are written by kind (bitmaps, then integers, then booleans) and within a kind by this
    // rank: group order (colours, integers, system colours), then id.
    [[nodiscard]] int Rank() const;
    // "colour", "bitmap", "integer", "boolean", for messages.
    [[nodiscard]] std::string_view GroupWord() const;
};

// Looks a name up without regard to letter case.
std::optional<KnownName> FindKnownName(std::string_view name);

// The name in capitals: the key under which names that differ only in case are one name.
std::string NameKey(std::string_view name);

}  // namespace ov::skinc
