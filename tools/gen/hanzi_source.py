"""Character facts for the hanzi generators, read from Debian's unicode-data package.

Source: the Unihan database (Unihan_*.txt.bz2) and CJKRadicals.txt of the Unicode Character Database
15.0.0 as installed by Debian's unicode-data package under /usr/share/unicode.
Copyright (c) 1991-2022 Unicode, Inc. Distributed under the Unicode License
(https://www.unicode.org/license.txt). The generated tables are modified, derived data: the
properties below are selected, recombined and re-encoded in GBK as each generator describes.
Unihan properties used: kTotalStrokes, kRSKangXi, kRSUnicode, kMandarin, kXHC1983, kHanyuPinyin,
kTraditionalVariant, kGB0, kGB1. GBK codes come from Python's own "gbk" codec (code page 936).

Shared rules:
- GBK hanzi: every two-byte GBK code that decodes to a CJK ideograph; GB2312 hanzi: lead byte
  0xB0-0xF7, trail byte 0xA1-0xFE.
- Traditional form (same length, in place), only for characters with a kTraditionalVariant: the
  variant that GB 12345 (the traditional counterpart of GB2312) puts at the character's own GB2312
  code position (kGB0 = kGB1) when there is one; otherwise, for a character that is only a simplified
  form (its variants do not include itself), its first variant that GBK holds; a form that converts
  again is followed to its end (苎 -> 苧 -> 薴). Everything else stays.
- Readings: kMandarin first (its first value, the mainland reading), then the readings of kXHC1983
  and kHanyuPinyin in their order, each once. Tone-marked letters that GBK lacks lose their tone mark.
"""
import bz2
import os
import unicodedata

UNICODE_DIR = "/usr/share/unicode"
UNIHAN_FILES = ["IRGSources", "OtherMappings", "RadicalStrokeCounts", "Readings", "Variants"]
UNIHAN_FIELDS = {"kTotalStrokes", "kRSKangXi", "kRSUnicode", "kMandarin", "kXHC1983", "kHanyuPinyin",
                 "kTraditionalVariant", "kGB0", "kGB1"}

SOURCE_NOTE = (
    "Derived from the Unicode Character Database 15.0.0 (Unihan, CJKRadicals.txt) of Debian's\n"
    "unicode-data package. Copyright (c) 1991-2022 Unicode, Inc. Unicode License\n"
    "(https://www.unicode.org/license.txt). Modified: selected properties, recombined, re-encoded in GBK.")


def _is_ideograph(ch):
    cp = ord(ch)
    return (0x3400 <= cp <= 0x4DBF or 0x4E00 <= cp <= 0x9FFF or 0xF900 <= cp <= 0xFAFF
            or 0x20000 <= cp <= 0x3FFFF)


