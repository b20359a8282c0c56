"""The book's charts and diagrams, drawn from numbers at build time.

Pictures are 680 logical pixels wide so that they sit inside a reading view about 740 pixels wide
at 96 dots per inch; the two embedded objects are a little narrower. Each drawing function returns
a Pillow RGB image. The curves are illustrations of typical values that the chapters describe, not
data of any person.
"""

import math
import random

from PIL import Image, ImageDraw, ImageFilter

from canvas import (Canvas, GOLD, GRID, INK, LAVENDER, MUTED, PERIOD, PERIOD_LIGHT, ROSE, ROSE_DARK,
                    ROSE_LIGHT, ROSE_PALE, TEAL, TEAL_LIGHT, WHITE)

kPictureWidth = 680


def _Title(canvas, text):
    canvas.Text(16, 12, text, size=15, color=ROSE_DARK, bold=True)


def _Brace(canvas, x0, x1, y, color, up=True):
    """A flat bracket from x0 to x1 at y, its ends pointing down (up=True) or up."""
    tip = 6 if up else -6
    canvas.Line([(x0, y + tip), (x0, y), (x1, y), (x1, y + tip)], color, 1.5)


# ---------------------------------------------------------------------------------------------
# fertile-window: the six days that can lead to pregnancy in a 28-day cycle.

# Relative chance of conceiving from intercourse on each cycle day, highest one to two days before
# ovulation (day 14) and almost nothing the day after.
kFertileChance = {9: 0.10, 10: 0.17, 11: 0.22, 12: 0.31, 13: 0.30, 14: 0.24, 15: 0.03}


def FertileWindow():
    c = Canvas(kPictureWidth, 290)
    _Title(c, "28天月经周期中的易孕期（示意）")
    left, cell, rowTop, rowBottom = 34, 22, 186, 212
    x = lambda day: left + (day - 1) * cell

    c.Rect(x(9) - 2, 46, x(15) + 2, rowBottom + 4, fill=ROSE_PALE, radius=6)
    c.Text((x(9) + x(15)) / 2, 52, "易孕期：排卵日及其前5天，共约6天", size=12, color=ROSE_DARK, anchor="ma")
    for day, chance in kFertileChance.items():
        height = chance * 300
        c.Rect(x(day) + 3, rowTop - 6 - height, x(day) + cell - 3, rowTop - 6, fill=ROSE if day < 15 else GRID)
    c.Text(x(16) + 6, 100, "排卵前1~2天和排卵当天", size=12, color=INK)
    c.Text(x(16) + 6, 118, "怀孕机会最高；", size=12, color=INK)
    c.Text(x(16) + 6, 136, "排卵后机会迅速下降", size=12, color=INK)
    c.Arrow([(x(16) + 2, 110), (x(13) + cell / 2 + 6, 92)], ROSE_DARK, 1.2, head=6)

    for day in range(1, 29):
        fill, ink = WHITE, INK
        if day <= 5:
            fill, ink = PERIOD_LIGHT, PERIOD
        elif 9 <= day <= 13:
            fill, ink = ROSE_LIGHT, ROSE_DARK
        elif day == 14:
            fill, ink = ROSE, WHITE
        elif day >= 15:
            fill = TEAL_LIGHT
        c.Rect(x(day) + 1, rowTop, x(day) + cell - 1, rowBottom, fill=fill, outline=GRID, radius=3)
        c.Text(x(day) + cell / 2, (rowTop + rowBottom) / 2, str(day), size=10, color=ink, anchor="mm")
    c.Text(left + 28 * cell + 6, rowTop + 13, "天", size=11, color=MUTED, anchor="lm")

    c.Polygon([(x(14) + cell / 2, rowBottom + 4), (x(14) + cell / 2 - 5, rowBottom + 11),
               (x(14) + cell / 2 + 5, rowBottom + 11)], fill=ROSE_DARK)
    c.Text(x(14) + cell / 2, rowBottom + 13, "排卵日（约第14天）", size=11, color=ROSE_DARK, anchor="ma")
    _Brace(c, x(1) + 1, x(6) - 1, rowBottom + 10, PERIOD, up=False)
    c.Text((x(1) + x(6)) / 2, rowBottom + 13, "月经期", size=11, color=PERIOD, anchor="ma")
    _Brace(c, x(1) + 1, x(15) - 1, rowBottom + 40, TEAL, up=False)
    c.Text((x(1) + x(15)) / 2, rowBottom + 43, "卵泡期：长短因人而异", size=11, color=TEAL, anchor="ma")
    _Brace(c, x(15) + 1, x(29) - 1, rowBottom + 40, TEAL, up=False)
    c.Text((x(15) + x(29)) / 2, rowBottom + 43, "黄体期：较稳定，约14天", size=11, color=TEAL, anchor="ma")
    return c.Result()


