// Temporary files for tests: a uniquely named file in the temporary folder, deleted at the end.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ov::testing {

class TempFile {
public:
    TempFile(const wchar_t* extension, std::string_view content)
    {
        wchar_t folder[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, folder);
        static int counter = 0;
        path_ = std::wstring(folder) + L"ovrv" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
                std::to_wstring(++counter) + extension;
        HANDLE file = ::CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    ~TempFile() { ::DeleteFileW(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    [[nodiscard]] const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
};

}  // namespace ov::testing
