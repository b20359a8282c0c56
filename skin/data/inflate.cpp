// The deflate decoder. Bits come least significant first out of a 64-bit register that is topped
// up one 32-bit little-endian word at a time, so at least 32 bits are held after every refill;
// every symbol is one table read. Output goes through a 64 KB (+258) window that hands its older
// half to the sink whenever it fills, which keeps 32 KB of history for matches at all times.
#include "skin/data/inflate.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "skin/data/byte_order.h"
#include "skin/data/huffman_tree.h"

namespace ov {
namespace {

constexpr size_t kInputSize = 16384;
constexpr size_t kWindowFlushAt = 65536;
constexpr size_t kFlushSize = 32768;
constexpr size_t kMaxMatch = 258;
// Room behind the window for the second literal of a pair and for copies that move 16 bytes at a
// time and may overshoot a match's end by up to 15 bytes.
constexpr size_t kWindowSlack = 64;
constexpr size_t kWindowSize = kWindowFlushAt + kMaxMatch + kWindowSlack;
// Past the end of the data the decoder is fed zero words. A valid stream needs at most one of
// them (for look-ahead); more mean the data ended before its final block.
constexpr int kMaxZeroWords = 2;
constexpr int kMaxLengthCodes = 286;
constexpr int kMaxDistanceCodes = 30;
constexpr std::array<uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

struct InflateError {
    InflateStatus status;
};

// The one way bad input leaves the decoder.
[[noreturn]] void Refuse(InflateStatus status) { throw InflateError{status}; }

// Copies a match of `length` bytes from `distance` bytes back. Overlapping copies (distance below
// the length) repeat the bytes they have just written, as deflate defines them.
inline void CopyMatch(uint8_t* dst, size_t distance, size_t length)
{
    const uint8_t* src = dst - distance;
    uint8_t* const stop = dst + length;
    if (distance >= 16) {
        // Each step reads only bytes that earlier steps (or the history) have completed.
        do {
            uint8_t chunk[16];
            std::memcpy(chunk, src, 16);
            std::memcpy(dst, chunk, 16);
            src += 16;
            dst += 16;
        } while (dst < stop);
    } else if (distance == 1) {
        std::memset(dst, *src, length);
    } else {
        // A short period, as in runs of 24-bit pixels. Sixteen bytes of the repeating pattern are
        // built once and stored at steps of the largest multiple of the distance that fits, so the
        // loop never reads back what it has just written (which would stall on store forwarding).
        uint8_t pattern[16];
        for (size_t i = 0; i < 16; ++i)
            pattern[i] = src[i % distance];
        const size_t step = 16 - 16 % distance;
        for (; dst < stop; dst += step)
            std::memcpy(dst, pattern, 16);
    }
}

class Inflater {
public:
    Inflater(ByteSource& in, ByteSink& out)
        : in_(in),
          out_(out),
          input_(std::make_unique_for_overwrite<uint8_t[]>(kInputSize + 4)),
          window_(std::make_unique_for_overwrite<uint8_t[]>(kWindowSize)),
          next_(input_.get()),
          end_(input_.get())
    {
    }

    void Run();

private:
    void ReadMore();
    void RefillSlow();
    void Refill()
    {
        if (count_ < 32)
            RefillSlow();
    }
    uint32_t Take(unsigned n);
    void Drop(unsigned n)
    {
        bits_ >>= n;
        count_ -= n;
    }
    uint8_t TakeByte();
    size_t Flush(size_t w);

    void CopyStored();
    void ReadDynamicTrees();
    void ReadCodeLengths(std::span<uint8_t> lengths);
    void DecodeCodes(const THuffmanTree& lengthTree, const THuffmanTree& distanceTree);
    void CheckNotOverrun() const;

