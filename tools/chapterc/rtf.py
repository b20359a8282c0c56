"""Writes a parsed chapter as RTF in code page 936, in one of two forms:

- "richedit": the shape a rich edit control writes (font and colour tables, then the text; ends with
  "}", CR LF and one NUL byte);
- "word": the shape a word processor writes (style sheet, document information, theme, colour-scheme
  mapping, latent styles and data store groups that a rich edit control skips; \\uN escapes for a
  few symbols; no trailing NUL).

Both are 7-bit ASCII: every byte of the Chinese text's GBK encoding is written as \\'hh (a GBK
trail byte can be '\\', '{' or '}', so no byte is ever written raw).
"""

import io
import zipfile
from dataclasses import dataclass

import binary

# Font table. The body and heading faces are named in Chinese as Chinese documents name them; the
# Latin face carries ASCII; the symbol face carries characters that CJK faces may lack a glyph for
# (WenQuanYi Micro Hei, Wine's CJK face here, has an empty glyph for the degree-Celsius sign, and a
# charset-0 face makes the system fall back to one that has it).
kBody, kHeading, kLatin, kSymbol = 0, 1, 2, 3
kFonts = [
    # (family, charset, name, pitch/panose as a word processor records it, alternative name)
    ("fnil", 134, "宋体", "02010600030101010101", "SimSun"),
    ("fnil", 134, "黑体", "02010609060101010101", "SimHei"),
    ("fswiss", 0, "Tahoma", "020b0604030504040204", None),
    ("fswiss", 0, "Segoe UI Symbol", "020b0502040204020203", None),
]

# Colour table, a soft rose theme; index 0 is the automatic colour.
kColours = [
    None,
    (163, 45, 84),     # 1 title
    (194, 72, 112),    # 2 section heading, list numbers
    (122, 46, 74),     # 3 sub-heading
    (51, 51, 51),      # 4 body text
    (140, 50, 80),     # 5 note text
    (253, 232, 239),   # 6 note tint
    (214, 110, 140),   # 7 bullets
]
kNoteTint = 6
kBulletColour = 7
kNumberColour = 2

# Symbols written as \uN with a one-byte ASCII fallback in the word-processor form; the
# degree-Celsius sign is written so in both forms, since it goes into the symbol face.
kUnicodeFallback = {"“": '"', "”": '"', "‘": "'", "’": "'", "—": "-", "–": "-", "…": ".",
                    "±": "+", "×": "x", "≥": ">", "≤": "<", "℃": "C"}
kSymbolFaceChars = {"℃"}

kBullet = "●"
kCircledNumbers = "①②③④⑤⑥⑦⑧⑨⑩"
# A list mark is a full-width character and an ideographic space, together two characters wide:
# the hanging indent. No tab: Wine wraps a line at its last white space rather than inside Chinese
# text, so a tab after the mark pushed long items' text to a new line. (Wine's CJK face draws the
# geometric bullet narrower than a full character, so bullet items there start a little short.)
kMarkGap = "\u3000"
kHexLine = 128


@dataclass(frozen=True)
class Style:
    """A paragraph style: its paragraph words, face, size in half-points, colour and emphasis."""
    number: int
    name: str
    para: str
    font: int
    size: int
    colour: int
    bold: bool = False
    italic: bool = False
    outline: int = -1


kStyles = {
    "paragraph": Style(0, "Normal", r"\qj\fi420\sa120\sl320\slmult1", kBody, 21, 4),
    "title": Style(1, "heading 1", r"\qc\sb120\sa360\keepn", kHeading, 36, 1, bold=True, outline=0),
    "heading2": Style(2, "heading 2", r"\ql\sb360\sa160\keepn", kHeading, 28, 2, bold=True, outline=1),
    "heading3": Style(3, "heading 3", r"\ql\sb240\sa100\keepn", kHeading, 24, 3, bold=True, outline=2),
    "item": Style(16, "List Paragraph", r"\ql\fi-420\li840\sa80\sl320\slmult1", kBody, 21, 4),
    "note": Style(17, "Note", r"\qj\li420\ri420\sb120\sa200\sl320\slmult1", kBody, 21, 5, italic=True),
    "figure": Style(18, "Figure", r"\qc\sb120\sa240", kBody, 21, 4),
}


# ---------------------------------------------------------------------------------------------
# Text

def _Hex(data):
    return "".join(f"\\'{b:02x}" for b in data)


