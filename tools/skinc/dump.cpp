// skinc dump: lists the entries of a skin package or a bare skin data file, in file order.
#include <cstdio>
#include <exception>
#include <span>
#include <string>
#include <variant>

#include "skin/data/byte_stream.h"
#include "skin/data/sk2_file.h"
#include "skin/data/skin_file_reader.h"
#include "tools/skinc/commands.h"

namespace ov::skinc {
namespace {

struct DumpArgs {
    std::string file;
    std::string password;
};

bool ParseArgs(std::span<const std::string> args, DumpArgs& out)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--password" && i + 1 < args.size()) {
            out.password = args[++i];
        } else if (out.file.empty() && !args[i].starts_with("--")) {
            out.file = args[i];
        } else {
            return false;
        }
    }
    return !out.file.empty();
}

// A package starts with "SK". A plain ZIP archive ("PK") goes to the package reader too, which
// refuses it with its own message; anything else is taken for a bare data file.
std::vector<uint8_t> ReadSkinData(const DumpArgs& args)
{
    std::vector<uint8_t> bytes = ReadWholeFile(args.file);
    const bool archive = bytes.size() >= 2 && (bytes[0] == 'S' || bytes[0] == 'P') && bytes[1] == 'K';
    return archive ? ExtractSkinData(args.file, args.password) : bytes;
}

struct Counts {
    int bitmaps = 0;
    int integers = 0;
    int booleans = 0;
    int strings = 0;
};

void PrintEntry(const SkinDataEntry& entry, Counts& counts)
{
    const char* name = entry.name.c_str();
    if (const auto* bitmap = std::get_if<DecodedBitmap>(&entry.value)) {
        std::printf("bitmap %s %dx%d %d\n", name, bitmap->width, bitmap->height, bitmap->bitsPerPixel);
        ++counts.bitmaps;
    } else if (const auto* integer = std::get_if<int32_t>(&entry.value)) {
        std::printf("integer %s %d\n", name, *integer);
        ++counts.integers;
    } else if (const auto* boolean = std::get_if<uint8_t>(&entry.value)) {
        std::printf("boolean %s %d\n", name, *boolean);
        ++counts.booleans;
    } else {
        std::printf("string %s %s\n", name, std::get<std::string>(entry.value).c_str());
        ++counts.strings;
    }
}

}  // namespace

int DumpCommand(std::span<const std::string> args)
{
    DumpArgs parsed;
    if (!ParseArgs(args, parsed)) {
        std::fputs("usage: skinc dump FILE [--password P]\n", stderr);
        return 2;
    }
    try {
        Counts counts;
        for (const SkinDataEntry& entry : ParseSkinDataFile(ReadSkinData(parsed)))
            PrintEntry(entry, counts);
        std::printf("entries: %d bitmaps, %d integers, %d booleans, %d strings\n", counts.bitmaps, counts.integers,
                    counts.booleans, counts.strings);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

}  // namespace ov::skinc
