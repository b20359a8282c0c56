// Fuzz target: BMP decoding; a decoded bitmap must hold exactly its rows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/data/bmp_decoder.h"
#include "skin/data/skin_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const ov::DecodedBitmap bitmap = ov::DecodeBmp(std::span(data, size));
        if (bitmap.pixels.size() != bitmap.Stride() * bitmap.height)
            std::abort();
    } catch (const ov::SkinFileError&) {
    }
    return 0;
}
