// Raw deflate through zlib, when the build has it (OV_SKINC_HAVE_ZLIB).
#include "tools/skinc/raw_deflate.h"

#include "tools/skinc/skinc_error.h"

#ifdef OV_SKINC_HAVE_ZLIB
#include <zlib.h>
#endif

namespace ov::skinc {

#ifdef OV_SKINC_HAVE_ZLIB

bool HaveDeflate() { return true; }

namespace {

// A zlib compression stream, ended on every path.
class DeflateStream {
public:
    DeflateStream()
    {
        // Negative window bits: raw deflate without the zlib header and checksum.
        if (deflateInit2(&stream_, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
            throw Error("zlib: cannot start compressing");
        }
    }
    ~DeflateStream() { deflateEnd(&stream_); }
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;

    z_stream* operator->() { return &stream_; }
    z_stream* Get() { return &stream_; }

private:
    z_stream stream_{};
};

}  // namespace

std::vector<uint8_t> DeflateRaw(std::span<const uint8_t> data)
{
    DeflateStream stream;
    std::vector<uint8_t> out(deflateBound(stream.Get(), static_cast<uLong>(data.size())));
    stream->next_in = const_cast<Bytef*>(data.data());
    stream->avail_in = static_cast<uInt>(data.size());
    stream->next_out = out.data();
    stream->avail_out = static_cast<uInt>(out.size());
    // The output has room for the bound, so one call finishes the stream.
    if (deflate(stream.Get(), Z_FINISH) != Z_STREAM_END)
        throw Error("zlib: compression failed");
    out.resize(stream->total_out);
    return out;
}

#else

bool HaveDeflate() { return false; }

std::vector<uint8_t> DeflateRaw(std::span<const uint8_t>)
{
    throw Error("this skinc was built without zlib and cannot compress skin packages");
}

#endif

}  // namespace ov::skinc
