// Writing a skin package: a one-member ZIP archive holding the skin data file, whose first two
// bytes are "SK" instead of "PK".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ov::skinc {

// The package holding `data` as "SKINDATA.SK2": local header (version 20, method 8, DOS time of
// 1980-01-01 00:00 so that builds are reproducible), raw deflate data, one central directory entry
// and the end record, neither with extra field nor comment. With a non-empty password the member
// is under traditional ZIP encryption, its check byte the top byte of the CRC-32. Throws Error
// when compression is not available.
std::vector<uint8_t> WritePackage(std::span<const uint8_t> data, std::string_view password);

}  // namespace ov::skinc
