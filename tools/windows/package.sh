#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows and packages it as a Windows user gets it:
#   tools/windows/package.sh [BUILD_DIR]      (default build/windows)
# 1. Qt for Windows from the cache (tools/windows/build-qt.sh builds it when it is missing;
#    ML_WINDOWS_QT=DIR names a folder it printed and skips it);
# 2. MarluneDataLogger.exe and MarluneDataLogger.com, warnings as errors, no tests;
# 3. BUILD_DIR/deploy/MarluneDataLogger-VERSION-win64/, the folder windeployqt would make: the
#    programs, the Qt and mingw runtime DLLs they load, the plugins (platform, SQLite, SVG,
#    Windows style), Translations/, Help/, Licenses/; every DLL that any of its programs and
#    plugins imports is in the folder or a Windows system DLL (tools/windows/check-dlls.sh);
# 4. BUILD_DIR/MarluneDataLogger-VERSION-win64.zip and ...-win64-setup.exe (NSIS, per user).
# Prints the deployed folder, the ZIP and the installer on its last three lines.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "${1:-${ML_BUILD_DIR:-$top/build}/windows}")
jobs=${ML_JOBS:-$(($(nproc) + 1))}
triple=x86_64-w64-mingw32
started=$SECONDS

say() { echo "package: $*" >&2; }
die() { say "$*"; exit 1; }

"$top/tools/install-deps.sh" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis \
    qttools5-dev-tools qttranslations5-l10n >&2

if [ -z "${ML_WINDOWS_QT:-}" ]; then
    # A second build-qt.sh would start a build under way again from scratch: wait for it.
    while pgrep -f 'tools/windows/build-qt\.sh' >/dev/null; do
        say "a Qt for Windows build is running; waiting for it"
        sleep 60
    done
fi
qt=${ML_WINDOWS_QT:-$("$top/tools/windows/build-qt.sh" | tail -n 1)}
[ -f "$qt/done" ] || die "no finished Qt for Windows in '$qt'"
prefix=$qt/qt

