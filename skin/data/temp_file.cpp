// GUID text and temporary file ownership, common to every platform.
#include "skin/data/temp_file.h"

#include <cstdio>

namespace ov {

std::string FormatGuid(const Guid& g)
{
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.data1, g.data2, g.data3,
                  g.data4[0], g.data4[1], g.data4[2], g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
    return text;
}

std::string NewTemporaryFileName() { return TemporaryFolder() + FormatGuid(NewGuid()); }

TemporaryFile::~TemporaryFile() { std::remove(path_.c_str()); }

}  // namespace ov
