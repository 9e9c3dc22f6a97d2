#!/usr/bin/env bash
# The options dialog on a real X server with a window manager and a tray host:
# a double click on the tray icon opens "Vorkel Clocks - Options", a zone is
# added from the keyboard, Apply puts the new clock into "World Times" and the
# settings file, and both tabs are photographed; on a desktop whose font is
# 14 pt (a GTK desktop's gtk-font-name) the dialog takes that size.
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

# 6. A GTK desktop hands Qt its font through the GTK platform theme, which Qt
# picks by itself there: at 14 pt, rather than Qt's own 9 pt, every text and
# so the dialog grows by about half.
kill "$program_pid"
mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
printf '[Settings]\ngtk-font-name=DejaVu Sans 14\n' >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
XDG_CURRENT_DESKTOP=GNOME start_program
open_options
read -r _ _ bw bh < <(geometry "$(options_dialog)")
echo "dialog in a 14 pt desktop font: ${bw}x$bh"
((bw * 10 >= dw * 13 && bh * 10 >= dh * 12)) || fail "the dialog did not take the desktop's 14 pt font"
import -window "$(options_dialog)" "$shots/options-clocks-14pt.png"

echo "PASS: options dialog (screenshots in $shots)"
