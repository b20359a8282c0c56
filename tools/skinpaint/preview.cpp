// Preview composition: the mock window, the control samples and the enlarged bitmap sheet.
#include "tools/skinpaint/preview.h"

#include <algorithm>
#include <string>

#include "tools/skinpaint/compose.h"
#include "tools/skinpaint/theme.h"
#include "tools/skinpaint/tiny_font.h"

namespace ov::skinpaint {
namespace {

using namespace theme;

const Rgb kSheetBackground{226, 226, 230};
const Rgb kLabelInk{70, 70, 80};

// A missing bitmap shows as a small grey square, so that the preview still composes.
Image Get(const SkinPictures& skin, Skin2Bitmap id)
{
    const auto it = skin.find(id);
    return it != skin.end() ? it->second : Image(3, 3, {160, 160, 160});
}

void DrawTitle(Image& window, const SkinPictures& skin)
{
    const Image left = Get(skin, SKIN2_TITLEBAR1), middle = Get(skin, SKIN2_TITLEBAR2);
    const Image right = Get(skin, SKIN2_TITLEBAR3);
    Blit(window, Stretch(middle, window.Width() - left.Width() - right.Width(), middle.Height()), left.Width(), 0);
    Blit(window, left, 0, 0);
    Blit(window, right, window.Width() - right.Width(), 0);
    // The window icon: a white blossom on the title.
    Image icon(16, 16, {});
    Blit(icon, window.Crop(7, 4, 16, 16), 0, 0);
    Fill(icon, Circle(8, 8, 6.5), kWhite);
    Fill(icon, Circle(8, 8, 3), kRoseMiddle);
    Blit(window, icon, 7, 4);
    DrawLabel(window, 27, 9, "OVALUNE READER", kWhite, 2);
    // Close, maximise, minimise from the right, frames 16, 7 and 13; the close button is hot.
    const Image buttons = Get(skin, SKIN2_TITLEBUTTONS);
    const int w = buttons.Width() / 18;
    int x = window.Width() - 7 - w;
    for (int frame : {17, 7, 13}) {
        Blit(window, Cell(buttons, 18, frame), x, 4);
        x -= w + 2;
    }
}

void DrawBorders(Image& window, const SkinPictures& skin, int titleHeight)
{
    const int h = window.Height() - titleHeight;
    Blit(window, Stretch(Get(skin, SKIN2_FORMLEFTBORDER), 1, h), 0, titleHeight);
    Blit(window, Stretch(Get(skin, SKIN2_FORMRIGHTBORDER), 1, h), window.Width() - 1, titleHeight);
    const Image bottom = Get(skin, SKIN2_FORMBOTTOMBORDER1);
    Blit(window, ThreeSliceH(bottom, window.Width()), 0, window.Height() - bottom.Height());
}

// The tool bar of the reader: four large buttons, the second one under the mouse.
void DrawToolBar(Image& window, int top)
{
    FillRect(window, 4, top, window.Width() - 4, top + 64, kToolBar);
    const char* captions[] = {"BOOK", "GUIDE", "NOTES", "ABOUT"};
    for (int i = 0; i < 4; ++i) {
        const int left = 8 + i * 93;
        if (i == 1) {
            FillRect(window, left, top + 2, left + 91, top + 62, kWhite);
            FrameRect(window, left, top + 2, left + 91, top + 62, kBorder);
        }
        Fill(window, Circle(left + 45.5, top + 22, 11), i == 1 ? kRoseMiddle : kRoseBottom);
        DrawLabel(window, left + 46 - LabelWidth(captions[i], 1) / 2, top + 44, captions[i], kInk, 1);
    }
}

Image Tab(const SkinPictures& skin, bool selected, int width, int height, const char* caption)
{
    const Image face = Cell(Get(skin, SKIN2_TABCONTROL), 2, selected ? 1 : 2);
    Image tab = ThreeSliceH(face, width);
    if (height > face.Height() + 1)
        tab = ThreeSliceV(tab, height, face.Height() / 3);
    const int textWidth = LabelWidth(caption, 2);
    DrawLabel(tab, (width - textWidth) / 2, (height - 10) / 2 + 1, caption, selected ? kWhite : kBorder, 2);
    return tab;
}

// A vertical skinned scroll bar over [top, bottom) at x, with the thumb over [thumbTop, thumbBottom).
void DrawScrollBar(Image& window, const SkinPictures& skin, int x, int top, int bottom, int thumbTop, int thumbBottom)
{
    constexpr int w = 17;
    FillRect(window, x, top, x + w, bottom, kTrack);
    auto clean = [](const Image& image) { return ReplaceColour(image, kKey, kTrack); };
    Blit(window, Stretch(clean(Cell(Get(skin, SKIN2_SCROLLBARUPBUTTON), 3, 1)), w, w), x, top);
    Blit(window, Stretch(clean(Cell(Get(skin, SKIN2_SCROLLBARDOWNBUTTON), 3, 1)), w, w), x, bottom - w);
    const Image thumb = clean(Get(skin, SKIN2_SCROLLBAR));
    const int length = thumbBottom - thumbTop, h = thumb.Height(), f = (h - 6) / 3;
    const Image grip = thumb.Crop(0, f + 4, thumb.Width(), h - 6 - 2 * f);
    Blit(window, Stretch(thumb.Crop(0, 0, thumb.Width(), 3), w, 3), x, thumbTop);
    Blit(window, Stretch(thumb.Crop(0, h - 3, thumb.Width(), 3), w, 3), x, thumbBottom - 3);
    const int gripTop = thumbTop + 3 + (length - 6 - grip.Height()) / 2;
    Blit(window, Stretch(thumb.Crop(0, 4, thumb.Width(), f), w, gripTop - thumbTop - 3), x, thumbTop + 3);
    Blit(window, Stretch(grip, w, grip.Height()), x, gripTop);
    const int gripEnd = gripTop + grip.Height();
    Blit(window, Stretch(thumb.Crop(0, h - 3 - f, thumb.Width(), f), w, thumbBottom - 3 - gripEnd), x, gripEnd);
}

// The page control with three tabs on top and a chapter view holding lines of "text".
void DrawPages(Image& window, const SkinPictures& skin, int top)
{
    const int left = 10, right = window.Width() - 10, bottom = window.Height() - 10, tabHeight = 30;
    const char* captions[] = {"ONE", "TWO", "THREE"};
    for (int i = 0; i < 3; ++i)
        Blit(window, Tab(skin, i == 0, 84, tabHeight, captions[i]), left + 2 + i * 84, top);
    const int pageTop = top + tabHeight - 2;
    FrameRect(window, left, pageTop, right, bottom, kBorder);
    const Image line = Get(skin, SKIN2_TABCONTROLLINE);
    Blit(window, Stretch(line, right - left, line.Height()), left, pageTop - 1);
    // The chapter view: white, with lines of text and a scroll bar at its right edge.
    const int viewTop = pageTop + line.Height() + 4, viewBottom = bottom - 5, viewRight = right - 5;
    FillRect(window, left + 5, viewTop, viewRight, viewBottom, kWhite);
    for (int y = viewTop + 10, n = 0; y + 6 < viewBottom; y += 14, ++n) {
        FillRect(window, left + 15, y, viewRight - 40 - (n % 3) * 37, y + 5, {214, 204, 208});
    }
    DrawScrollBar(window, skin, viewRight - 17, viewTop, viewBottom, viewTop + 40, viewTop + 110);
}

Image MockWindow(const SkinPictures& skin)
{
    Image window(400, 330, kForm);
    const int titleHeight = Get(skin, SKIN2_TITLEBAR1).Height();
    DrawTitle(window, skin);
    DrawBorders(window, skin, titleHeight);
    DrawToolBar(window, titleHeight);
    DrawPages(window, skin, titleHeight + 72);
    return window;
}

// Push buttons (normal, hot, pressed), check boxes, radio buttons, a progress bar and a track bar.
Image ControlSamples(const SkinPictures& skin)
{
    Image panel(400, 120, kForm);
    FrameRect(panel, 0, 0, panel.Width(), panel.Height(), kBorder);
    const Image button = Get(skin, SKIN2_BUTTON);
    const char* labels[] = {"OK", "HOT", "DOWN"};
    for (int i = 0; i < 3; ++i) {
        Image face = NineSlice(Cell(button, 3, i + 1), 75, 25);
        const int shift = i == 2 ? 1 : 0;
        DrawLabel(face, (75 - LabelWidth(labels[i], 2)) / 2 + shift, 8 + shift, labels[i], kInk, 2);
        Blit(panel, face, 10 + i * 85, 10);
    }
    const Image boxes = Get(skin, SKIN2_CHECKBOX), radios = Get(skin, SKIN2_RADIOBUTTON);
    for (int i = 0; i < 6; ++i)
        Blit(panel, Cell(boxes, 6, i + 1), 270 + (i % 3) * 40, 10 + (i / 3) * 20);
    for (int i = 0; i < 4; ++i)
        Blit(panel, Cell(radios, 4, i + 1), 270 + (i % 2) * 40, 52 + (i / 2) * 20, kKey);
    // Progress bar at 60 %.
    const Image cap1 = Get(skin, SKIN2_PROGRESSBAR1), cap4 = Get(skin, SKIN2_PROGRESSBAR4);
    const Image filled = Get(skin, SKIN2_PROGRESSBAR2), empty = Get(skin, SKIN2_PROGRESSBAR3);
    const int barLeft = 10, barWidth = 240, inner = barWidth - cap1.Width() - cap4.Width(), done = inner * 6 / 10;
    Blit(panel, cap1, barLeft, 50);
    Blit(panel, Stretch(filled, done, filled.Height()), barLeft + cap1.Width(), 50);
    Blit(panel, Stretch(empty, inner - done, empty.Height()), barLeft + cap1.Width() + done, 50);
    Blit(panel, cap4, barLeft + barWidth - cap4.Width(), 50);
    // Track bar: the groove with its key colour turned into the form colour, and the thumb.
    const Image groove = ReplaceColour(Get(skin, SKIN2_TRACKBAR), kKey, kForm);
    Blit(panel, ThreeSliceH(groove, 240), 10, 90);
    const Image slider = Get(skin, SKIN2_TRACKBARSLIDER);
    Blit(panel, Stretch(slider, 11, 21), 90, 83, slider.At(0, slider.Height() - 1));
    const Image vslider = Get(skin, SKIN2_TRACKBARVSLIDER);
    Blit(panel, Stretch(vslider, 21, 11), 350, 80, vslider.At(0, vslider.Height() - 1));
    return panel;
}

// Every bitmap enlarged, in id order, each under its name (without the SKIN2_ prefix) and size.
Image BitmapSheet(const SkinPictures& skin, int width, int scale)
{
    struct Placed {
        const Image* image;
        std::string label;
        int x, y;
    };
    std::vector<Placed> placed;
    int x = 10, y = 10, rowHeight = 0;
    for (const auto& [id, image] : skin) {
        const std::string label = std::string(Skin2Name(id).substr(6)) + " " + std::to_string(image.Width()) + "x" +
                                  std::to_string(image.Height());
        const int w = std::max(image.Width() * scale, LabelWidth(label, 2)), h = image.Height() * scale + 16;
        if (x + w > width - 10)
            x = 10, y += rowHeight + 14, rowHeight = 0;
        placed.push_back({&image, label, x, y});
        x += w + 20;
        rowHeight = std::max(rowHeight, h);
    }
    Image sheet(width, y + rowHeight + 10, kSheetBackground);
    for (const Placed& p : placed) {
        DrawLabel(sheet, p.x, p.y, p.label, kLabelInk, 2);
        Blit(sheet, Enlarge(*p.image, scale), p.x, p.y + 14);
    }
    return sheet;
}

}  // namespace

Image ComposePreview(const SkinPictures& skin)
{
    constexpr int kScale = 2;
    const Image window = Enlarge(MockWindow(skin), kScale);
    const Image controls = Enlarge(ControlSamples(skin), kScale);
    const int width = std::max(1440, window.Width() + controls.Width() + 60);
    const Image sheet = BitmapSheet(skin, width, 4);
    Image preview(width, std::max(window.Height(), controls.Height()) + 40 + sheet.Height(), kSheetBackground);
    Blit(preview, window, 20, 20);
    Blit(preview, controls, window.Width() + 40, 20);
    Blit(preview, sheet, 0, std::max(window.Height(), controls.Height()) + 40);
    return preview;
}

}  // namespace ov::skinpaint