def _UnicodeEscape(ch):
    """\\uN takes a signed 16-bit number; the fallback byte follows as \\'hh."""
    code = ord(ch)
    if code > 0xFFFF:
        raise ValueError(f"character U+{code:X} is outside the basic plane")
    signed = code - 0x10000 if code > 0x7FFF else code
    return f"\\u{signed}" + _Hex(kUnicodeFallback.get(ch, "?").encode("ascii"))


def EscapeChar(ch, form):
    """One character of text as 7-bit RTF."""
    if ch in "\\{}":
        return "\\" + ch
    if ord(ch) < 0x80:
        return ch
    if ch in kSymbolFaceChars or (form == "word" and ch in kUnicodeFallback):
        return _UnicodeEscape(ch)
    try:
        return _Hex(ch.encode("gbk"))
    except UnicodeEncodeError:
        return _UnicodeEscape(ch)


def _FaceOf(ch, base):
    if ord(ch) < 0x80:
        return kLatin
    if ch in kSymbolFaceChars:
        return kSymbol
    return base


def TextRtf(text, base, form):
    """Text in the paragraph's face `base`: ASCII goes into the Latin face and symbols into the
    symbol face, each as its own group."""
    out, i = [], 0
    while i < len(text):
        face = _FaceOf(text[i], base)
        j = i
        while j < len(text) and _FaceOf(text[j], base) == face:
            j += 1
        escaped = "".join(EscapeChar(ch, form) for ch in text[i:j])
        out.append(escaped if face == base else f"{{\\f{face} {escaped}}}")
        i = j
    return "".join(out)


def RunsRtf(runs, style, form):
    out = []
    for run in runs:
        words = ("\\b" if run.bold and not style.bold else "") + ("\\i" if run.italic and not style.italic else "")
        text = TextRtf(run.text, style.font, form)
        out.append(f"{{{words} {text}}}" if words else text)
    return "".join(out)


# ---------------------------------------------------------------------------------------------
# Paragraphs

def _CharWords(style):
    return (f"\\f{style.font}\\fs{style.size}\\cf{style.colour}" + ("\\b" if style.bold else "")
            + ("\\i" if style.italic else ""))


def _ParaStart(style, form, extra=""):
    if form == "word":
        outline = f"\\outlinelevel{style.outline}" if style.outline >= 0 else ""
        return (f"\\pard\\plain\\ltrpar\\s{style.number}{style.para}{extra}\\widctlpar\\wrapdefault\\aspalpha"
                f"\\aspnum\\faauto{outline}\\adjustright\\itap0 \\ltrch{_CharWords(style)} ")
    return f"\\pard\\plain{style.para}{extra}{_CharWords(style)} "


def _Paragraph(style, body, form, extra=""):
    return _ParaStart(style, form, extra) + body + "\\par\r\n"


def _NoteParagraph(runs, form):
    """A caution: indented italic text on a rose tint. Rich edit controls draw the tint as the text's
    background (\\highlight); word processors shade the whole paragraph (\\cbpat)."""
    style = kStyles["note"]
    shading = f"\\cbpat{kNoteTint}" if form == "word" else ""
    return _Paragraph(style, f"\\highlight{kNoteTint} " + RunsRtf(runs, style, form), form, shading)


def ListMark(kind, number, form):
    """The mark that starts a list item: a bullet, a circled number, or past ten a plain number."""
    if kind == "bullets":
        mark = kBullet
    elif number <= len(kCircledNumbers):
        mark = kCircledNumbers[number - 1]
    else:
        mark = f"{number}."
    colour = kBulletColour if kind == "bullets" else kNumberColour
    return f"{{\\cf{colour} {TextRtf(mark + kMarkGap, kBody, form)}}}"


def _ListParagraphs(block, form):
    style = kStyles["item"]
    out = []
    for number, runs in enumerate(block.items, start=1):
        last = "\\sa200" if number == len(block.items) else ""
        out.append(_Paragraph(style, ListMark(block.kind, number, form) + RunsRtf(runs, style, form), form, last))
    return "".join(out)


def _HexLines(data):
    text = data.hex()
    return "\r\n".join(text[i:i + kHexLine] for i in range(0, len(text), kHexLine))


def PictRtf(image):
    """A picture group: the drawing as a 32-bit DIB, shown at one twip-per-15 pixels (96 dpi)."""
    width, height = image.size
    return (f"{{\\pict\\dibitmap0\\picw{width}\\pich{height}\\picwgoal{width * 15}\\pichgoal{height * 15}\r\n"
            + _HexLines(binary.Dib32(image)) + "}")


