// The commands of skinc. Each takes the arguments after its name and returns the exit code.
#pragma once

#include <span>
#include <string>

namespace ov::skinc {

}  // namespace ov::skinc
