#!/usr/bin/env bash
# Builds the Debian package and prints its path:
#   ./tools/package.sh             # a release build in build/release, then
#                                  # build/release/marlune-datalogger_3.1-1_amd64.deb
#   ./tools/package.sh BUILD_DIR   # packages an existing build folder instead
# Install it with: sudo apt install ./build/release/marlune-datalogger_3.1-1_amd64.deb
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${ML_BUILD_DIR:-$top/build}/release}

"$top/tools/install-deps.sh"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release \
          -DML_BUILD_TESTS=OFF -DML_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" >&2
log=$(cd "$build" && cpack -G DEB) || { echo "$log" >&2; exit 1; }
deb=$(printf '%s\n' "$log" | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p')
[ -f "$deb" ] || { echo "$log" >&2; echo "cpack made no .deb" >&2; exit 1; }
echo "$deb"
