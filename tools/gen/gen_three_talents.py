#!/usr/bin/env python3
"""Writes data/seed/SC.tsv, the rows of the database table SC: one row per three-talents title, the
elements of 天格, 人格 and 地格 in that order (5 x 5 x 5 = 125 rows). Texts of our own.

Columns: id (1-125), title (for example 木火土), luck (吉, 平 or 凶), explain (lines separated by
"<BR>"). UTF-8, tab-separated, a header line.

Luck rule, from the relations of the two neighbouring pairs 天-人 and 人-地: a pair in which one
element generates the other (木生火 火生土 土生金 金生水 水生木, either way round) counts +1, a pair of
the same element 0, a pair in which one overcomes the other (木克土 土克水 水克火 火克金 金克木, either
way round) -1. A sum of 1 or more is 吉, 0 is 平, -1 or less is 凶.

Run: python3 tools/gen/gen_three_talents.py
"""
import os

import hanzi_source

ELEMENTS = ["木", "火", "土", "金", "水"]  # generating order: each generates the next
GENERATES = {e: ELEMENTS[(i + 1) % 5] for i, e in enumerate(ELEMENTS)}
OVERCOMES = {e: ELEMENTS[(i + 2) % 5] for i, e in enumerate(ELEMENTS)}

CLOSINGS = {
    "吉": "三才配置相宜，基础稳固，事业顺遂，身心安泰。",
    "平": "三才配置平常，吉凶参半，宜守成待时，谨慎可安。",
    "凶": "三才配置失调，根基不稳，易生变故，须防身心劳苦。",
}


def relation(upper, lower, upper_name, lower_name):
    """(score, sentence) of one neighbouring pair."""
    if upper == lower:
        return 0, "%s%s同属%s，比和相助" % (upper_name, lower_name, upper)
    if GENERATES[upper] == lower:
        return 1, "%s%s生%s%s，上下相生" % (upper_name, upper, lower_name, lower)
    if GENERATES[lower] == upper:
        return 1, "%s%s生%s%s，得下方扶持" % (lower_name, lower, upper_name, upper)
    if OVERCOMES[upper] == lower:
        return -1, "%s%s克%s%s，受上方压制" % (upper_name, upper, lower_name, lower)
    return -1, "%s%s克%s%s，以下犯上" % (lower_name, lower, upper_name, upper)


def rows():
    number = 0
    for heaven in ELEMENTS:
        for person in ELEMENTS:
            for earth in ELEMENTS:
                number += 1
                score1, line1 = relation(heaven, person, "天格", "人格")
                score2, line2 = relation(person, earth, "人格", "地格")
                total = score1 + score2
                luck = "吉" if total >= 1 else ("平" if total == 0 else "凶")
                explanation = "%s。<BR>%s。<BR>%s" % (line1, line2, CLOSINGS[luck])
                yield [str(number), heaven + person + earth, luck, explanation]


def main():
    path = os.path.join(hanzi_source.repo_root(), "data", "seed", "SC.tsv")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    counts = {}
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("id\ttitle\tluck\texplain\n")
        for row in rows():
            counts[row[2]] = counts.get(row[2], 0) + 1
            out.write("\t".join(row) + "\n")
    print("SC rows:", sum(counts.values()), counts)


if __name__ == "__main__":
    main()
