// Fuzz target: the skin data file parser (record chain, payload bounds, BMP decoding).
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/data/sk2_file.h"
#include "skin/data/skin_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        ov::ParseSkinDataFile(std::span(data, size));
    } catch (const ov::SkinFileError&) {
    }
    return 0;
}
