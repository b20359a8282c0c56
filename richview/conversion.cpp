// Stream conversions: opening, byte transfer with progress, rewinding, the RTF signature test.
#include "richview/conversion.h"

#include <algorithm>

#include "framework/core/file_stream.h"

namespace ov {

namespace {

// Puts a stream back where it was, whatever happens in between.
class PositionKeeper {
public:
    explicit PositionKeeper(TStream& stream) : stream_(stream), position_(stream.Position()) {}
    ~PositionKeeper() { stream_.SetPosition(position_); }
    [[nodiscard]] std::int64_t Position() const noexcept { return position_; }

private:
    TStream& stream_;
    std::int64_t position_;
};

}  // namespace

void TOvConversion::SetPercent(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == percent_)
        return;
    percent_ = value;
    OnProgress.Fire(this);
}

bool TOvStreamConversion::OpenFile(const std::wstring& fileName, bool forSaving)
{
    auto file = std::make_unique<TFileStream>(fileName, forSaving ? fmCreate : fmOpenRead | fmShareDenyWrite);
    size_ = file->Size();
    ownedStream_ = std::move(file);
    stream_ = ownedStream_.get();
    startPosition_ = 0;
    converted_ = 0;
    ResetPercent();
    return true;
}

bool TOvStreamConversion::OpenStream(TStream& stream, bool forSaving)
{
    ownedStream_.reset();
    stream_ = &stream;
    {
        PositionKeeper keeper(stream);
        startPosition_ = keeper.Position();
        size_ = stream.Seek(0, soEnd);
    }
    converted_ = 0;
    ResetPercent();
    return true;
}

void TOvStreamConversion::Close()
{
    ownedStream_.reset();
    stream_ = nullptr;
    TOvConversion::Close();
}

bool TOvStreamConversion::Rewind()
{
    int kind = TextKind();
    if ((kind != 2 && kind != 3) || !stream_)
        return false;
    stream_->SetPosition(startPosition_);
    converted_ = 0;
    return true;
}

std::int64_t TOvStreamConversion::Read(void* buffer, std::int64_t count)
{
    if (!stream_)
        return -1;
    std::int64_t read = stream_->Read(buffer, count);
    Moved(read);
    return read;
}

std::int64_t TOvStreamConversion::Write(const void* buffer, std::int64_t count)
{
    if (!stream_)
        return -1;
    std::int64_t written = stream_->Write(buffer, count);
    Moved(written);
    return written;
}

// Progress is relative to the stream's recorded end, rounded to the nearest percent.
void TOvStreamConversion::Moved(std::int64_t count)
{
    if (count > 0)
        converted_ += count;
    if (size_ > 0)
        SetPercent(static_cast<int>(std::min<std::int64_t>((converted_ * 100 + size_ / 2) / size_, 100)));
}

bool TOvTextConversion::AcceptsExtension(const std::wstring& extension, bool) const { return extension == L"txt"; }

bool TOvRTFConversion::AcceptsExtension(const std::wstring& extension, bool) const { return extension == L"rtf"; }

bool TOvRTFConversion::FileContentCorrect(const std::wstring& fileName)
{
    DWORD attributes = ::GetFileAttributesW(fileName.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    try {
        TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
        return StreamContentCorrect(file);
    } catch (const std::exception&) {
        return false;
    }
}

bool TOvRTFConversion::StreamContentCorrect(TStream& stream)
{
    static constexpr char kSignature[] = "{\\rtf";
    constexpr std::int64_t kLength = 5;
    char head[kLength] = {};
    PositionKeeper keeper(stream);
    if (stream.Read(head, kLength) != kLength)
        return false;
    return std::equal(head, head + kLength, kSignature,
                      [](char a, char b) { return a == b || (a >= 'A' && a <= 'Z' && a - 'A' + 'a' == b); });
}

}  // namespace ov
