// Temporary folder and GUIDs on hosts other than Windows: the host's temporary folder (TMPDIR or
// /tmp) and random version-4 GUIDs.
#include <filesystem>
#include <random>

#include "skin/data/temp_file.h"

namespace ov {

std::string TemporaryFolder()
{
    std::string folder = std::filesystem::temp_directory_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

Guid NewGuid()
{
    static std::mt19937_64 engine{std::random_device{}()};
    const uint64_t high = engine();
    const uint64_t low = engine();
    Guid g;
    g.data1 = static_cast<uint32_t>(high >> 32);
    g.data2 = static_cast<uint16_t>(high >> 16);
    g.data3 = static_cast<uint16_t>((high & 0x0FFF) | 0x4000);  // version 4: random
    for (int i = 0; i < 8; ++i)
        g.data4[i] = static_cast<uint8_t>(low >> (56 - 8 * i));
    g.data4[0] = static_cast<uint8_t>((g.data4[0] & 0x3F) | 0x80);  // the standard variant
    return g;
}

}  // namespace ov
