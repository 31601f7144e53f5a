#!/usr/bin/env bash
# The real program opens its window with its caption and a 515 x 305 inside; made larger by the
# desktop it keeps the game centred and clickable, and back at its own size all is as before;
# closing it ends it cleanly.
source "$(dirname "$0")/lib.sh"
start_game "$1"
size=$(inner_size "$win")
[ "$size" = "515x305" ] || fail "inner area is $size, not 515x305"

if [ -n "${MOKUTA_SCREENSHOT:-}" ]; then
    import -window root "$MOKUTA_SCREENSHOT"
fi

# Enlarged as a tile or a maximised window would be: the game sits in the middle, on the backdrop.
xdotool windowsize --sync "$win" 900 600
[ "$(inner_size "$win")" = "900x600" ] || fail "the window could not be enlarged"
read -r ox oy < <(client_origin "$win")
wait_pixel 10 10 "72,72,72" 5 || fail "the enlarged window's edge is $(pixel 10 10), not the backdrop"
ox=$((ox + 192)) oy=$((oy + 147))
wait_pixel 20 20 "239,255,255" 5 || fail "the title is not centred: $(pixel 20 20) where its sky should be"
shot enlarged
click_at 268 284
wait_pixel 20 280 "255,255,255" 10 || fail "はじめ in the centred game did not start it: $(pixel 20 280)"

xdotool windowsize --sync "$win" 515 305
[ "$(inner_size "$win")" = "515x305" ] || fail "the window did not shrink back"
read -r ox oy < <(client_origin "$win")
wait_pixel 20 280 "255,255,255" 5 || fail "back at its size the game is not where it was: $(pixel 20 280)"
wait_pixel 0 0 "255,255,255" 5 || fail "back at its size the backdrop still shows: $(pixel 0 0)"
shot shrunk_back

close_window "$win" "$pid"
[ "$status" = "0" ] || fail "closing the window ended with $status"
echo "PASS: window 515x305 with its caption; enlarged, the game centred and clickable; back as before; closed with status 0"
