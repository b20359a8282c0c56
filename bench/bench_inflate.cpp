// bench_inflate: decompression speed of our inflater, zlib's raw inflate and libdeflate on three
// kinds of data, each compressed by zlib at levels 6 and 9, with memcpy of the output as the
// physical limit. Prints a table, then the geometric means of our speed over the peers' as RESULT
// lines.
#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/data/byte_stream.h"
#include "skin/data/inflate.h"

namespace {

using Bytes = std::vector<uint8_t>;

// ---- Data sets -------------------------------------------------------------------------------

// English-like text from a Zipf-distributed vocabulary, with punctuation and line breaks.
void AppendText(Bytes& out, size_t size, std::mt19937& rng)
{
    static const std::vector<std::string> vocabulary = [] {
        std::vector<std::string> words;
        std::mt19937 wordRng(99);
        for (int i = 0; i < 5000; ++i) {
            std::string w;
            const int length = 2 + static_cast<int>(wordRng() % 9);
            for (int k = 0; k < length; ++k)
                w += static_cast<char>('a' + wordRng() % 26);
            words.push_back(w);
        }
        return words;
    }();
    std::vector<double> weights(vocabulary.size());
    for (size_t i = 0; i < weights.size(); ++i)
        weights[i] = 1.0 / static_cast<double>(i + 1);
    std::discrete_distribution<size_t> pick(weights.begin(), weights.end());
    const size_t end = out.size() + size;
    int sinceBreak = 0;
    while (out.size() < end) {
        const std::string& w = vocabulary[pick(rng)];
        out.insert(out.end(), w.begin(), w.end());
        const uint32_t r = rng() % 20;
        if (r == 0)
            out.insert(out.end(), {'.', ' '});
        else if (r == 1)
            out.insert(out.end(), {',', ' '});
        else
            out.push_back(' ');
        if (++sinceBreak > 12 && rng() % 4 == 0) {
            out.insert(out.end(), {'\r', '\n'});
            sinceBreak = 0;
        }
    }
    out.resize(end);
}

// Binary like program and table data: records of counters, small integers, floats and noise.
void AppendBinary(Bytes& out, size_t size, std::mt19937& rng)
{
    const size_t end = out.size() + size;
    uint32_t counter = rng();
    while (out.size() < end) {
        uint8_t record[32];
        const uint32_t fields[] = {counter++, static_cast<uint32_t>(rng() % 256), static_cast<uint32_t>(rng() % 65536),
                                   0, static_cast<uint32_t>(rng())};
        std::memcpy(record, fields, 20);
        const float f = static_cast<float>(counter % 1000) * 0.25f;
        std::memcpy(record + 20, &f, 4);
        for (int i = 24; i < 32; ++i)
            record[i] = rng() % 8 == 0 ? static_cast<uint8_t>(rng()) : 0;
        out.insert(out.end(), record, record + 32);
    }
    out.resize(end);
}

Bytes MixedData(size_t size)
{
    std::mt19937 rng(1);
    Bytes out;
    out.reserve(size);
    while (out.size() < size) {
        const size_t piece = std::min<size_t>(size - out.size(), size_t{256} * 1024 + rng() % (size_t{768} * 1024));
        if (rng() % 3 == 0)
            AppendBinary(out, piece, rng);
        else
            AppendText(out, piece, rng);
    }
    return out;
}

// A 24-bit bottom-up BMP file shaped like skin parts: gradients, flat faces, frames, key colour.
void AppendSkinBitmap(Bytes& out, int width, int height, std::mt19937& rng)
{
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    const uint32_t size = static_cast<uint32_t>(54 + stride * height);
    uint8_t header[54] = {'B', 'M'};
    const uint32_t fields[] = {size, 0, 54, 40, static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
    std::memcpy(header + 2, fields, sizeof fields);
    header[26] = 1;
    header[28] = 24;
    out.insert(out.end(), header, header + 54);
    const int style = static_cast<int>(rng() % 3);
    const uint8_t base[3] = {static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng())};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t px[3];
            const bool corner = (x < 3 || x >= width - 3) && (y < 3 || y >= height - 3);
            const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            for (int c = 0; c < 3; ++c) {
                int v = base[c];
                if (style == 0)
                    v += y * 64 / height;  // vertical gradient
                if (style == 1)
                    v += (x * 48 / width) + ((x / 8 + y / 8) % 2) * 6;  // cells
                if (style == 2 && rng() % 5 == 0)
                    v += static_cast<int>(rng() % 5) - 2;  // grain
                px[c] = static_cast<uint8_t>(std::clamp(frame ? v / 2 : v, 0, 255));
            }
            if (corner)
                px[0] = 255, px[1] = 0, px[2] = 255;  // transparent key colour
            out.insert(out.end(), px, px + 3);
        }
        out.resize(out.size() + stride - size_t{3} * width, 0);
    }
}

