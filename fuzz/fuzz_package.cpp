// Fuzz target: skin package extraction (directory walk, decryption, inflating, closing rules),
// then the data file parser on whatever came out.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/data/package_reader.h"
#include "skin/data/sk2_file.h"
#include "skin/data/sk2_format.h"
#include "skin/data/skin_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> package(data, size);
    for (const char* password : {"", "secret"}) {
        std::vector<uint8_t> member;
        if (ov::ExtractPackageMember(package, ov::sk2::kMemberName, member, password) !=
            ov::ExtractResult::MemberWritten) {
            continue;
        }
        try {
            ov::ParseSkinDataFile(member);
        } catch (const ov::SkinFileError&) {
        }
    }
    return 0;
}
