// CRC-32 as ZIP uses it (reflected polynomial 0xEDB88320, initial and final value 0xFFFFFFFF).
#pragma once

#include <cstdint>
#include <span>

namespace ov {

// Continues a running CRC: pass 0 to start, the previous result to go on.
uint32_t Crc32(std::span<const uint8_t> data, uint32_t crc = 0);

// One step of the CRC on a single byte, without the pre- and post-inversion; the traditional ZIP
// cipher updates its keys with this.
uint32_t Crc32Byte(uint32_t crc, uint8_t byte);

}  // namespace ov
