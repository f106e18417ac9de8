#!/usr/bin/env bash
# Writes build/BabyName-win64.zip: the 64-bit program folder as a Windows user unpacks and runs it, in a
# folder BabyName\ (BabyName.exe, data\data.dll, Dskin\, pages\, LICENSES.txt and whatever else the build lays
# out in build/win64/program), without the settings the program writes as it runs.
#   tools/package.sh [--no-build]     (--no-build: zip the folder as the last build left it)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root="${BN_BUILD_ROOT:-build}"
if [ "${1:-}" != --no-build ]; then
  bash tools/install-deps.sh
  bash tools/build.sh --target BabyName win64
fi
program_dir="$build_root/win64/program"
zip="$build_root/BabyName-win64.zip"
[ -f "$program_dir/BabyName.exe" ] || { echo "package: $program_dir/BabyName.exe was not built" >&2; exit 1; }
# The settings the program writes as it runs: the last surname and birth time, the chosen skin.
left_out=(data/setsoft.ini data/config.ini)
for f in "${left_out[@]}"; do
  [ -e "$program_dir/$f" ] && echo "package: the program has run from $program_dir: $f is left out, but favourites" \
    "and skin colours saved there are in the package (build again from a fresh checkout for a clean one)"
done
python3 - "$program_dir" "$zip" "${left_out[@]}" <<'EOF'
import os, sys, zipfile
folder, target, left_out = sys.argv[1], sys.argv[2], set(sys.argv[3:])
entries = []
for base, dirs, names in os.walk(folder):
    dirs.sort()
    for name in sorted(names):
        path = os.path.join(base, name)
        relative = os.path.relpath(path, folder).replace(os.sep, '/')
        if relative.lower() not in left_out:
            entries.append((path, 'BabyName/' + relative))
partial = target + '.partial'
with zipfile.ZipFile(partial, 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for path, name in entries:
        z.write(path, name)
os.replace(partial, target)
EOF
echo "package: $zip ($(du -k "$zip" | cut -f1) KB; BabyName.exe $(du -k "$program_dir/BabyName.exe" | cut -f1) KB)"
