"""Unit tests of the chapter builder: markup, escapes, document forms, binary forms, drawings."""

import os
import re
import struct
import tempfile
import unittest

import binary
import canvas
import chapterc
import drawings
import markup
import rtf
from PIL import Image

kNames = chapterc.Drawings.Names()


def Decode(text):
    """The characters an RTF reader gets from escaped text: \\'hh bytes in code page 936, \\uN with
    its one-byte fallback skipped, escaped braces and backslashes; control words are dropped."""
    out, pending = [], bytearray()
    token = re.compile(r"\\'([0-9a-f]{2})|\\u(-?\d+)\\'[0-9a-f]{2}|\\([\\{}])|\\[a-z]+-?\d* ?|[{}]|(.)", re.S)
    for match in token.finditer(text):
        if match.group(1):
            pending.append(int(match.group(1), 16))
            continue
        if pending:
            out.append(pending.decode("gbk"))
            pending = bytearray()
        if match.group(2):
            out.append(chr(int(match.group(2)) % 0x10000))
        elif match.group(3):
            out.append(match.group(3))
        elif match.group(4):
            out.append(match.group(4))
    if pending:
        out.append(pending.decode("gbk"))
    return "".join(out)


class MarkupTest(unittest.TestCase):
    def Parse(self, text):
        return markup.ParseChapter(text, "c.txt", kNames)

    def testBlocksOfEveryKind(self):
        blocks = self.Parse("# 标题\n\n## 一、节\n\n### 小节\n\n第一行\n第二行\n\n- 甲\n- 乙\n\n1. 一\n2. 二\n\n"
                            "> 注意\n> 续\n\n[picture: bbt-chart]\n\n[object: sperm-journey]\n")
        kinds = ["title", "heading", "heading", "paragraph", "bullets", "numbers", "note", "picture", "object"]
        self.assertEqual([b.kind for b in blocks], kinds)
        self.assertEqual([blocks[1].level, blocks[2].level], [2, 3])
        self.assertEqual(blocks[3].runs, [markup.Run("第一行第二行")])
        self.assertEqual(len(blocks[4].items), 2)
        self.assertEqual(blocks[6].runs, [markup.Run("注意续")])
        self.assertEqual((blocks[7].name, blocks[8].name), ("bbt-chart", "sperm-journey"))

    def testInlineEmphasis(self):
        self.assertEqual(markup.ParseInline("甲**乙*丙*丁**戊", "x"),
                         [markup.Run("甲"), markup.Run("乙", True), markup.Run("丙", True, True),
                          markup.Run("丁", True), markup.Run("戊")])

    def testMistakesAreRefusedWithTheirLine(self):
        mistakes = {
            "# 甲\n\n**未闭合": "c.txt:3: unclosed **",
            "## 无标题": "c.txt:1: a chapter starts with its title",
            "# 甲\n\n# 乙": "c.txt:3: a chapter has exactly one title",
            "# 甲\n\n正文\n- 列表": "c.txt:3: list, note and paragraph lines are mixed",
            "# 甲\n\n1. 一\n3. 三": "c.txt:4: numbered list item 3, expected 2",
            "# 甲\n\n[picture: nothing]": "c.txt:3: unknown picture 'nothing'",
            "# 甲\n\n[object: bbt-chart]": "c.txt:3: unknown object 'bbt-chart'",
            "# 甲\n正文": "c.txt:1: a heading is one line",
            "# 甲\n\n####太深": "c.txt:3: a heading is",
            "# 甲\n\n含\t制表符": "c.txt:3: control character U+0009",
        }
        for text, message in mistakes.items():
            with self.subTest(text=text):
                with self.assertRaises(markup.MarkupError) as caught:
                    self.Parse(text)
                self.assertIn(message, str(caught.exception))

class EscapeTest(unittest.TestCase):
    def testGbkTrailBytesThatLookLikeRtfSyntaxAreEscaped(self):
        # The second GBK byte of these is '\\', '{' and '}'.
        text = "乗亄亇中文"
        escaped = rtf.TextRtf(text, rtf.kBody, "richedit")
        self.assertNotRegex(escaped.replace("\\'", ""), r"[\\{}]")
        self.assertEqual(Decode(escaped), text)

    def testAsciiGoesIntoTheLatinFaceWithSyntaxEscaped(self):
        escaped = rtf.TextRtf("甲LH{x}\\乙", rtf.kBody, "richedit")
        self.assertIn("{\\f2 LH\\{x\\}\\\\}", escaped)
        self.assertEqual(Decode(escaped), "甲LH{x}\\乙")

    def testSymbolsByForm(self):
        text = "“36.5℃”±"
        word = rtf.TextRtf(text, rtf.kBody, "word")
        richEdit = rtf.TextRtf(text, rtf.kBody, "richedit")
        self.assertIn("\\u8220\\'22", word)
        self.assertIn("\\u177\\'2b", word)
        self.assertNotIn("\\u8220", richEdit)
        for escaped in (word, richEdit):
            self.assertIn("{\\f3 \\u8451\\'43}", escaped)  # the degree sign in the symbol face
            self.assertEqual(Decode(escaped), text)

    def testCharactersOutsideGbkFallBackToUnicode(self):
        self.assertEqual(rtf.EscapeChar("\u0e01", "richedit"), "\\u3585\\'3f")
        self.assertEqual(rtf.EscapeChar("\uffe5", "richedit"), "\\'a3\\'a4")
        self.assertEqual(rtf.EscapeChar("\ufffd", "word"), "\\u-3\\'3f")


