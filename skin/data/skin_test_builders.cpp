// Builders of BMP files, skin data files and one-member packages for the tests.
#include "skin/data/skin_test_builders.h"

#include <cstdio>

#include "skin/data/crc32.h"
#include "skin/data/sk2_format.h"

namespace ov::testing {
namespace {

void Append16(Bytes& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Append32(Bytes& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void AppendRecord(Bytes& out, const std::string& name, uint8_t kind, uint32_t dataOffset, uint32_t size, uint32_t next)
{
    std::string field = name.substr(0, sk2::kNameSize);
    field.resize(sk2::kNameSize, '\0');
    out.insert(out.end(), field.begin(), field.end());
    out.push_back(kind);
    Append32(out, dataOffset);
    Append32(out, size);
    Append32(out, next);
}

}  // namespace

Bytes MakeBmp24(int width, int height, const std::function<uint32_t(int, int)>& color, bool topDown)
{
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
    for (int i = 0; i < 6; ++i)
        Append32(out, 0);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const uint32_t c = color(x, y);
            out.push_back(static_cast<uint8_t>(c >> 16));
            out.push_back(static_cast<uint8_t>(c >> 8));
            out.push_back(static_cast<uint8_t>(c));
        }
        out.resize(out.size() + stride - size_t{3} * width, 0);
    }
    return out;
}

Bytes IntegerData(int32_t value)
{
    Bytes out;
    Append32(out, static_cast<uint32_t>(value));
    return out;
}

size_t RecordOffset(const std::vector<Sk2Record>& records, size_t index)
{
    size_t offset = sk2::kHeaderSize;
    for (size_t i = 0; i < index; ++i)
        offset += sk2::kRecordSize + records[i].data.size();
    return offset;
}

Bytes MakeSk2(const std::vector<Sk2Record>& records)
{
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

Bytes MakePackage(const PackageMember& m)
{
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
    for (int i = 0; i < 4; ++i)
        Append16(out, 0);  // extra, comment, disk, internal attributes
    Append32(out, 0);      // external attributes
    Append32(out, 0);      // local header offset
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

Bytes MakeStoredPackage(const Bytes& data)
{
    PackageMember m;
    m.stored = data;
    m.method = 0;
    m.crc = Crc32(data);
    m.uncompressedSize = static_cast<uint32_t>(data.size());
    return MakePackage(m);
}

std::string HostPath(std::string path) { return !path.empty() && path[0] == '/' ? "Z:" + path : path; }

PackageFile::PackageFile(const Bytes& bytes)
{
    if (std::FILE* f = std::fopen(path_.Path().c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

}  // namespace ov::testing
