// Appending little-endian fields to a growing file image, as every file skinc writes stores them.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/data/byte_order.h"

namespace ov::skinc {

inline void PutLe16(std::vector<uint8_t>& out, uint16_t value)
{
    out.resize(out.size() + 2);
    StoreLe16(out.data() + out.size() - 2, value);
}

inline void PutLe32(std::vector<uint8_t>& out, uint32_t value)
{
    out.resize(out.size() + 4);
    StoreLe32(out.data() + out.size() - 4, value);
}

}  // namespace ov::skinc
