#!/usr/bin/env python3
"""Writes data/seed/诗词.tsv, the rows of the database table 诗词 (朝代, 诗人, 诗名, 诗句).

Source: the npm package chinese-poetry 2.0.1 (MIT licence, Copyright (c) 2016 JackeyGao). The package
is 85 MB packed; it is fetched with `npm pack` into a scratch folder outside the source tree (or read
from a folder given on the command line) and never committed:
    python3 tools/gen/gen_poems.py [unpacked package folder]
Traditional characters become simplified through Unihan (Debian's unicode-data, see hanzi_source.py).

What is taken, and the dynasty text it gets:
- 诗经, every poem, poet 佚名: 先秦.
- 楚辞: 屈原, 宋玉 and 景差 as 先秦, the other poets (of the Han anthology) as 汉.
- 曹操's poems: 魏晋 (建安 poetry).
- Tang poems (全唐诗): 唐; Song poems (全宋诗) and Song ci (全宋词): 宋. These collections are far too
  large to ship whole, so the best-known are taken by the package's own rank files: a poem's weight is
  the sum of the logarithms of its search-hit counts (baidu, so360, bing, google); the heaviest come
  first. Fragments (titles 句, 偈, 颂 ..., poems of a single couplet) and untitled pieces are left out.
- 元曲: 元, as many as the size budget leaves, in the package's order.
- 纳兰性德's poems and ci: 清.
The package has nothing for 南北朝, 隋, 辽, 金, 明, 现当代 and 不详, whose labels therefore list nothing.

Rules:
- Simplification, per character: Unihan kSimplifiedVariant, its first value (a GB2312 character listed
  among its own simplified variants stays: 乾, 覆, 著). A character then still outside GB2312 that has
  a semantic variant (kSemanticVariant) inside GB2312 after simplification takes that variant (牀 -> 床,
  峯 -> 峰), so the picker can offer it.
- Punctuation is kept (「」 and 『』 become “” and ‘’); the lines of a poem (the package's paragraphs) are
  joined by CR LF, written as the seed escape "\\n" that make_database.py turns into CR LF.
- A poem is dropped when any character of its poet, title or text is outside GBK; when its poet's name
  has lost characters (a single character left); when it holds a placeholder or an editor's mark (□, ○,
  brackets of notes, digits, Latin letters); when it has fewer than MIN_CHARS Chinese characters; or
  when the picker could not show it: the picker lays one check box per character and starts a new line
  of boxes at every line break, "，", "。" and "？", so a poem needing more than MAX_PICKER_LINES such
  lines, or more than MAX_PICKER_WIDTH boxes on one, is left out.
- (poet, title) is unique: a repeated title gets " 其二", " 其三", ... in reading order.
"""
import glob
import json
import math
import os
import re
import subprocess
import sys
import tarfile
import tempfile

import hanzi_source

PACKAGE = "chinese-poetry@2.0.1"
MAX_PICKER_LINES = 24   # lines of check boxes the picker lays out for one poem
MAX_PICKER_WIDTH = 12   # check boxes on one of those lines
MIN_CHARS = 4           # fewer Chinese characters: a placeholder, not a poem
TANG_COUNT = 6000
SONG_POEM_COUNT = 4000
SONG_CI_COUNT = 2500
YUANQU_COUNT = 1500
RANK_ENGINES = ("baidu", "so360", "bing", "google")
FRAGMENT_TITLES = ("句", "偈", "颂", "失题", "逸句", "断句", "存目")

root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
out_path = os.path.join(root, "data", "seed", "诗词.tsv")

PUNCTUATION = set("，。？！：；、“”‘’《》·—…")
QUOTES = {"「": "“", "」": "”", "『": "‘", "』": "’", "・": "·"}


