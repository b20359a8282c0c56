// Putting skin bitmaps together the way the skin's painters do, closely enough for a preview:
// cutting cells, stretching, three- and nine-section drawing, key-colour transparency.
#pragma once

#include <optional>

#include "tools/skinpaint/raster.h"

namespace ov::skinpaint {

// Cell `index` (1-based) of `count` equal-width cells.
Image Cell(const Image& strip, int count, int index);
// Nearest-neighbour stretch to the given size.
Image Stretch(const Image& image, int width, int height);
// Every pixel enlarged to a factor x factor square.
Image Enlarge(const Image& image, int factor);
// Every pixel of colour `from` set to `to`.
Image ReplaceColour(Image image, Rgb from, Rgb to);
// Pastes with pixels of the key colour left out.
void Blit(Image& target, const Image& source, int x, int y, std::optional<Rgb> key = std::nullopt);
void FillRect(Image& image, int left, int top, int right, int bottom, Rgb colour);
void FrameRect(Image& image, int left, int top, int right, int bottom, Rgb colour);

// Left and right thirds at their size, the middle third stretched between; as high as the source.
Image ThreeSliceH(const Image& source, int width);
// Top and bottom `cap` rows at their size, the rows between stretched.
Image ThreeSliceV(const Image& source, int height, int cap);
// A button face: the corner blocks kept, the middle row and columns stretched.
Image NineSlice(const Image& face, int width, int height);

}  // namespace ov::skinpaint