Bytes SkinBitmaps(size_t size)
{
    std::mt19937 rng(2);
    Bytes out;
    while (out.size() < size) {
        const int width = 8 + static_cast<int>(rng() % 400);
        const int height = 8 + static_cast<int>(rng() % 120);
        AppendSkinBitmap(out, width, height, rng);
    }
    return out;
}

// RTF picture groups: 32-bit DIB pixels of photo-like pictures as hex, 128 digits a line.
Bytes RtfPictureHex(size_t size)
{
    std::mt19937 rng(3);
    Bytes out;
    const char* digits = "0123456789abcdef";
    int column = 0;
    auto hexByte = [&](uint8_t b) {
        out.push_back(static_cast<uint8_t>(digits[b >> 4]));
        out.push_back(static_cast<uint8_t>(digits[b & 15]));
        if ((column += 2) == 128) {
            out.insert(out.end(), {'\r', '\n'});
            column = 0;
        }
    };
    while (out.size() < size) {
        const std::string head = "{\\pict\\dibitmap0\\picw16933\\pich11289\\picwgoal9600\\pichgoal6400\r\n";
        out.insert(out.end(), head.begin(), head.end());
        const int width = 800, height = 400;
        for (int y = 0; y < height && out.size() < size; ++y) {
            for (int x = 0; x < width; ++x) {
                const double s = std::sin(x * 0.013 + y * 0.007) * 60 + std::cos(y * 0.021) * 40;
                for (int c = 0; c < 3; ++c) {
                    hexByte(static_cast<uint8_t>(
                        std::clamp(128 + static_cast<int>(s) + c * 20 + static_cast<int>(rng() % 7) - 3, 0, 255)));
                }
                hexByte(0);
            }
        }
        out.insert(out.end(), {'}', '\r', '\n'});
    }
    out.resize(size);
    return out;
}

Bytes ZlibDeflate(const Bytes& data, int level)
{
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&z, static_cast<uLong>(data.size())));
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    if (deflate(&z, Z_FINISH) != Z_STREAM_END)
        throw std::runtime_error("deflate failed");
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// ---- Decoders ----------------------------------------------------------------------------------

// Our inflater's output lands in a preallocated buffer, as the peers' does.
class BufferSink final : public ov::ByteSink {
public:
    explicit BufferSink(Bytes& out) : out_(out) {}
    void Write(std::span<const uint8_t> bytes) override
    {
        if (bytes.size() > out_.size() - at_)
            throw std::runtime_error("output overflow");
        std::memcpy(out_.data() + at_, bytes.data(), bytes.size());
        at_ += bytes.size();
    }
    [[nodiscard]] size_t Written() const { return at_; }

private:
    Bytes& out_;
    size_t at_ = 0;
};

size_t OursInflate(const Bytes& in, Bytes& out)
{
    ov::MemorySource source(in);
    BufferSink sink(out);
    if (ov::Inflate(source, sink) != ov::InflateStatus::Done)
        throw std::runtime_error("our inflate failed");
    return sink.Written();
}

