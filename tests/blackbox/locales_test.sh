#!/usr/bin/env bash
# The game is the same in every locale a system may name, or none: started from a folder with
# Japanese, spaces and both quotes in its name, its window carries its title in both the legacy
# and the modern name, it opens its music and sounds there, says nothing amiss on stderr, and a
# line it prints with Japanese in it comes out as UTF-8.
source "$(dirname "$0")/lib.sh"
built=$(dirname "$1")
folder="$scratch/遊び場 \"もくた\" 'の' 部屋"
mkdir -p "$folder"
cp "$built/mokuta" "$built/mokuta.mid" "$built/b1.wav" "$built/b2.wav" "$built/b3.wav" "$folder/" ||
    fail "the game's files are not beside $1"
start_display
unset LANG LANGUAGE LC_ALL LC_MESSAGES LC_CTYPE

for locale in none C POSIX C.UTF-8 ja_JP.UTF-8 en_US.UTF-8; do
    setting=()
    [ "$locale" = none ] || setting=(LANG="$locale")
    if [ "$locale" != none ] && [ "${locale%%.*}" != C ] && [ "$locale" != POSIX ]; then
        locale -a | grep -qix "${locale/UTF-8/utf8}" || fail "the locale $locale is not on this system"
    fi
    title="もくた君 1.20"
    [ "$locale" = en_US.UTF-8 ] && title="Mokuta-kun 1.20"

    line=$(cd / && env "${setting[@]}" "$folder/mokuta" 髪の毛 2>&1)
    [ "$line" = "mokuta: unexpected argument '髪の毛'
Try 'mokuta --help'." ] || fail "in $locale the game printed: $line"

    (cd "$folder" && exec env "${setting[@]}" "$folder/mokuta" 2>"$scratch/stderr") &
    pid=$!
    pids+=("$pid")
    win=$(wait_window "$title")
    [ -n "$win" ] || fail "in $locale no window named $title appeared: $(cat "$scratch/stderr")"
    legacy=$(LC_ALL=C.UTF-8 xprop -id "$win" -notype WM_NAME)
    [ "$legacy" = "WM_NAME = \"$title\"" ] || fail "in $locale the legacy title reads: $legacy"
    if [ "$locale" = none ]; then
        # はじめ: the greeting's sound and the music open from that folder, or a box and a line say not.
        xdotool windowactivate --sync "$win" key Return
        sleep 4
        [ -z "$(windows_named "もくた君")" ] || fail "a box opened over the game: $(cat "$scratch/stderr")"
    fi
    close_window "$win" "$pid"
    [ "$status" = 0 ] || fail "in $locale closing ended with $status"
    [ ! -s "$scratch/stderr" ] || fail "in $locale the game said: $(cat "$scratch/stderr")"
    echo "$locale: titled '$title' in both names, printed UTF-8, found its files, closed cleanly"
done
echo "PASS: the same game in every locale"
