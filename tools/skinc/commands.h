// The commands of skinc. Each takes the arguments after its name and returns the exit code.
#pragma once

#include <span>
#include <string>

namespace ov::skinc {

// Prints every entry of a skin package or a bare skin data file, in file order.
int DumpCommand(std::span<const std::string> args);

}  // namespace ov::skinc