size_t ZlibInflate(const Bytes& in, Bytes& out)
{
    z_stream z{};
    inflateInit2(&z, -15);
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    if (inflate(&z, Z_FINISH) != Z_STREAM_END)
        throw std::runtime_error("zlib inflate failed");
    const size_t n = z.total_out;
    inflateEnd(&z);
    return n;
}

size_t LibdeflateInflate(const Bytes& in, Bytes& out)
{
    static libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    size_t n = 0;
    if (libdeflate_deflate_decompress(d, in.data(), in.size(), out.data(), out.size(), &n) != LIBDEFLATE_SUCCESS) {
        throw std::runtime_error("libdeflate failed");
    }
    return n;
}

using Decoder = std::function<size_t(const Bytes&, Bytes&)>;

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Best speeds in MB/s (of output) over several rounds. Each round runs every decoder once, so that
// load from elsewhere on the machine falls on all of them alike; every output is checked.
std::vector<double> BestSpeeds(const std::vector<Decoder>& decoders, const Bytes& compressed, const Bytes& original,
                               int rounds)
{
    Bytes out(original.size());
    std::vector<double> best(decoders.size() + 1, 1e30);
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < decoders.size(); ++i) {
            std::fill(out.begin(), out.end(), 0);
            size_t n = 0;
            best[i] = std::min(best[i], Seconds([&] { n = decoders[i](compressed, out); }));
            if (n != original.size() || out != original)
                throw std::runtime_error("decoded output differs");
        }
        best.back() = std::min(best.back(), Seconds([&] { std::memcpy(out.data(), original.data(), out.size()); }));
    }
    for (double& b : best)
        b = static_cast<double>(original.size()) / 1e6 / b;
    return best;
}

}  // namespace

namespace {

int Run(int argc, char** argv)
{
    // --quick: a quarter of the data, for trying changes; the figures to report come without it.
    const size_t scale = argc > 1 && std::string(argv[1]) == "--quick" ? 4 : 1;
    struct DataSet {
        const char* name;
        Bytes data;
    };
    std::printf("preparing data...\n");
    std::fflush(stdout);
    const DataSet sets[] = {
        {"mixed text+binary", MixedData((64u << 20) / scale)},
        {"skin bitmaps", SkinBitmaps((16u << 20) / scale)},
        {"rtf picture hex", RtfPictureHex(12800000 / scale)},
    };
    const int runs = 7;
    double logVsZlib = 0, logVsLibdeflate = 0;
    int count = 0;
    std::printf("%-18s %5s %9s %7s | %9s %9s %10s %9s | %6s %6s\n", "data", "level", "size MB", "ratio", "ours", "zlib",
                "libdeflate", "memcpy", "/zlib", "/libdf");
    for (const DataSet& set : sets) {
        for (int level : {6, 9}) {
            const Bytes compressed = ZlibDeflate(set.data, level);
            const std::vector<double> speeds =
                BestSpeeds({OursInflate, ZlibInflate, LibdeflateInflate}, compressed, set.data, runs);
            const double ours = speeds[0], zlib = speeds[1], libdeflate = speeds[2], limit = speeds[3];
            std::printf("%-18s %5d %9.1f %6.2fx | %9.0f %9.0f %10.0f %9.0f | %6.2f %6.2f\n", set.name, level,
                        static_cast<double>(set.data.size()) / 1e6,
                        static_cast<double>(set.data.size()) / static_cast<double>(compressed.size()), ours, zlib,
                        libdeflate, limit, ours / zlib, ours / libdeflate);
            std::fflush(stdout);
            logVsZlib += std::log(ours / zlib);
            logVsLibdeflate += std::log(ours / libdeflate);
            ++count;
        }
    }
    std::printf("(speeds in MB/s of decompressed output, best of %d rounds)\n", runs);
    std::printf("RESULT inflate_ratio_vs_zlib=%.3f\n", std::exp(logVsZlib / count));
    std::printf("RESULT inflate_ratio_vs_libdeflate=%.3f\n", std::exp(logVsLibdeflate / count));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_inflate: %s\n", e.what());
        return 1;
    }
}
