#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (qtbase, qtsvg) and SQLite from Debian's own source packages with
# Debian's posix-thread mingw-w64 compilers, once, into a cache folder named by a hash of this
# script and the source versions. Prints the folder (the Qt prefix's parent) on its last line.
#
#   tools/windows/build-qt.sh            build when the cache has no such folder yet
#   ML_WINDOWS_QT_CACHE=DIR ...          the cache (default ~/.cache/marlune-datalogger)
#   ML_JOBS=N ...                        parallel jobs (default: cores + 1)
#
# The deb-src entries live in a private apt configuration under the cache, made from this
# machine's own package sources; the system's sources are not touched. The source files are
# checked against the SHA-256 sums in Debian's .dsc before they are unpacked.
# Shared Qt DLLs (the user can replace them, as the LGPL expects), release, only the modules the
# program uses. On two cores the first build takes about half an hour.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${ML_WINDOWS_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/marlune-datalogger}
jobs=${ML_JOBS:-$(($(nproc) + 1))}
triple=x86_64-w64-mingw32
started=$SECONDS
packages=(qtbase-opensource-src qtsvg-opensource-src sqlite3)

say() { echo "build-qt: $*" >&2; }
die() { say "$*"; exit 1; }

"$here/../install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix dpkg-dev \
    perl python3 make tcl xz-utils >&2

# --- A private apt configuration with deb-src entries for this machine's own suites.
apt_dir=$cache/apt
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/archives/partial"
: >"$apt_dir/sources.list"
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list >>"$apt_dir/sources.list"
fi
rm -f "$apt_dir/sources.list.d/"*
for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    case $f in
    *.list) sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >>"$apt_dir/sources.list" ;;
    *.sources) sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")" ;;
    esac
done
apt_opts=(-o "Dir::Etc::sourcelist=$apt_dir/sources.list"
    -o "Dir::Etc::sourceparts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache::archives=$apt_dir/archives"
    -o "APT::Sandbox::User=root"
    -o "Debug::NoLocking=1")

versions=""
if apt-get "${apt_opts[@]}" update -qq >&2 2>"$apt_dir/update.log"; then
    for p in "${packages[@]}"; do
        v=$(apt-cache "${apt_opts[@]}" showsrc --only-source "$p" 2>/dev/null |
            sed -n 's/^Version: //p' | sort -V | tail -n 1)
        [ -n "$v" ] || die "no source package $p in this machine's package sources"
        versions+="$p=$v "
    done
fi
if [ -z "$versions" ]; then
    # No package index (offline): use the newest finished build, if there is one.
    last=$(ls -td "$cache"/qt-win64-*/ 2>/dev/null | while read -r d; do
        [ -f "$d/done" ] && { echo "${d%/}"; break; }; done || true)
    [ -n "$last" ] || die "cannot read the source package index (see $apt_dir/update.log)"
    say "package index unreachable; using $last"
    echo "$last"
    exit 0
fi
key=$( (cat "$0"; echo "$versions") | sha256sum | cut -c1-16)
out=$cache/qt-win64-$key
if [ -f "$out/done" ]; then
    say "cached: $out ($versions)"
    echo "$out"
    exit 0
fi
say "building $versions into $out"
rm -rf "$out"
mkdir -p "$out/src"
src=$out/src

# --- Sources: downloaded, checked against the .dsc, unpacked.
fetch() { # package=version
    local wanted=$1 p=${1%%=*} dsc
    (cd "$src" && apt-get "${apt_opts[@]}" source --download-only -qq "$wanted" >&2)
    dsc=$(ls "$src/${p}_"*.dsc | head -n 1)
    # Each file the .dsc names, with the SHA-256 it gives.
    awk '/^Checksums-Sha256:/ {on=1; next} /^[^ ]/ {on=0} on && NF==3 {print $1 "  " $3}' "$dsc" \
        >"$src/$p.sha256"
    [ -s "$src/$p.sha256" ] || die "$dsc lists no SHA-256 sums"
    (cd "$src" && sha256sum --quiet -c "$p.sha256" >&2) || die "$p: source files do not match $dsc"
    (cd "$src" && dpkg-source --no-check -x "$(basename "$dsc")" "$p" >/dev/null)
}
for wanted in $versions; do fetch "$wanted"; done

