#!/usr/bin/env bash
# The program on a desktop with a window manager but no notification area:
# after a wait for a late panel "World Times" is an ordinary window with a
# taskbar button that stays up when another program is clicked, the user is
# told why once a session, and closing the window ends the program with its
# state stored. A tray started later takes the icon, and the window is a
# pop-up again. The second run is in German.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/no_tray.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"

states() { xprop -id "$1" _NET_WM_STATE; }
has_button() { ! states "$1" | grep -q SKIP_TASKBAR; }
# The window may get a new X window when it changes kind: found afresh.
no_button() { local w; w=$(visible "$1") && [ -n "$w" ] && states "$w" | grep -q SKIP_TASKBAR; }
ended() { ! kill -0 "$program_pid" 2>/dev/null; }

seed_clocks Europe/London Asia/Tokyo

start_desktop notray

# 1. No tray: the window after the wait, and the message about it.
start_program notray
poll 15 visible '^Information$' || fail "no message that there is no notification area"
poll 5 visible '^World Times$' || fail "no \"World Times\" window without a tray"
import -window root "$shots/notray-message.png"
key Return
poll 5 gone '^Information$' || fail "the message did not close"
window=$(visible '^World Times$')
has_button "$window" || fail "the window has no taskbar button: $(states "$window")"
other_program
sleep 1 # nothing is expected to happen: give it the time to
visible '^World Times$' >/dev/null || fail "the window hid on a click elsewhere"
import -window root "$shots/notray-window.png"

# 2. Closing the window ends the program and stores its place.
xdotool windowactivate --sync "$window"
key alt+F4
poll 10 ended || fail "closing the window did not end the program"
grep -q '^Left=' "$settings" || fail "the window's place was not stored"

# 3. The same session again: no second message.
start_program notray
poll 15 visible '^World Times$' || fail "no \"World Times\" window on the second start"
sleep 1
gone '^Information$' || fail "the message came again in the same session"
kill "$program_pid"
poll 10 ended || fail "the program did not end on SIGTERM"

# 4. A new session in German; then a tray comes and takes the icon.
export LANG=de_DE.UTF-8 LANGUAGE=de
rm -f "$XDG_RUNTIME_DIR"/vorkelclocks-*
start_program notray
poll 15 visible '^Information$' || fail "no German message"
poll 5 visible '^Weltzeiten$' || fail "no \"Weltzeiten\" window without a tray"
import -window root "$shots/de-notray-message.png"
key Return
poll 5 gone '^Information$' || fail "the German message did not close"
# Where the framed window's outer corner is: the pop-up takes its place.
window=$(visible '^Weltzeiten$')
read -r wx wy _ < <(geometry "$window")
read -r left _ top _ < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
start_tray
# A busy window manager, held as the program looks for the tray (every 2 s)
# and makes its window the pop-up: the window loses the focus long before the
# window manager maps it again, which is not the user leaving it.
kill -STOP "$wm_pid"
sleep 3
kill -CONT "$wm_pid"
poll 15 no_button '^Weltzeiten$' ||
    fail "after a tray came the window $([ -n "$(visible '^Weltzeiten$')" ] &&
        echo "kept its taskbar button" || echo "was hidden")"
read -r px py _ < <(geometry "$(visible '^Weltzeiten$')")
echo "framed window at $wx,$wy in a frame from $((wx - left)),$((wy - top)); pop-up at $px,$py"
((px == wx - left && py == wy - top)) || fail "the pop-up is not where the framed window was"
find_tray_icon
import -window root "$shots/de-notray-docked.png"
other_program
poll 5 gone '^Weltzeiten$' || fail "the window did not hide on a click elsewhere after a tray came"
xdotool mousemove "$icon_x" "$icon_y" click 1
poll 10 visible '^Weltzeiten$' || fail "a click on the docked icon showed no clocks"
poll 5 no_button '^Weltzeiten$' || fail "the window from the tray has a taskbar button: $(states "$(visible '^Weltzeiten$')")"

echo "PASS: no tray (screenshots in $shots)"
