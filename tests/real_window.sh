#!/usr/bin/env bash
# The real game in a real X window under Xvfb: it covers the screen with the title, a key brings the
# menu, Alt+F4 closes the window, and the program ends with exit code 0.
# Usage: real_window.sh GAME DATA_DIR
set -u
game=$1
data=$2
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

for tool in Xvfb xdotool import compare convert; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (the test set-up installs it)"
done

# A 1280 x 1024 screen: the 640 x 480 picture is shown twice as large, 1280 x 960, centred.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

(cd "$data" && SDL_AUDIODRIVER=dummy exec "$game") >"$work/game.log" 2>&1 &
game_pid=$!

# Waits until the screen, cut to the picture and brought back to 640 x 480, equals the picture file.
shows() {
    local picture=$1 name=$2
    for _ in $(seq 40); do
        import -window root "$work/$name.png" 2>/dev/null &&
            convert "$work/$name.png" -crop 1280x960+0+32 +repage -sample 640x480 \
                "$work/$name-small.png" 2>/dev/null
        local differing
        differing=$(compare -metric AE "$work/$name-small.png" "$picture" null: 2>&1)
        [ "$differing" = "0" ] && return 0
        sleep 0.25
    done
    echo "the screen differs from $picture in $differing pixels"
    return 1
}

shows "$data/title2.bmp" title || fail "the title is not on the screen"
xdotool key space
shows "$data/menu2.bmp" menu || fail "a key on the title did not bring the menu"
xdotool key alt+F4

for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game still runs after Alt+F4"
wait "$game_pid"
code=$?
game_pid=""
[ "$code" -eq 0 ] || fail "exit code $code"
echo "real window: title, menu, closed with exit code 0"
