// Traditional ZIP encryption (the key schedule of the ZIP application note, section 6.1).
#include "skin/data/zip_crypto.h"

#include "skin/data/crc32.h"

namespace ov {

ZipCipher::ZipCipher(std::string_view password)
{
    for (char c : password)
        UpdateKeys(static_cast<uint8_t>(c));
}

void ZipCipher::UpdateKeys(uint8_t plain)
{
    key0_ = Crc32Byte(key0_, plain);
    key1_ = (key1_ + (key0_ & 0xFF)) * 134775813u + 1;
    key2_ = Crc32Byte(key2_, static_cast<uint8_t>(key1_ >> 24));
}

uint8_t ZipCipher::KeyStreamByte() const
{
    const uint32_t t = (key2_ & 0xFFFF) | 2;
    return static_cast<uint8_t>((t * (t ^ 1)) >> 8);
}

uint8_t ZipCipher::DecryptByte(uint8_t cipher)
{
    const auto plain = static_cast<uint8_t>(cipher ^ KeyStreamByte());
    UpdateKeys(plain);
    return plain;
}

void ZipCipher::Decrypt(std::span<uint8_t> data)
{
    for (uint8_t& b : data)
        b = DecryptByte(b);
}

uint8_t ZipCipher::EncryptByte(uint8_t plain)
{
    const auto cipher = static_cast<uint8_t>(plain ^ KeyStreamByte());
    UpdateKeys(plain);
    return cipher;
}

void ZipCipher::Encrypt(std::span<uint8_t> data)
{
    for (uint8_t& b : data)
        b = EncryptByte(b);
}

uint8_t ExpectedCheckByte(uint16_t flags, uint32_t crc, uint16_t time)
{
    constexpr uint16_t kDataDescriptor = 1 << 3;
    return (flags & kDataDescriptor) ? static_cast<uint8_t>(time >> 8) : static_cast<uint8_t>(crc >> 24);
}

}  // namespace ov
