#!/usr/bin/env bash
# Writes services/calendar/solar_term_table.inc from our own series of the Sun's longitude
# (services/calendar/solar_terms.cpp): builds the generator in the native build and runs it.
#   BN_BUILD_ROOT=build-x bash tools/gen/gen_solar_term_table.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
build="${BN_BUILD_ROOT:-build}/native"
# Only the generator is built: it does not need the table it writes.
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target bn_solar_term_table_gen
"$build/services/calendar/bn_solar_term_table_gen" > services/calendar/solar_term_table.inc.new
mv services/calendar/solar_term_table.inc.new services/calendar/solar_term_table.inc
echo "wrote services/calendar/solar_term_table.inc"
