#!/usr/bin/env python3
"""Writes a copy of source folders in which every narrow text literal holds only ASCII.

The program's sources are UTF-8 and GCC turns their literals into GBK (-fexec-charset=GBK). Clang has
no such option, so the fuzz build compiles this copy instead: each non-ASCII character inside a plain
"..." or '...' literal becomes the \\x escapes of its GBK bytes (converted by iconv, as GCC does), and
a literal is split where an escape would otherwise swallow a following hex digit ("\\xD5\\xC5" "abc").
Comments, u"", U"", L"" and u8"" literals stay as they are. check_escaped.py proves the copy compiles
to the same objects as the sources.

    gbk_escape.py ROOT OUT PATH...       (PATH: files or folders relative to ROOT)
Unchanged files are not rewritten, so a build does not redo them; files gone from ROOT leave OUT.
"""
import os
import subprocess
import sys

SOURCE_SUFFIXES = ('.c', '.cc', '.cpp', '.h', '.inc')
SKIPPED_FOLDERS = {os.path.join('runtime', 'forms')}  # Windows code: never part of the fuzz build
HEX_DIGITS = set('0123456789abcdefABCDEF')
ENCODING_PREFIXES = {'L', 'u', 'U', 'u8'}


class EscapeError(Exception):
    pass


def gbk_bytes_of(chars):
    """GBK bytes of each character, by iconv (glibc's GBK, the table GCC converts with)."""
    chars = sorted(chars)
    if not chars:
        return {}
    # One character per line; iconv fails on a character GBK lacks, as GCC would.
    result = subprocess.run(['iconv', '-f', 'UTF-8', '-t', 'GBK'], input='\n'.join(chars).encode('utf-8'),
                            capture_output=True)
    if result.returncode != 0:
        raise EscapeError('iconv cannot convert: ' + result.stderr.decode(errors='replace'))
    lines = result.stdout.split(b'\n')
    if len(lines) != len(chars):
        raise EscapeError('iconv gave %d lines for %d characters' % (len(lines), len(chars)))
    return dict(zip(chars, lines))


def literal_end(src, start, quote):
    """Index of the closing quote of the literal whose opening quote is at start."""
    i = start + 1
    while i < len(src):
        if src[i] == '\\':
            i += 2
            continue
        if src[i] == quote:
            return i
        if src[i] == '\n':
            break
        i += 1
    raise EscapeError('unterminated literal at offset %d' % start)


def escape_body(body, quote, gbk):
    out = []
    after_converted = False  # the last thing written is the escape of a converted character
    i = 0
    while i < len(body):
        ch = body[i]
        if ch == '\\':
            # An escape of the source stays as it is, with whatever it takes after it.
            nxt = body[i + 1]
            if nxt in 'uU':
                raise EscapeError('universal character name in a narrow literal: ' + body)
            j = i + 2
            if nxt == 'x':
                while j < len(body) and body[j] in HEX_DIGITS:
                    j += 1
            out.append(body[i:j])
            after_converted = False
            i = j
            continue
        if ord(ch) >= 0x80:
            encoded = gbk[ch]
            if quote == "'" and len(encoded) != 1:
                raise EscapeError('a character literal holds a two-byte character: ' + body)
            out.append(''.join('\\x%02X' % b for b in encoded))
            after_converted = True
            i += 1
            continue
        if after_converted and ch in HEX_DIGITS:
            if quote == "'":
                raise EscapeError('cannot split a character literal: ' + body)
            out.append('" "')
        out.append(ch)
        after_converted = False
        i += 1
    return ''.join(out)


def rewrite(src):
    """The source with every narrow literal made ASCII; the source itself when it has none to change."""
    if all(ord(c) < 0x80 for c in src):
        return src
    # First pass: the characters to convert; second: the rewrite.
    pieces = []
    wanted = set()
    i = 0
    while i < len(src):
        if src.startswith('//', i):
            j = src.find('\n', i)
            j = len(src) if j < 0 else j
            pieces.append(('code', src[i:j]))
            i = j
        elif src.startswith('/*', i):
            j = src.find('*/', i + 2)
            j = len(src) if j < 0 else j + 2
            pieces.append(('code', src[i:j]))
            i = j
        elif src[i] in '"\'':
            k = i
            while k > 0 and (src[k - 1].isalnum() or src[k - 1] == '_'):
                k -= 1
            prefix = src[k:i]
            if prefix.endswith('R'):
                raise EscapeError('raw string literal at offset %d' % i)
            if src[i] == "'" and prefix and prefix[0].isdigit():
                raise EscapeError('digit separator at offset %d' % i)
            j = literal_end(src, i, src[i])
            if prefix in ENCODING_PREFIXES:
                pieces.append(('code', src[i:j + 1]))
            else:
                pieces.append(('literal', src[i:j + 1]))
                wanted.update(c for c in src[i + 1:j] if ord(c) >= 0x80)
            i = j + 1
        else:
            j = i
            while j < len(src) and src[j] not in '"\'/':
                j += 1
            j = max(j, i + 1)
            pieces.append(('code', src[i:j]))
            i = j
    gbk = gbk_bytes_of(wanted)
    out = []
    for kind, text in pieces:
        if kind == 'literal':
            quote = text[0]
            out.append(quote + escape_body(text[1:-1], quote, gbk) + quote)
        else:
            out.append(text)
    return ''.join(out)


def files_under(root, paths):
    for path in paths:
        full = os.path.join(root, path)
        if os.path.isfile(full):
            yield path
            continue
        for folder, dirs, names in os.walk(full):
            relative_folder = os.path.relpath(folder, root)
            dirs[:] = sorted(d for d in dirs if os.path.join(relative_folder, d) not in SKIPPED_FOLDERS)
            for name in sorted(names):
                yield os.path.join(relative_folder, name)


def write_if_changed(path, data):
    try:
        with open(path, 'rb') as f:
            if f.read() == data:
                return
    except FileNotFoundError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def main(argv):
    if len(argv) < 4:
        sys.stderr.write(__doc__)
        return 2
    root, out, paths = argv[1], argv[2], argv[3:]
    written = set()
    for relative in files_under(root, paths):
        with open(os.path.join(root, relative), 'rb') as f:
            data = f.read()
        if relative.endswith(SOURCE_SUFFIXES):
            try:
                data = rewrite(data.decode('utf-8')).encode('utf-8')
            except EscapeError as e:
                sys.stderr.write('%s: %s\n' % (relative, e))
                return 1
        write_if_changed(os.path.join(out, relative), data)
        written.add(os.path.normpath(relative))
    for folder, _, names in os.walk(out):
        for name in names:
            relative = os.path.normpath(os.path.relpath(os.path.join(folder, name), out))
            if relative not in written:
                os.remove(os.path.join(folder, name))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
