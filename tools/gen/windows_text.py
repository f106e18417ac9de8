#!/usr/bin/env python3
"""Writes a UTF-8 text file as Notepad on a Chinese Windows reads it right: a byte-order mark and CRLF
line ends (without the mark, older Notepads take the bytes for GBK).

    windows_text.py SOURCE TARGET
"""
import sys


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[1], encoding='utf-8') as f:
        lines = f.read().splitlines()
    with open(argv[2], 'w', encoding='utf-8-sig', newline='\r\n') as f:
        f.write('\n'.join(lines) + '\n')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
