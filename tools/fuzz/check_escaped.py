#!/usr/bin/env python3
"""Proves that the copy written by gbk_escape.py means the same as the sources.

Every C++ source of the copied folders (tests aside) that the rewrite touched, itself or through a
header it includes, is compiled twice with g++: the original with -fexec-charset=GBK, as the program
is built, and the copy with -fexec-charset=UTF-8, as clang reads it. The two objects must be
byte-identical; then the copy's literals hold exactly the GBK bytes of the program's, whatever
compiler builds the copy. (A source whose bytes and included headers are all the same in both trees
cannot differ.)

    check_escaped.py ROOT COPY STAMP FOLDER...
Writes STAMP when every object matches; exits 1, naming the files, when one does not.
"""
import concurrent.futures
import filecmp
import os
import subprocess
import sys
import tempfile


INCLUDE_FOLDERS = ['.', 'services', 'naming']  # the -I folders below, besides the file's own


def sources(copy, folders):
    for folder in folders:
        for base, dirs, names in os.walk(os.path.join(copy, folder)):
            dirs.sort()
            for name in sorted(names):
                if name.endswith('.cpp') and not name.endswith('_test.cpp'):
                    yield os.path.relpath(os.path.join(base, name), copy)


def quoted_includes(tree, relative):
    """The project files a file includes with #include "...", as paths relative to the tree."""
    found = []
    with open(os.path.join(tree, relative), encoding='utf-8', errors='replace') as f:
        for line in f:
            line = line.strip()
            if not line.startswith('#include "'):
                continue
            name = line.split('"')[1]
            for folder in [os.path.dirname(relative)] + INCLUDE_FOLDERS:
                candidate = os.path.normpath(os.path.join(folder, name))
                if os.path.isfile(os.path.join(tree, candidate)):
                    found.append(candidate)
                    break
    return found


def touched(root, copy, relative, seen):
    """True when the file or anything it includes differs between the two trees."""
    if relative in seen:
        return seen[relative]
    seen[relative] = False  # include cycles end here
    different = not filecmp.cmp(os.path.join(root, relative), os.path.join(copy, relative), shallow=False)
    seen[relative] = different or any(touched(root, copy, inc, seen) for inc in quoted_includes(copy, relative))
    return seen[relative]


def compile_object(tree, relative, charset, out):
    command = ['g++', '-std=c++17', '-O0', '-w', '-c', '-finput-charset=UTF-8', '-fexec-charset=' + charset,
               '-I.', '-Iservices', '-Inaming', relative, '-o', out]
    result = subprocess.run(command, cwd=tree, capture_output=True, text=True)
    return result.returncode == 0, result.stderr


def check(root, copy, relative, scratch):
    stem = os.path.join(scratch, relative.replace(os.sep, '_'))
    ok_original, errors_original = compile_object(root, relative, 'GBK', stem + '.gbk.o')
    ok_copy, errors_copy = compile_object(copy, relative, 'UTF-8', stem + '.copy.o')
    if not (ok_original and ok_copy):
        return relative, 'does not compile: ' + (errors_original or errors_copy)[:2000]
    if not filecmp.cmp(stem + '.gbk.o', stem + '.copy.o', shallow=False):
        return relative, 'the objects differ'
    return relative, None


def main(argv):
    if len(argv) < 5:
        sys.stderr.write(__doc__)
        return 2
    root, copy, stamp, folders = argv[1], argv[2], argv[3], argv[4:]
    seen = {}
    every = list(sources(copy, folders))
    files = [f for f in every if touched(root, copy, f, seen)]
    # As many compilers at once as the build may use: its parallel level, else the cores at hand.
    jobs = int(os.environ.get('CMAKE_BUILD_PARALLEL_LEVEL') or len(os.sched_getaffinity(0)))
    failures = []
    with tempfile.TemporaryDirectory() as scratch, concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        for relative, problem in pool.map(lambda f: check(root, copy, f, scratch), files):
            if problem:
                failures.append('%s: %s' % (relative, problem))
    if failures:
        sys.stderr.write('check_escaped: the escaped copy differs from the GCC build:\n' + '\n'.join(failures) + '\n')
        return 1
    report = '%d objects byte-identical to the GCC build (%d more sources are the same bytes)' % (
        len(files), len(every) - len(files))
    with open(stamp, 'w') as f:
        f.write(report + '\n')
    print('check_escaped: ' + report)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
