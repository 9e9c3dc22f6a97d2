#!/usr/bin/env bash
# The program under GNOME Shell 43 with the AppIndicator extension, headless,
# through XWayland as a GNOME session starts it: the icon in the top bar, a
# double click on it (the extension's Activate) opens the window beside the
# icon, under the top bar, above the other windows; "Show Clocks" from the
# extension's menu (its single click) shows the window active, so that it
# hides when the user turns to another window; an extension enabled after
# the program started gets the icon within 10 s. The clicks are real ones,
# through a virtual pointer of the shell. Screenshots go to
# BUILD/desktop-shots.
#
# Usage: tests/desktops/gnome.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
here=$(realpath "$(dirname "$0")")
shots=$build/desktop-shots
if [ "${GNOME_INNER:-}" != 1 ]; then
    # What this desktop needs beyond the other tests' packages; dconf, or
    # the shell keeps its settings in memory and the extension list with them.
    source "$here/../../scripts/deps.sh"
    vorkel_install_packages gnome-shell gnome-shell-extension-appindicator dconf-gsettings-backend \
        dconf-service xwayland dbus python3-dbus x11-utils xterm
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/rt" "$work/home" "$work/cfg/Vorkel" "$shots"
    chmod 700 "$work/rt"
    # Two clocks to start with.
    cp "$here/clocks.ini" "$work/cfg/Vorkel/Clocks.ini"
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM GNOME_INNER=1 work="$work" shots="$shots" \
        XDG_RUNTIME_DIR="$work/rt" HOME="$work/home" XDG_CONFIG_HOME="$work/cfg" \
        dbus-run-session -- bash "$here/gnome.sh" "$build" 2>&1 | grep -v '^dbus-daemon\|^SpiRegistry' ||
        status=1
    grep -q '^PASS' "$work/result" 2>/dev/null || { tail -30 "$work/shell.log"; exit 1; }
    exit $status
fi

