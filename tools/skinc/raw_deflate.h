// Raw deflate (RFC 1951, no zlib or gzip wrapper) at zlib's best compression, as skin packages
// store their member.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ov::skinc {

// False when this build of skinc has no zlib (the Windows tool may be built without it).
bool HaveDeflate();

// Throws Error when zlib fails or is not available.
std::vector<uint8_t> DeflateRaw(std::span<const uint8_t> data);

}  // namespace ov::skinc
