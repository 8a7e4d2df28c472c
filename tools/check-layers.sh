#!/usr/bin/env bash
# Checks the direction of dependence between the program's folders: a file may include headers
# of its own layer and the layers below it, never of a layer above, and app/ is included by
# nobody. The domain units and the layers below them include no Qt Widgets header.
#   tools/check-layers.sh [TREE]     checks TREE (default: this repository)
#   tools/check-layers.sh --self-test   plants wrong includes in a copy and expects failures
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

# Folder and layer, from the bottom up.
declare -A layer=(
    [common]=0
    [serial]=1 [translation]=1
    [download]=2 [archive]=2 [results]=2 [checks]=2 [report]=2 [teamarchive]=2
    [gui]=3
    [app]=4
)
names=(common platform domain windows entry)

widget_headers() {
    local qt_headers
    qt_headers=$(qmake -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt5)
    ls "$qt_headers/QtWidgets" 2>/dev/null | grep -E '^Q[A-Za-z]+$' || true
}

check() { # tree; prints each wrong include, returns 1 when there is one
    local tree=$1 failures=0 widgets
    widgets=$(widget_headers | tr '\n' ' ')
    for folder in "${!layer[@]}"; do
        [ -d "$tree/$folder" ] || continue
        local own=${layer[$folder]}
        while IFS= read -r -d '' file; do
            local relative=${file#"$tree"/}
            while IFS= read -r line; do
                if [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([a-z]+)/ ]]; then
                    local target=${BASH_REMATCH[1]}
                    [ -n "${layer[$target]+x}" ] || continue
                    local theirs=${layer[$target]}
                    if [ "$target" = app ] && [ "$folder" != app ]; then
                        echo "$relative: includes app/, which nobody includes: $line"
                        failures=$((failures + 1))
                    elif [ "$theirs" -gt "$own" ]; then
                        echo "$relative (${names[$own]}) includes a header of the ${names[$theirs]} layer: $line"
                        failures=$((failures + 1))
                    fi
                elif [ "$own" -le 2 ] && [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\<\"](ui_[A-Za-z]+\.h|Qt[Ww]idgets/[A-Za-z]+|Q[A-Za-z]+)[\>\"] ]]; then
                    local header=${BASH_REMATCH[1]}
                    if [[ $header == ui_* || $header == QtWidgets/* || " $widgets " == *" $header "* ]]; then
                        echo "$relative (${names[$own]}) includes a Qt Widgets header: $line"
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
    )
    for plant in "${plants[@]}"; do
        rm -rf "$copy"/*
        for folder in "${!layer[@]}"; do
            [ -d "$top/$folder" ] && cp -r "$top/$folder" "$copy/"
        done
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
    echo "check-layers: every include follows the layers"
else
    echo "check-layers: includes against the layers (README, \"Layout\")" >&2
    exit 1
fi