prefix=$out/qt
sysroot=$out/sqlite
export PATH=/usr/bin:$PATH

# --- SQLite for mingw: the amalgamation made by its own build, compiled as a static library.
say "sqlite ($((SECONDS - started)) s)"
mkdir -p "$src/sqlite-build" "$sysroot/include" "$sysroot/lib"
(cd "$src/sqlite-build" && "$src/sqlite3/configure" --disable-tcl >/dev/null && make -j"$jobs" sqlite3.c >/dev/null)
# The options Debian's own build uses that matter to Qt's driver.
"$triple-gcc-posix" -O2 -c "$src/sqlite-build/sqlite3.c" -o "$src/sqlite-build/sqlite3.o" \
    -DSQLITE_ENABLE_COLUMN_METADATA=1 -DSQLITE_ENABLE_UNLOCK_NOTIFY=1 -DSQLITE_ENABLE_FTS5 \
    -DSQLITE_ENABLE_JSON1 -DSQLITE_SECURE_DELETE -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION
"$triple-ar" rcs "$sysroot/lib/libsqlite3.a" "$src/sqlite-build/sqlite3.o"
cp "$src/sqlite-build/sqlite3.h" "$src/sqlite3/LICENSE.md" "$sysroot/include/" 2>/dev/null ||
    cp "$src/sqlite-build/sqlite3.h" "$sysroot/include/"

# --- qtbase, cross-built; host tools (qmake, moc, rcc, uic) run on this machine.
say "qtbase ($((SECONDS - started)) s)"
# The posix-thread compilers under the names Qt's mkspec calls.
tools=$out/mingw-bin
mkdir -p "$tools"
for t in gcc g++; do ln -sf "/usr/bin/$triple-$t-posix" "$tools/$triple-$t"; done
for t in ar ranlib strip windres objcopy nm; do ln -sf "/usr/bin/$triple-$t" "$tools/$triple-$t"; done
export PATH=$tools:$PATH
mkdir -p "$src/qtbase-build"
(cd "$src/qtbase-build" && "$src/qtbase-opensource-src/configure" \
    -xplatform win32-g++ -device-option CROSS_COMPILE=$triple- \
    -prefix "$prefix" -release -shared -opensource -confirm-license \
    -nomake examples -nomake tests -no-opengl -no-feature-tabletevent \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-pcre -qt-harfbuzz -no-icu -no-dbus \
    -sql-sqlite -system-sqlite -no-sql-odbc -no-sql-psql -no-sql-mysql \
    -I "$sysroot/include" -L "$sysroot/lib" SQLITE_LIBS="-lsqlite3" \
    >"$out/qtbase-configure.log" 2>&1) ||
    { tail -n 40 "$out/qtbase-configure.log" >&2; die "qtbase configure failed"; }
(cd "$src/qtbase-build" && make -j"$jobs" >"$out/qtbase-build.log" 2>&1 && make install >/dev/null 2>&1) ||
    { tail -n 40 "$out/qtbase-build.log" >&2; die "qtbase build failed"; }

say "qtsvg ($((SECONDS - started)) s)"
mkdir -p "$src/qtsvg-build"
(cd "$src/qtsvg-build" && "$prefix/bin/qmake" "$src/qtsvg-opensource-src" >/dev/null &&
    make -j"$jobs" >"$out/qtsvg-build.log" 2>&1 && make install >/dev/null 2>&1) ||
    { tail -n 40 "$out/qtsvg-build.log" >&2; die "qtsvg build failed"; }

# Licence texts that go into the Windows package.
mkdir -p "$out/licenses"
cp "$src/qtbase-opensource-src/LICENSE.LGPL3" "$out/licenses/Qt-LGPL-3.0.txt"
cp "$src/qtbase-opensource-src/LICENSE.GPL3-EXCEPT" "$out/licenses/Qt-GPL-3.0-exception.txt" 2>/dev/null || true
cp "$src/qtbase-opensource-src/debian/copyright" "$out/licenses/Qt-copyright.txt" 2>/dev/null || true
cp "$src/sqlite3/debian/copyright" "$out/licenses/SQLite-copyright.txt" 2>/dev/null || true
echo "$versions" >"$out/versions"
# The sources and objects are not needed any more.
rm -rf "$src"
touch "$out/done"
say "done in $((SECONDS - started)) s: $versions"
echo "$out"
