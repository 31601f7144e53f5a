#!/usr/bin/env bash
# An installed game keeps its sounds beside it, and its command starts it in its own directory,
# also when the prefix is chosen at install time and the tree is put under DESTDIR.
set -u
build=$1
scratch=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The install directories this build was configured with.
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
bindir=$(cached CMAKE_INSTALL_BINDIR)
libdir=$(cached CMAKE_INSTALL_LIBDIR)
datadir=$(cached CMAKE_INSTALL_DATADIR)
datadir=${datadir:-$(cached CMAKE_INSTALL_DATAROOTDIR)}
[ -n "$bindir" ] && [ -n "$libdir" ] && [ -n "$datadir" ] || fail "no install directories in the build's cache"

# Neither the prefix nor the DESTDIR is the one the build was configured for.
root=$scratch/root prefix=/opt/mokuta-install-test
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
    fail "install failed: $(cat "$scratch/install.log")"
top=$root$prefix
for f in mokuta mokuta.mid b1.wav b2.wav b3.wav; do
    [ -f "$top/$libdir/mokuta/$f" ] || fail "$f is not in $libdir/mokuta"
done
[ -x "$top/$libdir/mokuta/mokuta" ] || fail "the program is not executable"
[ -x "$top/$bindir/mokuta" ] || fail "no mokuta command in $bindir"
grep -qx "Exec=mokuta" "$top/$datadir/applications/jp.mokuta_kun.mokuta.desktop" ||
    fail "the desktop entry does not start the mokuta command"
for language in ja en; do
    grep -qx "Exec=mokuta --language $language" "$top/$datadir/applications/jp.mokuta_kun.mokuta.desktop" ||
        fail "the desktop entry offers no action that plays in $language"
done
configured=$(cached CMAKE_INSTALL_PREFIX)
grep -q "$configured/$libdir" "$top/$bindir/mokuta" && fail "the command names the configured directory"

# Started from elsewhere, the command finds the game where it was put: a game without its
# sounds says so and ends at once.
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
mkdir -m 700 "$XDG_RUNTIME_DIR"
(cd / && exec "$top/$bindir/mokuta" 2>"$scratch/stderr") &
pid=$!
sleep 1.5
kill -0 "$pid" 2>/dev/null || fail "the installed game ended at once: $(cat "$scratch/stderr")"
[ "$(readlink "/proc/$pid/exe")" = "$top/$libdir/mokuta/mokuta" ] || fail "another program runs: $(readlink "/proc/$pid/exe")"
[ "$(readlink "/proc/$pid/cwd")" = "$top/$libdir/mokuta" ] || fail "the game runs in $(readlink "/proc/$pid/cwd")"
echo "PASS: installed under DESTDIR with prefix $prefix; the command starts the game with its sounds"
