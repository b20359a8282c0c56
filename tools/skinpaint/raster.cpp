// Coverage sampling, blending and the basic shapes of the skin painter.
#include "tools/skinpaint/raster.h"

#include <algorithm>
#include <cmath>

namespace ov::skinpaint {
namespace {

constexpr int kSamples = 4;  // per axis: 16 samples a pixel are plenty for 1-2 pixel features

uint8_t Lerp(uint8_t a, uint8_t b, double t) { return static_cast<uint8_t>(std::lround(a + (b - a) * t)); }

double Clamp01(double t) { return std::clamp(t, 0.0, 1.0); }

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t)
{
    t = Clamp01(t);
    return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t)};
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill)
{
}

void Image::Paste(const Image& source, int x, int y)
{
    for (int sy = 0; sy < source.Height(); ++sy) {
        for (int sx = 0; sx < source.Width(); ++sx) {
            const int tx = x + sx, ty = y + sy;
            if (tx >= 0 && ty >= 0 && tx < width_ && ty < height_)
                Set(tx, ty, source.At(sx, sy));
        }
    }
}

Image Image::Crop(int x, int y, int width, int height) const
{
    Image out(width, height, {});
    for (int cy = 0; cy < height; ++cy) {
        for (int cx = 0; cx < width; ++cx)
            out.Set(cx, cy, At(x + cx, y + cy));
    }
    return out;
}

double Coverage(const Shape& shape, int x, int y)
{
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            if (shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples))
                ++inside;
        }
    }
    return static_cast<double>(inside) / (kSamples * kSamples);
}

void Fill(Image& image, const Shape& shape, const Paint& paint)
{
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const double c = Coverage(shape, x, y);
            if (c > 0)
                image.Set(x, y, Mix(image.At(x, y), paint(x, y, image.At(x, y)), c));
        }
    }
}

void Fill(Image& image, const Shape& shape, Rgb colour)
{
    Fill(image, shape, [colour](int, int, Rgb) { return colour; });
}

void KeyOutside(Image& image, const Shape& shape, Rgb key)
{
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (Coverage(shape, x, y) == 0)
                image.Set(x, y, key);
        }
    }
}

Shape Rect(double left, double top, double right, double bottom)
{
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

Shape RoundRect(double left, double top, double right, double bottom, double radius)
{
    return [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        return std::hypot(x - cx, y - cy) <= radius;
    };
}

Shape Circle(double cx, double cy, double radius)
{
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= radius; };
}

Shape Segment(double x0, double y0, double x1, double y1, double halfWidth)
{
    return [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double lengthSquared = dx * dx + dy * dy;
        const double t = lengthSquared > 0 ? Clamp01(((x - x0) * dx + (y - y0) * dy) / lengthSquared) : 0;
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= halfWidth;
    };
}

Shape Polygon(std::vector<double> points)
{
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        const size_t n = points.size() / 2;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const double xi = points[2 * i], yi = points[2 * i + 1];
            const double xj = points[2 * j], yj = points[2 * j + 1];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        return inside;
    };
}

Shape Union(std::vector<Shape> shapes)
{
    return [shapes = std::move(shapes)](double x, double y) {
        return std::any_of(shapes.begin(), shapes.end(), [&](const Shape& s) { return s(x, y); });
    };
}

Shape Minus(Shape shape, Shape hole)
{
    return
        [shape = std::move(shape), hole = std::move(hole)](double x, double y) { return shape(x, y) && !hole(x, y); };
}

Paint VerticalGradient(Rgb a, Rgb b, int from, int to)
{
    return [=](int, int y, Rgb) { return Mix(a, b, to == from ? 0.0 : static_cast<double>(y - from) / (to - from)); };
}

Paint HorizontalGradient(Rgb a, Rgb b, int from, int to)
{
    return [=](int x, int, Rgb) { return Mix(a, b, to == from ? 0.0 : static_cast<double>(x - from) / (to - from)); };
}

Paint Over(Rgb colour, double opacity)
{
    return [=](int, int, Rgb under) { return Mix(under, colour, opacity); };
}

}  // namespace ov::skinpaint
