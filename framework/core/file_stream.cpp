// TFileStream over CreateFileW.
#include "framework/core/file_stream.h"

#include <windows.h>

#include <algorithm>

#include "framework/core/exception.h"

namespace ov {

namespace {

DWORD Access(unsigned mode)
{
    switch (mode & 0x3) {
    case fmOpenWrite:
        return GENERIC_WRITE;
    case fmOpenReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

DWORD Share(unsigned mode)
{
    switch (mode & 0xF0) {
    case fmShareExclusive:
        return 0;
    case fmShareDenyWrite:
        return FILE_SHARE_READ;
    case fmShareDenyRead:
        return FILE_SHARE_WRITE;
    default:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    }
}

}  // namespace

std::wstring SystemErrorMessage(unsigned long code)
{
    wchar_t* text = nullptr;
    DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : Format(L"System error %u", {code});
    if (text)
        ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return message;
}

TFileStream::TFileStream(const std::wstring& fileName, unsigned mode) : fileName_(fileName)
{
    bool create = mode == fmCreate;
    file_.reset(::CreateFileW(fileName.c_str(), create ? GENERIC_READ | GENERIC_WRITE : Access(mode),
                              create ? FILE_SHARE_READ : Share(mode), nullptr, create ? CREATE_ALWAYS : OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) {
        std::wstring reason = SystemErrorMessage(::GetLastError());
        throw Exception(create ? L"Cannot create file \"%s\". %s" : L"Cannot open file \"%s\". %s", {fileName, reason});
    }
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count)
{
    auto bytes = static_cast<std::uint8_t*>(buffer);
    std::int64_t total = 0;
    while (count > 0) {
        DWORD chunk = static_cast<DWORD>(std::min<std::int64_t>(count, 1 << 30)), done = 0;
        if (!::ReadFile(file_.get(), bytes + total, chunk, &done, nullptr) || done == 0)
            break;
        total += done;
        count -= done;
    }
    return total;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count)
{
    auto bytes = static_cast<const std::uint8_t*>(buffer);
    std::int64_t total = 0;
    while (count > 0) {
        DWORD chunk = static_cast<DWORD>(std::min<std::int64_t>(count, 1 << 30)), done = 0;
        if (!::WriteFile(file_.get(), bytes + total, chunk, &done, nullptr) || done == 0)
            break;
        total += done;
        count -= done;
    }
    return total;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    static constexpr DWORD kMethods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
    LARGE_INTEGER distance{}, result{};
    distance.QuadPart = offset;
    if (!::SetFilePointerEx(file_.get(), distance, &result, kMethods[origin]))
        return Seek(0, soCurrent);  // a position before the start: stay where we are
    return result.QuadPart;
}

std::int64_t TFileStream::Size()
{
    LARGE_INTEGER size{};
    return ::GetFileSizeEx(file_.get(), &size) ? size.QuadPart : 0;
}

void TFileStream::SetSize(std::int64_t value)
{
    std::int64_t position = Position();
    Seek(value, soBeginning);
    if (!::SetEndOfFile(file_.get()))
        throw Exception(L"Stream write error");
    Seek(std::min(position, value), soBeginning);
}

}  // namespace ov
