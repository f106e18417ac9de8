#!/usr/bin/env bash
# Writes services/calendar/fixtures/ from lunar-javascript (npm, MIT), an independent Chinese calendar
# used only as a test oracle. The package is installed below the build folder, never into the tree:
#   BN_BUILD_ROOT=build-x bash tools/gen/gen_calendar_fixtures.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work="$root/${BN_BUILD_ROOT:-build}/calendar-oracle"
mkdir -p "$work"
cp "$root/tools/gen/calendar_oracle/package.json" "$work/"
(cd "$work" && npm install --no-audit --no-fund --silent)
node "$root/tools/gen/calendar_oracle/make_fixtures.js" "$work/node_modules" "$root/services/calendar/fixtures"
