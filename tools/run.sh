#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program against the tester
# emulator, so a whole download runs without hardware:
#   ./tools/run.sh
# The emulator's port is preselected; press Download and the data arrives. The
# demo keeps its settings in build/plain/demo/config, the user's own stay untouched.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ML_BUILD_DIR:-$top/build}/plain

"$top/tools/install-deps.sh"

# Same configuration as the plain build of tools/test.sh, so the two share one build.
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DML_WERROR=ON >/dev/null
# Only what the demo runs (the program with its catalogues and help, and the emulator): the
# tests and benchmarks are built by tools/test.sh.
cmake --build "$build" -j"$(nproc)" --target marlune-datalogger tester-emulator

demo=$build/demo
link=$demo/ttyTESTER
mkdir -p "$demo/config/DRAVLIN"

# The tester: answers the program's two commands with its stored results at 9600 baud.
"$build/bin/tester-emulator" --link "$link" >"$demo/emulator.log" 2>&1 &
emulator=$!
trap 'kill "$emulator" 2>/dev/null || true; wait "$emulator" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -e "$link" ] && break
    kill -0 "$emulator" 2>/dev/null || { cat "$demo/emulator.log" >&2; exit 1; }
    sleep 0.1
done
[ -e "$link" ] || { echo "The tester emulator did not start; see $demo/emulator.log" >&2; exit 1; }

# Preselect the emulator's port: Device/PortName in the demo's settings file,
# the rest of the file (language, window) kept as the last demo left it.
conf="$demo/config/DRAVLIN/DRAVLIN Solar Datalogger.conf"
touch "$conf"
quoted=$(printf '%s' "$link" | sed 's/\\/\\\\/g; s/"/\\"/g')
awk -v value="\"$quoted\"" '
    /^\[/ { if (inDevice && !done) { print "PortName=" value; done = 1 }
            inDevice = ($0 == "[Device]") }
    inDevice && /^PortName=/ { if (!done) { print "PortName=" value; done = 1 } next }
    { print }
    END { if (!done) { if (!inDevice) print "\n[Device]"; print "PortName=" value } }
' "$conf" >"$conf.new"
mv "$conf.new" "$conf"

XDG_CONFIG_HOME=$demo/config "$build/bin/marlune-datalogger" "$@"
