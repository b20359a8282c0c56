// The screen density a test runs at: the OV_DPI of the Wine prefix the test was started in
// (ov_add_density_runs), else 96. A density test first checks that the screen really has it.
#pragma once

#include <windows.h>

#include <cwchar>

namespace ov::testing {

inline int ExpectedDpi()
{
    wchar_t value[16] = {};
    DWORD length = ::GetEnvironmentVariableW(L"OV_DPI", value, 16);
    int dpi = length > 0 && length < 16 ? static_cast<int>(std::wcstol(value, nullptr, 10)) : 0;
    return dpi > 0 ? dpi : 96;
}

}  // namespace ov::testing