    ByteSource& in_;
    ByteSink& out_;
    std::unique_ptr<uint8_t[]> input_;
    std::unique_ptr<uint8_t[]> window_;
    const uint8_t* next_;  // unread input
    const uint8_t* end_;
    bool sourceEnded_ = false;
    size_t fakeBytes_ = 0;  // zero bytes fed past the end of the data
    int zeroWords_ = 0;
    uint64_t bits_ = 0;
    unsigned count_ = 0;
    size_t w_ = 0;  // write position in the window
    THuffmanTree codeLengthTree_{7};
    THuffmanTree lengthTree_{15};
    THuffmanTree distanceTree_{15};
};

// Moves the unread tail to the front and fills the rest of the input buffer. At the end of the
// source the held bytes are padded with zeros to whole words.
void Inflater::ReadMore()
{
    uint8_t* const buffer = input_.get();
    const size_t held = static_cast<size_t>(end_ - next_);
    std::memmove(buffer, next_, held);
    size_t filled = held;
    if (!sourceEnded_) {
        const size_t wanted = kInputSize - held;
        const size_t got = in_.Read({buffer + held, wanted});
        filled += got;
        sourceEnded_ = got < wanted;
    }
    if (sourceEnded_) {
        while (filled % 4 != 0) {
            buffer[filled++] = 0;
            ++fakeBytes_;
        }
    }
    next_ = buffer;
    end_ = buffer + filled;
}

// Makes at least 32 bits available, reading more input or, past its end, adding zero words.
void Inflater::RefillSlow()
{
    if (count_ >= 32)
        return;
    if (end_ - next_ < 4)
        ReadMore();
    if (end_ - next_ >= 4) {
        bits_ |= static_cast<uint64_t>(LoadLe32(next_)) << count_;
        next_ += 4;
    } else {
        if (++zeroWords_ > kMaxZeroWords)
            Refuse(InflateStatus::Truncated);
        fakeBytes_ += 4;
    }
    count_ += 32;
}

uint32_t Inflater::Take(unsigned n)
{
    Refill();
    const auto value = static_cast<uint32_t>(bits_ & ((uint64_t{1} << n) - 1));
    Drop(n);
    return value;
}

uint8_t Inflater::TakeByte()
{
    if (count_ >= 8)
        return static_cast<uint8_t>(Take(8));
    if (next_ == end_)
        ReadMore();
    if (next_ == end_)
        Refuse(InflateStatus::Truncated);
    return *next_++;
}

// Hands the older half of a full window to the sink and moves the rest down.
size_t Inflater::Flush(size_t w)
{
    uint8_t* const window = window_.get();
    out_.Write({window, kFlushSize});
    std::memmove(window, window + kFlushSize, w - kFlushSize);
    return w - kFlushSize;
}

// Block type 0: LEN bytes as they are, after the byte boundary and LEN/NLEN (NLEN is not checked).
void Inflater::CopyStored()
{
    Drop(count_ % 8);
    uint32_t length = TakeByte();
    length |= static_cast<uint32_t>(TakeByte()) << 8;
    TakeByte();
    TakeByte();
    uint8_t* const window = window_.get();
    // Whole bytes still in the bit register come first, then the input buffer.
    for (; length > 0 && count_ >= 8; --length) {
        window[w_++] = TakeByte();
        if (w_ >= kWindowFlushAt)
            w_ = Flush(w_);
    }
    while (length > 0) {
        if (next_ == end_)
            ReadMore();
        if (next_ == end_)
            Refuse(InflateStatus::Truncated);
        const size_t n = std::min({size_t{length}, static_cast<size_t>(end_ - next_), kWindowFlushAt - w_});
        std::memcpy(window + w_, next_, n);
        next_ += n;
        w_ += n;
        length -= static_cast<uint32_t>(n);
        if (w_ >= kWindowFlushAt)
            w_ = Flush(w_);
    }
}

// Reads HLIT + HDIST code lengths with the code-length code; runs must stay inside the array.
void Inflater::ReadCodeLengths(std::span<uint8_t> lengths)
{
    const uint32_t* table = codeLengthTree_.Table();
    const uint64_t mask = (uint64_t{1} << codeLengthTree_.MaxLength()) - 1;
    for (size_t i = 0; i < lengths.size();) {
        Refill();  // a code (up to 7 bits) and its repeat bits (up to 7) fit in the 32 held
        const uint32_t entry = table[bits_ & mask];
        const uint32_t symbol = THuffmanTree::Symbol(entry);
        if (symbol > 18)
            Refuse(InflateStatus::BadData);
        Drop(THuffmanTree::CodeLength(entry));
        if (symbol < 16) {
            lengths[i++] = static_cast<uint8_t>(symbol);
            continue;
        }
        uint8_t value = 0;
        size_t repeat = 0;
        if (symbol == 16) {
            if (i == 0)
                Refuse(InflateStatus::BadData);  // nothing to repeat
            value = lengths[i - 1];
            repeat = 3 + Take(2);
        } else {
            repeat = symbol == 17 ? 3 + Take(3) : 11 + Take(7);
        }
        if (repeat > lengths.size() - i)
            Refuse(InflateStatus::BadData);
        std::fill_n(lengths.begin() + static_cast<std::ptrdiff_t>(i), repeat, value);
        i += repeat;
    }
}

// Block type 2: the header that describes the block's literal/length and distance codes.
void Inflater::ReadDynamicTrees()
{
    const int literalCount = static_cast<int>(Take(5)) + 257;
    const int distanceCount = static_cast<int>(Take(5)) + 1;
    const int codeLengthCount = static_cast<int>(Take(4)) + 4;
    if (literalCount > kMaxLengthCodes || distanceCount > kMaxDistanceCodes)
        Refuse(InflateStatus::BadData);

    std::array<uint8_t, 19> codeLengthLengths{};
    for (int i = 0; i < codeLengthCount; ++i)
        codeLengthLengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(Take(3));
    if (!codeLengthTree_.Build(codeLengthLengths, 19, {}, 19, 0))
        Refuse(InflateStatus::BadData);

    std::array<uint8_t, kMaxLengthCodes + kMaxDistanceCodes> lengths{};
    ReadCodeLengths(std::span(lengths).first(literalCount + distanceCount));
    if (!lengthTree_.Build(lengths, kFirstLengthSymbol, kLengthExtra, literalCount, 0) ||
        !distanceTree_.Build(lengths, 0, kDistanceExtra, distanceCount, literalCount)) {
        Refuse(InflateStatus::BadData);
    }
}

// The hot loop of a Huffman-coded block. The decoder state lives in locals so that it stays in
// registers; it goes back to the members only around the rare slow refill.
void Inflater::DecodeCodes(const THuffmanTree& lengthTree, const THuffmanTree& distanceTree)
{
    const uint32_t* const lengthTable = lengthTree.Table();
    const uint64_t lengthMask = (uint64_t{1} << lengthTree.MaxLength()) - 1;
    const uint32_t* const distanceTable = distanceTree.Table();
    const uint64_t distanceMask = (uint64_t{1} << distanceTree.MaxLength()) - 1;
    uint8_t* const window = window_.get();

    uint64_t bits = bits_;
    unsigned count = count_;
    const uint8_t* next = next_;
    const uint8_t* end = end_;
    size_t w = w_;
    auto refill = [&] {
        if (count >= 32)
            return;
        if (end - next >= 4) {
            bits |= static_cast<uint64_t>(LoadLe32(next)) << count;
            next += 4;
            count += 32;
            return;
        }
        bits_ = bits, count_ = count, next_ = next;
        RefillSlow();
        bits = bits_, count = count_, next = next_, end = end_;
    };
    auto drop = [&](unsigned n) {
        bits >>= n;
        count -= n;
    };

    for (;;) {
        refill();
        uint32_t entry = lengthTable[bits & lengthMask];
        if (THuffmanTree::Symbol(entry) < 256) {
            // Literal. At least 17 bits remain, enough for a second code without a refill.
            drop(THuffmanTree::CodeLength(entry));
            window[w++] = static_cast<uint8_t>(entry);
            entry = lengthTable[bits & lengthMask];
            if (THuffmanTree::Symbol(entry) < 256) {
                drop(THuffmanTree::CodeLength(entry));
                window[w++] = static_cast<uint8_t>(entry);
                if (w >= kWindowFlushAt)
                    w = Flush(w);
                continue;
            }
            if (w >= kWindowFlushAt)
                w = Flush(w);
            refill();  // adds bits above those the entry was read from; the entry stays valid
        }
        const uint32_t symbol = THuffmanTree::Symbol(entry);
        unsigned codeLength = THuffmanTree::CodeLength(entry);
        if (symbol == kEndOfBlock) {
            drop(codeLength);
            break;
        }
        if (symbol > kMaxLengthSymbol)
            Refuse(InflateStatus::BadData);
        unsigned extra = THuffmanTree::ExtraBits(entry);
        const size_t length =
            kLengthBase[symbol - kFirstLengthSymbol] + ((bits >> codeLength) & ((uint64_t{1} << extra) - 1));
        drop(codeLength + extra);

        refill();  // a distance code (up to 15 bits) and its extra bits (up to 13) fit in 32
        entry = distanceTable[bits & distanceMask];
        const uint32_t distanceSymbol = THuffmanTree::Symbol(entry);
        if (distanceSymbol > kMaxDistanceSymbol)
            Refuse(InflateStatus::BadData);
        codeLength = THuffmanTree::CodeLength(entry);
        extra = THuffmanTree::ExtraBits(entry);
        const size_t distance = kDistanceBase[distanceSymbol] + ((bits >> codeLength) & ((uint64_t{1} << extra) - 1));
        drop(codeLength + extra);
        if (distance > w)
            Refuse(InflateStatus::BadData);  // reaches before the start of the output

        CopyMatch(window + w, distance, length);
        w += length;
        if (w >= kWindowFlushAt)
            w = Flush(w);
    }
    bits_ = bits, count_ = count, next_ = next, w_ = w;
}

// Decoding that used bits of the zero padding read past the end of the data.
void Inflater::CheckNotOverrun() const
{
    const size_t unread = count_ + static_cast<size_t>(end_ - next_) * 8;
    if (unread < fakeBytes_ * 8)
        Refuse(InflateStatus::Truncated);
}

void Inflater::Run()
{
    bool final = false;
    while (!final) {
        final = Take(1) != 0;
        switch (Take(2)) {
        case 0:
            CopyStored();
            break;
        case 1:
            DecodeCodes(FixedTrees().literals, FixedTrees().distances);
            break;
        case 2:
            ReadDynamicTrees();
            DecodeCodes(lengthTree_, distanceTree_);
            break;
        default:
            Refuse(InflateStatus::BadData);  // type 3 is reserved
        }
        CheckNotOverrun();
    }
    out_.Write({window_.get(), w_});
}

}  // namespace

InflateStatus Inflate(ByteSource& in, ByteSink& out)
{
    Inflater inflater(in, out);
    try {
        inflater.Run();
    } catch (const InflateError& error) {
        return error.status;
    }
    return InflateStatus::Done;
}

}  // namespace ov
