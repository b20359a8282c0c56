// Preview composition primitives.
#include "tools/skinpaint/compose.h"

#include <algorithm>

namespace ov::skinpaint {

Image Cell(const Image& strip, int count, int index)
{
    const int width = strip.Width() / count;
    return strip.Crop(width * (index - 1), 0, width, strip.Height());
}

Image Stretch(const Image& image, int width, int height)
{
    Image out(width, height, {});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            out.Set(x, y, image.At(x * image.Width() / width, y * image.Height() / height));
    }
    return out;
}

Image Enlarge(const Image& image, int factor)
{
    return Stretch(image, image.Width() * factor, image.Height() * factor);
}

Image ReplaceColour(Image image, Rgb from, Rgb to)
{
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (image.At(x, y) == from)
                image.Set(x, y, to);
        }
    }
    return image;
}

void Blit(Image& target, const Image& source, int x, int y, std::optional<Rgb> key)
{
    for (int sy = 0; sy < source.Height(); ++sy) {
        for (int sx = 0; sx < source.Width(); ++sx) {
            const int tx = x + sx, ty = y + sy;
            if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height())
                continue;
            if (key && source.At(sx, sy) == *key)
                continue;
            target.Set(tx, ty, source.At(sx, sy));
        }
    }
}

void FillRect(Image& image, int left, int top, int right, int bottom, Rgb colour)
{
    Blit(image, Image(std::max(right - left, 0), std::max(bottom - top, 0), colour), left, top);
}

void FrameRect(Image& image, int left, int top, int right, int bottom, Rgb colour)
{
    FillRect(image, left, top, right, top + 1, colour);
    FillRect(image, left, bottom - 1, right, bottom, colour);
    FillRect(image, left, top, left + 1, bottom, colour);
    FillRect(image, right - 1, top, right, bottom, colour);
}

Image ThreeSliceH(const Image& source, int width)
{
    const int third = source.Width() / 3, h = source.Height();
    Image out(width, h, {});
    if (width < third)
        return source.Crop(0, 0, width, h);
    Blit(out, source.Crop(0, 0, third, h), 0, 0);
    Blit(out, Stretch(source.Crop(third, 0, third, h), std::max(width - 2 * third, 1), h), third, 0);
    Blit(out, source.Crop(2 * third, 0, third, h), width - third, 0);
    return out;
}

Image ThreeSliceV(const Image& source, int height, int cap)
{
    const int w = source.Width();
    Image out(w, height, {});
    Blit(out, source.Crop(0, 0, w, cap), 0, 0);
    Blit(out, Stretch(source.Crop(0, cap, w, source.Height() - 2 * cap), w, std::max(height - 2 * cap, 1)), 0, cap);
    Blit(out, source.Crop(0, source.Height() - cap, w, cap), 0, height - cap);
    return out;
}

Image NineSlice(const Image& face, int width, int height)
{
    const int left = std::min(face.Width() / 2, width / 2), right = std::min(face.Width() / 2 - 1, width - left);
    const int top = std::min(face.Height() / 2, height / 2), bottom = std::min(face.Height() / 2 - 1, height - top);
    const int midX = face.Width() / 2, midY = face.Height() / 2;
    Image out(width, height, {});
    auto piece = [&](int sx, int sy, int sw, int sh, int tx, int ty, int tw, int th) {
        if (tw > 0 && th > 0 && sw > 0 && sh > 0)
            Blit(out, Stretch(face.Crop(sx, sy, sw, sh), tw, th), tx, ty);
    };
    const int fw = face.Width(), fh = face.Height(), mw = width - left - right, mh = height - top - bottom;
    piece(0, 0, left, top, 0, 0, left, top);
    piece(fw - right, 0, right, top, width - right, 0, right, top);
    piece(0, fh - bottom, left, bottom, 0, height - bottom, left, bottom);
    piece(fw - right, fh - bottom, right, bottom, width - right, height - bottom, right, bottom);
    piece(midX, 0, 1, top, left, 0, mw, top);
    piece(midX, fh - bottom, 1, bottom, left, height - bottom, mw, bottom);
    piece(0, midY, left, 1, 0, top, left, mh);
    piece(fw - right, midY, right, 1, width - right, top, right, mh);
    piece(midX, midY, 1, 1, left, top, mw, mh);
    return out;
}

}  // namespace ov::skinpaint
