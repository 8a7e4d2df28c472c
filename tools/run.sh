#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
#   ./tools/run.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ML_BUILD_DIR:-$top/build}/plain

"$top/tools/install-deps.sh"

# Same configuration as the plain build of tools/test.sh, so the two share one build.
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DML_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

exec "$build/bin/marlune-datalogger" "$@"
