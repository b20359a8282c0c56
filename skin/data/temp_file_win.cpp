// Temporary folder and GUIDs on Windows: GetTempPathA and CoCreateGuid.
#include <windows.h>
#include <objbase.h>

#include "skin/data/temp_file.h"

namespace ov {

std::string TemporaryFolder()
{
    char buffer[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    std::string folder(buffer, length > 0 && length < MAX_PATH ? length : 0);
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}

Guid NewGuid()
{
    GUID native{};
    CoCreateGuid(&native);
    Guid g;
    g.data1 = native.Data1;
    g.data2 = native.Data2;
    g.data3 = native.Data3;
    for (int i = 0; i < 8; ++i)
        g.data4[i] = native.Data4[i];
    return g;
}

}  // namespace ov
