#!/usr/bin/env bash
# The clocks window on a real X server with a window manager and a tray host:
# the tray icon docks with its hint, a click opens "World Times" beside the
# tray, turning to another window hides it, a pinned one stays, the window's
# menu opens, and "Exit" stores the pin state and position.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/clocks_window.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
source "$(dirname "$0")/lib/desktop.bash"
[ -f "$build/src/zones.ini" ] || fail "no zones.ini beside $program"

seed_clocks "DateFormat=dddd d mmmm yyyy" "TimeFormat=hh:nn:ss ampm" \
    Europe/London Europe/Paris Asia/Tokyo

start_desktop
start_program
# The sound library is opened by the first alarm, not carried by every run.
! grep -q libcanberra "/proc/$program_pid/maps" || fail "libcanberra loaded with no alarm"

# 1. The icon docks, with the hint naming the three cities.
echo "$docked"
[[ $docked == *"hint: Click to show the time in London, Paris and Tokyo" ]] ||
    fail "wrong hint: $docked"
icon_x=$((ix + iw / 2))
icon_y=$((iy + ih / 2))

window_geometry() { # prints x y w h of "World Times"
    local id
    id=$(xdotool search --onlyvisible --name "^World Times$" | head -1)
    [ -n "$id" ] || return 1
    xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}
window_state() { xprop -id "$(world_times)" _NET_WM_STATE; }

# 2. A click opens the window beside the tray: above the panel, within the
# screen, its left edge at the icon's unless that would cross the right edge.
xdotool mousemove "$icon_x" "$icon_y" click 1
poll 5 world_times || fail "the window did not open on a tray click"
sleep 0.3
read -r wx wy ww wh < <(window_geometry)
echo "window at $wx,$wy ${ww}x$wh, icon at $ix,$iy ${iw}x$ih"
((wy + wh == 744)) || fail "window bottom $((wy + wh)) is not on the panel's top (744)"
((wx + ww <= 1024)) || fail "window leaves the screen"
((wx == ix || wx + ww == 1024)) || fail "window not at the tray's left edge"
((ww >= 120 && wh >= 108)) || fail "window smaller than its minimum"
# Kept out of the taskbar and the pager.
state=$(window_state)
echo "$state"
[[ $state == *_NET_WM_STATE_SKIP_TASKBAR* && $state == *_NET_WM_STATE_SKIP_PAGER* ]] ||
    fail "the window is not kept out of the taskbar: $state"
[[ $state == *_NET_WM_STATE_ABOVE* ]] || fail "the window is not kept on top: $state"
import -window root "$shots/clocks-window.png"

# A second click while it is open changes nothing.
xdotool mousemove "$icon_x" "$icon_y" click 1
sleep 1
world_times >/dev/null || fail "a tray click while open hid the window"
read -r x2 y2 _ _ < <(window_geometry)
((x2 == wx && y2 == wy)) || fail "a tray click while open moved the window"

# 3. Turning to another program hides it.
xdotool mousemove 100 60 click 1
poll 5 world_times_gone || fail "the window stayed after clicking another window"

# 4. Pinned, it stays.
xdotool mousemove "$icon_x" "$icon_y" click 1
poll 5 world_times || fail "the window did not reopen"
sleep 0.3
read -r wx wy ww wh < <(window_geometry)
xdotool mousemove $((wx + ww - 7)) $((wy + 7)) click 1 # the pin button
sleep 0.3
xdotool mousemove 100 60 click 1
sleep 1
world_times >/dev/null || fail "a pinned window hid itself"

# Dragged by its clocks, it moves with the mouse.
xdotool mousemove $((wx + 60)) $((wy + 30)) mousedown 1
xdotool mousemove $((wx + 20)) $((wy - 170))
xdotool mousemove $((wx + 10)) $((wy - 180)) mouseup 1
sleep 0.3
read -r wx wy ww wh < <(window_geometry)
echo "dragged to $wx,$wy"
import -window root "$shots/clocks-pinned.png"

