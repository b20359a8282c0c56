// Canonical Huffman table building: codes are assigned in order of length, then symbol, and each
// code's bit-reversed value (the decoder sees bits least significant first) is repeated over
// every slot whose low bits match it.
#include "skin/data/huffman_tree.h"

#include <algorithm>
#include <array>

namespace ov {
namespace {

constexpr std::array<uint8_t, 256> MakeByteReversal()
{
    std::array<uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        int r = 0;
        for (int bit = 0; bit < 8; ++bit)
            r |= ((i >> bit) & 1) << (7 - bit);
        table[i] = static_cast<uint8_t>(r);
    }
    return table;
}

constexpr auto kByteReversal = MakeByteReversal();

uint32_t ReverseBits(uint32_t code, int length)
{
    const uint32_t reversed16 = static_cast<uint32_t>(kByteReversal[code & 0xFF]) << 8 | kByteReversal[code >> 8];
    return reversed16 >> (16 - length);
}

}  // namespace

bool THuffmanTree::Build(std::span<const uint8_t> lengths, int firstExtraSymbol, std::span<const uint8_t> extraBits,
                         int count, int firstIndex)
{
    const std::span<const uint8_t> own = lengths.subspan(firstIndex, count);
    std::array<int, 16> perLength{};
    FMaxLength = 0;
    for (uint8_t n : own) {
        if (n > FMaxBits)
            return false;
        ++perLength[n];
        FMaxLength = std::max<int>(FMaxLength, n);
    }

    // First code of each length; the space left over tells whether the code is complete.
    std::array<uint32_t, 16> nextCode{};
    uint32_t code = 0;
    int32_t spaceLeft = 1;
    for (int bits = 1; bits <= FMaxBits; ++bits) {
        code = (code + static_cast<uint32_t>(bits > 1 ? perLength[bits - 1] : 0)) << 1;
        nextCode[bits] = code;
        spaceLeft = (spaceLeft << 1) - perLength[bits];
        if (spaceLeft < 0)
            return false;  // over-subscribed: codes would run past 2^length
    }

    const size_t size = size_t{1} << FMaxLength;
    if (FCapacity < size) {
        FTable = std::make_unique_for_overwrite<uint32_t[]>(size);
        FCapacity = size;
    }
    uint32_t* table = FTable.get();
    // A complete code writes every slot, so only an incomplete one needs the invalid filling.
    const bool complete = FMaxLength > 0 && spaceLeft == 0;
    if (!complete)
        std::fill(table, table + size, kInvalidEntry);

    for (int s = 0; s < count; ++s) {
        const int n = own[s];
        if (n == 0)
            continue;
        uint32_t entry = static_cast<uint32_t>(s) | static_cast<uint32_t>(n) << 16;
        if (s >= firstExtraSymbol)
            entry |= static_cast<uint32_t>(extraBits[s - firstExtraSymbol]) << 24;
        for (size_t slot = ReverseBits(nextCode[n]++, n); slot < size; slot += size_t{1} << n)
            table[slot] = entry;
    }
    return true;
}

FixedHuffmanTrees BuildFixedTrees()
{
    std::array<uint8_t, 288> literalLengths{};
    std::fill(literalLengths.begin(), literalLengths.begin() + 144, 8);
    std::fill(literalLengths.begin() + 144, literalLengths.begin() + 256, 9);
    std::fill(literalLengths.begin() + 256, literalLengths.begin() + 280, 7);
    std::fill(literalLengths.begin() + 280, literalLengths.end(), 8);
    std::array<uint8_t, 32> distanceLengths{};
    distanceLengths.fill(5);

    FixedHuffmanTrees trees;
    trees.literals.Build(literalLengths, kFirstLengthSymbol, kLengthExtra, 288, 0);
    trees.distances.Build(distanceLengths, 0, kDistanceExtra, 32, 0);
    return trees;
}

const FixedHuffmanTrees& FixedTrees()
{
    static const FixedHuffmanTrees trees = BuildFixedTrees();
    return trees;
}

}  // namespace ov
