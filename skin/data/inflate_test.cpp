// The inflater against zlib's deflate (every level and strategy), on hand-made streams for the
// corner cases, and on damaged streams that must be refused without looping.
#include "skin/data/inflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "skin/data/huffman_tree.h"
#include "skin/data/skin_test_support.h"

namespace ov {
namespace {

using testing::Bytes;

InflateStatus InflateBytes(std::span<const uint8_t> compressed, Bytes& out)
{
    MemorySource source(compressed);
    VectorSink sink(out);
    return Inflate(source, sink);
}

// Text with repeats, runs and random binary stretches, like a skin's mix of names and pixels.
Bytes MixedData(size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    const std::string words[] = {"SKIN2_TITLEBAR", "colour ", "\r\n", "0x00FF00FF ", "bitmap", " the "};
    Bytes out;
    while (out.size() < size) {
        switch (rng() % 4) {
        case 0:
            for (char c : words[rng() % 6])
                out.push_back(static_cast<uint8_t>(c));
            break;
        case 1:
            out.insert(out.end(), rng() % 300, static_cast<uint8_t>(rng()));
            break;
        case 2:
            for (auto i = rng() % 200; i > 0; --i)
                out.push_back(static_cast<uint8_t>(rng()));
            break;
        default:
            if (out.size() > 100) {
                const size_t from = out.size() - 1 - rng() % std::min<size_t>(out.size() - 1, 40000);
                const size_t n = rng() % 400;
                for (size_t i = 0; i < n; ++i)
                    out.push_back(out[from + i]);
            }
        }
    }
    out.resize(size);
    return out;
}

// Writes deflate bit fields (least significant bit first) and Huffman codes (most significant
// bit first) for hand-made streams.
class BitWriter {
public:
    void Bits(uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            Bit((value >> i) & 1);
    }
    void Code(uint32_t code, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            Bit((code >> i) & 1);
    }
    // Codes of the fixed literal/length and distance codes.
    void FixedLiteral(int symbol)
    {
        if (symbol < 144)
            Code(0x30 + symbol, 8);
        else if (symbol < 256)
            Code(0x190 + symbol - 144, 9);
        else if (symbol < 280)
            Code(symbol - 256, 7);
        else
            Code(0xC0 + symbol - 280, 8);
    }
    void FixedDistance(int code) { Code(code, 5); }
    // A whole match in the fixed code: length symbol and extra bits, distance code and extra bits.
    void FixedMatch(int length, int distance)
    {
        int symbol = length == 258 ? 28 : 0;
        while (length != 258 && symbol + 1 < 28 && kLengthBase[symbol + 1] <= length)
            ++symbol;
        FixedLiteral(kFirstLengthSymbol + symbol);
        Bits(length - kLengthBase[symbol], kLengthExtra[symbol]);
        int code = 0;
        while (code + 1 < 30 && static_cast<int>(kDistanceBase[code + 1]) <= distance)
            ++code;
        FixedDistance(code);
        Bits(distance - kDistanceBase[code], kDistanceExtra[code]);
    }
    void AlignToByte()
    {
        while (used_ != 0)
            Bit(0);
    }
    Bytes Finish()
    {
        AlignToByte();
        return out_;
    }

private:
    void Bit(uint32_t bit)
    {
        if (used_ == 0)
            out_.push_back(0);
        out_.back() |= static_cast<uint8_t>(bit << used_);
        used_ = (used_ + 1) % 8;
    }
    Bytes out_;
    int used_ = 0;
};

TEST(Inflate, MatchesZlibAtEveryLevelAndStrategy)
{
    const Bytes data = MixedData(300000, 1);
    for (int level = 0; level <= 9; ++level) {
        Bytes out;
        ASSERT_EQ(InflateBytes(testing::ZlibDeflate(data, level), out), InflateStatus::Done) << "level " << level;
        EXPECT_EQ(out, data) << "level " << level;
    }
    for (int strategy : {Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE, Z_FILTERED}) {
        Bytes out;
        ASSERT_EQ(InflateBytes(testing::ZlibDeflate(data, 6, strategy), out), InflateStatus::Done);
        EXPECT_EQ(out, data) << "strategy " << strategy;
    }
}

TEST(Inflate, SmallAndHighlyRepetitiveData)
{
    for (const Bytes& data : {Bytes{}, Bytes{'a'}, Bytes(1000000, 0), MixedData(70000, 2)}) {
        Bytes out;
        ASSERT_EQ(InflateBytes(testing::ZlibDeflate(data, 9), out), InflateStatus::Done);
        EXPECT_EQ(out, data);
    }
}

TEST(Inflate, StopsAtTheFinalBlockWhateverFollows)
{
    const Bytes data = MixedData(5000, 3);
    Bytes compressed = testing::ZlibDeflate(data, 6);
    compressed.insert(compressed.end(), {0xFF, 0x13, 0x37, 0x00, 0xAA});
    Bytes out;
    ASSERT_EQ(InflateBytes(compressed, out), InflateStatus::Done);
    EXPECT_EQ(out, data);
}

TEST(Inflate, StoredBlocksPassThroughTheWindowFlushUnchanged)
{
    // 70,000 bytes in two stored blocks: the first fills the window past its 64 KB mark.
    const Bytes data = MixedData(70000, 4);
    BitWriter w;
    const size_t firstLength = 65535;
    for (size_t start : {size_t{0}, firstLength}) {
        const size_t length = start == 0 ? firstLength : data.size() - firstLength;
        w.Bits(start == 0 ? 0 : 1, 1);  // final bit on the second block
        w.Bits(0, 2);
        w.AlignToByte();
        w.Bits(static_cast<uint32_t>(length), 16);
        w.Bits(static_cast<uint32_t>(~length & 0xFFFF), 16);
        for (size_t i = 0; i < length; ++i)
            w.Bits(data[start + i], 8);
    }
    Bytes out;
    ASSERT_EQ(InflateBytes(w.Finish(), out), InflateStatus::Done);
    EXPECT_EQ(out, data);
}

TEST(Inflate, MatchesShorterThanTheirLengthRepeatTheirOwnOutput)
{
    BitWriter w;
    w.Bits(1, 1);
    w.Bits(1, 2);  // fixed codes
    w.FixedLiteral('x');
    w.FixedLiteral(285);  // length 258
    w.FixedDistance(0);   // distance 1
    for (char c : std::string("abc"))
        w.FixedLiteral(c);
    w.FixedLiteral(264);  // length 10
    w.FixedDistance(2);   // distance 3
    w.FixedLiteral(256);
    Bytes out;
    ASSERT_EQ(InflateBytes(w.Finish(), out), InflateStatus::Done);
    EXPECT_EQ(std::string(out.begin(), out.end()), std::string(259, 'x') + "abcabcabcabca");

    // Every short period, after a history that does not follow the pattern.
    for (int distance = 2; distance <= 17; ++distance) {
        for (int length : {3, 9, 100, 258}) {
            BitWriter m;
            m.Bits(1, 1);
            m.Bits(1, 2);
            std::string expected = "0123456789ABCDEFGHIJ";
            for (char c : expected)
                m.FixedLiteral(c);
            for (int i = 0; i < length; ++i)
                expected += expected[expected.size() - distance];
            m.FixedMatch(length, distance);
            m.FixedLiteral(256);
            ASSERT_EQ(InflateBytes(m.Finish(), out = {}), InflateStatus::Done);
            EXPECT_EQ(std::string(out.begin(), out.end()), expected) << distance << " " << length;
        }
    }
}

// A fixed block with one literal, then whatever `tail` writes.
Bytes FixedBlockAfterLiteral(const std::function<void(BitWriter&)>& tail)
{
    BitWriter w;
    w.Bits(1, 1);
    w.Bits(1, 2);
    w.FixedLiteral('a');
    tail(w);
    return w.Finish();
}

// A dynamic block header whose code-length code is 16 -> "0", 17 -> "10", 18 -> "11", followed by
// the code-length symbols written by `lengths`.
Bytes DynamicHeader(const std::function<void(BitWriter&)>& lengths)
{
    BitWriter w;
    w.Bits(1, 1);
    w.Bits(2, 2);
    w.Bits(0, 5);  // 257 literal/length codes
    w.Bits(0, 5);  // 1 distance code
    w.Bits(0, 4);  // 4 code-length code lengths: symbols 16, 17, 18, 0
    for (int length : {1, 2, 2, 0})
        w.Bits(length, 3);
    lengths(w);
    return w.Finish();
}

TEST(Inflate, RefusesDataThatBreaksTheFormat)
{
    struct Case {
        const char* what;
        Bytes stream;
    };
    BitWriter type3;
    type3.Bits(1, 1);
    type3.Bits(3, 2);
    BitWriter tooManyLiterals;
    tooManyLiterals.Bits(1, 1);
    tooManyLiterals.Bits(2, 2);
    tooManyLiterals.Bits(30, 5);  // 287 codes
    BitWriter tooManyDistances;
    tooManyDistances.Bits(1, 1);
    tooManyDistances.Bits(2, 2);
    tooManyDistances.Bits(0, 5);
    tooManyDistances.Bits(30, 5);  // 31 codes
    BitWriter overSubscribed;
    overSubscribed.Bits(1, 1);
    overSubscribed.Bits(2, 2);
    overSubscribed.Bits(0, 14);
    for (int length : {1, 1, 1, 0})
        overSubscribed.Bits(length, 3);

    const Case cases[] = {
        {"block type 3", type3.Finish()},
        {"more than 286 literal/length codes", tooManyLiterals.Finish()},
        {"more than 30 distance codes", tooManyDistances.Finish()},
        {"over-subscribed code-length code", overSubscribed.Finish()},
        {"repeat with no previous length", DynamicHeader([](BitWriter& w) { w.Code(0, 1); })},
        {"zero run past the last length", DynamicHeader([](BitWriter& w) {
             for (int i = 0; i < 2; ++i) {
                 w.Code(3, 2);
                 w.Bits(127, 7);  // 138 zeros; two runs exceed the 258 lengths
             }
         })},
        {"distance before the start", FixedBlockAfterLiteral([](BitWriter& w) {
             w.FixedLiteral(257);
             w.FixedDistance(1);  // distance 2, one byte written
         })},
        {"distance code 30", FixedBlockAfterLiteral([](BitWriter& w) {
             w.FixedLiteral(257);
             w.FixedDistance(30);
         })},
        {"literal/length code 286", FixedBlockAfterLiteral([](BitWriter& w) { w.FixedLiteral(286); })},
    };
    for (const Case& c : cases) {
        Bytes out;
        EXPECT_EQ(InflateBytes(c.stream, out), InflateStatus::BadData) << c.what;
    }
}

TEST(Inflate, DataThatEndsBeforeTheFinalBlockFails)
{
    const Bytes compressed = testing::ZlibDeflate(MixedData(100000, 5), 9);
    for (size_t cut : {size_t{1}, size_t{2}, compressed.size() / 3, compressed.size() - 2, compressed.size() - 1}) {
        Bytes out;
        EXPECT_NE(InflateBytes(std::span(compressed).first(cut), out), InflateStatus::Done) << "cut at " << cut;
    }
    // The end-of-block code of the fixed code is seven zero bits: cut short, it would be completed
    // by the zero padding past the end.
    const Bytes fixed = FixedBlockAfterLiteral([](BitWriter& w) { w.FixedLiteral(256); });
    ASSERT_EQ(fixed.size(), 3u);
    Bytes whole;
    ASSERT_EQ(InflateBytes(fixed, whole), InflateStatus::Done);
    EXPECT_EQ(InflateBytes(std::span(fixed).first(2), whole), InflateStatus::Truncated);
    // Empty non-final stored blocks, then nothing: no final block ever comes.
    const Bytes endless = {0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF};
    Bytes out;
    EXPECT_EQ(InflateBytes(endless, out), InflateStatus::Truncated);
    EXPECT_EQ(InflateBytes({}, out), InflateStatus::Truncated);
}

TEST(HuffmanTree, BuildsTheCanonicalCodeAsOneFullTable)
{
    // Lengths 3,3,3,3,3,2,4,4 give F = 00, A = 010 ... E = 110, G = 1110, H = 1111; the table is
    // indexed by the code's bits in the order they arrive, i.e. reversed.
    const uint8_t lengths[] = {3, 3, 3, 3, 3, 2, 4, 4};
    const uint8_t extra[] = {0, 0, 0, 0, 0, 0, 5, 7};
    THuffmanTree tree(15);
    ASSERT_TRUE(tree.Build(lengths, 6, std::span(extra).subspan(6), 8, 0));
    EXPECT_EQ(tree.MaxLength(), 4);
    for (uint32_t slot : {0b0000u, 0b0100u, 0b1000u, 0b1100u})
        EXPECT_EQ(tree.Lookup(slot), 5u | 2u << 16);
    for (uint32_t slot : {0b0010u, 0b1010u})
        EXPECT_EQ(tree.Lookup(slot), 0u | 3u << 16);           // A = 010
    EXPECT_EQ(tree.Lookup(0b0111), 6u | 4u << 16 | 5u << 24);  // G = 1110
    EXPECT_EQ(tree.Lookup(0b1111), 7u | 4u << 16 | 7u << 24);  // H = 1111

    const uint8_t incomplete[] = {1, 0, 2};  // "0" and "10"; "11" is unused
    ASSERT_TRUE(tree.Build(incomplete, 3, {}, 3, 0));
    EXPECT_EQ(tree.Lookup(0b11), THuffmanTree::kInvalidEntry);
    EXPECT_EQ(tree.Lookup(0b01), 2u | 2u << 16);

    const uint8_t overSubscribed[] = {1, 1, 2};
    EXPECT_FALSE(tree.Build(overSubscribed, 3, {}, 3, 0));
    const uint8_t tooLong[] = {8, 1};
    EXPECT_FALSE(THuffmanTree(7).Build(tooLong, 2, {}, 2, 0));
}

}  // namespace
}  // namespace ov
