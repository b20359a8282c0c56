#!/usr/bin/env python3
"""Draws the reader's icons: the program icon (MAINICON) and the four tool bar images.

Every picture is drawn from shapes in unit coordinates on a canvas eight times the target size and
then reduced, so each size is drawn rather than scaled from another size. The output is
deterministic (no fonts, no randomness): running the script again reproduces the committed files.

    iconpaint.py OUT_DIR [LAYOUT_DIR]
        writes ovalune.ico (16, 24, 32, 48 pixels, 32-bit) and tool_0.png .. tool_3.png (40 x 40,
        RGBA) into OUT_DIR; with LAYOUT_DIR also stores the tool images in TFORM1.dfm (ImageList1's
        Bitmap, in the image list's stored form) and the 48 x 48 program icon in TABOUTBOX.dfm
        (ProgramIcon's Picture.Data: a length byte, "TIcon", then .ico data).
"""
import re
import struct
import sys
from pathlib import Path

from PIL import Image, ImageDraw

SUPER = 8  # supersampling factor

ROSE_TOP = (238, 140, 172)
ROSE_BOTTOM = (194, 74, 114)
ROSE_DEEP = (150, 44, 84)
BLUSH = (250, 226, 234)
GOLD = (250, 206, 96)
GOLD_DEEP = (214, 150, 40)
WHITE = (255, 255, 255)
INK = (70, 60, 80)
BLUE = (58, 118, 212)
BLUE_DEEP = (32, 76, 160)
GREEN = (64, 168, 92)
HEART = (222, 52, 86)
PAPER_EDGE = (150, 150, 160)
LINE = (176, 182, 196)


class Pen:
    """Shapes in unit coordinates (0..1 across the picture) on a supersampled RGBA canvas."""

    def __init__(self, size):
        self.size = size
        self.px = size * SUPER
        self.image = Image.new("RGBA", (self.px, self.px), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    def box(self, x0, y0, x1, y1):
        s = self.px
        return [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]

    def width(self, w):
        return max(1, round(w * self.px))

    def ellipse(self, x0, y0, x1, y1, fill, outline=None, w=0.0):
        self.draw.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                          width=self.width(w) if outline else 0)

    def rect(self, x0, y0, x1, y1, fill, outline=None, w=0.0, radius=0.0):
        self.draw.rounded_rectangle(self.box(x0, y0, x1, y1), radius=round(radius * self.px), fill=fill,
                                    outline=outline, width=self.width(w) if outline else 0)

    def polygon(self, points, fill):
        self.draw.polygon([(x * self.px, y * self.px) for x, y in points], fill=fill)

    def line(self, points, fill, w):
        self.draw.line([(x * self.px, y * self.px) for x, y in points], fill=fill, width=self.width(w),
                       joint="curve")

    def arc(self, x0, y0, x1, y1, start, end, fill, w):
        self.draw.arc(self.box(x0, y0, x1, y1), start, end, fill=fill, width=self.width(w))

    def gradient_disc(self, x0, y0, x1, y1, top, bottom):
        """A disc filled with a vertical gradient (drawn as a gradient masked by the disc)."""
        layer = Image.new("RGBA", (self.px, self.px))
        for y in range(self.px):
            t = y / (self.px - 1)
            colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,)
            layer.paste(colour, (0, y, self.px, y + 1))
        mask = Image.new("L", (self.px, self.px), 0)
        ImageDraw.Draw(mask).ellipse(self.box(x0, y0, x1, y1), fill=255)
        self.image.paste(layer, (0, 0), mask)

    def result(self):
        return self.image.resize((self.size, self.size), Image.LANCZOS)


