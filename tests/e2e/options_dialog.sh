#!/usr/bin/env bash
# The options dialog on a real X server with a window manager and a tray host:
# a double click on the tray icon opens "Vorkel Clocks - Options", a zone is
# added from the keyboard, Apply puts the new clock into "World Times" and the
# settings file, and both tabs are photographed.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/options_dialog.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"

seed_clocks Europe/London

start_desktop
start_program


# 1. A double click on the icon opens the options dialog, centred, active.
open_options
id=$(options_dialog)
read -r dx dy dw dh < <(xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$NF}
    /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}')
echo "dialog at $dx,$dy ${dw}x$dh"
# Centred in the work area (1024 x 744), give or take the window frame.
((${dx} + dw / 2 - 512 <= 20 && 512 - dx - dw / 2 <= 20)) || fail "dialog not centred across"
((${dy} + dh / 2 - 372 <= 30 && 372 - dy - dh / 2 <= 30)) || fail "dialog not centred down"
import -window "$id" "$shots/options-clocks.png"

# 2. Add the first zone of the region of the London clock: Alt+T chooses the
# region list, Tab the zone list, Home its first zone, Alt+A adds it.
key alt+t Tab Home alt+a
# Shift+Tab from the clock list: the tabs, Help, then Apply.
key shift+Tab shift+Tab shift+Tab space
poll 10 sh -c "grep -q '^Clocks=.*London;' '$settings'" || fail "Apply stored no second clock"
clocks=$(sed -n 's/^Clocks=//p' "$settings")
echo "stored clocks: $clocks"

# 3. The clocks window shows the new clock.
poll 10 world_times || fail "\"World Times\" did not show after Apply"
sleep 0.5
import -window root "$shots/options-applied.png"
options_dialog >/dev/null || fail "Apply closed the dialog"

# 4. The other tab: back to the dialog with a click into its clock list (the
# clocks window took the focus), then Ctrl+Tab.
xdotool mousemove $((dx + 40)) $((dy + 120)) click 1
sleep 0.3
key ctrl+Tab
import -window "$(options_dialog)" "$shots/options-appearance.png"

# 5. Esc closes the dialog without asking.
key Escape
xdotool keyup Escape
poll 5 gone "^Vorkel Clocks - Options$" ||
    fail "Esc did not close the dialog"
kill -0 "$program_pid" || fail "the program ended with the dialog"

echo "PASS: options dialog (screenshots in $shots)"
