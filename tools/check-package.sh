#!/usr/bin/env bash
# Checks build/BabyName-win64.zip (tools/package.sh) as a Windows user meets it: its list of files is
# the program folder of the build without the run-time settings, in one folder BabyName\, with plain
# ASCII names and a program under 15 MB; then the unpacked program is started once under Wine, shows
# its main window, and ends with code 0 when that is closed. Runs inside a Wine session
# (tools/wine/session.sh), as the test command does.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root="${BN_BUILD_ROOT:-build}"
case "$build_root" in /*) ;; *) build_root="$root/$build_root" ;; esac
zip="$build_root/BabyName-win64.zip"
unpacked="$build_root/package-check"
source tools/wine/session.sh

python3 - "$zip" "$build_root/win64/program" Dskin app/pages "$unpacked" <<'EOF'
import os, shutil, sys, zipfile
zip_path, program, skins, pages, unpacked = sys.argv[1:6]
left_out = {'data/setsoft.ini', 'data/config.ini'}
def files_below(folder):
    found = set()
    for base, _, names in os.walk(folder):
        for name in names:
            found.add(os.path.relpath(os.path.join(base, name), folder).replace(os.sep, '/'))
    return found
with zipfile.ZipFile(zip_path) as z:
    infos = z.infolist()
    names = [i.filename for i in infos]
    problems = []
    outside = [n for n in names if not n.startswith('BabyName/')]
    if outside:
        problems.append('outside the folder BabyName/: %s' % outside)
    inside = {n[len('BabyName/'):] for n in names if n.startswith('BabyName/') and not n.endswith('/')}
    required = ({'BabyName.exe', 'data/data.dll', 'LICENSES.txt'} | {'Dskin/' + f for f in files_below(skins)} |
                {'pages/' + f for f in files_below(pages)})
    missing = sorted(required - inside)
    if missing:
        problems.append('missing: %s' % missing)
    present = sorted(n for n in inside if n.lower() in left_out)
    if present:
        problems.append('run-time settings that must not ship: %s' % present)
    laid_out = {f for f in files_below(program) if f.lower() not in left_out}
    if inside != laid_out:
        problems.append('not the build\'s program folder: only in the zip %s, only in the folder %s' % (
            sorted(inside - laid_out), sorted(laid_out - inside)))
    non_ascii = [n for n in names if not n.isascii()]
    if non_ascii:
        problems.append('names that Windows\' own unzip may garble: %s' % non_ascii)
    exe = z.getinfo('BabyName/BabyName.exe') if 'BabyName/BabyName.exe' in names else None
    if exe and exe.file_size >= 15 * 1024 * 1024:
        problems.append('BabyName.exe is %d bytes, not under 15 MB' % exe.file_size)
    if problems:
        sys.exit('check-package: %s:\n  %s' % (zip_path, '\n  '.join(problems)))
    shutil.rmtree(unpacked, ignore_errors=True)
    z.extractall(unpacked)
    print('check-package: %s: %d files in BabyName\\, BabyName.exe %d bytes' % (
        os.path.basename(zip_path), len(inside), exe.file_size))
EOF

exe="$unpacked/BabyName/BabyName.exe"
if ! out=$(/usr/lib/wine/wine64 "$build_root/win64/tools/wine/bn_launch_program.exe" "$(bn_wine_path "$exe")" 2>&1 </dev/null); then
  echo "check-package: the unpacked program did not start and end cleanly:" >&2
  echo "$out" | iconv -f GBK -t UTF-8 -c >&2
  exit 1
fi
echo "check-package: the unpacked program showed its main window ($(echo "$out" | tr -d '\r' | grep '^window ' | cut -d' ' -f4,5 | tr ' ' x)) and ended with code 0"
