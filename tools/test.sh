#!/usr/bin/env bash
# Installs what is missing, checks the layers' includes (tools/check-layers.sh), builds from
# scratch and runs every test:
#   1. the plain build, warnings as errors, the whole suite;
#   2. AddressSanitizer + UndefinedBehaviorSanitizer, the whole suite;
#   3. ThreadSanitizer, the serial tests (the worker thread and its locks);
#   3b. the Debian package made from the plain build: lintian, the installed tree, the
#      desktop validators, and the program run from the extracted package
#      (tools/package.sh, tools/check-package.sh);
#   4. the Windows serial layer, cross-built with mingw-w64 and run under Wine against a
#      pseudo-terminal (tools/check-windows.sh; installs mingw-w64 and wine64 when missing).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ML_BUILD_DIR:-$top/build}
jobs=$(nproc)

"$top/tools/install-deps.sh"

echo "=== layers"
"$top/tools/check-layers.sh"
"$top/tools/check-layers.sh" --self-test

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt itself is not instrumented: tools/tsan.supp says which of its reports are ignored.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$top/tools/tsan.supp"

run_suite() { # name, ctest args..., -- cmake args...; builds $targets when set, else all
    local name=$1; shift
    local ctest_args=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do ctest_args+=("$1"); shift; done
    shift
    echo "=== $name build"
    cmake -S "$top" -B "$build/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    if [ -n "${targets:-}" ]; then
        # shellcheck disable=SC2086
        cmake --build "$build/$name" -j"$jobs" --target $targets
    else
        cmake --build "$build/$name" -j"$jobs"
    fi
    echo "=== $name tests"
    (cd "$build/$name" && ctest --output-on-failure "${ctest_args[@]}")
}

# The tests mostly wait on lines and timers, so the first two stages run three at a time.
run_suite plain -j3 -- -DML_WERROR=ON
run_suite asan-ubsan -j3 -- -DML_SANITIZE=address,undefined -DML_BUILD_BENCH=OFF
# Only the serial tests run under ThreadSanitizer, so only they are built.
targets="tst_serialrules tst_serialdevices" \
    run_suite tsan -L serial -- -DML_SANITIZE=thread -DML_BUILD_BENCH=OFF

echo "=== package"
deb=$("$top/tools/package.sh" "$build/plain")
"$top/tools/check-package.sh" "$build/plain" "$deb"

echo "=== windows-check"
"$top/tools/check-windows.sh"
