// BMP decoding checked against ImageMagick: it writes the files (24-bit, paletted, 32-bit with bit
// fields in a V5 header) and, as the control, decodes them again itself.
#include "skin/data/bmp_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "skin/data/byte_order.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_test_support.h"

namespace ov {
namespace {

using testing::Bytes;

constexpr int kWidth = 7;  // odd, so 24-bit rows need padding
constexpr int kHeight = 5;

uint32_t TestColor(int x, int y)
{  // 0x00BBGGRR
    return static_cast<uint32_t>((x * 40) % 256) | static_cast<uint32_t>((y * 60) % 256) << 8 |
           static_cast<uint32_t>(((x + y) * 20) % 256) << 16;
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> colors;  // top-down, 0x00BBGGRR
};

// Reads a binary PPM as ImageMagick writes it ("P6\n<w> <h>\n255\n" + RGB).
Picture ReadPpm(const Bytes& ppm)
{
    Picture p;
    int maxValue = 0;
    int consumed = 0;
    const std::string head(ppm.begin(), ppm.begin() + std::min<std::ptrdiff_t>(std::ssize(ppm), 40));
    EXPECT_EQ(std::sscanf(head.c_str(), "P6 %d %d %d%n", &p.width, &p.height, &maxValue, &consumed), 3);
    EXPECT_EQ(maxValue, 255);
    const uint8_t* rgb = ppm.data() + consumed + 1;
    for (int i = 0; i < p.width * p.height; ++i, rgb += 3) {
        p.colors.push_back(rgb[0] | rgb[1] << 8 | static_cast<uint32_t>(rgb[2]) << 16);
    }
    return p;
}

void ExpectSamePixels(const DecodedBitmap& bitmap, const Picture& picture, const std::string& what)
{
    ASSERT_EQ(bitmap.width, picture.width) << what;
    ASSERT_EQ(bitmap.height, picture.height) << what;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            ASSERT_EQ(bitmap.Pixel(x, y), picture.colors[y * bitmap.width + x]) << what << " at " << x << "," << y;
        }
    }
}

class BmpDecoderTest : public ::testing::Test {
protected:
    // Converts the test picture with ImageMagick into a BMP file; `options` end with the format
    // prefix ("BMP3:" or "BMP:").
    Bytes Convert(const std::string& options)
    {
        Bytes ppm = {'P', '6', ' ', '7', ' ', '5', ' ', '2', '5', '5', '\n'};
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const uint32_t c = TestColor(x, y);
                ppm.insert(ppm.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
            }
        }
        testing::WriteFile(folder_.File("in.ppm"), ppm);
        const std::string command = "cd '" + folder_.Path() + "' && convert in.ppm " + options + "out.bmp";
        EXPECT_EQ(testing::Run(command), 0) << command;
        return testing::ReadFile(folder_.File("out.bmp"));
    }

    // ImageMagick's own reading of a BMP file.
    Picture Control(const Bytes& bmp)
    {
        testing::WriteFile(folder_.File("control.bmp"), bmp);
        EXPECT_EQ(testing::Run("cd '" + folder_.Path() + "' && convert control.bmp -depth 8 control.ppm"), 0);
        return ReadPpm(testing::ReadFile(folder_.File("control.ppm")));
    }

    testing::ScratchFolder folder_;
};

TEST_F(BmpDecoderTest, DecodesWhatImageMagickWrites)
{
    Picture original;
    original.width = kWidth;
    original.height = kHeight;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            original.colors.push_back(TestColor(x, y));
    }
    struct Case {
        const char* options;
        int bitsPerPixel;
        bool lossless;
    };
    const Case cases[] = {
        {"BMP3:", 24, true},
        {"-type palette -compress none BMP3:", 8, true},
        {"-alpha on -define bmp:format=bmp4 BMP:", 32, true},  // V5 header, bit fields
        {"-colors 12 -compress none BMP3:", 4, false},
        {"-monochrome -compress none BMP3:", 1, false},
    };
    for (const Case& c : cases) {
        const Bytes file = Convert(c.options);
        const DecodedBitmap bitmap = DecodeBmp(file);
        EXPECT_EQ(bitmap.bitsPerPixel, c.bitsPerPixel) << c.options;
        EXPECT_FALSE(bitmap.topDown);
        ExpectSamePixels(bitmap, Control(file), c.options);
        if (c.lossless)
            ExpectSamePixels(bitmap, original, c.options);
    }
}

TEST_F(BmpDecoderTest, KeepsTheLayoutOfABottomUpDib)
{
    for (bool topDown : {false, true}) {
        const DecodedBitmap bitmap = DecodeBmp(testing::MakeBmp24(kWidth, kHeight, TestColor, topDown));
        EXPECT_EQ(bitmap.topDown, topDown);
        EXPECT_EQ(bitmap.Stride(), 24u);
        ASSERT_EQ(bitmap.pixels.size(), 24u * kHeight);
        // The first bytes in memory are the bottom row's first pixel, blue first.
        const uint32_t bottomLeft = TestColor(0, kHeight - 1);
        EXPECT_EQ(bitmap.pixels[0], uint8_t(bottomLeft >> 16));
        EXPECT_EQ(bitmap.pixels[2], uint8_t(bottomLeft));
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(bitmap.Pixel(x, y), TestColor(x, y)) << topDown;
        }
    }
}

TEST_F(BmpDecoderTest, RefusesWhatItCannotDecode)
{
    const Bytes good = testing::MakeBmp24(kWidth, kHeight, TestColor);
    auto with = [&](size_t offset, uint32_t value) {
        Bytes b = good;
        StoreLe32(b.data() + offset, value);
        return b;
    };
    Bytes paletteMissing(good.begin(), good.begin() + 54);  // headers only
    StoreLe16(paletteMissing.data() + 28, 4);               // 4 bits per pixel: 16 colours expected
    const std::pair<const char*, Bytes> cases[] = {
        {"no BM", Bytes(good.begin() + 2, good.end())},
        {"run-length compressed", Convert("-type palette BMP3:")},
        {"pixels cut short", Bytes(good.begin(), good.end() - 1)},
        {"pixel offset past the end", with(10, 1000)},
        {"zero width", with(18, 0)},
        {"unknown header size", with(14, 20)},
        {"palette missing", paletteMissing},
    };
    for (const auto& [what, bytes] : cases)
        EXPECT_THROW(DecodeBmp(bytes), SkinFileError) << what;
}

}  // namespace
}  // namespace ov
