// Option parsing for skinc's commands.
#include "tools/skinc/command_args.h"

#include <algorithm>

#include "tools/skinc/skinc_error.h"

namespace ov::skinc {

std::optional<std::string> CommandArgs::Value(std::string_view option) const
{
    const auto it = values.find(option);
    return it == values.end() ? std::nullopt : std::optional(it->second);
}

CommandArgs ParseCommandArgs(std::span<const std::string> args, std::initializer_list<std::string_view> valueOptions,
                             std::initializer_list<std::string_view> flagOptions)
{
    auto listed = [](std::initializer_list<std::string_view> list, std::string_view arg) {
        return std::find(list.begin(), list.end(), arg) != list.end();
    };
    CommandArgs parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (listed(valueOptions, arg)) {
            if (i + 1 == args.size())
                throw Error("option " + arg + " needs a value");
            if (!parsed.values.emplace(arg, args[++i]).second)
                throw Error("option " + arg + " is given twice");
        } else if (listed(flagOptions, arg)) {
            if (!parsed.flags.insert(arg).second)
                throw Error("option " + arg + " is given twice");
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw Error("unknown option " + arg);
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

}  // namespace ov::skinc