def ObjectRtf(image, className="Paint.Picture"):
    """An embedded object whose native data is a .bmp file of the drawing and whose result is the
    same drawing as a picture, so a control that cannot run the object's server still shows it."""
    width, height = image.size
    stream = binary.Ole1Embedded(className, binary.BmpFile(image))
    return (f"{{\\object\\objemb{{\\*\\objclass {className}}}\\objw{width * 15}\\objh{height * 15}"
            f"{{\\*\\objdata\r\n{_HexLines(stream)}}}{{\\result{PictRtf(image)}}}}}")


def BlockRtf(block, form, drawings):
    if block.kind == "title":
        return _Paragraph(kStyles["title"], RunsRtf(block.runs, kStyles["title"], form), form)
    if block.kind == "heading":
        style = kStyles[f"heading{block.level}"]
        return _Paragraph(style, RunsRtf(block.runs, style, form), form)
    if block.kind == "paragraph":
        return _Paragraph(kStyles["paragraph"], RunsRtf(block.runs, kStyles["paragraph"], form), form)
    if block.kind == "note":
        return _NoteParagraph(block.runs, form)
    if block.kind in ("bullets", "numbers"):
        return _ListParagraphs(block, form)
    if block.kind == "picture":
        return _Paragraph(kStyles["figure"], PictRtf(drawings.Picture(block.name)), form)
    if block.kind == "object":
        return _Paragraph(kStyles["figure"], ObjectRtf(drawings.Object(block.name)), form)
    raise ValueError(f"unknown block kind {block.kind}")


# ---------------------------------------------------------------------------------------------
# Document frame

def _FontTable(form):
    entries = []
    for index, (family, charset, name, panose, alt) in enumerate(kFonts):
        escaped = "".join(EscapeChar(ch, form) for ch in name)
        if form == "word":
            extra = f"{{\\*\\falt {alt}}}" if alt else ""
            entries.append(f"{{\\f{index}\\fbidi \\{family}\\fcharset{charset}\\fprq2{{\\*\\panose {panose}}}"
                           f"{escaped}{extra};}}")
        else:
            entries.append(f"{{\\f{index}\\{family}\\fcharset{charset} {escaped};}}")
    return "{\\fonttbl" + "".join(entries) + "}"


def _ColourTable():
    return "{\\colortbl;" + "".join(f"\\red{r}\\green{g}\\blue{b};" for r, g, b in kColours[1:]) + "}"


def _StyleSheet():
    entries = []
    for style in kStyles.values():
        head = f"\\s{style.number}" if style.number else ""
        next_ = 0 if style.number < 16 else style.number
        outline = f"\\outlinelevel{style.outline}" if style.outline >= 0 else ""
        entries.append(f"{{{head}{style.para}\\widctlpar\\wrapdefault{outline}{_CharWords(style)} "
                       f"\\sbasedon{0 if style.number else 222} \\snext{next_} \\sqformat {style.name};}}")
    return "{\\stylesheet" + "".join(entries) + "}"


# The edition date of the book, written into the document information so that every build of the
# same sources gives the same bytes.
kEdition = (2024, 3, 1)


def _Info(title, blocks, form):
    text = "".join(run.text for block in blocks for run in block.runs + [r for item in block.items for r in item])
    chars = sum(1 for ch in text if not ch.isspace())
    year, month, day = kEdition
    when = f"\\yr{year}\\mo{month}\\dy{day}\\hr9\\min0"
    escaped = "".join(EscapeChar(ch, form) for ch in title)
    return (f"{{\\info{{\\title {escaped}}}{{\\author Ovalune}}{{\\operator Ovalune}}{{\\creatim{when}}}"
            f"{{\\revtim{when}}}{{\\version1}}{{\\edmins0}}{{\\nofpages1}}{{\\nofwords{chars}}}"
            f"{{\\nofchars{chars}}}{{\\nofcharsws{len(text)}}}}}")


def _ThemeXml():
    colours = "".join(f'<a:accent{i}><a:srgbClr val="{r:02X}{g:02X}{b:02X}"/></a:accent{i}>'
                      for i, (r, g, b) in enumerate(kColours[1:7], start=1))
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
            '<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" name="Ovalune Rose">'
            '<a:themeElements><a:clrScheme name="Ovalune Rose">'
            '<a:dk1><a:srgbClr val="333333"/></a:dk1><a:lt1><a:srgbClr val="FFFFFF"/></a:lt1>'
            '<a:dk2><a:srgbClr val="7A2E4A"/></a:dk2><a:lt2><a:srgbClr val="FDE8EF"/></a:lt2>'
            + colours +
            '<a:hlink><a:srgbClr val="C24870"/></a:hlink><a:folHlink><a:srgbClr val="7A2E4A"/></a:folHlink>'
            '</a:clrScheme><a:fontScheme name="Ovalune">'
            '<a:majorFont><a:latin typeface="Tahoma"/><a:ea typeface=""/><a:cs typeface=""/>'
            '<a:font script="Hans" typeface="黑体"/></a:majorFont>'
            '<a:minorFont><a:latin typeface="Tahoma"/><a:ea typeface=""/><a:cs typeface=""/>'
            '<a:font script="Hans" typeface="宋体"/></a:minorFont>'
            '</a:fontScheme></a:themeElements></a:theme>')


