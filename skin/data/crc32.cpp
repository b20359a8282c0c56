// Table-driven CRC-32, slicing by one byte: the skin package is small, so the simple form is enough.
#include "skin/data/crc32.h"

#include <array>

namespace ov {
namespace {

constexpr std::array<uint32_t, 256> MakeTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr auto kTable = MakeTable();

}  // namespace

uint32_t Crc32Byte(uint32_t crc, uint8_t byte) { return kTable[(crc ^ byte) & 0xFF] ^ (crc >> 8); }

uint32_t Crc32(std::span<const uint8_t> data, uint32_t crc)
{
    crc = ~crc;
    for (uint8_t b : data)
        crc = Crc32Byte(crc, b);
    return ~crc;
}

}  // namespace ov
