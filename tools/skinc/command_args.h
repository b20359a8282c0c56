// Splitting a command's arguments into positional ones and named options.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ov::skinc {

struct CommandArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> values;  // options that take a value
    std::set<std::string, std::less<>> flags;                // options that stand alone

    [[nodiscard]] std::optional<std::string> Value(std::string_view option) const;
    [[nodiscard]] bool Flag(std::string_view option) const { return flags.contains(option); }
};

// Throws Error on an option not listed, an option given twice, or a value option at the end.
CommandArgs ParseCommandArgs(std::span<const std::string> args, std::initializer_list<std::string_view> valueOptions,
                             std::initializer_list<std::string_view> flagOptions);

}  // namespace ov::skinc
