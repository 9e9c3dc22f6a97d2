#!/usr/bin/env bash
# The program's own boxes among its other windows on a real X server with a
# window manager and a tray host: the tray icon keeps working while the about
# box is up, "World Times" hides again on a click elsewhere after a box of its
# own closed, and a minimised options dialog comes back when asked for.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/boxes_and_tray.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
count() { xdotool search --onlyvisible --name "$1" | wc -l; }
about='^About Vorkel Clocks$'
clocks='^World Times$'
options='^Vorkel Clocks - Options$'

seed_clocks Europe/London Asia/Tokyo

start_desktop
start_program
find_tray_icon
tray_click() { xdotool mousemove "$icon_x" "$icon_y" click "$@"; }
# tray_menu KEYS...: the tray icon's menu, then KEYS in it.
tray_menu() {
    tray_click 3
    open_menu "$@"
}
tray_double_click() { double_click mousemove "$icon_x" "$icon_y"; }
# minimise WINDOW: as the window manager's button does, and waits until the
# program can know.
minimise() {
    xdotool windowminimize "$1"
    poll 5 iconic "$1" || fail "the window manager did not minimise $1"
}

# 1. While the about box is up the tray icon still answers.
tray_menu Up Up Return # "About..."
poll 10 visible "$about" || fail "no about box from the tray menu"
box=$(visible "$about")
tray_click 1
poll 10 visible "$clocks" || fail "a tray click showed no clocks while the about box was up"
import -window root "$shots/boxes-about-and-clocks.png"
# Elsewhere, then "About..." again: the one open box comes to the front.
other_program
poll 5 gone "$clocks" || fail "\"World Times\" did not hide on a click elsewhere"
tray_menu Up Up Return
poll 5 active_is "$box" || fail "\"About...\" did not bring the open about box to the front"
(($(count "$about") == 1)) || fail "a second about box opened"
# A double click opens the options dialog beside the box.
tray_double_click
poll 10 visible "$options" || fail "a double click opened no options dialog while the about box was up"
import -window root "$shots/boxes-about-and-options.png"
key Escape
xdotool keyup Escape
poll 5 gone "$options" || fail "Esc did not close the options dialog"
xdotool windowactivate --sync "$box" 2>/dev/null || true
key Return # &Close
poll 5 gone "$about" || fail "the about box did not close"

# 2. After the about box opened from the window's own menu closes, a click
# elsewhere hides "World Times" again.
tray_click 1
poll 10 visible "$clocks" || fail "a tray click showed no clocks"
read -r wx wy _ _ < <(geometry "$(visible "$clocks")")
xdotool mousemove $((wx + 60)) $((wy + 40)) click 3
open_menu Up Up Up Return # "&About..."
poll 10 visible "$about" || fail "no about box from the window's menu"
poll 5 active_is "$(visible "$about")" || fail "the about box is not active"
key Return
poll 5 gone "$about" || fail "the about box did not close"
poll 5 active_is "$(visible "$clocks")" || fail "\"World Times\" not active again after the about box"
other_program
poll 5 gone "$clocks" || fail "\"World Times\" stayed up after the about box closed"
# The same after the manual.
tray_click 1
poll 10 visible "$clocks" || fail "a tray click showed no clocks"
xdotool mousemove $((wx + 60)) $((wy + 40)) click 3
open_menu Up Up Return # "&Help"
poll 10 visible '^Vorkel Clocks Help$' || fail "no manual from the window's menu"
poll 5 active_is "$(visible '^Vorkel Clocks Help$')" || fail "the manual is not active"
key alt+F4 # openbox closes the active window
poll 5 gone '^Vorkel Clocks Help$' || fail "the manual did not close"
other_program
poll 5 gone "$clocks" || fail "\"World Times\" stayed up after the manual closed"

# 3. A minimised options dialog comes back, restored and active.
tray_double_click
poll 10 visible "$options" || fail "no options dialog"
dialog=$(visible "$options")
minimise "$dialog"
tray_double_click
poll 10 visible "$options" || fail "a double click left the options dialog minimised"
poll 5 active_is "$dialog" || fail "the restored options dialog is not active"
minimise "$dialog"
tray_menu Up Up Up Return # "Options..."
poll 10 visible "$options" || fail "\"Options...\" left the options dialog minimised"
import -window root "$shots/boxes-options-restored.png"
key Escape
xdotool keyup Escape
kill -0 "$program_pid" || fail "the program ended"

# 4. A second start while this copy runs says so and ends.
"$program" >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
poll 10 visible '^Information$' || fail "a second start said nothing"
import -window root "$shots/boxes-second-start.png"
key Return
poll 10 sh -c "! kill -0 $second" || fail "the second copy kept running"
kill -0 "$program_pid" || fail "the first copy ended"

echo "PASS: boxes and tray (screenshots in $shots)"
