#!/usr/bin/env bash
# Plays the real game under a virtual X server: keys by xdotool, looks by
# screenshots. Usage: e2e.sh BUILD_DIR SCREEN_WATCH (run inside xvfb-run).
set -euo pipefail
build=$1
screen_watch=$2
shots=$(mktemp -d)
export SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do  # the X server may still be starting up (it runs with -noreset)
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
"$build/hovla" 2>"$shots/stderr" &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT

fail() { echo "FAIL: $*"; cp -r "$shots" /tmp/hovla-e2e-failed 2>/dev/null || true; exit 1; }
wait_for() {  # wait_for NAME: a visible window of that name
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "no window $1"
}
gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window $1 still there"
}
dismiss() {  # dismiss NAME: Enter until the message box NAME is gone (it may not have the focus yet)
    for _ in $(seq 40); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        xdotool key Return
        sleep 0.25
    done
    fail "the box $1 stayed open"
}
shot() { import -window root "$shots/$1.png"; }
pixel() {  # pixel SHOT X Y -> "r g b"
    convert "$shots/$1.png" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
expect_pixel() {  # expect_pixel SHOT X Y "r g b"
    local got
    got=$(pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || fail "$1 at ($2,$3): $got, expected $4"
}
click_menu() {  # click_menu X Y: a point of the menu's client area
    local menu
    menu=$(xdotool search --onlyvisible --name "^Options$" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$menu")"
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}
menu_shows() {  # the main window gone, the menu up
    wait_for "^Options$"
    gone "Strandok by Tuvrikon 2004"
}
start_button() { click_menu $((468 + 100)) $((171 + 100)); }
expect_wood() {  # a warm pixel of the room picture, not the empty white view
    local r g b
    read -r r g b <<< "$(pixel "$1" "$2" "$3")"
    [ "$r" -gt "$b" ] && [ "$r" -lt 250 ] || fail "$1 at ($2,$3): $r $g $b is not the room"
}

wait_for "Strandok by Tuvrikon 2004"
sleep 0.5
# The first key finds player 1 in no state to go on, and the menu opens. On a
# busy machine the window may not take keys yet: press again until the box is up.
for _ in $(seq 20); do
    xdotool key x
    for _ in $(seq 10); do
        xdotool search --onlyvisible --name "^Hovla$" >/dev/null 2>&1 && break 2
        sleep 0.1
    done
done
wait_for "^Hovla$"
dismiss "^Hovla$"
menu_shows
menu=$(xdotool search --onlyvisible --name "^Options$" | head -1)
eval "$(xdotool getwindowgeometry --shell "$menu")"
shot menu
expect_pixel menu $((X + 5)) $((Y + 5)) "0 0 0"
echo "menu shown at $X,$Y"

# The start button: the rooms.
start_button
wait_for "Strandok by Tuvrikon 2004"
gone "^Options$"
sleep 0.5
main=$(xdotool search --onlyvisible --name "Strandok by Tuvrikon 2004" | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X" -eq 0 ] && [ "$Y" -eq 0 ] || fail "main window at $X,$Y, not the top left corner"
shot room
expect_wood room 300 200
expect_wood room $((513 + 200)) 200
echo "rooms shown"

# Player 1 goes out to the lake: the yard, its red sky corner and the cyan below.
xdotool key a
sleep 0.7
shot yard
expect_pixel yard 0 0 "255 0 0"
expect_pixel yard 256 730 "0 255 255"
expect_wood yard $((513 + 200)) 200
echo "yard shown"

# A trip is 150 ticks of 1/64 s: back in the room with a full bucket.
sleep 2.5
shot back
expect_wood back 300 200
echo "back in the room"

# While player 1 throws, walks out and comes back, and player 2 throws, the
# screen never shows a readout without its text.
QT_QPA_PLATFORM=xcb "$screen_watch" "$main" 4.5 >"$shots/watch" 2>"$shots/watch-errors" &
watcher=$!
sleep 0.2
for key in s s a l l l l l; do
    xdotool key $key
    sleep 0.45
done
wait $watcher || fail "screen watch: $(cat "$shots/watch" "$shots/watch-errors")"
echo "screen watch: $(cat "$shots/watch")"

# Escape ends the match: the menu again.
xdotool key Escape
menu_shows
echo "menu after Escape"

# A new match, and player 2 gives up: the message, then the menu.
start_button
wait_for "Strandok by Tuvrikon 2004"
sleep 0.3
xdotool key j
wait_for "^LUOVUTUS$"
dismiss "^LUOVUTUS$"
menu_shows
echo "menu after giving up"

# The quit button ends the game.
click_menu $((495 + 66)) $((9 + 70))
for _ in $(seq 30); do
    kill -0 $game 2>/dev/null || { echo "1 passed, 0 failed"; exit 0; }
    sleep 0.1
done
fail "the quit button did not end the game"
