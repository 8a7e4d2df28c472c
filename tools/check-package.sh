#!/usr/bin/env bash
# Checks the Debian package and the installed tree as a user gets them:
#   ./tools/check-package.sh BUILD_DIR DEB
# lintian (no errors); the files of `cmake --install` and of the package; the
# desktop entry and AppStream data validated; then the program run from both trees,
# from another working directory: --version and --help with no display, a usage
# error, a whole download from the command line against the tester emulator, the help in each of the six languages naming that language's help page, and
# the window started under Xvfb, where the language dialog offers each of the six
# catalogues and stores the chosen one's path inside the tree.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$1
deb=$2
id=example.dravlin.MarluneDataLogger
languages=(de en es fr it nl)

"$top/tools/install-deps.sh"

work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAILED: $*" >&2; }
check() { # description, command...
    local what=$1; shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

echo "--- lintian"
lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true
check "lintian reports no errors" lintian --fail-on error "$deb" >/dev/null 2>&1

echo "--- trees"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
dpkg-deb -x "$deb" "$work/deb"

expected_files() { # man page suffix
    echo "bin/marlune-datalogger"
    echo "share/applications/$id.desktop"
    echo "share/metainfo/$id.metainfo.xml"
    echo "share/man/man1/marlune-datalogger.1$1"
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    for code in "${languages[@]}"; do
        echo "share/marlune-datalogger/Help/DravlinSolarDataLoggerHelp_$code.html"
        echo "share/marlune-datalogger/Translations/DravlinDataLogger_$code.qm"
        echo "share/marlune-datalogger/Translations/qt_$code.qm"
        echo "share/marlune-datalogger/Translations/qtbase_$code.qm"
    done
}
# Qt's catalogues beyond qtbase are whatever qt_<code>.qm names; everything else is listed.
unexpected_files() { # root, expected list
    (cd "$1" && find . -type f | sed 's|^\./||' | sort) |
        grep -v -x -F -f "$2" | grep -v '^share/marlune-datalogger/Translations/qt[a-z]*_[a-z][a-z]\.qm$' || true
}
tree_complete() { # root, expected list
    local missing extra
    missing=$(cd "$1" && while read -r f; do [ -f "$f" ] || echo "$f"; done <"$2")
    extra=$(unexpected_files "$1" "$2")
    [ -z "$missing" ] || echo "missing: $missing" >&2
    [ -z "$extra" ] || echo "not expected: $extra" >&2
    [ -z "$missing" ] && [ -z "$extra" ]
}
icons_sized() { # root
    local size
    for size in 16 32 48 64 128 256; do
        file "$1/share/icons/hicolor/${size}x${size}/apps/$id.png" |
            grep -q "PNG image data, $size x $size," || return 1
    done
}
expected_files "" >"$work/install.list"
{ expected_files ".gz"; echo "share/doc/marlune-datalogger/copyright"
  echo "share/doc/marlune-datalogger/changelog.Debian.gz"; } >"$work/deb.list"
check "cmake --install lays out the expected tree" tree_complete "$work/prefix" "$work/install.list"
check "the package holds the expected files under /usr" tree_complete "$work/deb/usr" "$work/deb.list"
check "nothing in the package outside /usr" test "$(ls "$work/deb")" = usr
check "the icons have their sizes" icons_sized "$work/deb/usr"
man_page_clean() { # page: formats without a warning
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || echo "$warnings" >&2
    [ -z "$warnings" ]
}
check "the man page formats without warnings" man_page_clean "$work/deb/usr/share/man/man1/marlune-datalogger.1.gz"

echo "--- validators"
check "desktop-file-validate" desktop-file-validate "$work/deb/usr/share/applications/$id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$work/deb/usr/share/metainfo/$id.metainfo.xml"
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$work/deb"

# --- the program, run from a tree
# -noreset: the server stays up between one run of the program and the next.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(cat "$work/display")

declare -A guide=(
    [de]="Benutzerhandbuch: " [en]="User guide: " [es]="Guía del usuario: "
    [fr]="Guide de l'utilisateur : " [it]="Guida per l'utente: " [nl]="Gebruikershandleiding: "
)
declare -A locale=([de]=de_DE [en]=en_GB [es]=es_ES [fr]=fr_FR [it]=it_IT [nl]=nl_NL)

# The program with no display and a settings store of its own, from the root folder.
run_bare() { # home, program, args...
    local home=$1; shift
    mkdir -p "$home/run" && chmod 700 "$home/run"
    (cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" \
        XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run" "$@")
}

usage_error_shown() { # error output
    grep -q "Unknown option 'no-such-option'" <<<"$1" && grep -q "^Usage: " <<<"$1"
}

command_line() { # tree
    local tree=$1 program=$1/bin/marlune-datalogger out status code
    out=$(run_bare "$work/home" "$program" --version)
    check "$tree: --version" test "$out" = "Marlune DataLogger 3.1"
    out=$(LANGUAGE=en LC_ALL=C.UTF-8 run_bare "$work/home" "$program" --help)
    check "$tree: --help lists the options" grep -q -- "-v, --version" <<<"$out"
    status=0
    out=$(LANGUAGE=en LC_ALL=C.UTF-8 run_bare "$work/home" "$program" --no-such-option 2>&1 >/dev/null) ||
        status=$?
    check "$tree: an unknown option exits with 2" test "$status" -eq 2
    check "$tree: an unknown option is named, with the usage" usage_error_shown "$out"
    download "$tree"
    for code in "${languages[@]}"; do
        out=$(LANGUAGE=$code LC_ALL=C.UTF-8 run_bare "$work/home" "$program" --help)
        check "$tree: --help in $code names its help page" grep -q -x -F \
            "${guide[$code]}$tree/share/marlune-datalogger/Help/DravlinSolarDataLoggerHelp_$code.html" <<<"$out"
    done
}

# A whole download from the command line, with no display, against the tester emulator of
# the build tree, in German: the file holds what the tester sent, the messages come from the
# tree's catalogues.
download() { # tree
    local tree=$1 emulator_pid device out status=0
    "$build/bin/tester-emulator" --baud 0 >"$work/emulator" 2>/dev/null &
    emulator_pid=$!
    for _ in $(seq 50); do [ -s "$work/emulator" ] && break; sleep 0.1; done
    device=$(head -1 "$work/emulator")
    rm -f "$work/download.csv"
    out=$(LANGUAGE=de LC_ALL=C.UTF-8 run_bare "$work/home" "$tree/bin/marlune-datalogger" \
        --download --port "$device" --output "$work/download.csv" 2>&1) || status=$?
    kill "$emulator_pid" 2>/dev/null; wait "$emulator_pid" 2>/dev/null || true
    check "$tree: --download saves the tester's data" test "$status" -eq 0
    check "$tree: --download's file is what the tester sent" \
        cmp -s "$work/download.csv" <("$build/bin/tester-emulator" --print-data)
    check "$tree: --download speaks German from the tree's catalogues" \
        grep -q "Starten Sie jetzt das Herunterladen am Prüfgerät" <<<"$out"
}

# The window under Xvfb with a new settings store and the system language <code>: the
# language dialog appears, preselects that language, and OK stores the catalogue's path.
window_start() { # tree, code
    local tree=$1 code=$2 home=$work/gui-$2-$RANDOM dialog conf stored=""
    mkdir -p "$home/run" && chmod 700 "$home/run"
    (cd / && exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" HOME="$home" \
        XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run" \
        LC_ALL="${locale[$code]}.UTF-8" "$tree/bin/marlune-datalogger") >"$home/log" 2>&1 &
    app=$!
    dialog=$(DISPLAY=$display timeout 20 xdotool search --sync --name '^Please choose a language$' | head -1) || true
    if [ -n "$dialog" ]; then
        DISPLAY=$display xdotool windowfocus --sync "$dialog" key Return
        DISPLAY=$display timeout 20 xdotool search --sync --name '^Marlune DataLogger$' >/dev/null || true
        conf="$home/.config/DRAVLIN/DRAVLIN Solar Datalogger.conf"
        stored=$(sed -n 's/^DialogLanguage\\FilePath=//p' "$conf" 2>/dev/null)
    fi
    kill "$app" 2>/dev/null; wait "$app" 2>/dev/null || true
    app=""
    [ "$stored" = "$tree/share/marlune-datalogger/Translations/DravlinDataLogger_$code.qm" ] ||
        { echo "dialog: ${dialog:-none}, stored: ${stored:-nothing}"; cat "$home/log"; } >&2
    [ "$stored" = "$tree/share/marlune-datalogger/Translations/DravlinDataLogger_$code.qm" ]
}

for tree in "$work/prefix" "$work/deb/usr"; do
    echo "--- the program in $tree"
    command_line "$tree"
    for code in "${languages[@]}"; do
        check "$tree: the language dialog offers $code and stores it" window_start "$tree" "$code"
    done
done

echo "check-package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
