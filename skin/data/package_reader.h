// Extraction of one member of a skin package: a ZIP archive whose first two bytes are "SK" instead
// of "PK", with deflated or stored members, optionally under traditional ZIP encryption.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/byte_stream.h"

namespace ov {

enum class ExtractResult : int {
    MemberWritten = 0,
    Failure = 1,
    // A failed password check, and also any extraction that produced a size other than the
    // directory's: a wrong password that slips past the one-byte check shows up that way.
    WrongPassword = 2,
};

// Where an extracted member goes. Created only once the member has been found.
class MemberOutput {
public:
    virtual ~MemberOutput() = default;
    virtual ByteSink& Create() = 0;  // raises when it cannot
    [[nodiscard]] virtual bool Created() const = 0;
    [[nodiscard]] virtual uint64_t Size() const = 0;
};

// Finds `memberName` (letter case ignored) through the central directory, decrypts it when it is
// encrypted, decodes it into `output` and applies the closing rules: a member that decodes to
// nothing is a failure, and any end with a size other than the directory's uncompressed size is
// WrongPassword. Raises nothing: an exception inside counts as Failure.
//
// Refused as Failure before any output exists: a package not starting with "SK", one whose last
// 22 bytes are not an end-of-directory record with an empty comment, a directory entry cut short
// or with a name above 259 bytes, a member that is missing, or a method other than 8 (deflate)
// or 0 (stored).
ExtractResult ExtractMember(ByteSource& package, std::string_view memberName, std::string_view password,
                            MemberOutput& output);

// ExtractMember from a package file into an output file (replaced if it exists). The output file
// is deleted unless the result is MemberWritten.
ExtractResult ExtractPackageMember(const std::string& packageFile, std::string_view memberName,
                                   const std::string& outputFile, std::string_view password);

// ExtractMember from a package in memory into `out`, which is left empty unless the result is
// MemberWritten.
ExtractResult ExtractPackageMember(std::span<const uint8_t> package, std::string_view memberName,
                                   std::vector<uint8_t>& out, std::string_view password);

}  // namespace ov
