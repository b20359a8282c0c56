// Filtering and ordering of extracted entries.
#include "tools/skinc/extract_entries.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "skin/data/named_list.h"
#include "tools/skinc/bmp_writer.h"
#include "tools/skinc/entry_names.h"

namespace ov::skinc {
namespace {

std::string Hex(uint32_t value)
{
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// A manifest line takes a name without blanks or control bytes that does not open a comment.
bool IsManifestName(std::string_view name)
{
    if (name.empty() || name.front() == '#')
        return false;
    return std::none_of(name.begin(), name.end(), [](unsigned char c) { return c <= ' ' || c == 0x7F; });
}

class Collector {
public:
    void Add(const SkinDataEntry& entry)
    {
        if (entry.Kind() == sk2::EntryKind::String)
            return AddString(entry);
        const auto known = FindKnownName(entry.name);
        if (!known)
            return Note("left out " + entry.name + ": no skin entry has this name");
        if (known->Kind() != entry.Kind()) {
            return Note("left out " + entry.name + ": stored with the wrong kind, so no reader finds it");
        }
        if (!seen_.insert(NameKey(known->name)).second) {
            return Note("left out a second " + std::string(known->name) + ": the reader uses the first");
        }
        const std::string name(known->name);
        if (const auto* bitmap = std::get_if<DecodedBitmap>(&entry.value)) {
            if (bitmap->bitsPerPixel != 24) {
                Note(name + ": " + std::to_string(bitmap->bitsPerPixel) + "-bit bitmap written as 24-bit");
            }
            bitmaps_.emplace(known->id, SkinEntry{name, sk2::EntryKind::Bitmap, EncodeBmp(*bitmap)});
        } else if (const auto* value = std::get_if<int32_t>(&entry.value)) {
            AddInteger(*known, *value);
        } else {
            AddBoolean(*known, std::get<uint8_t>(entry.value));
        }
    }

    ExtractedSkin Finish()
    {
        ExtractedSkin skin;
        for (auto* group : {&bitmaps_, &integers_, &booleans_}) {
            for (auto& [key, entry] : *group)
                skin.entries.push_back(std::move(entry));
        }
        for (SkinEntry& entry : strings_)
            skin.entries.push_back(std::move(entry));
        skin.notes = std::move(notes_);
        return skin;
    }

private:
    void Note(std::string note) { notes_.push_back(std::move(note)); }

    void AddString(const SkinDataEntry& entry)
    {
        if (!IsManifestName(entry.name) || FindKnownName(entry.name)) {
            return Note("left out string entry '" + entry.name + "': its name cannot stand in a manifest");
        }
        if (!seen_.insert(NameKey(entry.name)).second)
            return Note("left out a second string " + entry.name);
        strings_.push_back(StringEntry(entry.name, std::get<std::string>(entry.value)));
    }

    void AddInteger(const KnownName& known, int32_t value)
    {
        if (known.group != NameGroup::Integer && (value < -1 || value > 0x00FFFFFF)) {
            Note(std::string(known.name) + ": colour " + Hex(static_cast<uint32_t>(value)) +
                 " is no 0x00BBGGRR value; skinc build refuses it until it is changed");
        }
        integers_.emplace(known.Rank(), IntegerEntry(std::string(known.name), value));
    }

    void AddBoolean(const KnownName& known, uint8_t value)
    {
        if (value > 1)
            Note(std::string(known.name) + ": boolean byte " + std::to_string(value) + " written as 1");
        booleans_.emplace(known.id, BooleanEntry(std::string(known.name), value != 0));
    }

    std::map<int, SkinEntry> bitmaps_, integers_, booleans_;
    std::vector<SkinEntry> strings_;
    std::set<std::string> seen_;
    std::vector<std::string> notes_;
};

}  // namespace

ExtractedSkin ToSourceEntries(std::span<const SkinDataEntry> parsed)
{
    Collector collector;
    for (const SkinDataEntry& entry : parsed)
        collector.Add(entry);
    return collector.Finish();
}

}  // namespace ov::skinc
