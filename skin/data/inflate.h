// Raw deflate (RFC 1951) decoding from a byte source into a byte sink.
#pragma once

#include "skin/data/byte_stream.h"

namespace ov {

enum class InflateStatus {
    Done,       // the final block ended
    BadData,    // the data breaks the format (bad block header, code, length run or distance)
    Truncated,  // the data ran out before the final block ended
};

// Decodes until the end of the final block. Input is read in 16 KB pieces, output written in
// 32 KB pieces through a 64 KB (+258) window; the source may hold more after the deflate data.
// Errors of the sink (a failed write) propagate as exceptions.
InflateStatus Inflate(ByteSource& in, ByteSink& out);

}  // namespace ov
