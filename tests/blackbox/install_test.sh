#!/usr/bin/env bash
# An installed game keeps its sounds beside it, and its command starts it in its own directory.
set -u
build=$1
prefix=$(mktemp -d)
trap 'kill $pid 2>/dev/null; rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "install failed"
for f in mokuta mokuta.mid b1.wav b2.wav b3.wav; do
    [ -f "$prefix/lib/mokuta/$f" ] || fail "$f is not in lib/mokuta"
done
[ -x "$prefix/bin/mokuta" ] || fail "no mokuta command"
grep -qx "Path=$prefix/lib/mokuta" "$prefix/share/applications/mokuta.desktop" || fail "the desktop entry does not start in the game's directory"

export XDG_RUNTIME_DIR="$prefix/runtime" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
mkdir -m 700 "$XDG_RUNTIME_DIR"
(cd / && exec "$prefix/bin/mokuta" 2>"$prefix/stderr") &
pid=$!
sleep 1.5
kill -0 $pid 2>/dev/null || fail "the installed game ended at once: $(cat "$prefix/stderr")"
echo "PASS: installed with its sounds; the command starts it"
