// The commands of skinc. Each takes the arguments after its name and returns the exit code.
#pragma once

#include <span>
#include <string>

namespace ov::skinc {

// Compiles a skin source folder (skin.txt and SKIN2_*.bmp) into a skin package or data file.
int BuildCommand(std::span<const std::string> args);

// Writes a skin package (or bare data file) back out as a source folder that build accepts.
int ExtractCommand(std::span<const std::string> args);

// Prints every entry of a skin package or a bare skin data file, in file order.
int DumpCommand(std::span<const std::string> args);

}  // namespace ov::skinc
