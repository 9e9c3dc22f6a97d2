#!/usr/bin/env bash
# Looking ahead on a real desktop: a wheel turn over the clocks of "World
# Times" moves them (the window then stays open on Esc, which brings back the
# present), and a second Esc hides the window as before.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/lookahead.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"

seed_clocks "DateFormat=dddd d mmmm yyyy" "TimeFormat=hh:nn:ss ampm" \
    Europe/London Asia/Kolkata

start_desktop
start_program


xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 1
poll 5 world_times || fail "the window did not open on a tray click"
sleep 0.5
id=$(world_times)
read -r wx wy ww wh < <(xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$NF}
    /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')
import -window root "$shots/lookahead-present.png"

# Nine notches up over the first clock: two hours and a quarter ahead.
xdotool mousemove $((wx + ww / 2)) $((wy + 30))
for _ in 1 2 3 4 5 6 7 8 9; do xdotool click 4; sleep 0.05; done
sleep 0.5
import -window root "$shots/lookahead-ahead.png"

# Esc brings back the present and leaves the window open ...
xdotool key Escape && xdotool keyup Escape
sleep 0.5
world_times >/dev/null || fail "Esc hid a moved window instead of bringing back the present"
import -window root "$shots/lookahead-back.png"
# ... and in the present, Esc hides it as it always did.
xdotool key Escape && xdotool keyup Escape
poll 5 world_times_gone || fail "Esc in the present did not hide the window"
echo "PASS: look-ahead on the desktop"
