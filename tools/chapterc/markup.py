"""The chapters' light markup: a UTF-8 text becomes a list of blocks made of styled runs.

The markup is described in resources/chapters/README.md. Anything the builder cannot place with
certainty (an unclosed "**", a list line inside a paragraph, an unknown picture name) is an error
that names the file and line, so that a slip in a chapter never turns silently into wrong text.
"""

import re
from dataclasses import dataclass, field


class MarkupError(Exception):
    """A chapter source that does not follow the markup; the message names file and line."""


@dataclass(frozen=True)
class Run:
    """A stretch of text with one character style."""
    text: str
    bold: bool = False
    italic: bool = False


@dataclass
class Block:
    """One block of a chapter.

    kind is one of: title, heading (level 2 or 3), paragraph, bullets, numbers, note, picture, object.
    Text blocks carry their runs in `runs`; lists carry one run list per item in `items`;
    pictures and objects carry the drawing's name.
    """
    kind: str
    line: int
    level: int = 0
    runs: list = field(default_factory=list)
    items: list = field(default_factory=list)
    name: str = ""


_NUMBERED = re.compile(r"^(\d+)\. ")
_EMBED = re.compile(r"^\[(picture|object):\s*([a-z0-9-]+)\]$")


def ParseInline(text, where):
    """Splits text at "**" (bold) and "*" (italic) markers into runs; markers must pair up."""
    runs, bold, italic, start, i = [], False, False, 0, 0
    while i < len(text):
        if text[i] != "*":
            i += 1
            continue
        if i > start:
            runs.append(Run(text[start:i], bold, italic))
        if text.startswith("**", i):
            bold, i = not bold, i + 2
        else:
            italic, i = not italic, i + 1
        start = i
    if bold or italic:
        raise MarkupError(f"{where}: unclosed {'**' if bold else '*'} in this block")
    if start < len(text):
        runs.append(Run(text[start:], bold, italic))
    return runs


def _Where(path, line):
    return f"{path}:{line}"


def _ParseList(lines, first, path, numbered):
    items = []
    for offset, line in enumerate(lines):
        where = _Where(path, first + offset)
        if numbered:
            match = _NUMBERED.match(line)
            if not match:
                raise MarkupError(f"{where}: a numbered list line must start with 'N. '")
            if int(match.group(1)) != offset + 1:
                raise MarkupError(f"{where}: numbered list item {match.group(1)}, expected {offset + 1}")
            text = line[match.end():]
        else:
            if not line.startswith("- "):
                raise MarkupError(f"{where}: a bullet list line must start with '- '")
            text = line[2:]
        if not text.strip():
            raise MarkupError(f"{where}: empty list item")
        items.append(ParseInline(text.strip(), where))
    return Block("numbers" if numbered else "bullets", first, items=items)


def _ParseBlock(lines, first, path, drawings):
    where = _Where(path, first)
    head = lines[0]
    if head.startswith("#"):
        marks = len(head) - len(head.lstrip("#"))
        if marks > 3 or head[marks:marks + 1] != " " or not head[marks:].strip():
            raise MarkupError(f"{where}: a heading is '# ', '## ' or '### ' followed by its text")
        if len(lines) > 1:
            raise MarkupError(f"{where}: a heading is one line; put a blank line after it")
        text = ParseInline(head[marks:].strip(), where)
        return Block("title", first, runs=text) if marks == 1 else Block("heading", first, level=marks, runs=text)
    match = _EMBED.match(head.strip())
    if match or head.startswith("["):
        if not match or len(lines) > 1:
            raise MarkupError(f"{where}: write a drawing as '[picture: NAME]' or '[object: NAME]' alone")
        kind, name = match.groups()
        if name not in drawings.get(kind, ()):
            known = ", ".join(sorted(drawings.get(kind, ())))
            raise MarkupError(f"{where}: unknown {kind} '{name}' (known: {known})")
        return Block(kind, first, name=name)
    kinds = {"bullet" if l.startswith("- ") else "number" if _NUMBERED.match(l) else
             "note" if l.startswith("> ") or l == ">" else "text" for l in lines}
    if len(kinds) > 1:
        raise MarkupError(f"{where}: list, note and paragraph lines are mixed in one block; separate them")
    kind = kinds.pop()
    if kind == "bullet":
        return _ParseList(lines, first, path, numbered=False)
    if kind == "number":
        return _ParseList(lines, first, path, numbered=True)
    if kind == "note":
        return Block("note", first, runs=ParseInline("".join(l[1:].strip() for l in lines), where))
    return Block("paragraph", first, runs=ParseInline("".join(l.strip() for l in lines), where))


def _SplitBlocks(text):
    """Yields (first line number, lines) for each run of non-blank lines."""
    lines, first = [], 0
    for number, line in enumerate(text.split("\n"), start=1):
        line = line.rstrip("\r").rstrip()
        if line:
            if not lines:
                first = number
            lines.append(line)
        elif lines:
            yield first, lines
            lines = []
    if lines:
        yield first, lines


def ParseChapter(text, path, drawings):
    """Parses one chapter source; drawings maps 'picture'/'object' to the known drawing names."""
    if text.startswith("\ufeff"):
        text = text[1:]
    blocks = [_ParseBlock(lines, first, path, drawings) for first, lines in _SplitBlocks(text)]
    if not blocks or blocks[0].kind != "title":
        raise MarkupError(f"{path}:1: a chapter starts with its title, '# ...'")
    for block in blocks[1:]:
        if block.kind == "title":
            raise MarkupError(f"{_Where(path, block.line)}: a chapter has exactly one title")
    for block in blocks:
        _CheckCharacters(block, path)
    return blocks


def _CheckCharacters(block, path):
    """Control characters other than the line structure have no meaning in a chapter."""
    runs = block.runs + [run for item in block.items for run in item]
    for run in runs:
        for ch in run.text:
            if ord(ch) < 0x20 or ord(ch) == 0x7F:
                raise MarkupError(f"{_Where(path, block.line)}: control character U+{ord(ch):04X} in the text")
