// One entry of a skin data file as skinc writes it: name, kind and payload bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/sk2_format.h"
#include "tools/skinc/le_bytes.h"

namespace ov::skinc {

struct SkinEntry {
    std::string name;
    sk2::EntryKind kind;
    std::vector<uint8_t> data;  // a BMP file, 4 bytes of a signed integer, 1 byte, or text
};

inline SkinEntry IntegerEntry(std::string name, int32_t value)
{
    SkinEntry entry{std::move(name), sk2::EntryKind::Integer, {}};
    PutLe32(entry.data, static_cast<uint32_t>(value));
    return entry;
}

inline SkinEntry BooleanEntry(std::string name, bool value)
{
    return {std::move(name), sk2::EntryKind::Boolean, {static_cast<uint8_t>(value ? 1 : 0)}};
}

inline SkinEntry StringEntry(std::string name, const std::string& text)
{
    return {std::move(name), sk2::EntryKind::String, std::vector<uint8_t>(text.begin(), text.end())};
}

}  // namespace ov::skinc