def _ThemeData():
    """The theme as a word processor stores it: a small package (zip) holding the theme part, with
    fixed member dates so that the bytes never change."""
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as package:
        member = zipfile.ZipInfo("theme/theme/theme1.xml", date_time=(1980, 1, 1, 0, 0, 0))
        member.compress_type = zipfile.ZIP_DEFLATED
        package.writestr(member, _ThemeXml().encode("utf-8"))
    return buffer.getvalue()


kColourSchemeMapping = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
    '<a:clrMap xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" bg1="lt1" tx1="dk1" bg2="lt2" '
    'tx2="dk2" accent1="accent1" accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" '
    'accent6="accent6" hlink="hlink" folHlink="folHlink"/>')


def _LatentStyles():
    entries = "".join(f"\\lsdqformat1 \\lsdpriority{9 if style.outline >= 0 else 0} \\lsdlocked0 {style.name};"
                      for style in kStyles.values())
    return ("{\\*\\latentstyles\\lsdstimax375\\lsdlockeddef0\\lsdsemihiddendef0\\lsdunhideuseddef0"
            "\\lsdqformatdef0\\lsdprioritydef99{\\lsdlockedexcept " + entries + "}}")


def _DataStore(number, title):
    item = (f'<?xml version="1.0" encoding="UTF-8" standalone="no"?>\r\n'
            f'<chapter xmlns="urn:ovalune:book" number="{number}" title="{title}"/>')
    return "{\\*\\datastore\r\n" + _HexLines(item.encode("utf-8")) + "}"


def _TrailingGroups(number, title):
    return ("{\\*\\themedata\r\n" + _HexLines(_ThemeData()) + "}\r\n"
            + "{\\*\\colorschememapping\r\n" + _HexLines(kColourSchemeMapping.encode("utf-8")) + "}\r\n"
            + _LatentStyles() + "\r\n" + _DataStore(number, title))


def _RichEditHeader(form):
    return ("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052" + _FontTable(form) + "\r\n"
            + _ColourTable() + "\r\n{\\*\\generator Ovalune chapterc;}\\viewkind4\\uc1\r\n")


def _WordHeader(title, blocks, form):
    return ("{\\rtf1\\ansi\\ansicpg936\\adeflang1025\\uc1\\adeff0\\deff0\\stshfdbch0\\stshfloch2\\stshfhich2"
            "\\stshfbi0\\deflang1033\\deflangfe2052\\themelang1033\\themelangfe2052\\themelangcs0"
            + _FontTable(form) + "\r\n" + _ColourTable() + "\r\n"
            + f"{{\\*\\defchp \\f{kBody}\\fs21}}{{\\*\\defpap \\ql\\widctlpar\\wrapdefault\\aspalpha\\aspnum\\faauto"
            "\\adjustright\\itap0 }\\noqfpromote\r\n" + _StyleSheet() + "\r\n"
            + "{\\*\\generator Ovalune chapterc;}" + _Info(title, blocks, form) + "\r\n"
            + "\\paperw11906\\paperh16838\\margl1800\\margr1800\\margt1440\\margb1440\\gutter0\\ltrsect\\deftab420"
            "\\ftnbj\\aenddoc\\formshade\\horzdoc\\jcompress\\lnongrid\\viewscale100\\wrppunct\\asianbrkrule"
            "\\fet0\\sectd\\ltrsect\\linex0\\headery851\\footery992\\colsx425\\endnhere\\sectlinegrid312"
            "\\sectspecifyl\\sftnbj\r\n")


def ChapterRtf(number, blocks, form, drawings):
    """The whole document as bytes."""
    title = "".join(run.text for run in blocks[0].runs)
    body = "".join(BlockRtf(block, form, drawings) for block in blocks)
    if form == "richedit":
        text = _RichEditHeader(form) + body + "}\r\n"
        return text.encode("ascii") + b"\0"
    if form == "word":
        return (_WordHeader(title, blocks, form) + body + _TrailingGroups(number, title) + "}").encode("ascii")
    raise ValueError(f"unknown form {form}")
