#!/usr/bin/env bash
# Installs what building, running, packaging and testing need on a fresh Debian 12 machine (run as
# root), all from Debian's packages. Quick when all is there.
set -euo pipefail
packages=(
  ca-certificates cmake ninja-build g++ googletest libgtest-dev libsqlite3-dev python3 unicode-data
  wine64 fonts-wine
  libxrender1 libxext6 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3 libxxf86vm1 libgnutls30
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  xvfb xauth x11-apps x11-utils imagemagick fonts-wqy-microhei fonts-wqy-zenhei fonts-noto-cjk locales
  clang-14 libclang-rt-14-dev
)
# The MinGW builds take SQLite's amalgamation from the npm registry at configure time. A Node.js that
# is there already (with its own npm) is kept; otherwise Debian's npm brings Debian's Node.js.
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qx 'zh_CN.utf8'; then
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
command -v npm >/dev/null 2>&1 || { echo "install-deps: npm is still missing after installing Debian's npm" >&2; exit 1; }
