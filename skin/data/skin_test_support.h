// Test helpers for the skin data tests and fuzz seeds on the native side: zlib's raw deflate,
// deflated packages, files, scratch folders and shell commands (besides the portable builders).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/data/skin_test_builders.h"

namespace ov::testing {

// zlib's raw deflate (no header) of `data`.
Bytes ZlibDeflate(std::span<const uint8_t> data, int level, int strategy = 0);

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

    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] std::string File(const std::string& name) const { return path_ + "/" + name; }
    [[nodiscard]] std::vector<std::string> List() const;

private:
    std::string path_;
};

// Runs a shell command; returns its exit status.
int Run(const std::string& command);

}  // namespace ov::testing
