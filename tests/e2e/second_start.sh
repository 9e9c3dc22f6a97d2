#!/usr/bin/env bash
# A second start of the program while it runs, as from the menu or a
# shortcut bound to it: the running copy shows its clocks window, active, and
# the second one ends at once with 0; with --options the running copy opens
# its options. Without a session bus it still says that it runs already.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/second_start.sh build/ci
set -euo pipefail

source "$(dirname "$0")/lib/accessibility.bash" # a session bus of the test's own
build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"
export DBUS_SESSION_BUS_ADDRESS=$accessibility_bus

seed_clocks Europe/London Asia/Tokyo
start_desktop
start_program
world_times_gone || fail "the window was shown before anything asked for it"

# 1. A second start: the window shown and active within a second, and the
# second copy gone with 0 by then.
second_start 1500
import -window root "$shots/second-start.png"

# 2. Again while it is shown: it stays, still active.
"$program" || fail "a second start with the window shown ended with $?"
sleep 0.3
active_is_world_times || fail "a second start with the window shown did not keep it active"

# 3. --options: the running copy opens its options dialog.
"$program" --options || fail "a second start with --options ended with $?"
poll 5 options_dialog || fail "no options dialog after a second start with --options"
kill -0 "$program_pid" || fail "the running copy ended"

echo "PASS: second start"
