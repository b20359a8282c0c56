// fuzz_seeds TARGET FOLDER: writes a small starting corpus for a fuzz target, made by the test
// builders and zlib, so that fuzzing starts from well-formed input of every kind.
#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "skin/data/crc32.h"
#include "skin/data/skin_test_support.h"
#include "skin/data/zip_crypto.h"

namespace {

using ov::testing::Bytes;

Bytes SkinData()
{
    auto bmp = [](bool topDown) {
        return ov::testing::MakeBmp24(
            4, 3, [](int x, int y) { return x == y ? 0xFF00FFu : 0x203040u * x; }, topDown);
    };
    return ov::testing::MakeSk2({
        {"SKIN2_TITLEBAR1", 0, bmp(false)},
        {"SKIN2_TRANSCOLOR", 1, ov::testing::IntegerData(0xFF00FF)},
        {"SKIN2_RADIOBUTTONTRANS", 2, Bytes{1}},
        {"NOTE", 3, Bytes{'h', 'i'}},
        {"ODD", 4, Bytes{}},
        {"SKIN2_BUTTON", 0, bmp(true)},
    });
}

Bytes Package(const Bytes& data, int level, int strategy, const std::string& password)
{
    ov::testing::PackageMember m;
    m.crc = ov::Crc32(data);
    m.uncompressedSize = static_cast<uint32_t>(data.size());
    m.stored = ov::testing::ZlibDeflate(data, level, strategy);
    if (!password.empty()) {
        Bytes plain(ov::kEncryptionHeaderSize, 0x33);
        plain.back() = ov::ExpectedCheckByte(1, m.crc, 0);
        plain.insert(plain.end(), m.stored.begin(), m.stored.end());
        ov::ZipCipher(password).Encrypt(plain);
        m.stored = plain;
        m.flags = 1;
    }
    return ov::testing::MakePackage(m);
}

std::vector<Bytes> Seeds(const std::string& target)
{
    const Bytes data = SkinData();
    if (target == "fuzz_package") {
        return {Package(data, 9, Z_DEFAULT_STRATEGY, ""), Package(data, 0, Z_DEFAULT_STRATEGY, ""),
                Package(data, 6, Z_FIXED, ""), Package(data, 9, Z_DEFAULT_STRATEGY, "secret")};
    }
    if (target == "fuzz_skin_data")
        return {data, ov::testing::MakeSk2({})};
    if (target == "fuzz_bmp") {
        return {ov::testing::MakeBmp24(5, 2, [](int x, int) { return 0x10203u * x; }),
                ov::testing::MakeBmp24(
                    3, 3, [](int, int y) { return 0xFFu << y; }, true)};
    }
    if (target == "fuzz_inflate") {
        std::vector<Bytes> seeds;
        for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE}) {
            for (int level : {0, 1, 6, 9})
                seeds.push_back(ov::testing::ZlibDeflate(data, level, strategy));
        }
        return seeds;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: fuzz_seeds TARGET FOLDER\n", stderr);
        return 2;
    }
    const std::vector<Bytes> seeds = Seeds(argv[1]);
    if (seeds.empty()) {
        std::fprintf(stderr, "fuzz_seeds: no seeds for %s\n", argv[1]);
        return 1;
    }
    for (size_t i = 0; i < seeds.size(); ++i) {
        ov::testing::WriteFile(std::string(argv[2]) + "/seed" + std::to_string(i), seeds[i]);
    }
    return 0;
}
