#!/usr/bin/env bash
# The program on an X11 desktop whose panel is a StatusNotifierItem host
# (gtk-sni-tray-standalone with its own watcher): the icon registers, a click
# the panel reports far from the pointer opens "World Times" beside the
# click, the panel's menu holds the program's entries and "Exit" in it ends
# the program. A panel that comes 8 s after the program, and one restarted,
# get the icon within 10 s.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/sni_tray.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"
source "$(dirname "$0")/lib/sni.bash"
source "$(dirname "$0")/lib/geometry.bash"

cat >"$settings" <<'INI'
[General]
Clocks="London;Tokyo"

[Clocks]
0_Zone=Europe/London
0_UseDaylight=1
1_Zone=Asia/Tokyo
1_UseDaylight=1
INI

ended() { ! kill -0 "$program_pid" 2>/dev/null; }
# The window may get a new X window when it changes kind: found afresh.
no_button() { local w; w=$(visible "$1") && [ -n "$w" ] && xprop -id "$w" _NET_WM_STATE | grep -q SKIP_TASKBAR; }
# beside X Y: "World Times" lies on the screen above the panel (which starts
# at 738), with its corner nearest to X,Y at most 30 pixels from it.
beside() {
    local w x y ww wh
    w=$(visible '^World Times$') && [ -n "$w" ] || return 1
    read -r x y ww wh < <(geometry "$w")
    echo "window at $x,$y ${ww}x$wh for a click at $1,$2"
    ((x >= 0 && y >= 0 && x + ww <= 1024 && y + wh <= 738)) || return 1
    local best
    best=$(nearest_corner "$x" "$y" "$ww" "$wh" "$1" "$2")
    ((best <= 30 * 30))
}

start_session_bus
start_desktop notray
start_sni_panel

# 1. The icon registers with the panel's watcher.
start_program notray
poll 10 item_registered || fail "the icon did not register: $(sni registered)"

# 2. A click the panel reports far from the pointer: the window opens beside
#    the click, not at the pointer.
xdotool mousemove 100 100
sni call Activate 600 752
poll 5 visible '^World Times$' || fail "Activate showed no clocks"
beside 600 752 || fail "the window is not beside the click"
import -window root "$shots/sni-activate.png"
other_program
poll 5 gone '^World Times$' || fail "the window did not hide on a click elsewhere"

# 3. The menu the panel draws is the program's tray menu.
menu=$(sni menu | tr '\n' '|')
[ "$menu" = "Show Clocks|Options...|-|About...|E_xit|" ] || fail "wrong menu: $menu"

# 4. The panel's own click on the icon, and its own menu.
find_sni_icon
xdotool mousemove "$icon_x" "$icon_y" click 1
poll 5 visible '^World Times$' || fail "a click on the panel's icon showed no clocks"
beside "$icon_x" "$icon_y" || fail "the window is not beside the panel's icon"
other_program
poll 5 gone '^World Times$' || fail "the window did not hide"
xdotool mousemove "$icon_x" "$icon_y" click 3
sleep 1 # the panel's own menu: nothing of ours to wait for
import -window root "$shots/sni-menu.png"
xdotool key Escape
xdotool keyup Escape

# 5. A restarted panel gets the icon again, the window still opens beside
#    the click, and Exit, the last entry of the panel's menu, ends the program.
stop_sni_panel
start_sni_panel
poll 10 item_registered || fail "a restarted panel got no icon within 10 s"
sni call Activate 900 750
poll 5 visible '^World Times$' || fail "Activate after the restart showed no clocks"
beside 900 750 || fail "the window is not beside the click after the restart"
other_program
poll 5 gone '^World Times$' || fail "the window did not hide after the restart"
find_sni_icon
xdotool mousemove "$icon_x" "$icon_y" click 3
sleep 1
xdotool key Up
sleep 0.3
xdotool key Return
poll 10 ended || fail "Exit in the panel's menu did not end the program"

# 6. The panel comes 8 s after the program: at 5 s the program says there
#    is none, and the icon is on the panel within 10 s of the panel's start.
stop_sni_panel
start_program notray
started=$SECONDS
poll 10 visible '^Information$' || fail "no message that there is no notification area"
key Return
while ((SECONDS - started < 8)); do sleep 0.2; done
start_sni_panel
poll 10 item_registered || fail "a panel started 8 s after the program got no icon within 10 s"
# The window, an ordinary one while there was no panel, is a pop-up again.
poll 5 no_button '^World Times$' || fail "the window kept its taskbar button after the panel came"
other_program
poll 5 gone '^World Times$' || fail "the window did not hide after the panel came"
sni call Activate 600 752
poll 5 visible '^World Times$' || fail "Activate after a late panel showed no clocks"
import -window root "$shots/sni-late-panel.png"
sni click E_xit
poll 10 ended || fail "Exit in the exported menu did not end the program"
echo "PASS: $(basename "$0") (screenshots in $shots)"
