// Skin data file parser: follows the record chain by offsets, checking every offset and size
// against the file before it reads, and decodes each payload by its kind.
#include "skin/data/sk2_file.h"

#include <string_view>
#include <unordered_set>

#include "skin/data/byte_order.h"
#include "skin/data/skin_error.h"

namespace ov {
namespace {

[[noreturn]] void Refuse(const std::string& why) { throw SkinFileError("Bad skin data file: " + why); }

std::span<const uint8_t> Payload(std::span<const uint8_t> file, const uint8_t* record, const std::string& name)
{
    const uint32_t offset = LoadLe32(record + sk2::kRecordDataOffset);
    const uint32_t size = LoadLe32(record + sk2::kRecordDataSizeOffset);
    if (offset > file.size() || size > file.size() - offset)
        Refuse("data of entry " + name + " lies outside the file");
    return file.subspan(offset, size);
}

// The name ends at the first NUL, or fills the whole field.
std::string RecordName(const uint8_t* record)
{
    const std::string_view field(reinterpret_cast<const char*>(record), sk2::kNameSize);
    return std::string(field.substr(0, field.find('\0')));
}

void CheckSize(std::span<const uint8_t> payload, size_t expected, const std::string& name)
{
    if (payload.size() != expected) {
        Refuse("entry " + name + " has " + std::to_string(payload.size()) + " bytes of data, not " +
               std::to_string(expected));
    }
}

// Reads the payload of a record of a known kind into an entry.
SkinDataEntry ReadEntry(std::span<const uint8_t> file, const uint8_t* record, sk2::EntryKind kind)
{
    SkinDataEntry entry{RecordName(record), {}};
    const std::span<const uint8_t> payload = Payload(file, record, entry.name);
    switch (kind) {
    case sk2::EntryKind::Bitmap:
        entry.value = DecodeBmp(payload);
        break;
    case sk2::EntryKind::Integer:
        CheckSize(payload, sk2::kIntegerSize, entry.name);
        entry.value = static_cast<int32_t>(LoadLe32(payload.data()));
        break;
    case sk2::EntryKind::Boolean:
        CheckSize(payload, sk2::kBooleanSize, entry.name);
        entry.value = payload[0];
        break;
    case sk2::EntryKind::String:
        entry.value = std::string(payload.begin(), payload.end());
        break;
    }
    return entry;
}

uint32_t FirstRecordOffset(std::span<const uint8_t> file)
{
    if (file.size() < sk2::kHeaderSizeOffset + 4)
        Refuse("shorter than its header");
    const uint32_t headerSize = LoadLe32(file.data() + sk2::kHeaderSizeOffset);
    // The header is read into a fixed 24-byte structure: a larger one does not fit, and a smaller
    // one would leave the first record's offset unread.
    if (headerSize != sk2::kHeaderSize)
        Refuse("header size " + std::to_string(headerSize) + " is not 24");
    if (file.size() < sk2::kHeaderSize)
        Refuse("shorter than its header");
    return LoadLe32(file.data() + sk2::kHeaderFirstRecordOffset);
}

}  // namespace

std::vector<SkinDataEntry> ParseSkinDataFile(std::span<const uint8_t> file)
{
    std::vector<SkinDataEntry> entries;
    std::unordered_set<uint32_t> visited;
    // Records of a sound file do not overlap, so no more of them fit than this; the bound keeps
    // overlapping records that share a large payload from multiplying it.
    const size_t maxRecords = file.size() / sk2::kRecordSize;
    for (uint32_t offset = FirstRecordOffset(file);;) {
        if (offset > file.size() || file.size() - offset < sk2::kRecordSize) {
            Refuse("record at offset " + std::to_string(offset) + " lies outside the file");
        }
        if (!visited.insert(offset).second)
            Refuse("record chain comes back to offset " + std::to_string(offset));
        if (visited.size() > maxRecords)
            Refuse("more records than the file can hold");
        const uint8_t* record = file.data() + offset;
        const uint32_t next = LoadLe32(record + sk2::kRecordNextOffset);
        if (next == 0)
            break;  // the terminator carries no entry
        const uint8_t kind = record[sk2::kRecordKindOffset];
        if (kind <= static_cast<uint8_t>(sk2::EntryKind::String)) {
            entries.push_back(ReadEntry(file, record, static_cast<sk2::EntryKind>(kind)));
        }
        offset = next;
    }
    return entries;
}

}  // namespace ov
