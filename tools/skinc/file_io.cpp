// File helpers of skinc over the standard library.
#include "tools/skinc/file_io.h"

#include <fstream>
#include <system_error>

#include "tools/skinc/skinc_error.h"

namespace ov::skinc {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) throw Error(path.string() + ": cannot open the file");
    const std::streamoff size = in.tellg();
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) throw Error(path.string() + ": cannot read the file");
    return bytes;
}

void WriteFileAtomically(const fs::path& path, std::span<const uint8_t> bytes) {
    fs::path temp = path;
    temp += ".partial";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            throw Error(path.string() + ": cannot write the file");
        }
    }
    std::error_code error;
    fs::rename(temp, path, error);
    if (error) {
        fs::remove(temp, error);
        throw Error(path.string() + ": cannot write the file");
    }
}

}  // namespace ov::skinc