def package_folder(argv):
    if len(argv) > 1:
        return os.path.join(argv[1], "dist") if os.path.isdir(os.path.join(argv[1], "dist")) else argv[1]
    scratch = os.path.join(tempfile.gettempdir(), "bn-chinese-poetry")
    dist = os.path.join(scratch, "package", "dist")
    if not os.path.isdir(dist):
        os.makedirs(scratch, exist_ok=True)
        subprocess.run(["npm", "pack", "--silent", PACKAGE], cwd=scratch, check=True, stdout=subprocess.DEVNULL)
        with tarfile.open(os.path.join(scratch, "chinese-poetry-2.0.1.tgz")) as tar:
            tar.extractall(scratch)
    return dist


def load(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


class Simplifier:
    def __init__(self):
        facts = hanzi_source.HanziFacts(extra_fields={"kSimplifiedVariant", "kSemanticVariant"})
        gb2312 = {ch for _, ch in facts.gb2312}
        self.map = {}
        for cp, props in facts.props.items():
            ch = chr(cp)
            target = self._simplified(facts, gb2312, ch)
            if target not in gb2312 and "kSemanticVariant" in props:
                for item in props["kSemanticVariant"].split():
                    variant = self._simplified(facts, gb2312, chr(int(item.split("<")[0][2:], 16)))
                    if variant in gb2312:
                        target = variant
                        break
            if target != ch:
                self.map[ch] = target

    @staticmethod
    def _simplified(facts, gb2312, ch):
        value = facts.prop(ch, "kSimplifiedVariant")
        if not value:
            return ch
        forms = [chr(int(v[2:], 16)) for v in value.split()]
        return ch if ch in forms and ch in gb2312 else forms[0]

    def __call__(self, text):
        return "".join(self.map.get(ch, QUOTES.get(ch, ch)) for ch in text)


def is_hanzi(ch):
    cp = ord(ch)
    return 0x3400 <= cp <= 0x4DBF or 0x4E00 <= cp <= 0x9FFF or 0xF900 <= cp <= 0xFAFF


def clean_text(text, allow_space=False):
    """The text when every character is a GBK ideograph or kept punctuation, else None."""
    for ch in text:
        if not (is_hanzi(ch) or ch in PUNCTUATION or (allow_space and ch == " ")):
            return None
        try:
            ch.encode("gbk")
        except UnicodeEncodeError:
            return None
    return text


class Table:
    def __init__(self, simplify):
        self.simplify = simplify
        self.rows = []
        self.used = set()     # (poet, title) of the rows so far
        self.repeats = {}     # (poet, title) -> number of its last repeat
        self.dropped = 0

    def add(self, dynasty, poet, title, lines):
        poet = clean_text(self.simplify(poet.strip()))
        title = clean_text(self.simplify(" ".join(title.split())), allow_space=True)
        lines = [clean_text(self.simplify(line.strip())) for line in lines if line.strip()]
        if not poet or len(poet) < 2 or not title or not lines or None in lines:
            self.dropped += 1
            return False
        if sum(1 for line in lines for ch in line if is_hanzi(ch)) < MIN_CHARS:
            self.dropped += 1
            return False
        picker_lines = [piece for piece in re.split("[，。？\n]+", "\n".join(lines)) if piece]
        if len(picker_lines) > MAX_PICKER_LINES or max(len(piece) for piece in picker_lines) > MAX_PICKER_WIDTH:
            self.dropped += 1
            return False
        unique = title
        if (poet, title) in self.used:
            number = self.repeats.get((poet, title), 1)
            while (poet, unique) in self.used:
                number += 1
                unique = "%s 其%s" % (title, chinese_number(number))
            self.repeats[(poet, title)] = number
        self.used.add((poet, unique))
        self.rows.append((dynasty, poet, unique, "\\n".join(lines)))
        return True


def chinese_number(n):
    digits = "零一二三四五六七八九"
    if n < 10:
        return digits[n]
    if n < 20:
        return "十" + (digits[n % 10] if n % 10 else "")
    return digits[n // 10] + "十" + (digits[n % 10] if n % 10 else "")


def rank_weight(entry):
    return sum(math.log1p(entry.get(engine) or 0) for engine in RANK_ENGINES)


def is_fragment(title):
    return not title.strip() or title.startswith(FRAGMENT_TITLES)


def ranked(poems, ranks, title_key):
    """The poems, heaviest first (ties keep the package's order)."""
    weights = {}
    for entry in ranks:
        key = (entry.get("author"), entry.get(title_key))
        weights[key] = max(weights.get(key, 0.0), rank_weight(entry))
    order = sorted(range(len(poems)), key=lambda i: -weights.get((poems[i]["author"], poems[i][title_key]), 0.0))
    return [poems[i] for i in order]


def files(dist, pattern):
    """The package's numbered files in their numeric order."""
    def number(path):
        digits = "".join(c for c in os.path.basename(path) if c.isdigit())
        return int(digits) if digits else 0
    return sorted(glob.glob(os.path.join(dist, pattern)), key=number)


def add_ranked(table, dynasty, poems, count, title_key, simplify, min_lines):
    added = 0
    for poem in poems:
        if added == count:
            break
        title = poem[title_key]
        if is_fragment(simplify(title)) or len(poem["paragraphs"]) < min_lines:
            continue
        if table.add(dynasty, poem["author"], title, poem["paragraphs"]):
            added += 1
    return added


def main():
    dist = package_folder(sys.argv)
    simplify = Simplifier()
    table = Table(simplify)
    counts = {}

    for poem in load(os.path.join(dist, "shijing", "shijing.json")):
        table.add("先秦", "佚名", poem["title"], poem["content"])
    for poem in load(os.path.join(dist, "chuci", "chuci.json")):
        dynasty = "先秦" if poem["author"] in ("屈原", "宋玉", "景差") else "汉"
        table.add(dynasty, poem["author"], poem["title"], poem["content"])
    for poem in load(os.path.join(dist, "caocaoshiji", "caocao.json")):
        table.add("魏晋", "曹操", poem["title"], poem["paragraphs"])

    def collection(poem_pattern, rank_pattern):
        poems = [p for f in files(dist, poem_pattern) for p in load(f)]
        ranks = [r for f in files(dist, rank_pattern) for r in load(f)]
        return poems, ranks

    poems, ranks = collection("quantangshi/poet.tang.*.json", "rank/poet/poet.tang.rank.*.json")
    counts["唐"] = add_ranked(table, "唐", ranked(poems, ranks, "title"), TANG_COUNT, "title", simplify, 2)
    poems, ranks = collection("quantangshi/poet.song.*.json", "rank/poet/poet.song.rank.*.json")
    counts["宋诗"] = add_ranked(table, "宋", ranked(poems, ranks, "title"), SONG_POEM_COUNT, "title", simplify, 2)
    poems, ranks = collection("songci/ci.song.*.json", "rank/ci/ci.song.rank.*.json")
    counts["宋词"] = add_ranked(table, "宋", ranked(poems, ranks, "rhythmic"), SONG_CI_COUNT, "rhythmic", simplify, 1)

    added = 0
    for poem in load(os.path.join(dist, "yuanqu", "yuanqu.json")):
        if added < YUANQU_COUNT and table.add("元", poem["author"], poem["title"], poem["paragraphs"]):
            added += 1
    counts["元曲"] = added
    for path in glob.glob(os.path.join(dist, "nalanxingde", "*.json")):
        for poem in load(path):
            table.add("清", poem["author"], poem["title"], poem["para"])

    os.makedirs(os.path.dirname(out_path), exist_ok=True)
    with open(out_path, "w", encoding="utf-8", newline="") as f:
        f.write("朝代\t诗人\t诗名\t诗句\n")
        for row in table.rows:
            f.write("\t".join(row) + "\n")
    by_dynasty = {}
    for row in table.rows:
        by_dynasty[row[0]] = by_dynasty.get(row[0], 0) + 1
    print("gen_poems: %d poems (%s), ranked: %s, %d dropped; %.1f MB" % (
        len(table.rows), ", ".join("%s %d" % kv for kv in by_dynasty.items()),
        ", ".join("%s %d" % kv for kv in counts.items()), table.dropped, os.path.getsize(out_path) / 1e6))


if __name__ == "__main__":
    main()
