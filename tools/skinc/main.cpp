// skinc's entry point: picks the command named by the first argument from a small table.
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/skinc/commands.h"

namespace ov::skinc {
namespace {

struct Command {
    std::string_view name;
    int (*run)(std::span<const std::string> args);
    const char* usage;
};

int HelpCommand(std::span<const std::string> args);

// One line per command; a command lives in its own file and is declared in commands.h.
constexpr Command kCommands[] = {
    {"build", BuildCommand, "build DIR -o OUT.ssk [--password P] [--data-only]    compile a skin source folder"},
    {"extract", ExtractCommand, "extract FILE OUTDIR [--password P]    write a package back out as a source folder"},
    {"dump", DumpCommand, "dump FILE [--password P]    list the entries of a skin package or data file"},
    {"help", HelpCommand, "help"},
};

void PrintUsage(std::FILE* to)
{
    std::fputs("usage: skinc COMMAND ARGS...\n", to);
    for (const Command& command : kCommands)
        std::fprintf(to, "  skinc %s\n", command.usage);
}

int HelpCommand(std::span<const std::string>)
{
    PrintUsage(stdout);
    return 0;
}

int Usage()
{
    PrintUsage(stderr);
    return 2;
}

}  // namespace
}  // namespace ov::skinc

int main(int argc, char** argv)
{
    using namespace ov::skinc;
    if (argc < 2)
        return Usage();
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (command.name == argv[1])
            return command.run(args);
    }
    std::fprintf(stderr, "skinc: unknown command '%s'\n", argv[1]);
    return Usage();
}
