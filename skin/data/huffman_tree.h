// THuffmanTree: one canonical Huffman code as a single full lookup table, indexed by the next
// FMaxLength input bits (least significant bit first), so one table read decodes one symbol.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace ov {

class THuffmanTree {
public:
    // Entry layout, 32 bits:
    //   bits  0-15  symbol
    //   bits 16-23  code length in bits
    //   bits 24-31  number of extra bits that follow the code (0 for symbols without)
    // Slots that no code reaches hold kInvalidEntry; its symbol 0xFFFF lies outside every alphabet,
    // so the decoder's range checks on the symbol catch it without a test of their own.
    static constexpr uint32_t kInvalidEntry = 0xFFFFFFFF;
    static constexpr int kSymbolMask = 0xFFFF;

    static uint32_t Symbol(uint32_t entry) { return entry & 0xFFFF; }
    static uint32_t CodeLength(uint32_t entry) { return (entry >> 16) & 0xFF; }
    static uint32_t ExtraBits(uint32_t entry) { return entry >> 24; }

    // maxBits: the longest code the tree allows (15 for literal/length and distance codes, 7 for the
    // code-length code).
    explicit THuffmanTree(int maxBits) : FMaxBits(maxBits) {}

    // Builds the table from count code lengths starting at lengths[firstIndex]. Symbols from
    // firstExtraSymbol on carry extraBits[symbol - firstExtraSymbol] extra bits. Returns false, and
    // leaves no usable table, when a length exceeds FMaxBits or the lengths over-subscribe the code
    // space. An incomplete code is accepted; its unreached slots are invalid entries.
    bool Build(std::span<const uint8_t> lengths, int firstExtraSymbol, std::span<const uint8_t> extraBits, int count,
               int firstIndex);

    [[nodiscard]] uint32_t Lookup(uint32_t index) const { return FTable[index]; }
    [[nodiscard]] const uint32_t* Table() const { return FTable.get(); }
    [[nodiscard]] int MaxLength() const { return FMaxLength; }

private:
    std::unique_ptr<uint32_t[]> FTable;
    size_t FCapacity = 0;  // the table is kept and reused by the next Build when it is large enough
    int FMaxBits;
    int FMaxLength = 0;
};

// RFC 1951's length and distance alphabets. The length tables cover symbols 257-287 (286 and 287
// only occur in the fixed code, and valid data never uses them); the distance tables cover codes
// 0-31, where 30 and 31 exist only so that every 5-bit fixed code has an entry.
inline constexpr uint16_t kLengthBase[31] = {3,  4,  5,  6,  7,  8,  9,  10,  11,  13,  15,  17,  19,  23, 27, 31,
                                             35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258, 0,  0};
inline constexpr uint8_t kLengthExtra[31] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                             3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0, 0, 0};
inline constexpr uint32_t kDistanceBase[32] = {1,    2,    3,    4,    5,    7,     9,     13,    17,    25,   33,
                                               49,   65,   97,   129,  193,  257,   385,   513,   769,   1025, 1537,
                                               2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577, 32769, 49153};
inline constexpr uint8_t kDistanceExtra[32] = {0, 0, 0, 0, 1, 1, 2,  2,  3,  3,  4,  4,  5,  5,  6,  6,
                                               7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14};
inline constexpr int kFirstLengthSymbol = 257;
inline constexpr int kEndOfBlock = 256;
inline constexpr int kMaxLengthSymbol = 285;
inline constexpr int kMaxDistanceSymbol = 29;

// The two tables of the fixed code (block type 1), built once and shared read-only.
struct FixedHuffmanTrees {
    THuffmanTree literals{15};
    THuffmanTree distances{15};
};

// Builds the fixed literal/length table (288 lengths: 8 for 0-143, 9 for 144-255, 7 for 256-279,
// 8 for 280-287) and the fixed distance table (32 lengths of 5).
FixedHuffmanTrees BuildFixedTrees();

// The shared fixed tables: built on first use, freed at exit.
const FixedHuffmanTrees& FixedTrees();

}  // namespace ov
