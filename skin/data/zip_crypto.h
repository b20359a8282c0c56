// The traditional PKWARE encryption of the ZIP format: three 32-bit keys stirred by the password
// and then by every plain byte; each byte is XORed with a key stream byte made from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace ov {

// An encrypted member starts with this many encrypted bytes; the last one is the check byte.
inline constexpr size_t kEncryptionHeaderSize = 12;

class ZipCipher {
public:
    explicit ZipCipher(std::string_view password);

    uint8_t DecryptByte(uint8_t cipher);
    void Decrypt(std::span<uint8_t> data);
    uint8_t EncryptByte(uint8_t plain);
    void Encrypt(std::span<uint8_t> data);

private:
    [[nodiscard]] uint8_t KeyStreamByte() const;
    void UpdateKeys(uint8_t plain);

    uint32_t key0_ = 0x12345678;
    uint32_t key1_ = 0x23456789;
    uint32_t key2_ = 0x34567890;
};

// The value the decrypted check byte must have: the top byte of the CRC-32, or, for members
// written with a data descriptor (flag bit 3) whose CRC was not known in advance, the high byte
// of the modification time.
uint8_t ExpectedCheckByte(uint16_t flags, uint32_t crc, uint16_t time);

}  // namespace ov
