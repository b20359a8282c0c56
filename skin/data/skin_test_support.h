// Test helpers for the skin data tests and fuzz seeds: small BMP and skin data file builders,
// zlib's raw deflate, a one-member package writer, scratch folders and shell commands.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

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

// zlib's raw deflate (no header) of `data`.
Bytes ZlibDeflate(std::span<const uint8_t> data, int level, int strategy = 0);

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
// The usual case: `data` deflated by zlib at level 9 into a package.
Bytes MakeDeflatedPackage(std::span<const uint8_t> data, const std::string& name = "SKINDATA.SK2");

Bytes ReadFile(const std::string& path);
void WriteFile(const std::string& path, std::span<const uint8_t> bytes);

// A fresh folder, removed with everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> List() const;

private:
    std::string path_;
};

// Runs a shell command; returns its exit status.
int Run(const std::string& command);

}  // namespace ov::testing
