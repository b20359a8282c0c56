// Short-lived files in the user's temporary folder, named by a fresh GUID.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ov {

struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};
};

// The 38-character text form: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}, upper-case hexadecimal.
std::string FormatGuid(const Guid& guid);

// Platform pieces (temp_file_win.cpp on Windows, temp_file_posix.cpp elsewhere).
// The temporary folder with a trailing separator.
std::string TemporaryFolder();
Guid NewGuid();

// The temporary folder followed by a new GUID's text form, without extension.
std::string NewTemporaryFileName();

// Owns a file name: the file, if any was made under it, is deleted when the owner goes.
class TemporaryFile {
public:
    TemporaryFile() : path_(NewTemporaryFileName()) {}
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    [[nodiscard]] const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace ov
