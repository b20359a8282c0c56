// Layout of the skin data file "SKINDATA.SK2": a fixed header, then a chain of named entry records.
// The reader and the skin compiler both take their numbers from here. All integers are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ov::sk2 {

// Name of the data file inside a skin package.
inline constexpr std::string_view kMemberName = "SKINDATA.SK2";

// Header: magic (12 bytes, no terminator), header size (u32), an unused u32, first record offset (u32).
inline constexpr std::string_view kMagic = "KRAVELON_SK2";
inline constexpr size_t kHeaderSize = 24;
inline constexpr size_t kHeaderSizeOffset = 12;
inline constexpr size_t kHeaderUnusedOffset = 16;
inline constexpr size_t kHeaderFirstRecordOffset = 20;
inline constexpr uint32_t kHeaderUnusedValue = 2;  // what the built-in file carries there

// Entry record, 77 bytes, packed: name (64 bytes, NUL-padded; a full 64-byte name has no NUL),
// kind (u8), data offset (u32), data size (u32), next record offset (u32; 0 marks the terminator).
inline constexpr size_t kRecordSize = 77;
inline constexpr size_t kNameSize = 64;
inline constexpr size_t kRecordKindOffset = 64;
inline constexpr size_t kRecordDataOffset = 65;
inline constexpr size_t kRecordDataSizeOffset = 69;
inline constexpr size_t kRecordNextOffset = 73;
static_assert(kRecordNextOffset + 4 == kRecordSize);

// What an entry's payload is: a whole BMP file, a signed 32-bit value, one byte, or 8-bit text.
enum class EntryKind : uint8_t { Bitmap = 0, Integer = 1, Boolean = 2, String = 3 };

inline constexpr size_t kIntegerSize = 4;
inline constexpr size_t kBooleanSize = 1;

}  // namespace ov::sk2
