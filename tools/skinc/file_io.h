// All-or-nothing file writes for skinc.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace ov::skinc {

// Writes the bytes to a temporary file beside `path` and renames it over `path`, so that a failed
// write leaves no partial file behind. Throws Error naming the path.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace ov::skinc
