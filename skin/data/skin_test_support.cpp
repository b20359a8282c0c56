// Builders and helpers shared by the skin data tests and the fuzz seed generator.
#include "skin/data/skin_test_support.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <sys/wait.h>

#include "skin/data/byte_order.h"
#include "skin/data/crc32.h"
#include "skin/data/sk2_format.h"

namespace ov::testing {
namespace {

void Append16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Append32(Bytes& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void AppendRecord(Bytes& out, const std::string& name, uint8_t kind, uint32_t dataOffset, uint32_t size,
                  uint32_t next) {
    std::string field = name.substr(0, sk2::kNameSize);
    field.resize(sk2::kNameSize, '\0');
    out.insert(out.end(), field.begin(), field.end());
    out.push_back(kind);
    Append32(out, dataOffset);
    Append32(out, size);
    Append32(out, next);
}

}  // namespace

Bytes MakeBmp24(int width, int height, const std::function<uint32_t(int, int)>& color, bool topDown) {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    Bytes out = {'B', 'M'};
    Append32(out, static_cast<uint32_t>(54 + stride * height));
    Append32(out, 0);
    Append32(out, 54);
    Append32(out, 40);
    Append32(out, static_cast<uint32_t>(width));
    Append32(out, static_cast<uint32_t>(topDown ? -height : height));
    Append16(out, 1);
    Append16(out, 24);
    for (int i = 0; i < 6; ++i) Append32(out, 0);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const uint32_t c = color(x, y);
            out.push_back(static_cast<uint8_t>(c >> 16));
            out.push_back(static_cast<uint8_t>(c >> 8));
            out.push_back(static_cast<uint8_t>(c));
        }
        out.resize(out.size() + stride - width * 3, 0);
    }
    return out;
}

Bytes IntegerData(int32_t value) {
    Bytes out;
    Append32(out, static_cast<uint32_t>(value));
    return out;
}

size_t RecordOffset(const std::vector<Sk2Record>& records, size_t index) {
    size_t offset = sk2::kHeaderSize;
    for (size_t i = 0; i < index; ++i) offset += sk2::kRecordSize + records[i].data.size();
    return offset;
}

Bytes MakeSk2(const std::vector<Sk2Record>& records) {
    Bytes out(sk2::kMagic.begin(), sk2::kMagic.end());
    Append32(out, sk2::kHeaderSize);
    Append32(out, sk2::kHeaderUnusedValue);
    Append32(out, sk2::kHeaderSize);
    for (const Sk2Record& r : records) {
        const auto dataOffset = static_cast<uint32_t>(out.size() + sk2::kRecordSize);
        const auto next = static_cast<uint32_t>(dataOffset + r.data.size());
        AppendRecord(out, r.name, r.kind, dataOffset, static_cast<uint32_t>(r.data.size()), next);
        out.insert(out.end(), r.data.begin(), r.data.end());
    }
    AppendRecord(out, "", static_cast<uint8_t>(sk2::EntryKind::Boolean), 0, 0, 0);
    return out;
}

Bytes ZlibDeflate(std::span<const uint8_t> data, int level, int strategy) {
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -15, 9, strategy) != Z_OK) throw std::runtime_error("deflateInit2");
    Bytes out(deflateBound(&z, static_cast<uLong>(data.size())) + 16);
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&z, Z_FINISH);
    deflateEnd(&z);
    if (rc != Z_STREAM_END) throw std::runtime_error("deflate");
    out.resize(z.total_out);
    return out;
}

Bytes MakePackage(const PackageMember& m) {
    Bytes out = {'S', 'K', 3, 4};
    Append16(out, 20);
    Append16(out, m.flags);
    Append16(out, m.method);
    Append16(out, m.time);
    Append16(out, 0x5A21);  // date
    Append32(out, m.crc);
    Append32(out, static_cast<uint32_t>(m.stored.size()));
    Append32(out, m.uncompressedSize);
    Append16(out, static_cast<uint16_t>(m.name.size()));
    Append16(out, 0);
    out.insert(out.end(), m.name.begin(), m.name.end());
    out.insert(out.end(), m.stored.begin(), m.stored.end());

    const auto directoryOffset = static_cast<uint32_t>(out.size());
    Append32(out, 0x02014b50);
    Append16(out, 20);
    Append16(out, 20);
    Append16(out, m.flags);
    Append16(out, m.method);
    Append16(out, m.time);
    Append16(out, 0x5A21);
    Append32(out, m.crc);
    Append32(out, static_cast<uint32_t>(m.stored.size()));
    Append32(out, m.uncompressedSize);
    Append16(out, static_cast<uint16_t>(m.name.size()));
    for (int i = 0; i < 4; ++i) Append16(out, 0);  // extra, comment, disk, internal attributes
    Append32(out, 0);                               // external attributes
    Append32(out, 0);                               // local header offset
    out.insert(out.end(), m.name.begin(), m.name.end());
    const auto directorySize = static_cast<uint32_t>(out.size() - directoryOffset);

    Append32(out, 0x06054b50);
    Append16(out, 0);
    Append16(out, 0);
    Append16(out, 1);
    Append16(out, 1);
    Append32(out, directorySize);
    Append32(out, directoryOffset);
    Append16(out, 0);
    return out;
}

Bytes MakeDeflatedPackage(std::span<const uint8_t> data, const std::string& name) {
    PackageMember m;
    m.name = name;
    m.stored = ZlibDeflate(data, 9);
    m.crc = Crc32(data);
    m.uncompressedSize = static_cast<uint32_t>(data.size());
    return MakePackage(m);
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ovskin.XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchFolder::List() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
    return names;
}

int Run(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace ov::testing