# ---------------------------------------------------------------------------------------------
# bbt-chart: a biphasic basal body temperature record with its cover line.

# Morning temperatures of one illustrative 28-day cycle; days 9 to 17 are the worked example of the
# basal-temperature chapter: the cover line runs through the highest of the six readings before the
# rise (36.45 on day 12), and the third high day (36.72) is more than 0.2 above it.
kBbtReadings = [36.45, 36.40, 36.38, 36.32, 36.36, 36.30, 36.38, 36.34, 36.35, 36.40, 36.30, 36.45, 36.38,
                36.42, 36.62, 36.68, 36.72, 36.75, 36.70, 36.78, 36.74, 36.80, 36.76, 36.72, 36.78, 36.70,
                36.66, 36.42]
kCoverLine = max(kBbtReadings[8:14])


def BbtChart():
    c = Canvas(kPictureWidth, 350)
    _Title(c, "双相基础体温曲线（示意）")
    left, right, top, bottom = 62, 652, 52, 282
    low, high = 36.2, 37.0
    step = (right - left) / 28
    x = lambda day: left + (day - 0.5) * step
    y = lambda t: bottom - (t - low) / (high - low) * (bottom - top)

    c.Rect(left, top, left + 14 * step, bottom, fill=TEAL_LIGHT)
    c.Rect(left + 14 * step, top, right, bottom, fill=ROSE_PALE)
    c.Text(left + 7 * step, top + 8, "低温相（排卵前）", size=12, color=TEAL, anchor="ma")
    c.Text(left + 21 * step, top + 8, "高温相（排卵后）", size=12, color=ROSE_DARK, anchor="ma")
    for i in range(9):
        t = low + i * 0.1
        c.Line([(left, y(t)), (right, y(t))], GRID if i else MUTED, 1)
        c.Text(left - 6, y(t), f"{t:.1f}", size=10, color=MUTED, anchor="rm")
    c.Text(left - 6, top - 8, "℃", size=10, color=MUTED, anchor="rs")
    for day in range(1, 29):
        c.Text(x(day), bottom + 5, str(day), size=9, color=MUTED, anchor="ma")
    c.Text((left + right) / 2, bottom + 22, "周期天数", size=11, color=MUTED, anchor="ma")
    for day in range(1, 6):
        c.Rect(x(day) - 6, bottom - 7, x(day) + 6, bottom - 2, fill=PERIOD)
    c.Text(x(6) + 2, bottom - 5, "月经", size=10, color=PERIOD, anchor="lm")

    c.Line([(left, y(kCoverLine)), (right, y(kCoverLine))], ROSE_DARK, 1.2, dash=(6, 4))
    c.Text(left + 4, y(kCoverLine) - 3, f"覆盖线 {kCoverLine:.2f}℃", size=10, color=ROSE_DARK, anchor="ld")
    c.Line([(left + 14 * step, top + 28), (left + 14 * step, bottom)], ROSE, 1.2, dash=(3, 3))
    c.Text(left + 14 * step - 4, y(36.95), "排卵约在第14天", size=10, color=ROSE, anchor="ra")

    points = [(x(day), y(t)) for day, t in enumerate(kBbtReadings, start=1)]
    c.Line(points, ROSE_DARK, 1.8)
    for px, py in points:
        c.Ellipse(px, py, 3.2, 3.2, fill=WHITE, outline=ROSE_DARK, width=1.6)

    arrowX = x(18) + step / 2
    c.Arrow([(arrowX, y(36.38)), (arrowX, y(36.72))], INK, 1.2, head=5)
    c.Text(arrowX + 6, y(36.52), "升高约0.3~0.5℃", size=11, color=INK, anchor="lm")
    return c.Result()


