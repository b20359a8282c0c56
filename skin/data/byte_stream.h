// Byte sources and sinks the package reader and the inflater work on: in memory or on a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace ov {

// Sequential input that can also be positioned, as a package is read.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to into.size() bytes at the current position; fewer only at the end.
    virtual size_t Read(std::span<uint8_t> into) = 0;
    [[nodiscard]] virtual uint64_t Size() const = 0;
    // Moves the position; false when it lies beyond the end.
    virtual bool Seek(uint64_t position) = 0;
    [[nodiscard]] virtual uint64_t Position() const = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes everything or raises.
    virtual void Write(std::span<const uint8_t> bytes) = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> data) : data_(data) {}
    size_t Read(std::span<uint8_t> into) override;
    [[nodiscard]] uint64_t Size() const override { return data_.size(); }
    bool Seek(uint64_t position) override;
    [[nodiscard]] uint64_t Position() const override { return position_; }

private:
    std::span<const uint8_t> data_;
    size_t position_ = 0;
};

class VectorSink final : public ByteSink {
public:
    explicit VectorSink(std::vector<uint8_t>& out) : out_(out) {}
    void Write(std::span<const uint8_t> bytes) override { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

private:
    std::vector<uint8_t>& out_;
};

// An open C file; closed by the destructor.
class File {
public:
    static File OpenRead(const std::string& path);
    // Creates the file, replacing one of that name.
    static File Create(const std::string& path);

    explicit operator bool() const { return file_ != nullptr; }
    [[nodiscard]] std::FILE* Get() const { return file_.get(); }
    // Hands the FILE over to the caller, who closes it.
    std::FILE* Release() { return file_.release(); }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

class FileSource final : public ByteSource {
public:
    explicit FileSource(const File& file);
    size_t Read(std::span<uint8_t> into) override;
    [[nodiscard]] uint64_t Size() const override { return size_; }
    bool Seek(uint64_t position) override;
    [[nodiscard]] uint64_t Position() const override { return position_; }

private:
    std::FILE* file_;
    uint64_t size_ = 0;
    uint64_t position_ = 0;
};

class FileSink final : public ByteSink {
public:
    explicit FileSink(const File& file) : file_(file.Get()) {}
    void Write(std::span<const uint8_t> bytes) override;
    [[nodiscard]] uint64_t Written() const { return written_; }

private:
    std::FILE* file_;
    uint64_t written_ = 0;
};

bool FileExists(const std::string& path);
// The whole file, or raises SkinFileError when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

}  // namespace ov
