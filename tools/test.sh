#!/usr/bin/env bash
# Installs what is missing, checks the layers' includes (tools/check-layers.sh), builds from
# scratch and runs every test:
#   plain       the program as it is packaged (-O2, warnings as errors);
#   asan-ubsan  AddressSanitizer + UndefinedBehaviorSanitizer, warnings as errors: the whole
#               suite (built and run once, here, where it finds the most) and the benchmarks
#               (built, not run);
#   tsan        ThreadSanitizer, the serial tests (the worker thread and its locks);
#   package     the Debian package made from the plain build: lintian, the installed tree, the
#               desktop validators, and the program run from the extracted package
#               (tools/package.sh, tools/check-package.sh);
#   windows     the Windows serial layer, cross-built with mingw-w64 and run under Wine against a
#               pseudo-terminal, and the whole program cross-built against Qt for Windows (from the
#               cache of tools/windows/build-qt.sh, built when missing), packaged, installed and
#               run under Wine (tools/check-windows.sh); it runs beside everything after the
#               plain build.
# The machine's cores are the limit: each thing is compiled once, and the stages that mostly
# wait (the suites on lines and timers, Wine) run beside the builds; a step that runs beside
# another keeps its output until it ends. Any failure stops the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ML_BUILD_DIR:-$top/build}
# One job more than cores: a link or a moc run waits on the disk while the others compile.
jobs=$(($(nproc) + 1))
started=$SECONDS

stamp() { printf '=== %s (%ds)\n' "$1" $((SECONDS - started)); }

logs=$(mktemp -d "${TMPDIR:-/tmp}/marlune-test.XXXXXX")
declare -A pid=()
cleanup() {
    local p
    for p in "${pid[@]}"; do kill -- "-$p" 2>/dev/null || true; done
    rm -rf "$logs"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Runs a step in the background, in a process group of its own, its output kept in a log.
beside() { # name, command...
    local name=$1; shift
    stamp "$name (beside)"
    set -m
    "$@" >"$logs/$name.log" 2>&1 &
    pid[$name]=$!
    set +m
}
# Waits for a step started with `beside`, prints its output and stops when it failed.
finish() { # name
    local name=$1 rc=0
    wait "${pid[$name]}" || rc=$?
    unset "pid[$name]"
    stamp "$name: output"
    cat "$logs/$name.log"
    if [ "$rc" -ne 0 ]; then
        echo "test.sh: $name failed (exit $rc)" >&2
        exit "$rc"
    fi
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt itself is not instrumented: tools/tsan.supp says which of its reports are ignored.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$top/tools/tsan.supp"

configure() { # name, optimisation, cmake args...
    local name=$1 optimisation=$2; shift 2
    # Line tables only (-g1): enough for stack traces, and the build takes a quarter less time.
    cmake -S "$top" -B "$build/$name" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$optimisation -g1 -DNDEBUG" "$@" >/dev/null
}
compile() { # name, targets...
    local name=$1; shift
    stamp "$name build"
    if [ $# -gt 0 ]; then
        cmake --build "$build/$name" -j"$jobs" --target "$@"
    else
        cmake --build "$build/$name" -j"$jobs"
    fi
}
suite() { # name, ctest args...
    local name=$1; shift
    stamp "$name tests"
    (cd "$build/$name" && ctest --output-on-failure "$@")
}
package() {
    local deb
    deb=$("$top/tools/package.sh" "$build/plain")
    "$top/tools/check-package.sh" "$build/plain" "$deb"
}

stamp "packages"
"$top/tools/install-deps.sh"
# The Windows check's cross compilers, Wine, NSIS, the screenshot tools and what the Qt for
# Windows build needs arrive while the project builds.
beside windows-packages "$top/tools/install-deps.sh" g++-mingw-w64-x86-64 g++-mingw-w64-i686 \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64 nsis x11-apps netpbm dpkg-dev \
    perl python3 make tcl xz-utils

stamp "layers"
"$top/tools/check-layers.sh"
"$top/tools/check-layers.sh" --self-test

configure plain -O2 -DML_WERROR=ON -DML_BUILD_TESTS=OFF -DML_BUILD_BENCH=OFF
compile plain
# The sanitizers' builds at -O1, as their makers advise (a third less to compile), and the
# sanitizer build's libraries as a unity build (fewer, larger files to compile).
configure asan-ubsan -O1 -DML_SANITIZE=address,undefined -DML_WERROR=ON -DCMAKE_UNITY_BUILD=ON
configure tsan -O1 -DML_SANITIZE=thread -DML_BUILD_BENCH=OFF

finish windows-packages
# The longest stage, mostly waiting on Wine: it starts as soon as it can.
beside windows "$top/tools/check-windows.sh"
beside package package
compile asan-ubsan ml_tests
# Beside the suite, which mostly waits on lines and timers: the serial tests built and run under
# ThreadSanitizer (only they run there), then the benchmarks built.
tsan_and_benchmarks() {
    compile tsan tst_serialdevices
    suite tsan -L serial
    compile asan-ubsan ml_benchmarks
}
beside tsan-and-benchmarks tsan_and_benchmarks
suite asan-ubsan -j3
finish tsan-and-benchmarks
finish package
finish windows
stamp "all passed"
