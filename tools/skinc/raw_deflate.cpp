// Raw deflate through zlib, when the build has it (OV_SKINC_HAVE_ZLIB).
#include "tools/skinc/raw_deflate.h"

#include "tools/skinc/skinc_error.h"

#ifdef OV_SKINC_HAVE_ZLIB
#include <zlib.h>
#endif

namespace ov::skinc {

#ifdef OV_SKINC_HAVE_ZLIB

bool HaveDeflate() { return true; }

std::vector<uint8_t> DeflateRaw(std::span<const uint8_t> data) {
    z_stream stream{};
    // Negative window bits: raw deflate without the zlib header and checksum.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw Error("zlib: cannot start compressing");
    }
    std::vector<uint8_t> out(deflateBound(&stream, static_cast<uLong>(data.size())));
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (status != Z_STREAM_END) throw Error("zlib: compression failed");
    return out;
}

#else

bool HaveDeflate() { return false; }

std::vector<uint8_t> DeflateRaw(std::span<const uint8_t>) {
    throw Error("this skinc was built without zlib and cannot compress skin packages");
}

#endif

}  // namespace ov::skinc