def draw_program_icon(size):
    """A rose moon disc holding a white crescent and a golden oval: the "oval" and "lune" of the name."""
    p = Pen(size)
    p.gradient_disc(0.03, 0.03, 0.97, 0.97, ROSE_TOP, ROSE_BOTTOM)
    p.ellipse(0.03, 0.03, 0.97, 0.97, None, ROSE_DEEP, 0.035)
    # Crescent: a white disc with a rose disc bitten out of its right side.
    p.ellipse(0.14, 0.14, 0.80, 0.86, WHITE)
    p.gradient_disc(0.30, 0.10, 0.92, 0.82, ROSE_TOP, ROSE_BOTTOM)
    # The oval resting in the crescent's cup.
    p.ellipse(0.50, 0.36, 0.80, 0.76, GOLD, GOLD_DEEP, 0.03)
    p.ellipse(0.57, 0.43, 0.65, 0.53, (255, 240, 200))
    return p.result()


def draw_book(size):
    """Tool 0, the book's main chapter: an open book with a heart above it."""
    p = Pen(size)
    p.polygon([(0.06, 0.42), (0.48, 0.50), (0.48, 0.94), (0.06, 0.84)], ROSE_BOTTOM)
    p.polygon([(0.94, 0.42), (0.52, 0.50), (0.52, 0.94), (0.94, 0.84)], ROSE_BOTTOM)
    p.polygon([(0.10, 0.40), (0.49, 0.47), (0.49, 0.88), (0.10, 0.79)], WHITE)
    p.polygon([(0.90, 0.40), (0.51, 0.47), (0.51, 0.88), (0.90, 0.79)], BLUSH)
    for i in range(3):
        y = 0.54 + i * 0.09
        p.line([(0.16, y - 0.01), (0.42, y + 0.04)], LINE, 0.025)
        p.line([(0.58, y + 0.04), (0.84, y - 0.01)], LINE, 0.025)
    # Heart: two discs and a point.
    p.ellipse(0.30, 0.04, 0.52, 0.26, HEART)
    p.ellipse(0.48, 0.04, 0.70, 0.26, HEART)
    p.polygon([(0.315, 0.19), (0.685, 0.19), (0.50, 0.40)], HEART)
    return p.result()


def draw_chart(size):
    """Tool 1, raising the chances: rising bars and an arrow going up."""
    p = Pen(size)
    p.rect(0.08, 0.92, 0.94, 0.96, INK)
    p.rect(0.12, 0.62, 0.32, 0.92, ROSE_TOP, ROSE_DEEP, 0.025, 0.03)
    p.rect(0.40, 0.46, 0.60, 0.92, (224, 110, 148), ROSE_DEEP, 0.025, 0.03)
    p.rect(0.68, 0.28, 0.88, 0.92, ROSE_BOTTOM, ROSE_DEEP, 0.025, 0.03)
    p.line([(0.10, 0.50), (0.36, 0.32), (0.52, 0.38), (0.76, 0.12)], GREEN, 0.07)
    p.polygon([(0.86, 0.02), (0.84, 0.26), (0.64, 0.10)], GREEN)
    return p.result()


def draw_about(size):
    """Tool 2, the About box: a blue disc with a white "i"."""
    p = Pen(size)
    p.ellipse(0.05, 0.05, 0.95, 0.95, BLUE, BLUE_DEEP, 0.04)
    p.ellipse(0.43, 0.18, 0.57, 0.32, WHITE)
    p.rect(0.435, 0.40, 0.565, 0.80, WHITE, radius=0.03)
    return p.result()


def draw_manual(size):
    """Tool 3, the instructions: a written page with a blue question badge."""
    p = Pen(size)
    p.polygon([(0.14, 0.04), (0.62, 0.04), (0.80, 0.22), (0.80, 0.94), (0.14, 0.94)], PAPER_EDGE)
    p.polygon([(0.17, 0.07), (0.60, 0.07), (0.77, 0.24), (0.77, 0.91), (0.17, 0.91)], WHITE)
    p.polygon([(0.60, 0.07), (0.60, 0.24), (0.77, 0.24)], (220, 222, 230))
    for i in range(5):
        y = 0.34 + i * 0.10
        p.line([(0.25, y), (0.62 if i % 2 else 0.68, y)], LINE, 0.035)
    # Badge with a question mark: an arc, a short stem and a dot.
    p.ellipse(0.50, 0.50, 0.98, 0.98, BLUE, BLUE_DEEP, 0.03)
    p.arc(0.63, 0.57, 0.85, 0.77, 180, 90, WHITE, 0.055)
    p.line([(0.74, 0.77), (0.74, 0.83)], WHITE, 0.055)
    p.ellipse(0.71, 0.86, 0.77, 0.92, WHITE)
    return p.result()


