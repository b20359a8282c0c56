"""A small drawing surface for the book's charts: logical pixels, drawn at twice the size and
reduced at the end so that lines and text come out smooth.

Everything here is deterministic: no clock, no unseeded randomness, the same two installed fonts.
"""

import math
import os

from PIL import Image, ImageDraw, ImageFont

# The WenQuanYi Micro Hei face (Debian fonts-wqy-microhei) covers the labels' Chinese. A few
# symbols it maps to an empty glyph (℃ among them) are drawn in DejaVu Sans (fonts-dejavu-core).
kFontPath = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
kSymbolFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
kFontPackages = {kFontPath: "fonts-wqy-microhei", kSymbolFontPath: "fonts-dejavu-core"}
# A code point no face maps: what a face draws for it is its missing-glyph box.
kUnmapped = "\U0010fffd"

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

    def Font(self, size, symbols=False):
        key = (size, symbols)
        if key not in self._fonts:
            path = kSymbolFontPath if symbols else kFontPath
            if not os.path.exists(path):
                raise OSError(f"{path}: font not found (Debian {kFontPackages[path]})")
            self._fonts[key] = ImageFont.truetype(path, round(size * self.kScale), index=0)
        return self._fonts[key]

    @staticmethod
    def _Draws(font, char):
        """True if the face has a visible glyph of its own for char (not empty, not its missing-glyph box)."""
        mask = font.getmask(char)
        missing = font.getmask(kUnmapped)
        return mask.getbbox() is not None and (mask.size != missing.size or bytes(mask) != bytes(missing))

    def _Runs(self, text, size):
        """Splits text into [text, font] runs: the symbol face takes what the main face cannot draw."""
        main, runs = self.Font(size), []
        for char in text:
            font = main
            if not char.isspace() and not self._Draws(main, char):
                font = self.Font(size, symbols=True)
                if not self._Draws(font, char):
                    raise ValueError(f"no font draws {char!r} (U+{ord(char):04X})")
            if runs and runs[-1][1] is font:
                runs[-1][0] += char
            else:
                runs.append([char, font])
        return runs

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
        style = {"fill": color, "stroke_width": 1 if bold else 0, "stroke_fill": color}
        runs = self._Runs(text, size)
        if len(runs) == 1:
            self._draw.text(self._P(x, y), text, font=runs[0][1], anchor=anchor, **style)
            return
        # Several faces: lay the runs out left to right on the main face's baseline.
        main = self.Font(size)
        _, topFromBaseline, _, _ = main.getbbox("C", anchor="ls")
        _, topFromAnchor, _, _ = main.getbbox("C", anchor="l" + anchor[1])
        baseline = y * self.kScale - topFromBaseline + topFromAnchor
        left = x * self.kScale - {"l": 0, "m": 0.5, "r": 1}[anchor[0]] * self.TextWidth(text, size) * self.kScale
        for part, font in runs:
            self._draw.text((round(left), round(baseline)), part, font=font, anchor="ls", **style)
            left += self._draw.textlength(part, font=font)

    def TextWidth(self, text, size=12):
        return sum(self._draw.textlength(part, font=font) for part, font in self._Runs(text, size)) / self.kScale

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