class FakeDrawings:
    def Picture(self, name):
        return Image.new("RGB", (4, 3), (200, 10, 20))

    def Object(self, name):
        return Image.new("RGB", (2, 2), (1, 2, 3))


class DocumentTest(unittest.TestCase):
    kSource = "# 标题\n\n正文**加粗**“引号”。\n\n- 项目\n\n1. 第一\n\n> 注意\n\n[picture: bbt-chart]\n\n[object: sperm-journey]\n"

    def Build(self, form):
        blocks = markup.ParseChapter(self.kSource, "c.txt", kNames)
        return rtf.ChapterRtf(3, blocks, form, FakeDrawings())

    def testParagraphsReadBackAsWritten(self):
        for form in ("richedit", "word"):
            text = self.Build(form).rstrip(b"\0").decode("ascii")
            body = Decode(re.sub(r"\{\\\*?\\(fonttbl|colortbl|stylesheet|info|generator|\*)[^\r]*", "", text))
            self.assertIn("标题", body)
            self.assertIn("正文加粗“引号”。", body)
            self.assertIn("●\u3000项目", body)
            self.assertIn("①\u3000第一", body)

    def testPicturesAndObjects(self):
        text = self.Build("richedit").decode("ascii", "replace")
        pict = "{\\pict\\dibitmap0\\picw4\\pich3\\picwgoal60\\pichgoal45\r\n"
        self.assertEqual(text.count(pict), 1)
        self.assertEqual(text.count("{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw30\\objh30{\\*\\objdata"), 1)
        self.assertIn("{\\result{\\pict\\dibitmap0\\picw2\\pich2\\picwgoal30\\pichgoal30", text)
        hexLines = text[text.index(pict) + len(pict):].split("}")[0].split("\r\n")
        self.assertEqual(len("".join(hexLines)), (40 + 4 * 3 * 4) * 2)
        self.assertTrue(all(len(line) <= rtf.kHexLine for line in hexLines))


class BinaryTest(unittest.TestCase):
    def Image(self):
        image = Image.new("RGB", (2, 2))
        image.putdata([(255, 0, 0), (0, 255, 0), (0, 0, 255), (10, 20, 30)])
        return image

    def testDibIsBottomUpBgra(self):
        dib = binary.Dib32(self.Image())
        self.assertEqual(struct.unpack("<IiiHHI", dib[:20]), (40, 2, 2, 1, 32, 0))
        # Bottom row first: blue, (10, 20, 30); then red, green.
        self.assertEqual(dib[40:], bytes([255, 0, 0, 255, 30, 20, 10, 255, 0, 0, 255, 255, 0, 255, 0, 255]))

class BuildTest(unittest.TestCase):
    def testNothingIsWrittenWhenASourceIsWrong(self):
        with tempfile.TemporaryDirectory() as folder:
            good, bad = os.path.join(folder, "chapter2.txt"), os.path.join(folder, "chapter3.txt")
            with open(good, "w", encoding="utf-8") as out:
                out.write("# 甲\n\n正文\n")
            with open(bad, "w", encoding="utf-8") as out:
                out.write("# 乙\n\n**未闭合\n")
            result = chapterc.main(["--out", os.path.join(folder, "out"), good, bad])
            self.assertEqual(result, 1)
            self.assertFalse(os.path.exists(os.path.join(folder, "out")))
            self.assertEqual(chapterc.main(["--out", os.path.join(folder, "out"), good]), 0)
            self.assertEqual(sorted(os.listdir(os.path.join(folder, "out"))), ["chapters.rc", "rtf_2.rtf"])

    def testUnknownChaptersAreRefused(self):
        with self.assertRaises(markup.MarkupError):
            chapterc.ChapterNumber("/x/chapter4.txt")
        with self.assertRaises(markup.MarkupError):
            chapterc.ChapterNumber("/x/intro.txt")


class CanvasTest(unittest.TestCase):
    def Ink(self, text):
        c = canvas.Canvas(60, 30)
        c.Text(4, 4, text, size=14)
        return sum(1 for pixel in c.Result().getdata() if pixel != canvas.WHITE)

    def testSymbolsTheMainFaceDrawsEmptyAreDrawn(self):
        # WenQuanYi Micro Hei maps the degree-Celsius sign to an empty glyph.
        self.assertGreater(self.Ink("℃"), 20)
        self.assertGreater(self.Ink("36.5℃"), self.Ink("36.5"))
        c = canvas.Canvas(10, 10)
        self.assertAlmostEqual(c.TextWidth("1℃"), c.TextWidth("1") + c.TextWidth("℃"))

    def testCharactersNoFaceDrawsAreRefused(self):
        with self.assertRaises(ValueError):
            canvas.Canvas(10, 10).Text(0, 0, "标签\u0e01")  # a Thai letter: neither face has it


class DrawingTest(unittest.TestCase):
    def testDrawingsAreDeterministicAndFitTheView(self):
        for name, draw in {**drawings.PICTURES, **drawings.OBJECTS}.items():
            with self.subTest(name=name):
                first, second = draw(), draw()
                self.assertEqual(first.tobytes(), second.tobytes())
                self.assertLessEqual(first.width, 700)
                self.assertGreater(len(set(first.getdata())), 50)


if __name__ == "__main__":
    unittest.main()
