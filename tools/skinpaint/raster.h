// A small anti-aliased painter for drawing skin bitmaps: an RGB image, shapes given as inside
// tests on continuous co-ordinates, and coverage found by sampling each pixel on a 4x4 grid.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace ov::skinpaint {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// A Windows colour value 0x00BBGGRR, as the skin's manifest writes colours.
constexpr Rgb FromColorRef(uint32_t value)
{
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16)};
}

// t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill);

    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    [[nodiscard]] Rgb At(int x, int y) const { return pixels_[y * width_ + x]; }
    void Set(int x, int y, Rgb c) { pixels_[y * width_ + x] = c; }

    // Pastes another image with its top-left corner at (x, y), clipped to this one.
    void Paste(const Image& source, int x, int y);
    [[nodiscard]] Image Crop(int x, int y, int width, int height) const;

private:
    int width_ = 0, height_ = 0;
    std::vector<Rgb> pixels_;
};

// Pixel (x, y) covers the square [x, x+1) x [y, y+1); a shape answers for a point.
using Shape = std::function<bool(double x, double y)>;
// The colour a covered pixel takes, given the pixel and the colour it has now.
using Paint = std::function<Rgb(int x, int y, Rgb under)>;

// Fraction (0..1) of the pixel inside the shape.
double Coverage(const Shape& shape, int x, int y);

// Blends each pixel towards the paint by its coverage.
void Fill(Image& image, const Shape& shape, const Paint& paint);
void Fill(Image& image, const Shape& shape, Rgb colour);

// Sets every pixel the shape does not touch at all to the key colour; partly covered pixels keep
// the colour they were blended with, so edges look right on the background the key stands for.
void KeyOutside(Image& image, const Shape& shape, Rgb key);

// Shapes.
Shape Rect(double left, double top, double right, double bottom);
Shape RoundRect(double left, double top, double right, double bottom, double radius);
Shape Circle(double cx, double cy, double radius);
// A stroke of the given half width along the segment, with round ends.
Shape Segment(double x0, double y0, double x1, double y1, double halfWidth);
// A closed polygon (even-odd rule); points as x0, y0, x1, y1, ...
Shape Polygon(std::vector<double> points);
Shape Union(std::vector<Shape> shapes);
Shape Minus(Shape shape, Shape hole);

// Paints: a vertical gradient from colour a at row 'from' to colour b at row 'to' (clamped), and the
// same across columns.
Paint VerticalGradient(Rgb a, Rgb b, int from, int to);
Paint HorizontalGradient(Rgb a, Rgb b, int from, int to);
// The paint's colour blended over what is there with a fixed opacity.
Paint Over(Rgb colour, double opacity);

}  // namespace ov::skinpaint
