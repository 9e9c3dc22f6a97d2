#!/usr/bin/env bash
# "World Times" as a screen reader reads it, from the accessibility tree: each
# clock's title and then the clock, itself read with its title, date and
# time, clock by clock, and the pin button by its name (its state tells
# whether it is pressed), in English and in German; and the options dialog's
# controls by their roles and names.
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
    # ending in a time; and the pin. The clock's own name begins with the
    # title it stands under.
    order=$(grep -E '^(London|Tokyo|Sydney) \(|[0-9][0-9]:[0-9][0-9]$|^'"$2"'$' <<<"$names" |
        sed -E 's/^(London|Tokyo|Sydney) \(.*/\1/; s/.*[0-9][0-9]:[0-9][0-9]$/time/' | uniq | paste -sd' ')
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
read_window "World Times" "Pin to the desktop"
xdotool key Escape
xdotool keyup Escape

# The options: combo boxes named by their labels, not by their entries; the
# alarm date and the search's clear button by names of their own; groups
# without the spaces around their captions.
open_options
roles=$(atspi roles "Vorkel Clocks - Options") || fail "no options dialog in the accessibility tree"
for expected in "combo box: Time zones:" "push button: Clear the search" "panel: London (GMT, GMT +0:00)" \
    "panel: Appearance" "combo box: Date format" "combo box: Time format" "panel: Alarm" \
    "combo box: Clock to use:" "spin button: Alarm date"; do
    grep -qxF "$expected" <<<"$roles" ||
        fail "no \"$expected\" in the options (read: $(paste -sd'|' <<<"$roles"))"
done
key Escape
xdotool keyup Escape
poll 5 gone "^Vorkel Clocks - Options$" || fail "Esc did not close the options"
kill "$program_pid"

export LANG=de_DE.UTF-8 LANGUAGE=de
start_program
find_tray_icon
poll 10 visible '^Weltzeiten$' || fail "the pinned window did not come back"
read_window "Weltzeiten" "Auf dem Desktop anheften"
echo "PASS: screen reader (screenshots in $shots)"