# Inside the test's own session bus.
source "$here/../e2e/lib/processes.bash"
source "$here/../e2e/lib/geometry.bash"
trap end_processes EXIT
gs() { /usr/bin/python3 "$here/gnome_shell.py" "$@"; }
sni() { /usr/bin/python3 "$here/../e2e/lib/sni.py" "$@"; }
fail() {
    echo "FAIL: $*" | tee "$work/result"
    gs screenshot "$shots/gnome-failure.png" 2>/dev/null || true
    cp "$work/shell.log" "$shots/gnome-shell.log"
    gs windows 2>/dev/null | sed 's/^/  window: /' || true
    [ -f "$work/program.log" ] && sed 's/^/  log: /' "$work/program.log"
    exit 1
}
# window TITLE: sets wx wy ww wh focus above of the window, and its place in
# the stacking order (top 0 the topmost).
window() {
    local line
    # The shell's own 1x1 X window off the screen does not count.
    line=$(gs windows | awk -F '\t' -v t="$1" '$3 > 1 { n++ } $7 == t { found = $0; place = n }
        END { if (found) print found "\t" n - place }')
    [ -n "$line" ] || return 1
    IFS=$'\t' read -r wx wy ww wh focus above _ top <<<"$line"
}
shown() { window "World Times"; }
hidden() { ! window "World Times"; }
focused() { window "World Times" && [ "$focus" = 1 ]; }
# beside X Y: the window lies on the screen below the top bar, with its
# corner nearest to X,Y at most 30 pixels from it, and above every other
# window.
beside() {
    window "World Times" || return 1
    echo "window at $wx,$wy ${ww}x$wh (focus $focus) for a click at $1,$2 (top bar ends at $bar_bottom)"
    ((wx >= 0 && wy >= bar_bottom && wx + ww <= 1024 && wy + wh <= 768)) || return 1
    local best
    best=$(nearest_corner "$wx" "$wy" "$ww" "$wh" "$1" "$2")
    echo "nearest corner $(awk -v d=$best 'BEGIN { printf "%.1f", sqrt(d) }') px away, stacking place $top"
    ((best <= 30 * 30 && top == 0))
}

# GNOME Shell asks the system bus for its seat and session: a private one.
dbus-daemon --session --nofork --print-address=1 --address="unix:path=$XDG_RUNTIME_DIR/system_bus" \
    >"$work/system-bus" 2>/dev/null &
pids+=($!)
poll 10 test -s "$work/system-bus" || fail "no system bus"
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/system_bus
started=$SECONDS
stdbuf -oL -eL gnome-shell --headless --wayland --unsafe-mode --virtual-monitor 1024x768 >"$work/shell.log" 2>&1 &
pids+=($!)
shell_ready() { [ "$(gs eval 'imports.ui.main.layoutManager._startingUp')" = False ]; }
poll 60 shell_ready || fail "GNOME Shell did not start"
echo "GNOME Shell up in $((SECONDS - started)) s"
# A session starts in the overview, which covers the windows; the user
# leaves it before turning to the clocks. The shell's banners (no screen
# lock without its display manager) would cover the screenshots.
overview_closed() { [ "$(gs eval 'imports.ui.main.overview.visible')" = False ]; }
gs eval 'imports.ui.main.overview.hide(); imports.ui.main.messageTray.bannerBlocked = true; true' >/dev/null
poll 10 overview_closed || fail "the overview did not close"
read -r _ bar_y _ bar_h < <(gs panel)
bar_bottom=$((bar_y + bar_h))
# XWayland starts with the first X client; the shell knows its display.
DISPLAY=$(gs eval 'imports.gi.GLib.getenv("DISPLAY")')
XAUTHORITY=$(gs eval 'imports.gi.GLib.getenv("XAUTHORITY")')
export DISPLAY XAUTHORITY WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME

# Another program for the window to be above, and to turn to.
xterm -title OtherApp -geometry 100x40+0+40 -e sleep 600 &
pids+=($!)
poll 15 window OtherApp || fail "xterm did not appear"

# 1. The extension comes after the program, as a shell that loads its
#    extensions late at login: the icon is in the top bar within 10 s.
QT_LOGGING_RULES="vorkel.*.debug=true" "$build/src/vorkelclocks" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=($program_pid)
sleep 3
gs appindicator on
enabled=$SECONDS
poll 10 gs icon || fail "no icon in the top bar within 10 s of the extension's start"
echo "icon in the top bar $((SECONDS - enabled)) s after the extension started"
# The extension checks a new item for up to 3 s, and may drop it and take it
# again meanwhile (the program then registers it anew): the icon that stays.
sleep 4
poll 10 gs icon || fail "the icon left the top bar again"
echo "$(grep -c 'registering it again' "$work/program.log" || true) times registered again"
read -r ix iy iw ih < <(gs icon)
echo "icon at $ix,$iy ${iw}x$ih"
# As after a user's first click on the icon.
gs activation

# 2. A double click on the icon (the extension's Activate with the point):
#    the window opens beside the icon, under the top bar, above the xterm.
cx=$((ix + iw / 2)) cy=$((iy + ih / 2))
gs click "$cx" "$cy" 2
poll 5 shown || fail "a double click on the icon showed no clocks"
sleep 0.5 # settled where the shell put it
beside "$cx" "$cy" || fail "the window is not beside the icon"
gs screenshot "$shots/gnome-activate.png"
gs click 300 400
poll 5 hidden || fail "the window did not hide on a click in the other window"

# 3. A single click opens the extension's menu; its "Show Clocks" shows the
#    window active, and a click elsewhere hides it again.
gs click "$cx" "$cy"
poll 5 gs menuitem "Show Clocks" || fail "a click on the icon opened no menu: $(gs menuitem 'Show Clocks' 2>&1)"
gs screenshot "$shots/gnome-menu.png"
read -r mx my < <(gs menuitem "Show Clocks")
gs click "$mx" "$my"
poll 5 shown || fail "\"Show Clocks\" showed no clocks"
poll 3 focused || fail "\"Show Clocks\" showed the clocks without focus"
beside "$cx" "$cy" || fail "the window from \"Show Clocks\" is not beside the icon"
gs screenshot "$shots/gnome-show-clocks.png"
sleep 1 # the menu's closing animation holds the pointer
gs click 300 400
poll 5 hidden || fail "the window from \"Show Clocks\" did not hide on a click in the other window"

# 4. Exit through the menu.
gs click "$cx" "$cy"
poll 5 gs menuitem "Exit" || fail "no Exit in the menu"
read -r mx my < <(gs menuitem "Exit")
gs click "$mx" "$my"
poll 10 sh -c "! kill -0 $program_pid" || fail "Exit did not end the program"
echo "PASS: GNOME Shell (XWayland) in $((SECONDS - started)) s" | tee "$work/result"
