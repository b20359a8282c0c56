// Skin data file serialisation.
#include "tools/skinc/sk2_writer.h"

#include <cstring>
#include <limits>

#include "tools/skinc/le_bytes.h"
#include "tools/skinc/skinc_error.h"

namespace ov::skinc {
namespace {

void PutRecord(std::vector<uint8_t>& out, std::string_view name, sk2::EntryKind kind, uint32_t dataOffset,
               uint32_t dataSize, uint32_t next)
{
    const size_t at = out.size();
    out.resize(at + sk2::kNameSize, 0);
    std::memcpy(out.data() + at, name.data(), name.size());
    out.push_back(static_cast<uint8_t>(kind));
    PutLe32(out, dataOffset);
    PutLe32(out, dataSize);
    PutLe32(out, next);
}

}  // namespace

std::vector<uint8_t> WriteSkinDataFile(std::span<const SkinEntry> entries)
{
    uint64_t total = sk2::kHeaderSize + sk2::kRecordSize;
    for (const SkinEntry& entry : entries) {
        if (entry.name.empty() || entry.name.size() > sk2::kNameSize || entry.name.find('\0') != std::string::npos) {
            throw Error("entry name '" + entry.name + "' does not fit a record (1 to 64 characters, no NUL)");
        }
        total += sk2::kRecordSize + entry.data.size();
    }
    if (total > std::numeric_limits<uint32_t>::max())
        throw Error("the skin data would exceed 4 GB");

    std::vector<uint8_t> out(sk2::kMagic.begin(), sk2::kMagic.end());
    PutLe32(out, sk2::kHeaderSize);
    PutLe32(out, sk2::kHeaderUnusedValue);
    PutLe32(out, sk2::kHeaderSize);  // the first record follows the header
    out.reserve(total);
    for (const SkinEntry& entry : entries) {
        const auto dataOffset = static_cast<uint32_t>(out.size() + sk2::kRecordSize);
        const auto dataSize = static_cast<uint32_t>(entry.data.size());
        PutRecord(out, entry.name, entry.kind, dataOffset, dataSize, dataOffset + dataSize);
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    }
    PutRecord(out, "", sk2::EntryKind::Boolean, 0, 0, 0);
    return out;
}

}  // namespace ov::skinc
