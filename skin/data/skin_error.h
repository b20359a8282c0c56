// The error raised when a skin package or skin data file cannot be read; what() is the text shown
// to the user ("Wrong password!", "Failed to read skin file!" or what is wrong with the data).
#pragma once

#include <stdexcept>
#include <string>

namespace ov {

class SkinFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kWrongPasswordMessage = "Wrong password!";
inline constexpr const char* kFailedToReadSkinMessage = "Failed to read skin file!";

}  // namespace ov
