// TStream's buffer helpers, and the memory streams.
#include "framework/core/streams.h"

#include <algorithm>
#include <cstring>

#include "framework/core/exception.h"
#include "framework/core/file_stream.h"

namespace ov {

std::int64_t TStream::Size()
{
    std::int64_t position = Seek(0, soCurrent);
    std::int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(std::int64_t) { throw Exception(L"Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, std::int64_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw Exception(L"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw Exception(L"Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr std::int64_t kChunk = std::int64_t{64} * 1024;
    std::vector<std::uint8_t> buffer(static_cast<size_t>(std::min(count, kChunk)));
    for (std::int64_t left = count; left > 0;) {
        std::int64_t n = std::min(left, kChunk);
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

std::int64_t TCustomMemoryStream::Read(void* buffer, std::int64_t count)
{
    if (count <= 0 || position_ >= size_)
        return 0;
    std::int64_t n = std::min(count, size_ - position_);
    std::memcpy(buffer, memory_ + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

std::int64_t TCustomMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    std::int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position_ : size_;
    position_ = std::max<std::int64_t>(0, base + offset);
    return position_;
}

void TCustomMemoryStream::SaveToStream(TStream& stream) const { stream.WriteBuffer(memory_, size_); }

void TCustomMemoryStream::SaveToFile(const std::wstring& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

TMemoryStream::TMemoryStream(std::span<const std::uint8_t> bytes) : data_(bytes.begin(), bytes.end()) { Sync(); }

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count)
{
    if (count <= 0)
        return 0;
    std::int64_t end = position_ + count;
    if (end > static_cast<std::int64_t>(data_.size()))
        data_.resize(static_cast<size_t>(end));
    std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
    position_ = end;
    Sync();
    return count;
}

void TMemoryStream::SetSize(std::int64_t value)
{
    data_.resize(static_cast<size_t>(std::max<std::int64_t>(0, value)));
    position_ = std::min(position_, static_cast<std::int64_t>(data_.size()));
    Sync();
}

void TMemoryStream::Clear()
{
    data_.clear();
    position_ = 0;
    Sync();
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    std::int64_t size = stream.Size();
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
    stream.ReadBuffer(bytes.data(), size);
    data_ = std::move(bytes);
    position_ = 0;
    Sync();
}

void TMemoryStream::LoadFromFile(const std::wstring& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

}  // namespace ov
