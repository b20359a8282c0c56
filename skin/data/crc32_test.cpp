// CRC-32 against zlib's, including a CRC continued over several pieces.
#include "skin/data/crc32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <vector>

namespace ov {
namespace {

uint32_t ZlibCrc(std::span<const uint8_t> data, uint32_t crc = 0)
{
    return static_cast<uint32_t>(crc32(crc, data.data(), static_cast<uInt>(data.size())));
}

TEST(Crc32, KnownValuesAndZlibAgree)
{
    const std::string text = "123456789";
    const auto bytes = std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    EXPECT_EQ(Crc32(bytes), 0xCBF43926u);  // the CRC-32 check value
    EXPECT_EQ(Crc32({}), 0u);

    std::mt19937 rng(7);
    std::vector<uint8_t> data(100000);
    for (auto& b : data)
        b = static_cast<uint8_t>(rng());
    EXPECT_EQ(Crc32(data), ZlibCrc(data));
}

TEST(Crc32, ContinuesAcrossPieces)
{
    std::vector<uint8_t> data(4097);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 31 + 7);
    const auto all = std::span<const uint8_t>(data);
    uint32_t crc = Crc32(all.first(1000));
    crc = Crc32(all.subspan(1000, 3000), crc);
    crc = Crc32(all.subspan(4000), crc);
    EXPECT_EQ(crc, ZlibCrc(all));
}

}  // namespace
}  // namespace ov
