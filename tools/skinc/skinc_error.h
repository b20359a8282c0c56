// The one way skinc refuses bad input: an exception whose text already names the file (and line).
#pragma once

#include <stdexcept>
#include <string>

namespace ov::skinc {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace ov::skinc
