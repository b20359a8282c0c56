// Line-break expansion for text streamed into the rich edit control: CR, LF, CR LF and LF CR each
// become one CR LF, across as many buffers as the stream is delivered in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace ov {

// What the previous character turned into. It is kept between calls, so a CR LF pair split
// across two buffers still counts as one break.
struct LineBreakState {
    bool lfWritten = false;  // the previous character was a LF, written out as CR LF
    bool crWritten = false;  // the previous character was a CR, written out as CR LF
};

// Copies `count` characters from `in` to `out`, writing every break as CR LF: a LF right after a
// CR that became CR LF (or a CR right after such a LF) is the second half of one break and is
// dropped. `out` must hold 2 * count characters. `out` may overlap `in` when it starts at or
// before `in` and every character is read before its place is written: with `in` in the upper
// half of a buffer of 2 * count characters and `out` at its start this always holds. Returns the
// number of characters written.
namespace line_breaks_detail {

// The index of the first CR or LF in [from, count), or count.
template <typename Char>
std::size_t FindBreak(const Char* in, std::size_t from, std::size_t count) noexcept
{
    std::size_t i = from;
    if constexpr (sizeof(Char) == 1) {
        // Eight bytes at a time: a byte of x is zero where the text has the byte searched for, and
        // (x - 0x01..) & ~x & 0x80.. is non-zero exactly when some byte of x is zero.
        constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
        for (; i + 8 <= count; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, in + i, 8);
            std::uint64_t cr = word ^ (ones * 13), lf = word ^ (ones * 10);
            if (((cr - ones) & ~cr & highs) | ((lf - ones) & ~lf & highs))
                break;
        }
    }
    while (i < count && in[i] != Char(13) && in[i] != Char(10))
        ++i;
    return i;
}

}  // namespace line_breaks_detail

template <typename Char>
std::size_t ExpandLineBreaks(const Char* in, std::size_t count, Char* out, LineBreakState& state) noexcept
{
    constexpr Char cr = 13;
    constexpr Char lf = 10;
    std::size_t written = 0;
    std::size_t i = 0;
    while (i < count) {
        // Runs without a break are moved as a block: documents are mostly such runs.
        std::size_t end = line_breaks_detail::FindBreak(in, i, count);
        if (end > i) {
            std::memmove(out + written, in + i, (end - i) * sizeof(Char));
            written += end - i;
            state = {};
            i = end;
            continue;
        }
        Char c = in[i++];
        bool secondHalf = c == lf ? state.crWritten : state.lfWritten;
        state = {};
        if (secondHalf)
            continue;
        out[written++] = cr;
        out[written++] = lf;
        (c == lf ? state.lfWritten : state.crWritten) = true;
    }
    return written;
}

}  // namespace ov
