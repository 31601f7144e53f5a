#!/usr/bin/env bash
# The command line's manners: --help and --version answer without a display; anything else
# is refused with a short word and status 2.
set -u
game=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@" >"$out" 2>&1; }

bare --help || fail "--help ended with $?"
grep -q "^Usage: mokuta" "$out" || fail "--help printed: $(cat "$out")"
grep -q "Exit status" "$out" || fail "--help does not tell the exit status"
grep -q -- "--language LANG" "$out" && grep -q "LC_MESSAGES" "$out" || fail "--help does not tell how to choose the language"
bare -h || fail "-h ended with $?"
bare --version || fail "--version ended with $?"
[ "$(cat "$out")" = "mokuta 1.20" ] || fail "--version printed: $(cat "$out")"
for wrong in --bogus -x extra "--language xx" --language; do
    bare $wrong
    status=$?
    [ "$status" = 2 ] || fail "'$wrong' ended with $status"
    grep -q "mokuta --help" "$out" || fail "'$wrong' printed: $(cat "$out")"
    [ "$(wc -l <"$out")" -le 2 ] || fail "'$wrong' printed more than a short word: $(cat "$out")"
done
echo "PASS: --help and --version without a display, status 2 for what is not an option or a language"
