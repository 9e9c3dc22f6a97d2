#!/usr/bin/env bash
# The about box, the manual and the options dialog's context help and about
# tab on a real X server with a window manager and a tray host: "About..."
# from the tray menu, "&Help" from the window's menu, "What's This?" on the
# clock list, and the "About Vorkel" tab with its strip, all photographed.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/help_about.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"

# title_is ID TEXT: the window's caption as the window manager shows it.
title_is() {
    local shown
    shown=$(xprop -id "$1" _NET_WM_NAME | sed -E 's/^[^"]*"(.*)"$/\1/')
    [ "$shown" = "$2" ] || fail "caption \"$shown\", not \"$2\""
}

seed_clocks Pinned=1 Europe/London

start_desktop
start_program
# The docking report can come before trayer has moved the icon into its
# panel (it then reads 0,0): the panel, sized to the one icon, tells.
find_tray_icon

# 1. "About..." in the tray menu (the item above "E&xit") opens the about box.
xdotool mousemove "$icon_x" "$icon_y" click 3
sleep 0.7
key Up Up Return
poll 10 visible "^About Vorkel Clocks$" || fail "no about box from the tray menu"
sleep 0.5
title_is "$(visible "^About Vorkel Clocks$")" "About Vorkel Clocks"
import -window root "$shots/about-box.png"
key Return # &Close, the default button
poll 5 sh -c '! xdotool search --onlyvisible --name "^About Vorkel Clocks$"' ||
    fail "the about box did not close"

# 2. "&Help" in the window's menu (the item above "E&xit") opens the manual.
poll 10 visible "^World Times$" || fail "the pinned window is not shown"
read -r wx wy _ _ < <(geometry "$(visible "^World Times$")")
xdotool mousemove $((wx + 60)) $((wy + 40)) click 3
sleep 0.7
key Up Up Return
poll 10 visible "^Vorkel Clocks Help$" || fail "no help viewer from the window's menu"
sleep 0.5
help=$(visible "^Vorkel Clocks Help$")
title_is "$help" "Vorkel Clocks Help"
import -window "$help" "$shots/help-contents.png"
xdotool windowclose "$help" 2>/dev/null || xdotool windowkill "$help"
sleep 0.3

# 3. The options dialog: "What's This?" on the clock list shows its pop-up.
double_click mousemove "$icon_x" "$icon_y"
poll 10 visible "^Vorkel Clocks - Options$" || fail "no options dialog"
sleep 0.7
dialog=$(visible "^Vorkel Clocks - Options$")
title_is "$dialog" "Vorkel Clocks - Options"
read -r dx dy dw dh < <(geometry "$dialog")
windows() { xdotool search --onlyvisible --pid "$program_pid" | wc -l; }
# popup_shown BEFORE NAME: a pop-up window came, photographed, then clicked away.
popup_shown() {
    sleep 0.5
    (($(windows) > $1)) || fail "no pop-up for $2"
    import -window root "$shots/options-$2.png"
    xdotool mousemove $((dx + dw - 40)) $((dy + 12)) click 1 # beside the tabs: closes the pop-up
    sleep 0.4
}
windows_before=$(windows)
xdotool mousemove $((dx + 40)) $((dy + 64)) click 3
sleep 0.5
key w # &What's This?
popup_shown "$windows_before" whatsthis
# F1 in the clock list, and Shift+F1 (the What's This pointer) on the zone list.
xdotool mousemove $((dx + 40)) $((dy + 64)) click 1
sleep 0.3
key F1
popup_shown "$windows_before" f1
key shift+F1
xdotool mousemove $((dx + dw - 120)) $((dy + 110)) click 1
popup_shown "$windows_before" pointer

# 4. The about tab (Ctrl+Tab twice from the first tab) and the strip.
xdotool mousemove $((dx + 40)) $((dy + 64)) click 1
sleep 0.3
key ctrl+Tab ctrl+Tab
sleep 0.5
import -window "$dialog" "$shots/options-about.png"
key Escape
xdotool keyup Escape
poll 5 sh -c '! xdotool search --onlyvisible --name "^Vorkel Clocks - Options$"' ||
    fail "Esc did not close the dialog"
kill -0 "$program_pid" || fail "the program ended"

echo "PASS: help and about (screenshots in $shots)"
