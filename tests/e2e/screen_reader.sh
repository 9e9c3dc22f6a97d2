#!/usr/bin/env bash
# "World Times" as a screen reader reads it, from the accessibility tree: each
# clock's title and then its time, clock by clock, and the pin button named
# by what a press does ("Pin to the desktop", then "Unpin"), in English and
# in German.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/screen_reader.sh build/ci
set -euo pipefail

source "$(dirname "$0")/lib/accessibility.bash"
build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"
accessibility_on

seed_clocks TimeFormat=hh:nn Europe/London Asia/Tokyo Australia/Sydney

# read_window TITLE PIN: the names read in TITLE must be the three clocks,
# each title before its time, and then the pin button named PIN.
read_window() {
    local names order
    names=$(atspi names "$1") || fail "no \"$1\" in the accessibility tree"
    # The titles and times, as one line each: "London (GMT)" and a line
    # ending in a time; and the pin.
    order=$(grep -E '^(London|Tokyo|Sydney) \(|[0-9][0-9]:[0-9][0-9]$|^'"$2"'$' <<<"$names" |
        sed -E 's/^(London|Tokyo|Sydney) \(.*/\1/; s/.*[0-9][0-9]:[0-9][0-9]$/time/' | paste -sd' ')
    [ "$order" = "London time Tokyo time Sydney time $2" ] ||
        fail "\"$1\" read as: $order (names: $(paste -sd'|' <<<"$names"))"
}

start_desktop
start_program
find_tray_icon
xdotool mousemove "$icon_x" "$icon_y" click 1
poll 10 visible '^World Times$' || fail "no \"World Times\" from the tray"
read_window "World Times" "Pin to the desktop"
atspi press "World Times" "Pin to the desktop"
read_window "World Times" "Unpin"
xdotool key Escape
xdotool keyup Escape
kill "$program_pid"

export LANG=de_DE.UTF-8 LANGUAGE=de
start_program
find_tray_icon
poll 10 visible '^Weltzeiten$' || fail "the pinned window did not come back"
read_window "Weltzeiten" "Vom Desktop lösen"
echo "PASS: screen reader (screenshots in $shots)"
