#!/usr/bin/env bash
# The program in German (LANG=de_DE.UTF-8) on a real X server with a window
# manager and a tray host: the clocks window, a clock's hint, both menus, the
# manual's entry page, the about box and the first-run question, each found
# by its German caption and photographed, so a look shows that every text fits.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/german.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"
export LANG=de_DE.UTF-8 LANGUAGE=de

cat >"$settings" <<'INI'
[General]
Clocks="London;Sankt Petersburg;Tokio"
Pinned=1
Left=600
Top=40

[Clocks]
0_Zone=Europe/London
0_UseDaylight=1
1_Zone=Europe/Moscow
1_UseDaylight=1
2_Zone=Asia/Tokyo
2_UseDaylight=1
INI

start_desktop
start_program
find_tray_icon

# 1. The pinned window, with a clock's hint.
poll 10 visible "^Weltzeiten$" || fail "no window captioned Weltzeiten"
read -r wx wy ww wh < <(geometry "$(visible "^Weltzeiten$")")
xdotool mousemove $((wx + 60)) $((wy + 20))
sleep 1.5
import -window root "$shots/de-window-hint.png"

# 2. The window's menu, then "&Hilfe" (above "&Beenden"): the German entry page.
xdotool mousemove $((wx + 60)) $((wy + 20)) click 3
sleep 0.7
import -window root "$shots/de-window-menu.png"
key Up Up Return
poll 10 visible "^Hilfe zu Vorkel Clocks$" || fail "no help viewer captioned in German"
sleep 0.5
help=$(visible "^Hilfe zu Vorkel Clocks$")
import -window "$help" "$shots/de-help-contents.png"
xdotool windowclose "$help" 2>/dev/null || xdotool windowkill "$help"
sleep 0.3

# 3. The tray menu, then "Über..." (above "&Beenden"): the about box.
xdotool mousemove "$icon_x" "$icon_y" click 3
sleep 0.7
import -window root "$shots/de-tray-menu.png"
key Up Up Return
poll 10 visible "^.+ber Vorkel Clocks$" || fail "no about box captioned in German"
sleep 0.5
import -window "$(visible "^.+ber Vorkel Clocks$")" "$shots/de-about-box.png"
key Return
poll 5 sh -c '! xdotool search --onlyvisible --name "^.+ber Vorkel Clocks$"' ||
    fail "the about box did not close"

# 4. No clocks: the first-run question, a confirmation captioned "Bestätigen".
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
printf '[General]\nClocks=\n' >"$settings"
start_program
poll 10 visible "^Best.+tigen$" || fail "no first-run question captioned in German"
sleep 0.5
import -window root "$shots/de-first-run.png"
key Escape
xdotool keyup Escape

echo "PASS: German texts (screenshots in $shots)"
