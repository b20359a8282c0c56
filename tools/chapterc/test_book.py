"""Checks across the book's sources and drawings: the figures, terms and wording that the chapters
share are written one way everywhere, and the pictures agree with the text. A failure lists every
place, as FILE:LINE: text, so that an edit which brings an old inconsistency back is found at once.
"""

import ast
import os
import re
import unittest

import drawings

kHere = os.path.dirname(os.path.abspath(__file__))
kChapterDir = os.path.join(kHere, "..", "..", "resources", "chapters")
kChapters = (0, 2, 3, 5, 6, 7, 8)


def _Plain(line):
    return line.replace("*", "")


def ChapterLines():
    """(where, text) for every non-blank line of every chapter, emphasis marks removed."""
    lines = []
    for number in kChapters:
        with open(os.path.join(kChapterDir, f"chapter{number}.txt"), encoding="utf-8") as source:
            for index, line in enumerate(source.read().split("\n"), start=1):
                if line.strip():
                    lines.append((f"chapter{number}.txt:{index}", _Plain(line)))
    return lines


def DrawingLabels():
    """(where, text) for every string in drawings.py that holds Chinese or a degree sign."""
    with open(os.path.join(kHere, "drawings.py"), encoding="utf-8") as source:
        tree = ast.parse(source.read())
    return [(f"drawings.py:{node.lineno}", node.value) for node in ast.walk(tree)
            if isinstance(node, ast.Constant) and isinstance(node.value, str)
            and re.search(r"[\u4e00-\u9fff°℃]", node.value)]


def Sentences(lines, marks="。；？！"):
    """(where, sentence) for each sentence of the lines, split at the given marks."""
    return [(where, part) for where, text in lines for part in re.split(f"[{marks}]", text) if part]


def Blocks(lines):
    """(where, text) for each block of consecutive non-blank lines (a paragraph, a list, a note),
    its lines joined with newlines; where is its first line."""
    blocks, previous = [], None
    for where, text in lines:
        path, number = where.rsplit(":", 1)
        if previous and previous[0] == path and previous[1] + 1 == int(number):
            blocks[-1] = (blocks[-1][0], blocks[-1][1] + "\n" + text)
        else:
            blocks.append((where, text))
        previous = (path, int(number))
    return blocks


def Han(number):
    with open(os.path.join(kChapterDir, f"chapter{number}.txt"), encoding="utf-8") as source:
        return len(re.findall(r"[\u4e00-\u9fff]", source.read()))


class BookTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.chapters = ChapterLines()
        cls.everything = cls.chapters + DrawingLabels()

    def assertNowhere(self, found, why):
        self.assertEqual([], [f"{where}: {text[:60]}" for where, text in found], why)

    def testOneWordForOneThing(self):
        rules = [
            (r"机率", "几率 is the book's spelling"),
            (r"°C", "the degree sign is ℃, in the pictures as in the text"),
            (r"其它(?!需要注意事项)", "其他 in running text; 其它 only in that page's title"),
            (r"你", "the book addresses its reader as 您 (您和伴侣 for both)"),
            (r"夫妇", "夫妻, throughout"),
            (r"\d+岁以上", "ages are written 35岁及以上, 40岁及以上, as the doctor lists count them"),
            (r"电子排卵测试|电子测试|中段尿", "电子排卵检测笔; the pen-type strip is a 笔型试纸"),
            (r"(?<!子宫)输卵管造影", "子宫输卵管造影"),
            (r"平均约14天|往前推14天", "the luteal phase averages 约12~14天; ovulation is estimated as 周期天数减14"),
            (r"月经稀少|结束于排卵日|半小时左右|受孕机会会更好|国内外的指南|稍后再记录|每个月相差",
             "wording replaced in the third edition"),
            (r"控制线", "the C line is the 对照线"),
            (r"黄体酮", "the hormone is 孕酮 (黄体酮 is the drug)"),
            (r"(?<!脑)垂体", "脑垂体"),
            (r"避孕环", "宫内节育器, taken out (取出)"),
            (r"”一章", "other chapters are referred to as “…”页面"),
            (r"照表操课|一个人在战斗|精液的新鲜度|数字绑架|八成", "wording replaced in the second edition"),
            (r"几个月不来|长期不恢复", "give the threshold: 3个月没有来月经"),
            (r"[与和](C线|对照线)接近", "a positive T line is as dark as the C line or darker, as the picture shows"),
        ]
        for pattern, why in rules:
            with self.subTest(pattern=pattern):
                self.assertNowhere([(w, t) for w, t in self.everything if re.search(pattern, t)], why)

    def testTemperatureSuggestsOvulationButDoesNotConfirmIt(self):
        found = [(w, t) for w, t in self.everything if "体温" in t and re.search(r"确认.{0,12}排卵", t)]
        self.assertNowhere(found, "a two-phase chart suggests ovulation; progesterone or ultrasound confirm it")

    def testLhTimesAreToldApart(self):
        sentences = Sentences(self.everything)
        strip = [(w, s) for w, s in sentences if "24~36小时" in s and not re.search(r"试纸|阳性", s)]
        self.assertNowhere(strip, "24~36 hours is counted from the first positive strip")
        rise = [(w, s) for w, s in sentences if "34~36小时" in s and "开始上升" not in s]
        self.assertNowhere(rise, "34~36 hours is counted from the start of the LH rise")

    def testOneCaffeineExample(self):
        examples = {m for _, t in self.everything for m in re.findall(r"相当于([^，。；]*?咖啡)(?!因)", t)}
        self.assertEqual(examples, {"一杯中等大小（约350毫升）的现煮咖啡"})
        limits = [(w, t) for w, t in self.everything
                  if "咖啡因" in t and set(re.findall(r"(\d+)毫克", t)) - {"200"}]
        self.assertNowhere(limits, "the daily caffeine limit is 200毫克")

    def testRecurrentMiscarriageIsTwoWhetherInARowOrNot(self):
        found = [(w, t) for w, t in self.everything
                 for m in re.finditer(r"[两二2]次[或及]以上", t)
                 if m.group() != "2次及以上" or "连续" in t[max(0, m.start() - 8):m.start()]
                 or not t[m.end():].startswith("流产（不论是否连续）")]
        found += [(w, t) for w, t in self.everything if re.search(r"反复流产|连续[两二2]次", t)]
        self.assertNowhere(found, "2次及以上流产（不论是否连续）")

    def testShortLutealPhaseHasOneThreshold(self):
        found = [(w, t) for w, t in self.everything if re.search(r"高温相|黄体期", t)
                 and set(re.findall(r"(?:短于|少于|不足)(\d+)天", t)) - {"11"}]
        self.assertNowhere(found, "a short luteal phase is under 11 days")

    def testFolicAcidDoseIsTheGuidelines(self):
        found = [(w, t) for w, t in self.everything if re.search(r"0\.4毫克(?!或0\.8毫克)", t)]
        self.assertNowhere(found, "0.4毫克或0.8毫克 a day")

    def testConceptionWithinAYearKeepsItsCondition(self):
        found = [(w, t) for w, t in self.everything if "80%" in t and "一年" in t and "40岁以下" not in t]
        self.assertNowhere(found, "over 80% within a year holds for women under 40")

    def testOneWordingAfterAPositiveStrip(self):
        advice = "试纸第一次转阳的当天和第二天各同房一次"
        strip = [(w, s) for w, s in Sentences(self.everything) if "同房" in s
                 and ("转阳" in s or ("阳性" in s and "验孕" not in s))]
        timed = [(w, s) for w, s in strip if re.search(r"当天|次日|第二天|\d~\d天内|[一两]两天内", s)]
        self.assertNowhere([(w, s) for w, s in timed if advice not in s], advice)
        chapters = {w.split(":")[0] for w, _ in strip}
        self.assertTrue(chapters)
        for chapter in chapters:
            with self.subTest(chapter=chapter):
                self.assertTrue(any(w.startswith(chapter + ":") and advice in s for w, s in strip), advice)

    def testEveryDoctorListHasTheSameAgesAndFigures(self):
        blocks = Blocks(self.chapters)
        lists = [(w, b) for w, b in blocks if "35岁及以上" in b]
        self.assertTrue(lists)
        self.assertNowhere([(w, b) for w, b in lists if "40岁及以上" not in b],
                           "a list that gives 35岁及以上 gives 40岁及以上 too")
        self.assertNowhere([(w, b) for w, b in lists if not re.search(r"6个月|半年", b)
                            or ("35岁以下" in b and not re.search(r"12个月|一年", b))],
                           "35岁以下: 12个月 (一年); 35岁及以上: 6个月 (半年)")
        self.assertNowhere([(w, t) for w, t in self.everything if "40岁及以上" in t and "开始备孕时就去看医生" not in t],
                           "40岁及以上: 开始备孕时就去看医生")
        cycles = [(w, s) for w, s in Sentences(self.everything) if re.search(r"短于|长于|相差超过", s)
                  and not re.search(r"高温相|黄体期", s)]
        self.assertNowhere([(w, s) for w, s in cycles if set(re.findall(r"短于(\d+)天", s)) - {"21"}
                            or set(re.findall(r"长于(\d+)天", s)) - {"35"}
                            or set(re.findall(r"相差超过(\d+)天", s)) - {"7"}],
                           "cycles shorter than 21 or longer than 35 days, or differing by more than 7")
        self.assertNowhere([(w, s) for w, s in cycles if "短于21天" in s and "相差超过7天" not in s],
                           "an irregular cycle is named with all three figures")

    def testEighteenHighDaysHaveOneWording(self):
        found = [(w, s) for w, s in Sentences(self.everything) if "18天" in s and "高温" in s
                 and "高温相持续18天及以上" not in s]
        self.assertNowhere(found, "高温相持续18天及以上")

    def testHigherFolicAcidDoseNamesTheSameGroups(self):
        terms = ("神经管缺陷患儿", "家族", "糖尿病", "肥胖", "癫痫", "吸收不良", "叶酸代谢")
        groups = {w: {term for term in terms if term in t} for w, t in self.chapters if "神经管缺陷患儿" in t}
        self.assertGreaterEqual(len(groups), 2)
        self.assertEqual(1, len({frozenset(g) for g in groups.values()}), groups)

    def testLongTermMedicinesKeepContraceptionUntilADoctorHasSeenThem(self):
        for number in kChapters:
            text = "".join(t for w, t in self.chapters if w.startswith(f"chapter{number}.txt"))
            with self.subTest(chapter=number):
                if "自行停用" in text:
                    self.assertIn("继续避孕", text, "not stopping medicines alone goes with keeping contraception")
        sentences = Sentences(self.chapters)
        self.assertNowhere([(w, s) for w, s in sentences if "异维A酸停药后" in s and "至少1个月" not in s],
                           "no pregnancy for at least a month after isotretinoin")
        self.assertNowhere([(w, s) for w, s in sentences if "阿维A停药后" in s and "以年计算" not in s],
                           "acitretin's wait is counted in years, as its label says")

    def testTheSectionPagesCallThemselvesPages(self):
        found = [(w, t) for w, t in self.chapters if re.match(r"chapter[5-8]\.txt", w) and "本章" in t]
        self.assertNowhere(found, "chapters 5 to 8 are pages: 本页")

    def testTimingPlanRunsPastTheEstimatedDayAsTheTextSays(self):
        ovulation, days = drawings.kPlanOvulationDay, drawings.kSuggestedCycleDays
        self.assertEqual(ovulation, drawings.kPlanCycleDays - 14)
        self.assertEqual(days[0], ovulation - 5)
        self.assertTrue(all(1 <= b - a <= 2 for a, b in zip(days, days[1:])), "every 1~2 days")
        said = {m for _, t in self.everything for m in re.findall(r"预计排卵日之后(一两|两三)天", t)}
        self.assertEqual(len(said), 1, said)
        self.assertIn(days[-1] - ovulation, {"一两": (1, 2), "两三": (2, 3)}[said.pop()])
        self.assertIn("预计排卵日之后", drawings.kPlanLegend)
        self.assertEqual(list(drawings.kPlanLateDays), list(range(ovulation + 1, days[-1] + 1)))

    def testOneMatureFollicleRange(self):
        found = [(w, c) for w, c in Sentences(self.everything, "。；？！，") if "成熟" in c
                 and set(re.findall(r"\d+~\d+毫米", c)) - {"18~23毫米"}]
        self.assertNowhere(found, "a mature follicle is about 18~23毫米")

    def testFollicleDrawingGrowsAsItsCaptionSays(self):
        caption = next(t for _, t in DrawingLabels() if "每天约长大" in t)
        low, high = map(int, re.search(r"每天约长大(\d+)~(\d+)毫米", caption).groups())
        growing = [(int(re.fullmatch(r"第(\d+)天", day).group(1)), size)
                   for day, _, size, ruptured in drawings.kFollicleStages if not ruptured]
        for (day0, size0), (day1, size1) in zip(growing, growing[1:]):
            with self.subTest(days=(day0, day1)):
                self.assertTrue(low <= (size1 - size0) / (day1 - day0) <= high)
        for day, label, size, ruptured in drawings.kFollicleStages:
            if not ruptured:
                self.assertIn(f"约{size}毫米", label)
        self.assertTrue(18 <= growing[-1][1] <= 23)

    def testTemperatureExampleIsTheChart(self):
        text = "".join(t for w, t in self.chapters if w.startswith("chapter5.txt"))
        parts = [re.search(pattern, text) for pattern in
                 (r"第9天到第14天的体温分别是(.*?)，其中", r"第15、16、17天的体温分别为([^，]*)，", r"覆盖线就画在([\d.]+)℃")]
        self.assertTrue(all(parts), "the worked example names days 9 to 14, the cover line, days 15 to 17")
        before, after, cover = parts[0].group(1), parts[1].group(1), float(parts[2].group(1))
        low = [float(v) for v in re.findall(r"[\d.]+(?=℃)", before)]
        high = [float(v) for v in re.findall(r"[\d.]+(?=℃)", after)]
        self.assertEqual(low, drawings.kBbtReadings[8:14])
        self.assertEqual(high, drawings.kBbtReadings[14:17])
        self.assertEqual(cover, max(low))
        self.assertEqual(drawings.kCoverLine, cover)
        self.assertTrue(all(t > cover for t in high))
        self.assertGreaterEqual(round(high[2] - cover, 2), 0.2)

    def testPageNamesInListsAreQuoted(self):
        found = [(w, t) for w, t in self.chapters if not t.startswith("# ")
                 for m in re.finditer("声明、简介", t) if t[m.start() - 1:m.start()] != "“"]
        self.assertNowhere(found, "“声明、简介” is one page")

    def testUsageChapterSaysOnlyWhatTheProgramDoes(self):
        usage = [(w, t) for w, t in self.chapters if w.startswith("chapter3.txt")]
        self.assertNowhere([(w, t) for w, t in usage if "水平滚动条" in t], "the views wrap; no horizontal bar")
        self.assertNowhere([(w, t) for w, t in usage if "Unicode 程序的语言" in t],
                           "the program is Unicode: a Chinese font is all it needs")

    def testChapterZeroIsTheLongestAndNoneIsShort(self):
        lengths = {number: Han(number) for number in kChapters}
        self.assertEqual(max(lengths, key=lengths.get), 0)
        self.assertGreater(min(lengths.values()), 2000, lengths)


if __name__ == "__main__":
    unittest.main()