# ---------------------------------------------------------------------------------------------
# lh-strip: reading an ovulation (LH) test strip against its control line.

_kStripLine = (160, 40, 96)
# (result, colour of the result, how the T line looks, is the C line there, explanation)
kStrips = [
    ("阳性", ROSE_DARK, _kStripLine, True, "T线和C线一样深"),
    ("阳性", ROSE_DARK, (112, 16, 64), True, "T线比C线更深"),
    ("阴性", TEAL, (236, 186, 206), True, "T线比C线浅"),
    ("阴性", TEAL, None, True, "看不到T线"),
    ("无效", MUTED, _kStripLine, False, "看不到C线"),
]


def _Strip(c, cx, top, tLine, cLine):
    half = 17
    c.Rect(cx - half, top, cx + half, top + 60, fill=ROSE_LIGHT, outline=ROSE, radius=4)
    c.Text(cx, top + 30, "手柄", size=10, color=ROSE_DARK, anchor="mm")
    c.Rect(cx - half, top + 60, cx + half, top + 184, fill=WHITE, outline=MUTED)
    c.Rect(cx - half + 5, top + 72, cx + half - 5, top + 134, fill=(250, 248, 249), outline=GRID)
    if cLine:
        c.Rect(cx - half + 6, top + 86, cx + half - 6, top + 91, fill=_kStripLine)
    if tLine:
        c.Rect(cx - half + 6, top + 114, cx + half - 6, top + 119, fill=tLine)
    c.Text(cx - half - 4, top + 88, "C", size=10, color=MUTED, anchor="rm")
    c.Text(cx - half - 4, top + 116, "T", size=10, color=MUTED, anchor="rm")
    c.Line([(cx - half, top + 150), (cx + half, top + 150)], MUTED, 1, dash=(3, 2))
    c.Text(cx + half + 3, top + 150, "MAX", size=8, color=MUTED, anchor="lm")
    for dx in (-7, 7):
        c.Arrow([(cx + dx, top + 158), (cx + dx, top + 176)], TEAL, 1.2, head=4)


def LhStrip():
    c = Canvas(kPictureWidth, 320)
    _Title(c, "排卵试纸的判读（不同品牌请以说明书为准）")
    column = kPictureWidth / len(kStrips)
    for i, (result, color, tLine, cLine, why) in enumerate(kStrips):
        cx = column * (i + 0.5)
        _Strip(c, cx, 46, tLine, cLine)
        c.Text(cx, 244, result, size=15, color=color, anchor="ma", bold=True)
        c.Text(cx, 268, why, size=11, color=INK, anchor="ma")
    c.Text(kPictureWidth / 2, 296, "C线（对照线）必须出现；T线（检测线）和C线一样深或更深才算阳性",
           size=11, color=ROSE_DARK, anchor="ma")
    return c.Result()


# ---------------------------------------------------------------------------------------------
# follicle-growth: the dominant follicle on transvaginal ultrasound, growing and then rupturing.

