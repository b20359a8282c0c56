// skinc extract IN.ssk OUTDIR [--password P]: turns a skin package (or a bare skin data file) back
// into a source folder that skinc build accepts.
#include <cstdio>
#include <span>
#include <string>

#include "skin/data/byte_stream.h"
#include "skin/data/package_reader.h"
#include "skin/data/sk2_file.h"
#include "skin/data/skin_error.h"
#include "tools/skinc/command_args.h"
#include "tools/skinc/commands.h"
#include "tools/skinc/extract_entries.h"
#include "tools/skinc/skin_source.h"
#include "tools/skinc/skinc_error.h"

namespace ov::skinc {
namespace {

constexpr const char* kExtractUsage = "usage: skinc extract IN.ssk OUTDIR [--password P]\n";

bool IsBareDataFile(std::span<const uint8_t> file)
{
    return file.size() >= sk2::kMagic.size() && std::equal(sk2::kMagic.begin(), sk2::kMagic.end(), file.begin());
}

// The skin data file inside the package, with the reader's own messages for what goes wrong.
std::vector<uint8_t> UnpackData(const std::string& in, std::span<const uint8_t> package, const std::string& password)
{
    std::vector<uint8_t> data;
    switch (ExtractPackageMember(package, sk2::kMemberName, data, password)) {
    case ExtractResult::MemberWritten:
        return data;
    case ExtractResult::WrongPassword:
        throw Error(in + ": " + kWrongPasswordMessage);
    case ExtractResult::Failure:
        break;
    }
    throw Error(in + ": " + kFailedToReadSkinMessage);
}

int Extract(std::span<const std::string> args)
{
    const CommandArgs parsed = ParseCommandArgs(args, {"--password"}, {});
    if (parsed.positional.size() != 2) {
        std::fputs(kExtractUsage, stderr);
        return 2;
    }
    const std::string& in = parsed.positional[0];
    const std::vector<uint8_t> file = ReadWholeFile(in);
    const std::vector<uint8_t> data =
        IsBareDataFile(file) ? file : UnpackData(in, file, parsed.Value("--password").value_or(""));
    std::vector<SkinDataEntry> entries;
    try {
        entries = ParseSkinDataFile(data);
    } catch (const SkinFileError& e) {
        throw Error(in + ": " + e.what());
    }
    const ExtractedSkin skin = ToSourceEntries(entries);
    for (const std::string& note : skin.notes)
        std::fprintf(stderr, "skinc extract: note: %s\n", note.c_str());
    WriteSkinSource(parsed.positional[1], skin.entries);
    std::printf("skinc: wrote %s: %zu entries\n", parsed.positional[1].c_str(), skin.entries.size());
    return 0;
}

}  // namespace

int ExtractCommand(std::span<const std::string> args)
{
    try {
        return Extract(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinc extract: %s\n", e.what());
        return 1;
    }
}

}  // namespace ov::skinc