class HanziFacts:
    def __init__(self, extra_fields=()):
        """extra_fields: Unihan properties to load beside the shared ones (a generator's own needs)."""
        fields = UNIHAN_FIELDS | set(extra_fields)
        self.props = {}
        for name in UNIHAN_FILES:
            path = os.path.join(UNICODE_DIR, "Unihan_%s.txt.bz2" % name)
            with bz2.open(path, "rt", encoding="utf-8") as f:
                for line in f:
                    if line.startswith("#") or not line.strip():
                        continue
                    code, field, value = line.rstrip("\n").split("\t", 2)
                    if field in fields:
                        self.props.setdefault(int(code[2:], 16), {})[field] = value
        self.gbk = []  # (gbk bytes, character) in code order
        for lead in range(0x81, 0xFF):
            for trail in range(0x40, 0xFF):
                if trail == 0x7F:
                    continue
                raw = bytes([lead, trail])
                try:
                    ch = raw.decode("gbk")
                except UnicodeDecodeError:
                    continue
                if len(ch) == 1 and _is_ideograph(ch):
                    self.gbk.append((raw, ch))
        self.gbk_set = {ch for _, ch in self.gbk}
        self.gb2312 = [(raw, ch) for raw, ch in self.gbk if 0xB0 <= raw[0] <= 0xF7 and 0xA1 <= raw[1] <= 0xFE]
        self.radical_strokes = self._load_radical_strokes()
        self.traditional = self._make_traditional_map()

    def prop(self, ch, field):
        return self.props.get(ord(ch), {}).get(field)

    # Full stroke count of each Kangxi radical 1-214. The 214 radicals stand in the order of their
    # stroke counts (1-6 one stroke, 7-29 two, ... 214 seventeen); CJKRadicals.txt names them.
    def _load_radical_strokes(self):
        firsts = [1, 7, 30, 61, 95, 118, 147, 167, 176, 187, 195, 201, 205, 209, 211, 212, 214]
        numbers = set()
        with open(os.path.join(UNICODE_DIR, "CJKRadicals.txt"), encoding="utf-8") as f:
            for line in f:
                line = line.split("#")[0].strip()
                if line and not line.split(";")[0].strip().endswith("'"):
                    numbers.add(int(line.split(";")[0]))
        assert numbers == set(range(1, 215)), len(numbers)
        return {n: max(i + 1 for i, first in enumerate(firsts) if n >= first) for n in numbers}

    def _make_traditional_map(self):
        by_gb1 = {}
        for cp, p in self.props.items():
            if "kGB1" in p:
                by_gb1[p["kGB1"]] = chr(cp)
        mapping = {}
        for _, ch in self.gbk:
            variants = self.prop(ch, "kTraditionalVariant")
            if not variants:
                continue  # not the simplified form of anything
            forms = [chr(int(v[2:], 16)) for v in variants.split()]
            target = ch
            counterpart = by_gb1.get(self.prop(ch, "kGB0"))
            if counterpart in forms:
                target = counterpart
            elif ch not in forms:
                target = next((t for t in forms if t in self.gbk_set), ch)
            if target != ch and target in self.gbk_set:
                mapping[ch] = target
        # A traditional form that is itself the simplified form of another (苎 苧 薴): go to the end.
        for ch in mapping:
            while mapping[ch] in mapping:
                mapping[ch] = mapping[mapping[ch]]
        return mapping

    def to_traditional(self, ch):
        return self.traditional.get(ch, ch)

    def total_strokes(self, ch):
        """kTotalStrokes, its first (mainland) value; None when absent."""
        value = self.prop(ch, "kTotalStrokes")
        return int(value.split()[0]) if value else None

    def radical_and_residual(self, ch):
        """(Kangxi radical number, residual strokes) from kRSKangXi, else the first kRSUnicode value."""
        value = self.prop(ch, "kRSKangXi") or self.prop(ch, "kRSUnicode")
        if not value:
            return None
        radical, residual = value.split()[0].split(".")
        return int(radical.rstrip("'")), int(residual)

    def readings(self, ch):
        """Tone-marked readings, the common one first, each once."""
        out = []

        def add(reading):
            reading = gbk_pinyin(reading)
            if reading and reading not in out:
                out.append(reading)

        mandarin = self.prop(ch, "kMandarin")
        if mandarin:
            add(mandarin.split()[0])
        xhc = self.prop(ch, "kXHC1983")
        if xhc:
            for item in xhc.split():
                for reading in item.split(":", 1)[1].split(","):
                    add(reading)
        hanyu = self.prop(ch, "kHanyuPinyin")
        if hanyu:
            for item in hanyu.split():
                for reading in item.split(":", 1)[1].split(","):
                    add(reading)
        return out


def gbk_pinyin(reading):
    """The reading with every letter GBK can write; other letters lose their marks (ǹ -> n, ê̄ -> ê)."""
    out = []
    for ch in unicodedata.normalize("NFC", reading):
        try:
            ch.encode("gbk")
            out.append(ch)
        except UnicodeEncodeError:
            base = "".join(c for c in unicodedata.normalize("NFD", ch) if not unicodedata.combining(c))
            for b in unicodedata.normalize("NFC", base):
                try:
                    b.encode("gbk")
                    out.append(b)
                except UnicodeEncodeError:
                    pass
    return "".join(out)


def plain_pinyin(reading):
    """Plain lower-case letters: tone marks removed, ü written v, ê written e."""
    out = []
    for ch in unicodedata.normalize("NFD", reading):
        if unicodedata.combining(ch):
            if ch == "\u0308":  # the diaeresis of ü
                out[-1] = "v"
            continue
        out.append(ch)
    return "".join(out).replace("ê", "e")


def kangxi_count(facts, ch):
    """Kangxi stroke count: on the traditional form, the radical's full count plus the residual strokes;
    the numerals 一 to 十 at their own value. None when Unihan has no radical for it."""
    numerals = "一二三四五六七八九十"
    if ch in numerals:
        return numerals.index(ch) + 1
    rs = facts.radical_and_residual(facts.to_traditional(ch))
    if rs is None:
        return None
    radical, residual = rs
    return max(1, facts.radical_strokes[radical] + residual)


def cpp_string_lines(text, width=40, indent="    "):
    """A C++ string literal split over lines of `width` characters. Non-ASCII characters stay as UTF-8
    (the compiler turns them into GBK); quotes, backslashes and control characters are escaped."""
    lines = []
    for i in range(0, len(text), width):
        piece = text[i:i + width]
        escaped = []
        for ch in piece:
            if ch in '"\\':
                escaped.append("\\" + ch)
            elif ch == "\r":
                escaped.append("\\r")
            elif ch == "\n":
                escaped.append("\\n")
            else:
                escaped.append(ch)
        lines.append(indent + '"' + "".join(escaped) + '"')
    return "\n".join(lines) if lines else indent + '""'


def repo_root():
    return os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
