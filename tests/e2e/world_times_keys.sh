#!/usr/bin/env bash
# "World Times" with the keyboard alone, as someone without a mouse or with a
# screen reader reaches it: a second start shows it active, the focus on the
# first clock; Tab goes down the clocks to the pin, each read whole (title,
# date, time) from the accessibility tree as a screen reader reads it; Space
# pins it, Shift+F10 opens the window's menu, Escape hides it. Pinned, the
# window stays above other programs' windows but never above the options
# dialog (which only the window manager's stacking shows).
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/world_times_keys.sh build/ci
set -euo pipefail

source "$(dirname "$0")/lib/accessibility.bash"
build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"
accessibility_on

seed_clocks TimeFormat=hh:nn DateFormat="dddd d mmmm yyyy" Europe/London Asia/Tokyo Australia/Sydney
start_desktop
start_program
world_times_gone || fail "the window was shown before anything asked for it"

# The menu entry or a shortcut bound to the program: a second start.
second_start 1000

said=$(atspi window "World Times")
[[ $said != filler* ]] || fail "the window is read as: $said"

# focused_is PATTERN: what a screen reader says of the focused part matches.
focused_is() {
    said=$(atspi focused "World Times") || fail "nothing focused in \"World Times\""
    [[ $said =~ $1 ]] || fail "focused: \"$said\", expected /$1/"
    echo "focused: $said"
}
# Each clock whole, in the order Tab reaches them: title, date, time.
for city in London Tokyo Sydney; do
    focused_is "^label\|$city \([^)]*\) / [A-Z][a-z]+day [0-9]+ [A-Z][a-z]+ 20[0-9][0-9] / [0-9]{2}:[0-9]{2}$"
    key Tab
done
focused_is "^check box\|Pin to the desktop\|unchecked$"
import -window root "$shots/world-times-keys-pin.png"

key space
poll 5 grep -qx "Pinned=1" "$settings" || fail "Space on the pin stored no Pinned=1"
focused_is "^check box\|Pin to the desktop\|checked$"

key shift+F10
poll 5 menu_shown || fail "Shift+F10 opened no menu"
import -window root "$shots/world-times-keys-menu.png"
key Escape
menu_gone() { ! menu_shown; }
poll 5 menu_gone || fail "Escape did not close the menu"
world_times >/dev/null || fail "Escape in the menu closed the window"

# The options over the pinned window, and the window above others again
# once they are closed.
# above A B: window A is stacked above window B (the list runs bottom to top).
above() {
    local w a=-1 b=-1 n=0
    for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'); do
        (($1 == w)) && a=$n
        (($2 == w)) && b=$n
        n=$((n + 1))
    done
    ((a >= 0 && b >= 0 && a > b))
}
kept_above() { xprop -id "$(world_times)" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
kept_above || fail "the pinned window is not kept above others"
"$program" --options || fail "a second start with --options ended with $?"
poll 5 options_dialog || fail "no options dialog after a second start with --options"
poll 5 above "$(options_dialog)" "$(world_times)" || fail "the pinned window covers the options dialog"
import -window root "$shots/world-times-keys-options.png"
key Escape
poll 5 gone "^Vorkel Clocks - Options$" || fail "Escape did not close the options"
poll 5 kept_above || fail "the pinned window is not kept above others after the options closed"

second_start 1000
key Escape
poll 5 world_times_gone || fail "Escape did not hide the window"
kill -0 "$program_pid" || fail "the program ended"
echo "PASS: World Times with the keyboard (screenshots in $shots)"
