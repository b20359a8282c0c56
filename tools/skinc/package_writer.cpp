// Skin package layout: local header, member data, central directory entry, end record.
#include "tools/skinc/package_writer.h"

#include <array>
#include <limits>
#include <random>

#include "skin/data/crc32.h"
#include "skin/data/sk2_format.h"
#include "skin/data/zip_crypto.h"
#include "tools/skinc/le_bytes.h"
#include "tools/skinc/raw_deflate.h"
#include "tools/skinc/skinc_error.h"

namespace ov::skinc {
namespace {

constexpr std::array<uint8_t, 4> kLocalSignature = {'S', 'K', 3, 4};  // "PK\3\4" with the skin's "SK"
constexpr uint32_t kDirectorySignature = 0x02014b50;
constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint16_t kVersion = 20;  // 2.0: deflate and traditional encryption; made by MS-DOS (0)
constexpr uint16_t kMethodDeflated = 8;
constexpr uint16_t kFlagEncrypted = 1 << 0;
constexpr uint16_t kDosTime = 0;                        // 00:00:00
constexpr uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;  // 1980-01-01, the first day DOS dates know

// The fields local header and directory entry share, from "version needed" to the extra length.
struct MemberFields {
    uint16_t flags;
    uint32_t crc;
    uint32_t compressedSize;
    uint32_t size;
};

void PutCommonFields(std::vector<uint8_t>& out, const MemberFields& m)
{
    PutLe16(out, kVersion);
    PutLe16(out, m.flags);
    PutLe16(out, kMethodDeflated);
    PutLe16(out, kDosTime);
    PutLe16(out, kDosDate);
    PutLe32(out, m.crc);
    PutLe32(out, m.compressedSize);
    PutLe32(out, m.size);
    PutLe16(out, static_cast<uint16_t>(sk2::kMemberName.size()));
    PutLe16(out, 0);  // no extra field
}

void PutName(std::vector<uint8_t>& out) { out.insert(out.end(), sk2::kMemberName.begin(), sk2::kMemberName.end()); }

// The 12-byte encryption header: 11 random bytes, then the check byte; encrypted with the member.
std::vector<uint8_t> EncryptMember(std::vector<uint8_t> deflated, uint32_t crc, std::string_view password)
{
    std::vector<uint8_t> member(kEncryptionHeaderSize);
    std::random_device random;
    for (size_t i = 0; i + 1 < kEncryptionHeaderSize; ++i)
        member[i] = static_cast<uint8_t>(random());
    member.back() = static_cast<uint8_t>(crc >> 24);
    member.insert(member.end(), deflated.begin(), deflated.end());
    ZipCipher(password).Encrypt(member);
    return member;
}

}  // namespace

std::vector<uint8_t> WritePackage(std::span<const uint8_t> data, std::string_view password)
{
    if (data.size() > std::numeric_limits<uint32_t>::max() / 2)
        throw Error("the skin data is too large for a package");
    const uint32_t crc = Crc32(data);
    std::vector<uint8_t> member = DeflateRaw(data);
    if (!password.empty())
        member = EncryptMember(std::move(member), crc, password);
    const MemberFields fields{static_cast<uint16_t>(password.empty() ? 0 : kFlagEncrypted), crc,
                              static_cast<uint32_t>(member.size()), static_cast<uint32_t>(data.size())};

    std::vector<uint8_t> out(kLocalSignature.begin(), kLocalSignature.end());
    PutCommonFields(out, fields);
    PutName(out);
    out.insert(out.end(), member.begin(), member.end());

    const auto directoryOffset = static_cast<uint32_t>(out.size());
    PutLe32(out, kDirectorySignature);
    PutLe16(out, kVersion);  // version made by
    PutCommonFields(out, fields);
    PutLe16(out, 0);  // comment length
    PutLe16(out, 0);  // disk number start
    PutLe16(out, 0);  // internal attributes
    PutLe32(out, 0);  // external attributes
    PutLe32(out, 0);  // local header offset
    PutName(out);
    const auto directorySize = static_cast<uint32_t>(out.size() - directoryOffset);

    PutLe32(out, kEndSignature);
    PutLe16(out, 0);  // this disk
    PutLe16(out, 0);  // disk with the directory
    PutLe16(out, 1);  // entries on this disk
    PutLe16(out, 1);  // entries in all
    PutLe32(out, directorySize);
    PutLe32(out, directoryOffset);
    PutLe16(out, 0);  // comment length
    return out;
}

}  // namespace ov::skinc
