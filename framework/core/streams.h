// TStream: the byte stream every loader reads from (layouts, bitmaps, rich text), and the
// streams over memory: TCustomMemoryStream (a window on bytes held elsewhere) and TMemoryStream
// (bytes of its own). Files: file_stream.h; module resources: resource_stream.h.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ov {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    // Reads or writes up to count bytes at Position and advances it; returns how many were moved
    // (fewer at the end of the data; 0 when nothing more can be read).
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Moves Position and returns the new one. Positions beyond the end are allowed where the stream
    // can grow; negative ones are clamped to 0.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t value) { Seek(value, soBeginning); }
    virtual std::int64_t Size();
    // Raises Exception "Stream size cannot be changed" unless the stream supports it.
    virtual void SetSize(std::int64_t value);

    // Exactly count bytes, or Exception "Stream read error" / "Stream write error".
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    void ReadBuffer(std::span<std::uint8_t> bytes)
    {
        ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    }
    void WriteBuffer(std::span<const std::uint8_t> bytes)
    {
        WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    }

    // Copies count bytes from source's Position into this stream; count 0 copies the whole source
    // from its beginning. Returns the number of bytes copied; raises when source runs short.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

// A stream over a block of memory it does not manage: Read and Seek are here; derived classes
// decide where the memory comes from and whether it may be written.
class TCustomMemoryStream : public TStream {
public:
    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return size_; }

    [[nodiscard]] const std::uint8_t* Memory() const noexcept { return memory_; }
    [[nodiscard]] std::span<const std::uint8_t> Bytes() const noexcept { return {memory_, static_cast<size_t>(size_)}; }

    // Writes the whole memory (not just from Position) to another stream or a file.
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::wstring& fileName) const;

protected:
    void SetPointer(const std::uint8_t* memory, std::int64_t size) noexcept
    {
        memory_ = memory;
        size_ = size;
    }
    std::int64_t position_ = 0;

private:
    const std::uint8_t* memory_ = nullptr;
    std::int64_t size_ = 0;
};

// A growable stream over bytes of its own.
class TMemoryStream : public TCustomMemoryStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::span<const std::uint8_t> bytes);

    std::int64_t Write(const void* buffer, std::int64_t count) override;
    void SetSize(std::int64_t value) override;
    void Clear();
    // The bytes may be written here as well as read.
    using TCustomMemoryStream::Memory;
    std::uint8_t* Memory() noexcept { return data_.data(); }

    // Replaces the contents with the whole of stream (from its beginning) or of a file; Position 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::wstring& fileName);

private:
    void Sync() noexcept { SetPointer(data_.data(), static_cast<std::int64_t>(data_.size())); }

    std::vector<std::uint8_t> data_;
};

}  // namespace ov
