// Memory and C-file implementations of the byte sources and sinks.
#include "skin/data/byte_stream.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>

#include "skin/data/skin_error.h"

namespace ov {

size_t MemorySource::Read(std::span<uint8_t> into)
{
    const size_t n = std::min(into.size(), data_.size() - position_);
    if (n > 0)
        std::memcpy(into.data(), data_.data() + position_, n);
    position_ += n;
    return n;
}

bool MemorySource::Seek(uint64_t position)
{
    if (position > data_.size())
        return false;
    position_ = static_cast<size_t>(position);
    return true;
}

File File::OpenRead(const std::string& path)
{
    File f;
    f.file_.reset(std::fopen(path.c_str(), "rb"));
    return f;
}

File File::Create(const std::string& path)
{
    File f;
    f.file_.reset(std::fopen(path.c_str(), "wb"));
    return f;
}

FileSource::FileSource(const File& file) : file_(file.Get())
{
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        const long end = std::ftell(file_);
        size_ = end > 0 ? static_cast<uint64_t>(end) : 0;
    }
    std::fseek(file_, 0, SEEK_SET);
}

size_t FileSource::Read(std::span<uint8_t> into)
{
    const size_t n = std::fread(into.data(), 1, into.size(), file_);
    position_ += n;
    return n;
}

bool FileSource::Seek(uint64_t position)
{
    // Packages are far below 2 GB; a position a long cannot hold is beyond any real file anyway.
    if (position > size_ || position > static_cast<uint64_t>(LONG_MAX))
        return false;
    if (std::fseek(file_, static_cast<long>(position), SEEK_SET) != 0)
        return false;
    position_ = position;
    return true;
}

void FileSink::Write(std::span<const uint8_t> bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        throw std::runtime_error("write to the output file failed");
    }
    written_ += bytes.size();
}

bool FileExists(const std::string& path) { return static_cast<bool>(File::OpenRead(path)); }

std::vector<uint8_t> ReadWholeFile(const std::string& path)
{
    const File file = File::OpenRead(path);
    if (!file)
        throw SkinFileError("Cannot open " + path);
    FileSource source(file);
    std::vector<uint8_t> bytes(static_cast<size_t>(source.Size()));
    if (source.Read(bytes) != bytes.size())
        throw SkinFileError("Cannot read " + path);
    return bytes;
}

}  // namespace ov
