#!/usr/bin/env bash
# Checks the direction of dependence between the program's folders. Each folder is one library,
# ml_<folder>, whose target_link_libraries (in <folder>/CMakeLists.txt) name what it may use:
# a file may include headers of its own folder and of the libraries its library links,
# directly or through them, and nothing else of ours. app/ is linked by nobody, so nobody
# includes it. A library that links no Qt Widgets (directly or through another) includes no
# Qt Widgets header.
#   tools/check-layers.sh [TREE]     checks TREE (default: this repository)
#   tools/check-layers.sh --self-test   plants wrong includes in a copy and expects failures
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

# One line per folder that makes a library of its own name, ml_<folder>: the folder, then what
# the library links directly (every target_link_libraries(ml_<folder> ...) of the folder's
# CMakeLists.txt, conditional ones included). One awk for all: the check runs on busy machines.
library_links() { # tree
    awk '
        FNR == 1 { if (folder != "") print folder, own ? linked : "-"; n = split(FILENAME, part, "/")
                   folder = part[n - 1]; own = 0; linked = ""; text = "" }
        { sub(/#.*/, ""); text = text " " $0 }
        { while (match(text, /(add_library|target_link_libraries)\([^)]*\)/)) {
              call = substr(text, RSTART, RLENGTH); text = substr(text, RSTART + RLENGTH)
              gsub(/[()]/, " ", call); split(call, word, /[ \t]+/)
              if (word[2] != "ml_" folder) continue
              if (word[1] == "add_library") { own = 1; continue }
              for (i = 3; i in word; i++)
                  if (word[i] !~ /^(PUBLIC|PRIVATE|INTERFACE|)$/) linked = linked " " word[i]
          } }
        END { if (folder != "") print folder, own ? linked : "-" }
    ' "$1"/*/CMakeLists.txt | awk '$2 != "-"'
}

declare -A links # folder -> " name name ... " (what its library links, through others too)

read_links() { # tree
    local folder rest name changed=1
    links=()
    while read -r folder rest; do
        links[$folder]=" $rest "
    done < <(library_links "$1")
    while [ "$changed" -eq 1 ]; do
        changed=0
        for folder in "${!links[@]}"; do
            for name in ${links[$folder]}; do
                [[ $name == ml_* ]] || continue
                local other=${name#ml_}
                [ -n "${links[$other]+x}" ] || continue
                for inherited in ${links[$other]}; do
                    if [[ ${links[$folder]} != *" $inherited "* ]]; then
                        links[$folder]+="$inherited "
                        changed=1
                    fi
                done
            done
        done
    done
}

widget_headers() {
    local qt_headers
    qt_headers=$(qmake -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt5)
    ls "$qt_headers/QtWidgets" 2>/dev/null | grep -E '^Q[A-Za-z]+$' || true
}

check() { # tree; prints each wrong include, returns 1 when there is one
    local tree=$1 failures=0 widgets
    widgets=$(widget_headers | tr '\n' ' ')
    read_links "$tree"
    for folder in "${!links[@]}"; do
        local own=" ${links[$folder]} " library=ml_$folder widgetsLinked=0
        [[ $own == *" Qt5::Widgets "* ]] && widgetsLinked=1
        while IFS= read -r -d '' file; do
            local relative=${file#"$tree"/}
            while IFS= read -r line; do
                if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z]+)/ ]]; then
                    local target=${BASH_REMATCH[1]}
                    [ -n "${links[$target]+x}" ] && [ "$target" != "$folder" ] || continue
                    if [ "$target" = app ]; then
                        echo "$relative: includes app/, which nobody includes: $line"
                        failures=$((failures + 1))
                    elif [[ $own != *" ml_$target "* ]]; then
                        echo "$relative: includes $target/, which $library does not link: $line"
                        failures=$((failures + 1))
                    fi
                elif [ "$widgetsLinked" -eq 0 ] && [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\<\"](ui_[A-Za-z]+\.h|Qt[Ww]idgets/[A-Za-z]+|Q[A-Za-z]+)[\>\"] ]]; then
                    local header=${BASH_REMATCH[1]}
                    if [[ $header == ui_* || $header == QtWidgets/* || " $widgets " == *" $header "* ]]; then
                        echo "$relative: includes a Qt Widgets header, which $library does not link: $line"
                        failures=$((failures + 1))
                    fi
                fi
            done <"$file"
        done < <(find "$tree/$folder" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
    done
    [ "$failures" -eq 0 ]
}

if [ "${1:-}" = --self-test ]; then
    copy=$(mktemp -d)
    trap 'rm -rf "$copy"' EXIT
    plants=(
        'common/Planted.h:#include "download/SaveStep.h"'
        'download/Planted.cpp:#include "gui/MainWindow.h"'
        'gui/Planted.cpp:#include "app/CommandLine.h"'
        'download/Planted.h:#include <QMessageBox>'
        'serial/Planted.cpp:#include "ui_MainWindow.h"'
        'checks/Planted.cpp:#include "report/CommissioningReport.h"'
    )
    fresh_copy() {
        rm -rf "${copy:?}"/*
        read_links "$top"
        for folder in "${!links[@]}"; do
            cp -r "$top/$folder" "$copy/"
        done
    }
    fresh_copy
    if ! check "$copy" >/dev/null; then
        echo "check-layers self-test: the unchanged copy is refused" >&2
        exit 1
    fi
    for plant in "${plants[@]}"; do
        fresh_copy
        echo "${plant#*:}" >"$copy/${plant%%:*}"
        if check "$copy" >/dev/null; then
            echo "check-layers self-test: a planted ${plant} went unnoticed" >&2
            exit 1
        fi
    done
    echo "check-layers self-test: ${#plants[@]} planted includes refused"
    exit 0
fi

tree=${1:-$top}
if check "$tree"; then
    echo "check-layers: every include follows the libraries' links"
else
    echo "check-layers: includes against the libraries' links (README, \"Layout\")" >&2
    exit 1
fi
