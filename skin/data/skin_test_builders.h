// Builders of test inputs for the skin data code: BMP files, skin data files and one-member
// packages. Portable (no zlib, no POSIX), so that the Windows tests use them too.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/temp_file.h"

namespace ov::testing {

using Bytes = std::vector<uint8_t>;

// A 24-bit BMP file; color(x, y) gives 0x00BBGGRR with y counted from the top.
Bytes MakeBmp24(int width, int height, const std::function<uint32_t(int, int)>& color, bool topDown = false);

// One record of a skin data file as the builder lays it out (data right behind its record).
struct Sk2Record {
    std::string name;  // written as is into the 64-byte field, cut at 64
    uint8_t kind = 0;
    Bytes data;
};
Bytes IntegerData(int32_t value);
// Header (24 bytes, first record at 24), the records each followed by its data, then a terminator.
Bytes MakeSk2(const std::vector<Sk2Record>& records);
// Offset of record `index` in a file that MakeSk2 built from `records`.
size_t RecordOffset(const std::vector<Sk2Record>& records, size_t index);

// A package with one member around data that is already compressed (and encrypted, if flagged):
// local header, data, central directory entry and end record; first two bytes "SK".
struct PackageMember {
    std::string name = "SKINDATA.SK2";
    Bytes stored;  // the member's data as it sits in the package
    uint32_t crc = 0;
    uint32_t uncompressedSize = 0;
    uint16_t method = 8;
    uint16_t flags = 0;
    uint16_t time = 0;
};
Bytes MakePackage(const PackageMember& member);
// A package that keeps `data` uncompressed (method 0).
Bytes MakeStoredPackage(const Bytes& data);

// Paths the build gives are host paths; under Wine a Unix path is reached through drive Z:.
std::string HostPath(std::string path);

// A package file in the temporary folder, removed again by its owner.
class PackageFile {
public:
    explicit PackageFile(const Bytes& bytes);
    [[nodiscard]] const std::string& Path() const { return path_.Path(); }

private:
    TemporaryFile path_;
};

}  // namespace ov::testing
