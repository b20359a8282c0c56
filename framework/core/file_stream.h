// TFileStream: a stream over a file opened or created by wide path.
#pragma once

#include <cstdint>
#include <string>

#include "framework/core/handle.h"
#include "framework/core/streams.h"

namespace ov {

// Open modes: one access mode, optionally or-ed with one share mode; fmCreate creates or
// truncates the file and opens it for reading and writing.
inline constexpr unsigned fmOpenRead = 0x0000;
inline constexpr unsigned fmOpenWrite = 0x0001;
inline constexpr unsigned fmOpenReadWrite = 0x0002;
inline constexpr unsigned fmShareExclusive = 0x0010;
inline constexpr unsigned fmShareDenyWrite = 0x0020;
inline constexpr unsigned fmShareDenyRead = 0x0030;
inline constexpr unsigned fmShareDenyNone = 0x0040;
inline constexpr unsigned fmCreate = 0xFFFF;

// A file that cannot be opened or created raises Exception
// "Cannot open file "<name>". <system message>" (or "Cannot create file ...").
class TFileStream : public TStream {
public:
    TFileStream(const std::wstring& fileName, unsigned mode);

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override;
    void SetSize(std::int64_t value) override;

    [[nodiscard]] const std::wstring& FileName() const noexcept { return fileName_; }
    [[nodiscard]] HANDLE Handle() const noexcept { return file_.get(); }

private:
    std::wstring fileName_;
    UniqueFile file_;
};

// The system's text for an error code (FormatMessage), without the trailing line break.
std::wstring SystemErrorMessage(unsigned long code);

}  // namespace ov
