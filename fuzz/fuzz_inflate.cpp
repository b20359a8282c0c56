// Fuzz target: raw deflate, with zlib as the control. Whatever zlib decodes completely, our
// inflater must decode to the same bytes; and it must end (no loop) on anything.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "skin/data/byte_stream.h"
#include "skin/data/inflate.h"

namespace {

constexpr size_t kMaxOutput = 1 << 20;  // keeps highly compressed inputs short

// zlib's decoding into `out` (kMaxOutput bytes); its length, or -1 when zlib refuses the data or
// it does not end within the limit.
long ZlibInflate(std::span<const uint8_t> in, uint8_t* out)
{
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK)
        return -1;
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out;
    z.avail_out = static_cast<uInt>(kMaxOutput);
    const int rc = inflate(&z, Z_FINISH);
    const long length = static_cast<long>(z.total_out);
    inflateEnd(&z);
    return rc == Z_STREAM_END ? length : -1;
}

// Stops the decoding (by raising) once it has written more than the limit.
class LimitedSink final : public ov::ByteSink {
public:
    explicit LimitedSink(std::vector<uint8_t>& out) : out_(out) {}
    void Write(std::span<const uint8_t> bytes) override
    {
        if (out_.size() + bytes.size() > kMaxOutput + (1 << 16))
            throw std::length_error("output limit");
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }

private:
    std::vector<uint8_t>& out_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> in(data, size);
    std::vector<uint8_t> ours;
    ov::InflateStatus status = ov::InflateStatus::BadData;
    try {
        ov::MemorySource source(in);
        LimitedSink sink(ours);
        status = ov::Inflate(source, sink);
    } catch (const std::length_error&) {
        return 0;
    }
    static const std::unique_ptr<uint8_t[]> control = std::make_unique_for_overwrite<uint8_t[]>(kMaxOutput);
    const long length = ZlibInflate(in, control.get());
    if (length < 0)
        return 0;
    if (status != ov::InflateStatus::Done || ours.size() != static_cast<size_t>(length) ||
        std::memcmp(ours.data(), control.get(), ours.size()) != 0) {
        std::abort();
    }
    return 0;
}
