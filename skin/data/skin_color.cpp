// The lines of a two-colour gradient.
#include "skin/data/skin_color.h"

namespace ov {
namespace {

uint8_t Step(uint8_t first, uint8_t last, int count, int index)
{
    const double slope = (static_cast<double>(last) - first) / count;
    // The step stays below (last - first) because index < count, so the sum is a byte again.
    return static_cast<uint8_t>(first + static_cast<int>(slope * index));
}

}  // namespace

std::vector<uint32_t> GradientColors(uint32_t first, uint32_t last, int count)
{
    if (count <= 0)
        return {};
    std::vector<uint32_t> colors(count);
    const Rgb a = SplitRgb(first), b = SplitRgb(last);
    colors.front() = MakeColor(a.red, a.green, a.blue);
    for (int i = 1; i + 1 < count; ++i)
        colors[i] = MakeColor(Step(a.red, b.red, count, i - 1), Step(a.green, b.green, count, i - 1),
                              Step(a.blue, b.blue, count, i - 1));
    colors.back() = MakeColor(b.red, b.green, b.blue);
    return colors;
}

}  // namespace ov
