// Colour arithmetic on resolved Windows colour values (0x00BBGGRR): building, splitting, inverting
// and the steps of a two-colour gradient. System colours are resolved by the Windows layer first.
#pragma once

#include <cstdint>
#include <vector>

namespace ov {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr uint32_t MakeColor(uint8_t red, uint8_t green, uint8_t blue) { return red + green * 256u + blue * 65536u; }

constexpr Rgb SplitRgb(uint32_t color)
{
    return {static_cast<uint8_t>(color), static_cast<uint8_t>(color >> 8), static_cast<uint8_t>(color >> 16)};
}

constexpr uint32_t InvertRgb(uint32_t color)
{
    const Rgb c = SplitRgb(color);
    return MakeColor(255 - c.red, 255 - c.green, 255 - c.blue);
}

// The colours of the `count` lines of a gradient from `first` to `last`: the first line is `first`,
// the last is `last`, and line i between them has, per component,
// first + trunc((last - first) / count x (i - 1)).
std::vector<uint32_t> GradientColors(uint32_t first, uint32_t last, int count);

}  // namespace ov
