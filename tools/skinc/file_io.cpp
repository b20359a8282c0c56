// Writing a file through a temporary one beside it.
#include "tools/skinc/file_io.h"

#include <fstream>
#include <system_error>

#include "tools/skinc/skinc_error.h"

namespace ov::skinc {

namespace fs = std::filesystem;

void WriteFileAtomically(const fs::path& path, std::span<const uint8_t> bytes)
{
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
