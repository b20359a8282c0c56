"""A small drawing surface for the book's charts: logical pixels, drawn at twice the size and
reduced at the end so that lines and text come out smooth.

Everything here is deterministic: no clock, no unseeded randomness, one bundled font.
"""

import math

from PIL import Image, ImageDraw, ImageFont

# The WenQuanYi Micro Hei face (Debian fonts-wqy-microhei) covers the labels' Chinese.
kFontPath = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# The book's soft rose palette, shared with the chapters' colour table.
INK = (51, 51, 51)
MUTED = (128, 118, 122)
GRID = (228, 222, 225)
WHITE = (255, 255, 255)
ROSE = (214, 85, 122)
ROSE_DARK = (163, 45, 84)
ROSE_LIGHT = (248, 208, 221)
ROSE_PALE = (253, 238, 243)
PERIOD = (196, 58, 64)
PERIOD_LIGHT = (246, 196, 196)
TEAL = (52, 137, 158)
TEAL_LIGHT = (216, 236, 241)
GOLD = (222, 150, 40)
LAVENDER = (128, 104, 184)


class Canvas:
    """Logical-pixel drawing calls over an image kScale times larger."""

    kScale = 2

    def __init__(self, width, height, background=WHITE):
        self.width, self.height = width, height
        self._image = Image.new("RGB", (width * self.kScale, height * self.kScale), background)
        self._draw = ImageDraw.Draw(self._image)
        self._fonts = {}

    def _P(self, x, y):
        return (round(x * self.kScale), round(y * self.kScale))

    def _W(self, width):
        return max(1, round(width * self.kScale))

    def Font(self, size):
        if size not in self._fonts:
            self._fonts[size] = ImageFont.truetype(kFontPath, round(size * self.kScale), index=0)
        return self._fonts[size]

    def Rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1, radius=0):
        box = [self._P(x0, y0), self._P(x1, y1)]
        if radius:
            self._draw.rounded_rectangle(box, radius=radius * self.kScale, fill=fill, outline=outline,
                                         width=self._W(width))
        else:
            self._draw.rectangle(box, fill=fill, outline=outline, width=self._W(width))

    def Ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=1):
        box = [self._P(cx - rx, cy - ry), self._P(cx + rx, cy + ry)]
        self._draw.ellipse(box, fill=fill, outline=outline, width=self._W(width))

    def Polygon(self, points, fill=None, outline=None, width=1):
        self._draw.polygon([self._P(x, y) for x, y in points], fill=fill)
        if outline:
            self.Line(list(points) + [points[0]], outline, width)

    def Line(self, points, color, width=1, dash=None):
        """A polyline; dash=(on, off) in logical pixels draws it dashed."""
        if dash is None:
            self._draw.line([self._P(x, y) for x, y in points], fill=color, width=self._W(width), joint="curve")
            return
        for a, b in zip(points, points[1:]):
            self._DashedSegment(a, b, color, width, dash)

    def _DashedSegment(self, a, b, color, width, dash):
        length = math.dist(a, b)
        on, off = dash
        t = 0.0
        while t < length:
            end = min(t + on, length)
            p = (a[0] + (b[0] - a[0]) * t / length, a[1] + (b[1] - a[1]) * t / length)
            q = (a[0] + (b[0] - a[0]) * end / length, a[1] + (b[1] - a[1]) * end / length)
            self._draw.line([self._P(*p), self._P(*q)], fill=color, width=self._W(width))
            t = end + off

    def Arrow(self, points, color, width=1.5, head=7, dash=None):
        """A polyline ending in a filled arrow head at its last point."""
        self.Line(points, color, width, dash)
        (x0, y0), (x1, y1) = points[-2], points[-1]
        angle = math.atan2(y1 - y0, x1 - x0)
        left = (x1 - head * math.cos(angle - 0.4), y1 - head * math.sin(angle - 0.4))
        right = (x1 - head * math.cos(angle + 0.4), y1 - head * math.sin(angle + 0.4))
        self.Polygon([(x1, y1), left, right], fill=color)

    def Text(self, x, y, text, size=12, color=INK, anchor="la", bold=False):
        """Text at (x, y); anchor as Pillow's ("la" left-top, "mm" centre, "ra" right-top ...)."""
        self._draw.text(self._P(x, y), text, font=self.Font(size), fill=color, anchor=anchor,
                        stroke_width=1 if bold else 0, stroke_fill=color)

    def TextWidth(self, text, size=12):
        return self._draw.textlength(text, font=self.Font(size)) / self.kScale

    def Heart(self, cx, cy, size, color):
        """A small heart: two lobes and a point, size is its width."""
        r = size / 4
        self.Ellipse(cx - r, cy - r / 2, r, r, fill=color)
        self.Ellipse(cx + r, cy - r / 2, r, r, fill=color)
        self.Polygon([(cx - 2 * r, cy - r / 3), (cx + 2 * r, cy - r / 3), (cx, cy + 1.6 * r)], fill=color)

    def Paste(self, image, x, y, mask=None):
        """Pastes an image drawn at kScale (its size already scaled) with its top-left at (x, y)."""
        self._image.paste(image, self._P(x, y), mask)

    def Result(self):
        """The finished picture at its logical size."""
        return self._image.resize((self.width, self.height), Image.LANCZOS)
