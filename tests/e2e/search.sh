#!/usr/bin/env bash
# Finding a place the tz database does not name: in the options dialog Ctrl+F,
# "mumbai" and Enter add a clock titled "Mumbai"; after OK, "World Times"
# shows it at India's time, read from the accessibility tree, and the settings
# file holds it in Asia/Kolkata.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/search.sh build/ci
set -euo pipefail

source "$(dirname "$0")/lib/accessibility.bash"
build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"
accessibility_on

seed_clocks TimeFormat=hh:nn Europe/London

start_desktop
start_program


open_options

# Ctrl+F, the city, Enter: a clock titled with the city, the dialog still open.
key ctrl+f
xdotool type --delay 80 mumbai
sleep 0.5
import -window "$(options_dialog)" "$shots/search-results.png"
key Return
options_dialog >/dev/null || fail "Enter in the search box closed the dialog"
names=$(atspi names "Vorkel Clocks - Options")
grep -qx "Mumbai (GMT +5:30)" <<<"$names" || fail "no clock \"Mumbai\" in the dialog: $names"

atspi press "Vorkel Clocks - Options" OK
poll 10 sh -c "grep -q '^Clocks=\"\\?London;Mumbai\"\\?$' '$settings'" || fail "OK stored no clock \"Mumbai\""
grep -q '^1_Zone=Asia/Kolkata$' "$settings" || fail "the clock \"Mumbai\" is not in Asia/Kolkata"

# "World Times" shows the clock at India's time (the minute may turn meanwhile).
poll 10 world_times || fail "\"World Times\" did not show after OK"
sleep 1
names=$(atspi names "World Times")
grep -q "Mumbai" <<<"$names" || fail "no \"Mumbai\" in \"World Times\": $names"
india=("$(TZ=Asia/Kolkata date +%H:%M)" "$(TZ=Asia/Kolkata date -d '-1 minute' +%H:%M)")
grep -qE "(^| )(${india[0]}|${india[1]})( |$)" <<<"$names" ||
    fail "no clock at India's time (${india[0]}) in \"World Times\": $names"
import -window root "$shots/search-world-times.png"
echo "PASS: search in the options dialog"