# (day label, size label, follicle diameter in millimetres, ruptured): about 2 millimetres a day from
# 10 on day 8, mature at about 21 (the mature range is 18 to 23) on the day of ovulation.
kFollicleStages = [
    ("第8天", "约10毫米", 10, False),
    ("第10天", "约14毫米", 14, False),
    ("第12天", "约18毫米", 18, False),
    ("第14天", "约21毫米，成熟", 21, False),
    ("排卵后", "卵泡缩小或消失", 0, True),
]


# A panel shows about 75 millimetres of the pelvis across its 118 pixels.
kPanelPixelsPerMm = 1.55


def _UltrasoundImage(size, seed, ovary):
    """Grey speckle in a fan, darker over the ovary (an ellipse box), at drawing scale; returns the
    image and the fan-shaped mask it shows through."""
    rng = random.Random(seed)
    grains = (size // 3, size // 2)   # coarser across than down, like the echoes of a real probe
    noise = Image.frombytes("L", grains, rng.randbytes(grains[0] * grains[1])).resize((size, size), Image.BICUBIC)
    speckle = noise.filter(ImageFilter.GaussianBlur(1)).point(lambda v: max(0, min(255, (v - 128) * 1.5 + 76)))
    ovaryMask = Image.new("L", (size, size), 0)
    ImageDraw.Draw(ovaryMask).ellipse(ovary, fill=255)
    speckle.paste(speckle.point(lambda v: v * 0.4), (0, 0), ovaryMask.filter(ImageFilter.GaussianBlur(4)))
    fan = Image.new("L", (size, size), 0)
    ImageDraw.Draw(fan).pieslice([-size // 4, -size + 6, size + size // 4, size - 6], 58, 122, fill=255)
    return speckle.convert("RGB"), fan


def _UltrasoundPanel(c, x0, y0, side, stage, index):
    millimetres, ruptured = stage[2], stage[3]
    scale = Canvas.kScale
    cx, cy, rx, ry = x0 + side / 2, y0 + side * 0.56, side * 0.3, side * 0.22
    ovary = [round((cx - rx - x0) * scale), round((cy - ry - y0) * scale),
             round((cx + rx - x0) * scale), round((cy + ry - y0) * scale)]
    c.Rect(x0, y0, x0 + side, y0 + side, fill=(0, 0, 0))
    speckle, fan = _UltrasoundImage(side * scale, 1000 + index, ovary)
    c.Paste(speckle, x0, y0, fan)
    for dx, dy, r in ((-22, -6, 3.5), (-16, 10, 3), (20, 9, 3), (23, -7, 2.5)):
        c.Ellipse(cx + dx, cy + dy, r, r, fill=(12, 12, 12))
    caliper = (250, 220, 60)
    if ruptured:
        c.Polygon([(cx - 6, cy - 3), (cx - 1, cy - 6), (cx + 5, cy - 2), (cx + 3, cy + 4), (cx - 4, cy + 5)],
                  fill=(30, 30, 30), outline=(150, 150, 150))
        c.Polygon([(cx - 24, cy + ry + 12), (cx, cy + ry + 6), (cx + 26, cy + ry + 12), (cx, cy + ry + 17)],
                  fill=(6, 6, 6))
        c.Text(x0 + 4, y0 + 3, "少量积液", size=10, color=caliper, anchor="la")
        return
    r = millimetres * kPanelPixelsPerMm / 2
    c.Ellipse(cx, cy, r + 1.5, r * 0.92 + 1.5, fill=(150, 150, 150))
    c.Ellipse(cx, cy, r, r * 0.92, fill=(6, 6, 6))
    for px in (cx - r, cx + r):
        c.Line([(px - 3, cy), (px + 3, cy)], caliper, 1)
        c.Line([(px, cy - 3), (px, cy + 3)], caliper, 1)


def FollicleGrowth():
    c = Canvas(kPictureWidth, 250)
    _Title(c, "B超下优势卵泡的变化（示意，周期约28天）")
    side, gap, top = 118, 20, 44
    left = (kPictureWidth - (5 * side + 4 * gap)) / 2
    for i, stage in enumerate(kFollicleStages):
        x0 = left + i * (side + gap)
        _UltrasoundPanel(c, x0, top, side, stage, i)
        c.Text(x0 + side / 2, top + side + 8, stage[0], size=12, color=ROSE_DARK, anchor="ma", bold=True)
        c.Text(x0 + side / 2, top + side + 28, stage[1], size=11, color=INK, anchor="ma")
        if i:
            c.Arrow([(x0 - gap + 4, top + side / 2), (x0 - 4, top + side / 2)], ROSE, 1.6, head=5)
    c.Text(kPictureWidth / 2, 226, "卵泡每天约长大1~2毫米，成熟时约18~23毫米；破裂排卵后卵泡缩小或消失",
           size=11, color=MUTED, anchor="ma")
    return c.Result()


# ---------------------------------------------------------------------------------------------
# timing-plan: one month as a calendar, with the period, the fertile window, the days after the
# estimated ovulation day on which ovulation often still falls, and suggested days.

kMonthDays, kMonthStartColumn, kPeriodStart = 31, 2, 3   # the 1st is a Wednesday; bleeding starts the 3rd
kPlanCycleDays = 28
# Estimated as the cycle length minus 14; the phase after ovulation is on average nearer 12 to 13
# days, so ovulation often comes a day or two later, and the plan runs on past the estimated day.
kPlanOvulationDay = kPlanCycleDays - 14
kPlanLateDays = (15, 16, 17)
# Every other day from five days before the estimated day to three days after it.
kSuggestedCycleDays = (9, 11, 13, 15, 17)
kPlanLegend = "建议同房：每1~2天一次，一直到预计排卵日之后两三天"


def _CycleDay(date):
    return date - kPeriodStart + 1


def _DayColours(cycleDay):
    if 1 <= cycleDay <= 5:
        return PERIOD_LIGHT, PERIOD
    if kPlanOvulationDay - 5 <= cycleDay < kPlanOvulationDay:
        return ROSE_LIGHT, ROSE_DARK
    if cycleDay == kPlanOvulationDay:
        return ROSE, WHITE
    if cycleDay in kPlanLateDays:
        return ROSE_PALE, ROSE_DARK
    return WHITE, INK


def TimingPlan():
    c = Canvas(kPictureWidth, 448)
    _Title(c, f"同房安排示例（周期约{kPlanCycleDays}天，仅供参考）")
    cellW, cellH, left, top = 88, 54, 32, 72
    for col, name in enumerate("一二三四五六日"):
        c.Text(left + col * cellW + cellW / 2, top - 16, "星期" + name, size=11, color=MUTED, anchor="mm")
    for date in range(1, kMonthDays + 1):
        slot = kMonthStartColumn + date - 1
        x0, y0 = left + (slot % 7) * cellW, top + (slot // 7) * cellH
        cycleDay = _CycleDay(date)
        fill, ink = _DayColours(cycleDay)
        late = cycleDay in kPlanLateDays
        c.Rect(x0 + 2, y0 + 2, x0 + cellW - 2, y0 + cellH - 2, fill=fill, outline=ROSE if late else GRID,
               width=1.2 if late else 1, radius=5)
        c.Text(x0 + 9, y0 + 7, str(date), size=15, color=ink, bold=cycleDay == kPlanOvulationDay)
        if cycleDay >= 1:
            dayText = "下次月经" if cycleDay == kPlanCycleDays + 1 else f"周期第{cycleDay}天"
            c.Text(x0 + cellW - 8, y0 + cellH - 7, dayText, size=9, color=ink if fill != WHITE else MUTED,
                   anchor="rd")
        if cycleDay == kPlanCycleDays + 1:
            c.Rect(x0 + 5, y0 + 5, x0 + cellW - 5, y0 + cellH - 5, outline=PERIOD, width=1.2, radius=4)
        if cycleDay in kSuggestedCycleDays:
            c.Heart(x0 + cellW - 16, y0 + 16, 14, WHITE if cycleDay == kPlanOvulationDay else ROSE_DARK)
    legendY = top + 5 * cellH + 22
    x = left
    for fill, text in ((PERIOD_LIGHT, "月经期"), (ROSE_LIGHT, "易孕期"), (ROSE, "预计排卵日"),
                       (ROSE_PALE, "排卵可能推后到的几天")):
        c.Rect(x, legendY - 8, x + 22, legendY + 8, fill=fill, outline=ROSE if fill == ROSE_PALE else None,
               width=1.2, radius=3)
        c.Text(x + 28, legendY, text, size=12, color=INK, anchor="lm")
        x += 40 + c.TextWidth(text, 12)
    c.Heart(left + 11, legendY + 26, 14, ROSE_DARK)
    c.Text(left + 28, legendY + 26, kPlanLegend, size=12, color=INK, anchor="lm")
    c.Text(left, legendY + 50, f"预计排卵日按“周期天数减14”估计（本例为周期第{kPlanOvulationDay}天）；"
           "排卵后的黄体期平均约12~14天，", size=11, color=MUTED, anchor="lm")
    c.Text(left, legendY + 68, "所以实际排卵常常比预计的晚一两天，也可能提前。", size=11, color=MUTED, anchor="lm")
    return c.Result()


# ---------------------------------------------------------------------------------------------
# cycle-hormones (embedded object): FSH, LH, oestrogen and progesterone over one cycle.

def _Bump(day, centre, width, height):
    return height * math.exp(-((day - centre) / width) ** 2)


# Relative levels (0 to 1) by cycle day: illustrative shapes, not laboratory values.
kHormones = [
    ("FSH", LAVENDER, lambda d: 0.16 + _Bump(d, 3, 3, 0.14) + _Bump(d, 13.4, 0.9, 0.26) + _Bump(d, 29, 2.5, 0.12)),
    ("LH", GOLD, lambda d: 0.12 + _Bump(d, 13.5, 0.75, 0.86)),
    ("雌激素", TEAL, lambda d: 0.1 + _Bump(d, 12.6, 2.6, 0.58) + _Bump(d, 21, 3.2, 0.28)),
    ("孕激素", ROSE, lambda d: 0.04 + _Bump(d, 21.5, 4.0, 0.74) * (1 if d > 14 else math.exp(-(14 - d)))),
]


def CycleHormones():
    c = Canvas(600, 440)
    _Title(c, "月经周期中的激素变化（示意）")
    left, right, top, bottom = 48, 584, 78, 350
    x = lambda d: left + (d - 1) / 27 * (right - left)
    y = lambda v: bottom - v * (bottom - top)

    c.Rect(left, top - 30, x(13.2), top - 8, fill=TEAL_LIGHT, radius=4)
    c.Text((left + x(13.2)) / 2, top - 19, "卵泡期", size=12, color=TEAL, anchor="mm")
    c.Rect(x(13.3), top - 30, x(14.7), top - 8, fill=ROSE, radius=4)
    c.Text(x(14), top - 19, "排卵", size=10, color=WHITE, anchor="mm")
    c.Rect(x(14.8), top - 30, right, top - 8, fill=ROSE_PALE, radius=4)
    c.Text((x(14.8) + right) / 2, top - 19, "黄体期", size=12, color=ROSE_DARK, anchor="mm")
    for i in range(5):
        c.Line([(left, y(i / 4)), (right, y(i / 4))], GRID if i else MUTED, 1)
    c.Text(left - 6, top, "高", size=10, color=MUTED, anchor="ra")
    c.Text(left - 6, bottom, "低", size=10, color=MUTED, anchor="rd")
    c.Line([(x(14), top), (x(14), bottom)], ROSE, 1.2, dash=(4, 3))
    for d in range(1, 29, 3):
        c.Text(x(d), bottom + 5, str(d), size=10, color=MUTED, anchor="ma")
    c.Text(right, bottom + 5, "28", size=10, color=MUTED, anchor="ma")
    c.Rect(x(1), bottom + 22, x(5.5), bottom + 30, fill=PERIOD, radius=3)
    c.Text(x(5.5) + 6, bottom + 26, "月经", size=10, color=PERIOD, anchor="lm")
    c.Text((left + right) / 2, bottom + 40, "周期天数", size=11, color=MUTED, anchor="ma")

    days = [1 + i / 10 for i in range(271)]
    for name, color, level in kHormones:
        c.Line([(x(d), y(level(d))) for d in days], color, 2.4)
    # Blood LH: ovulation about 10 to 12 hours after its peak, 34 to 36 hours after the rise begins.
    c.Arrow([(x(17.5), y(0.93)), (x(14.4), y(0.96))], GOLD, 1.2, head=6)
    c.Text(x(17.7), y(0.93), "LH峰值后约10~12小时排卵", size=11, color=INK, anchor="lm")
    c.Text(x(17.7), y(0.93) + 17, "（LH开始上升后约34~36小时）", size=10, color=MUTED, anchor="lm")
    legendX = left
    for name, color, _ in kHormones:
        c.Line([(legendX, 414), (legendX + 26, 414)], color, 3)
        c.Text(legendX + 32, 414, name, size=12, color=INK, anchor="lm")
        legendX += 60 + c.TextWidth(name, 12)
    c.Text(right, 414, "纵轴为相对水平", size=10, color=MUTED, anchor="rm")
    return c.Result()


# ---------------------------------------------------------------------------------------------
# sperm-journey (embedded object): from the vagina through cervix and uterus to the tube.

def _Bezier(p0, p1, p2, p3, steps=24):
    points = []
    for i in range(steps + 1):
        t = i / steps
        a, b, cc, d = (1 - t) ** 3, 3 * (1 - t) ** 2 * t, 3 * (1 - t) * t * t, t ** 3
        points.append((a * p0[0] + b * p1[0] + cc * p2[0] + d * p3[0],
                       a * p0[1] + b * p1[1] + cc * p2[1] + d * p3[1]))
    return points


def _Uterus(c, cx):
    outer = (_Bezier((cx - 22, 300), (cx - 30, 250), (cx - 92, 240), (cx - 92, 150))
             + _Bezier((cx - 92, 150), (cx - 92, 108), (cx - 40, 100), (cx, 104))[1:]
             + _Bezier((cx, 104), (cx + 40, 100), (cx + 92, 108), (cx + 92, 150))[1:]
             + _Bezier((cx + 92, 150), (cx + 92, 240), (cx + 30, 250), (cx + 22, 300))[1:])
    c.Polygon(outer, fill=ROSE_LIGHT, outline=ROSE, width=2)
    cavity = [(cx - 58, 138), (cx + 58, 138), (cx + 8, 236), (cx + 5, 296), (cx - 5, 296), (cx - 8, 236)]
    c.Polygon(cavity, fill=ROSE_PALE, outline=ROSE, width=1)
    c.Polygon([(cx - 22, 298), (cx + 22, 298), (cx + 26, 392), (cx - 26, 392)], fill=ROSE_LIGHT)
    c.Line([(cx - 22, 298), (cx - 26, 392)], ROSE, 2)
    c.Line([(cx + 22, 298), (cx + 26, 392)], ROSE, 2)
    c.Rect(cx - 7, 300, cx + 7, 392, fill=ROSE_PALE)


def _Tube(c, cx, side):
    s = side
    path = _Bezier((cx + s * 86, 132), (cx + s * 140, 100), (cx + s * 200, 96), (cx + s * 226, 150))
    c.Line(path, ROSE, 11)
    c.Line(path, ROSE_PALE, 5)
    end = path[-1]
    for angle in (-40, -10, 20, 50, 80):
        a = math.radians(angle if s > 0 else 180 - angle)
        c.Line([end, (end[0] + 16 * math.cos(a), end[1] + 16 * math.sin(a))], ROSE, 3)
    ovary = (cx + s * 196, 196)
    c.Ellipse(*ovary, 34, 22, fill=(246, 226, 214), outline=(214, 160, 140), width=1.5)
    for dx, dy, r in ((-14, -4, 5), (2, 6, 4), (14, -6, 6)):
        c.Ellipse(ovary[0] + s * dx, ovary[1] + dy, r, r, fill=WHITE, outline=(214, 160, 140))
    return path


def _Sperm(c, x, y, angle):
    dx, dy = math.cos(angle), math.sin(angle)
    c.Ellipse(x, y, 2.6, 2.6, fill=TEAL)
    c.Line([(x - dx * 2, y - dy * 2), (x - dx * 7 - dy * 2, y - dy * 7 + dx * 2),
            (x - dx * 12, y - dy * 12)], TEAL, 1)


def SpermJourney():
    c = Canvas(560, 420)
    _Title(c, "精子与卵子相遇之路（示意）")
    cx = 260
    _Uterus(c, cx)
    _Tube(c, cx, -1)
    tube = _Tube(c, cx, 1)

    route = [(cx, 384), (cx, 300), (cx, 220), (cx + 30, 160), (cx + 80, 136)] + tube[3:15]
    c.Arrow(route, TEAL, 1.6, head=8, dash=(5, 4))
    for i in (1, 4, 7, 10, 13):
        (x0, y0), (x1, y1) = route[i - 1], route[i]
        _Sperm(c, (x0 + x1) / 2 + 6, (y0 + y1) / 2, math.atan2(y1 - y0, x1 - x0))
    egg = tube[15]
    c.Ellipse(egg[0], egg[1], 11, 11, fill=(255, 236, 200), outline=GOLD, width=2)
    c.Ellipse(egg[0], egg[1], 4, 4, fill=GOLD)
    c.Arrow([(cx + 190, 180), (cx + 220, 162)], GOLD, 1.4, head=5, dash=(3, 3))

    # (text, its left end on the baseline, the point the leader line goes to)
    labels = [
        ("卵子：在输卵管壶腹部与精子相遇", (egg[0] - 130, 62), (egg[0] - 2, egg[1] - 12)),
        ("输卵管", (20, 84), (cx - 150, 106)),
        ("伞端：拾取卵子", (8, 266), (22, 164)),
        ("卵巢：排出卵子", (cx + 150, 254), (cx + 194, 219)),
        ("子宫", (cx + 110, 272), (cx + 60, 200)),
        ("宫颈：排卵期黏液帮助精子上行", (cx + 110, 312), (cx + 22, 300)),
        ("阴道：精子从这里出发", (cx + 110, 362), (cx + 26, 370)),
    ]
    for text, (tx, ty), target in labels:
        start = (tx + 12, ty - 14) if target[1] < ty - 14 else (tx - 3, ty - 5)
        c.Line([start, target], MUTED, 1)
        c.Text(tx, ty, text, size=12, color=INK, anchor="ls")
    c.Text(16, 404, "虚线箭头：精子经宫颈、子宫腔进入输卵管；精子在宫颈黏液中最长可存活约5天",
           size=11, color=MUTED, anchor="ls")
    return c.Result()


PICTURES = {
    "fertile-window": FertileWindow,
    "bbt-chart": BbtChart,
    "lh-strip": LhStrip,
    "follicle-growth": FollicleGrowth,
    "timing-plan": TimingPlan,
}

OBJECTS = {
    "cycle-hormones": CycleHormones,
    "sperm-journey": SpermJourney,
}