# 5. The tray icon's menu.
xdotool mousemove "$icon_x" "$icon_y" click 3
sleep 0.7
import -window root "$shots/tray-menu.png"
xdotool key Escape
xdotool keyup Escape
sleep 0.3

# 6. The window's menu over a clock; its last item is "Exit".
windows_before=$(xdotool search --onlyvisible --pid "$program_pid" | wc -l)
xdotool mousemove $((wx + 60)) $((wy + 50)) click 3
sleep 0.7
windows_after=$(xdotool search --onlyvisible --pid "$program_pid" | wc -l)
import -window root "$shots/window-menu.png"
((windows_after > windows_before)) || fail "no menu opened on a right click"
xdotool key x # E&xit
poll 10 sh -c "! kill -0 $program_pid" || fail "Exit did not end the program"
wait "$program_pid" || fail "the program ended with status $?"

# 7. The pin state and position are stored.
grep -q '^Pinned=1' "$settings" || fail "Pinned not stored: $(cat "$settings")"
grep -q "^Left=$wx\$" "$settings" || fail "Left not $wx: $(cat "$settings")"
grep -q "^Top=$wy\$" "$settings" || fail "Top not $wy: $(cat "$settings")"

# 8. An alarm whose moment passed while the program was not running rings at
# the next start, once, with the window shown; it is then cleared.
yesterday=$(($(date +%s) / 86400 + 25569 - 1)) # days since 30 December 1899
sed -i "/^\[General\]/a AlarmTime=$yesterday.5\nAlarmClock=Tokyo" "$settings"
sed -i "s/^Pinned=1/Pinned=0/" "$settings" # hidden at start
box='^Alarm .* Tokyo$' # the box is titled after the alarm's clock
"$program" >"$work/program2.log" 2>&1 &
program_pid=$!
pids+=($program_pid)
poll 10 xdotool search --onlyvisible --name "$box" || fail "the alarm did not ring"
sleep 0.5
import -window root "$shots/alarm.png"
world_times >/dev/null || fail "the alarm did not show the clocks window"
grep -q '^AlarmTime=0$' "$settings" || fail "the rung alarm stays stored: $(cat "$settings")"
state=$(window_state)
[[ $state != *_NET_WM_STATE_SKIP_TASKBAR* && $state == *_NET_WM_STATE_ABOVE* ]] ||
    fail "while the alarm message is up the window is not on top in the taskbar: $state"
xdotool search --onlyvisible --name "$box" windowactivate --sync
xdotool key Return
poll 5 sh -c '! xdotool search --onlyvisible --name "$1"' - "$box" ||
    fail "the alarm message did not close"
# Out of the taskbar again, and still on top.
states_restored() {
    local state
    state=$(window_state)
    [[ $state == *_NET_WM_STATE_SKIP_TASKBAR* && $state == *_NET_WM_STATE_ABOVE* ]]
}
poll 5 states_restored || fail "after the alarm message the window lost its states: $(window_state)"
sleep 1.5
xdotool search --onlyvisible --name "$box" >/dev/null && fail "the alarm rang twice"
xdotool mousemove "$icon_x" "$icon_y" click 3
sleep 0.7
xdotool key x # E&xit in the tray menu
poll 10 sh -c "! kill -0 $program_pid" || fail "Exit from the tray menu did not end the program"

# 9. Ended by the session (a termination signal), it still stores its state.
sed -i -e "s/^Pinned=0/Pinned=1/" -e "/^Left=/d" -e "/^Top=/d" "$settings"
"$program" >"$work/program3.log" 2>&1 &
program_pid=$!
pids+=($program_pid)
poll 10 world_times || fail "a pinned window was not shown at start"
kill -TERM "$program_pid"
poll 10 sh -c "! kill -0 $program_pid" || fail "the program ignored SIGTERM"
wait "$program_pid" || fail "the program ended with status $? on SIGTERM"
grep -q '^Left=' "$settings" && grep -q '^Top=' "$settings" ||
    fail "the window state was not stored on SIGTERM: $(cat "$settings")"

echo "PASS: clocks window (screenshots in $shots)"
