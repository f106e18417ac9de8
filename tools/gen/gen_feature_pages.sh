#!/usr/bin/env bash
# Writes the contents of the 趣味工具 feature pages from the program's own calendar service, character
# tables, number tables and rules: app/feature_page_texts.inc (texts of the window definition) and
# app/pages/*.htm (the local pages of the HTML viewers). Builds the generator in the native build and
# runs it; two runs write identical bytes.
#   BN_BUILD_ROOT=build-x bash tools/gen/gen_feature_pages.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
build="${BN_BUILD_ROOT:-build}/native"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target bn_feature_pages_gen
mkdir -p app/pages
"$build/app/bn_feature_pages_gen" app
echo "wrote app/feature_page_texts.inc and app/pages/"