TOOL_IMAGES = [draw_book, draw_chart, draw_about, draw_manual]  # image indexes 0 .. 3
TOOL_SIZE = 40
ICON_SIZES = [48, 32, 24, 16]


def ico_entry(image):
    """One icon image in the classic form: BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, AND mask."""
    w, h = image.size
    pixels = image.load()
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = pixels[x, y]
            xor += bytes((b, g, r, a))
    stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(stride)
        for x in range(w):
            if pixels[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def ico_data(images):
    entries = [ico_entry(image) for image in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for image, data in zip(images, entries):
        w, h = image.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    return bytes(out)


# Image list pixels are either opaque or transparent: soft edges are blended onto a light face
# colour when at least a quarter covered, and dropped otherwise.
EDGE_FACE = (240, 236, 238)
EDGE_THRESHOLD = 64


def masked_bmp(image):
    """A BMP file of 32 bits per pixel whose fourth byte is the mask: 255 opaque, 0 transparent."""
    w, h = image.size
    pixels = image.load()
    rows = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = pixels[x, y]
            if a < EDGE_THRESHOLD:
                rows += bytes((0, 0, 0, 0))
                continue
            blend = [round((c * a + f * (255 - a)) / 255) for c, f in zip((r, g, b), EDGE_FACE)]
            rows += bytes((blend[2], blend[1], blend[0], 255))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(rows), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + bytes(rows)


def hex_block(data, indent):
    """Binary data as a layout writes it: braces around lines of 32 bytes in hexadecimal."""
    lines = [data[i:i + 32].hex().upper() for i in range(0, len(data), 32)]
    return "{\n" + "\n".join(indent + "  " + line for line in lines) + "}"


def store_binary_property(text, object_name, prop, data):
    """Sets (or replaces) `prop = {...}` in the object `object_name` of a layout text."""
    start = re.search(r"^( *)object %s: \w+\n" % re.escape(object_name), text, re.M)
    if not start:
        raise SystemExit(f"iconpaint: no object {object_name} in the layout")
    indent = start.group(1) + "  "
    end = text.index("\n" + start.group(1) + "end", start.end())
    body = text[start.end():end + 1]
    body = re.sub(r"^%s%s = \{[^}]*\}\n" % (indent, re.escape(prop)), "", body, flags=re.M)
    body += f"{indent}{prop} = {hex_block(data, indent)}\n"
    return text[:start.end()] + body + text[end + 1:]


def store_in_layout(path, object_name, prop, data):
    text = path.read_text(encoding="utf-8")
    path.write_text(store_binary_property(text, object_name, prop, data), encoding="utf-8")


def store_layout_images(layout_dir, tools, program_icon):
    layouts = Path(layout_dir)
    store_in_layout(layouts / "TFORM1.dfm", "ImageList1", "Bitmap", b"".join(masked_bmp(image) for image in tools))
    picture = bytes([len(b"TIcon")]) + b"TIcon" + ico_data([program_icon])
    store_in_layout(layouts / "TABOUTBOX.dfm", "ProgramIcon", "Picture.Data", picture)


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    out = Path(argv[1])
    out.mkdir(parents=True, exist_ok=True)
    icons = [draw_program_icon(size) for size in ICON_SIZES]
    (out / "ovalune.ico").write_bytes(ico_data(icons))
    tools = [draw(TOOL_SIZE) for draw in TOOL_IMAGES]
    for index, image in enumerate(tools):
        image.save(out / f"tool_{index}.png", optimize=False)
    if len(argv) == 3:
        store_layout_images(argv[2], tools, icons[0])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
