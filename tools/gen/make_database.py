#!/usr/bin/env python3
"""Builds the program database (an SQLite file) from data/schema.sql and the seed files data/seed/*.tsv.

Each seed file is UTF-8, tab-separated, named after its table, with a header line naming the columns
it fills; "\\n" inside a field stands for a line break, stored as CR LF (the program's texts are
Windows texts). Tables without a seed file stay empty.
Usage: make_database.py <output file>
"""
import csv
import os
import sqlite3
import sys

root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
data_dir = os.path.join(root, "data")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out_path = sys.argv[1]
    os.makedirs(os.path.dirname(os.path.abspath(out_path)), exist_ok=True)
    temp_path = out_path + ".tmp"
    if os.path.exists(temp_path):
        os.remove(temp_path)
    db = sqlite3.connect(temp_path)
    with open(os.path.join(data_dir, "schema.sql"), encoding="utf-8") as f:
        db.executescript(f.read())
    tables = {row[0] for row in db.execute("select name from sqlite_master where type='table'")}
    seed_dir = os.path.join(data_dir, "seed")
    for name in sorted(os.listdir(seed_dir)) if os.path.isdir(seed_dir) else []:
        if not name.endswith(".tsv"):
            continue
        table = name[:-4]
        if table not in tables:
            sys.exit("make_database: seed %s has no table in schema.sql" % name)
        with open(os.path.join(seed_dir, name), encoding="utf-8", newline="") as f:
            rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
        header, body = rows[0], [r for r in rows[1:] if r]
        for r in body:
            if len(r) != len(header):
                sys.exit("make_database: %s: a row has %d fields, the header %d: %r" % (name, len(r), len(header), r))
        columns = ",".join('"%s"' % c for c in header)
        marks = ",".join("?" for _ in header)
        db.executemany('insert into "%s" (%s) values (%s)' % (table, columns, marks),
                       [[v.replace("\\n", "\r\n") for v in r] for r in body])
    db.commit()
    db.close()
    os.replace(temp_path, out_path)


if __name__ == "__main__":
    main()
