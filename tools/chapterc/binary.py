"""Binary forms of a drawing: a 32-bit device-independent bitmap, a .bmp file, and an OLE 1.0
embedded-object stream carrying that file as a "Paint.Picture" object's native data.

Why 32 bits: Wine 8's rich edit control draws only \\dibitmap pictures, and draws 24-bit ones with
wrong colours; Windows draws 32-bit BI_RGB bitmaps as well, so one form serves both.
"""

import struct

kBitmapInfoHeaderSize = 40
kBitmapFileHeaderSize = 14
kPixelsPerMetre = 3780          # 96 dots per inch
kOle10Version = 0x00000501
kOleFormatEmbedded = 2
kOleFormatNone = 0


def Dib32(image):
    """BITMAPINFOHEADER followed by bottom-up BGRA rows (alpha 255) of an RGB image."""
    width, height = image.size
    header = struct.pack("<IiiHHIIiiII", kBitmapInfoHeaderSize, width, height, 1, 32, 0, width * height * 4,
                         kPixelsPerMetre, kPixelsPerMetre, 0, 0)
    return header + image.convert("RGBA").tobytes("raw", "BGRA", 0, -1)


def BmpFile(image):
    """A .bmp file: BITMAPFILEHEADER, then the 32-bit DIB with its pixels right after the header."""
    dib = Dib32(image)
    offset = kBitmapFileHeaderSize + kBitmapInfoHeaderSize
    return struct.pack("<2sIHHI", b"BM", kBitmapFileHeaderSize + len(dib), 0, 0, offset) + dib


def _LengthPrefixed(text):
    """An OLE 1.0 string: its length including the terminating NUL, then the ANSI bytes and NUL;
    the empty string is a bare zero length."""
    if not text:
        return struct.pack("<I", 0)
    data = text.encode("ascii") + b"\0"
    return struct.pack("<I", len(data)) + data


def Ole1Embedded(className, nativeData):
    """An OLE 1.0 stream of one embedded object: header (version, format, class, empty topic and
    item), the native data with its size, and an empty presentation header, since the document
    carries the presentation picture itself (the \\result group)."""
    return (struct.pack("<II", kOle10Version, kOleFormatEmbedded) + _LengthPrefixed(className)
            + _LengthPrefixed("") + _LengthPrefixed("") + struct.pack("<I", len(nativeData)) + nativeData
            + struct.pack("<II", kOle10Version, kOleFormatNone))