version=$(sed -n 's/^project(MarluneDataLogger VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
[ -n "$version" ] || die "no version in CMakeLists.txt"
IFS=. read -r v1 v2 v3 v4 <<<"$version"
version_quad=$v1.${v2:-0}.${v3:-0}.${v4:-0}
name=MarluneDataLogger-$version-win64

# --- The build.
say "building in $build/build"
mkdir -p "$build"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# A unity build: each library compiled as a few large files takes half the processor time of
# one file at a time (the Linux build still compiles every file on its own).
cmake -S "$top" -B "$build/build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw64-qt.cmake" \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DML_WERROR=ON -DML_BUILD_TESTS=OFF -DML_BUILD_BENCH=OFF -DCMAKE_UNITY_BUILD=ON "${launcher[@]}" \
    >"$build/configure.log" 2>&1 || { cat "$build/configure.log" >&2; die "configure failed"; }
# Warnings of CMake itself count as much as the compiler's.
if grep -q -i "warning" "$build/configure.log"; then
    cat "$build/configure.log" >&2
    die "configure has warnings"
fi
cmake --build "$build/build" -j"$jobs" --target marlune-datalogger marlune-datalogger-console \
    >"$build/build.log" 2>&1 || { tail -n 60 "$build/build.log" >&2; die "build failed"; }
if grep -q "warning:" "$build/build.log"; then
    grep -B2 -A4 "warning:" "$build/build.log" >&2
    die "the build has warnings"
fi
say "built ($((SECONDS - started)) s)"

# --- The deployed folder.
deploy=$build/deploy/$name
rm -rf "$build/deploy"
mkdir -p "$deploy"
bin=$build/build/bin
cp "$bin/MarluneDataLogger.exe" "$bin/MarluneDataLogger.com" "$deploy/"
# The plugins the program needs: the Windows platform, the archive's SQLite driver, SVG images
# and icons (the window's icons), every image format Qt Gui has a plugin for, the Windows style.
plugins=(platforms/qwindows.dll sqldrivers/qsqlite.dll iconengines/qsvgicon.dll
    styles/qwindowsvistastyle.dll)
for f in "$prefix"/plugins/imageformats/*.dll; do plugins+=("imageformats/$(basename "$f")"); done
for p in "${plugins[@]}"; do
    [ -f "$prefix/plugins/$p" ] || die "Qt plugin $p missing in $prefix/plugins"
    mkdir -p "$deploy/$(dirname "$p")"
    cp "$prefix/plugins/$p" "$deploy/$p"
done

# The DLLs the programs and plugins import, and theirs in turn: Qt's from its bin/, the
# compiler's runtime (libstdc++, libgcc, winpthread) from the posix-thread toolchain.
find_dll() { # name -> path, or nothing
    local lower found
    lower=$(tr '[:upper:]' '[:lower:]' <<<"$1")
    found=$(find "$prefix/bin" -maxdepth 1 -iname "$1" | head -n 1)
    if [ -z "$found" ]; then
        found=$("$triple-g++-posix" -print-file-name="$lower")
        [ "$found" != "$lower" ] && [ -f "$found" ] || found=""
    fi
    echo "$found"
}
queue=("$deploy/MarluneDataLogger.exe" "$deploy/MarluneDataLogger.com")
for p in "${plugins[@]}"; do queue+=("$deploy/$p"); done
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        [ -n "$dll" ] || continue
        [ -e "$deploy/$dll" ] && continue
        "$top/tools/windows/check-dlls.sh" --is-system "$dll" && continue
        source=$(find_dll "$dll")
        [ -n "$source" ] || continue # check-dlls.sh below names it
        cp "$source" "$deploy/$dll"
        queue+=("$deploy/$dll")
    done < <("$triple-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
# Release builds without their symbol tables: a third of the size.
find "$deploy" \( -name '*.dll' -o -name '*.exe' -o -name '*.com' \) -exec "$triple-strip" --strip-unneeded {} +

mkdir -p "$deploy/Translations" "$deploy/Help" "$deploy/Licenses"
cp "$bin"/Translations/*.qm "$deploy/Translations/"
cp "$bin"/Help/*.html "$deploy/Help/"
for code in de en es fr it nl; do
    [ -f "$deploy/Translations/DravlinDataLogger_$code.qm" ] || die "DravlinDataLogger_$code.qm missing"
    [ "$code" = en ] || [ -f "$deploy/Translations/qtbase_$code.qm" ] || die "Qt's qtbase_$code.qm missing"
done
# The licences of what the package carries besides the program.
cp "$qt"/licenses/*.txt "$deploy/Licenses/"
for doc in gcc-mingw-w64-x86-64-posix-runtime:GCC-runtime mingw-w64-x86-64-dev:mingw-w64-winpthreads; do
    f=/usr/share/doc/${doc%%:*}/copyright
    [ -f "$f" ] && cp "$f" "$deploy/Licenses/${doc##*:}-copyright.txt"
done
{
    echo "Marlune DataLogger $version for Windows carries these libraries, unchanged, as DLLs that"
    echo "can be replaced by other builds of the same version:"
    echo
    echo "- Qt 5.15 (Qt5*.dll and the plugins), under the GNU Lesser General Public License 3"
    echo "  (Qt-LGPL-3.0.txt, Qt-copyright.txt), built from Debian's source packages:"
    tr ' ' '\n' <"$qt/versions" | sed -n 's/^\(qt[a-z-]*\)=\(.*\)/    \1 \2/p'
    echo "  The sources: Debian's archive of source packages (apt-get source PACKAGE=VERSION)."
    echo "- SQLite (inside Qt5Sql's driver), public domain (SQLite-copyright.txt), from Debian's"
    tr ' ' '\n' <"$qt/versions" | sed -n 's/^\(sqlite3\)=\(.*\)/  \1 \2./p'
    echo "- The GCC runtime (libstdc++-6.dll, libgcc_s_seh-1.dll), GPL 3 with the GCC Runtime Library"
    echo "  Exception, and mingw-w64's winpthreads (libwinpthread-1.dll), MIT licence."
} | sed 's/$/\r/' >"$deploy/Licenses/README.txt"

"$top/tools/windows/check-dlls.sh" "$deploy" >&2 || die "the deployed folder lacks DLLs"
say "deployed $deploy ($(du -sh "$deploy" | cut -f1))"

# --- The ZIP: the deployed folder as it is.
zip=$build/$name.zip
rm -f "$zip"
(cd "$build/deploy" && cmake -E tar cf "$zip" --format=zip "$name")

# --- The installer: every file named, so the uninstaller removes exactly those.
files=$build/deploy/files.nsh
{
    echo "!macro ML_INSTALL_FILES"
    (cd "$deploy" && find . -type d | sort) | while read -r d; do
        rel=${d#./}
        [ "$d" = . ] && rel=""
        echo "  SetOutPath \"\$INSTDIR${rel:+\\${rel//\//\\}}\""
        find "$deploy/$rel" -maxdepth 1 -type f | sort | while read -r f; do echo "  File \"$f\""; done
    done
    echo "!macroend"
    echo "!macro ML_UNINSTALL_FILES"
    (cd "$deploy" && find . -type f | sort) | while read -r f; do
        rel=${f#./}
        echo "  Delete \"\$INSTDIR\\${rel//\//\\}\""
    done
    (cd "$deploy" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
        rel=${d#./}
        echo "  RMDir \"\$INSTDIR\\${rel//\//\\}\""
    done
    echo "!macroend"
} >"$files"
setup=$build/$name-setup.exe
rm -f "$setup"
makensis -V2 -DVERSION="$version" -DVERSION_QUAD="$version_quad" -DFILES="$files" \
    -DICON="$top/resources/MarluneDataLogger.ico" -DOUTFILE="$setup" \
    "$top/packaging/windows/MarluneDataLogger.nsi" >"$build/makensis.log" 2>&1 ||
    { cat "$build/makensis.log" >&2; die "makensis failed"; }
if grep -q -i "warning" "$build/makensis.log"; then
    cat "$build/makensis.log" >&2
    die "makensis has warnings"
fi
say "$(du -h "$zip" | cut -f1) ZIP, $(du -h "$setup" | cut -f1) installer, in $((SECONDS - started)) s"
echo "$deploy"
echo "$zip"
echo "$setup"
