// skinc build SOURCE_DIR -o OUT.ssk [--password P] [--data-only]: compiles a skin source folder
// into a skin package (or, with --data-only, the bare skin data file).
#include <cstdio>
#include <span>
#include <string>

#include "tools/skinc/command_args.h"
#include "tools/skinc/commands.h"
#include "tools/skinc/file_io.h"
#include "tools/skinc/package_writer.h"
#include "tools/skinc/sk2_writer.h"
#include "tools/skinc/skin_source.h"
#include "tools/skinc/skinc_error.h"

namespace ov::skinc {
namespace {

constexpr const char* kBuildUsage = "usage: skinc build SOURCE_DIR -o OUT.ssk [--password P] [--data-only]\n";

void PrintSummary(const std::string& out, size_t size, std::span<const SkinEntry> entries)
{
    size_t counts[4] = {};
    for (const SkinEntry& entry : entries)
        ++counts[static_cast<size_t>(entry.kind)];
    std::printf("skinc: wrote %s (%zu bytes): %zu bitmaps, %zu integers, %zu booleans, %zu strings\n", out.c_str(),
                size, counts[0], counts[1], counts[2], counts[3]);
}

int Build(std::span<const std::string> args)
{
    const CommandArgs parsed = ParseCommandArgs(args, {"-o", "--password"}, {"--data-only"});
    const auto out = parsed.Value("-o");
    if (parsed.positional.size() != 1 || !out) {
        std::fputs(kBuildUsage, stderr);
        return 2;
    }
    const std::string password = parsed.Value("--password").value_or("");
    if (parsed.Flag("--data-only") && !password.empty())
        throw Error("--password needs a package, not --data-only");
    // Everything is made in memory first: bad input stops before a byte is written.
    const std::vector<SkinEntry> entries = ReadSkinSource(parsed.positional[0]);
    const std::vector<uint8_t> data = WriteSkinDataFile(entries);
    const std::vector<uint8_t> bytes = parsed.Flag("--data-only") ? data : WritePackage(data, password);
    WriteFileAtomically(*out, bytes);
    PrintSummary(*out, bytes.size(), entries);
    return 0;
}

}  // namespace

int BuildCommand(std::span<const std::string> args)
{
    try {
        return Build(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinc build: %s\n", e.what());
        return 1;
    }
}

}  // namespace ov::skinc
