# Shared by the desktop tests: a window manager, a tray host and another
# program on the X server the test runs under, the program under test started
# with its own settings, and the helpers to wait and to fail.
#
# Source it after setting build (the build folder) and, for a program other
# than the built one, program; it sets program, shots, work, settings and,
# after start_program, program_pid and the docked icon's ix iy iw ih.

program=${program:-$build/src/vorkelclocks}
shots=$build/e2e-shots
mkdir -p "$shots"
[ -x "$program" ] || { echo "FAIL: $program not built"; exit 1; }

work=$(mktemp -d)
source "$(dirname "${BASH_SOURCE[0]}")/processes.bash"
cleanup() {
    end_processes
    rm -rf "$work"
}
trap cleanup EXIT

unset DBUS_SESSION_BUS_ADDRESS # the XEmbed tray, not a StatusNotifierItem host
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/Vorkel"
chmod 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Vorkel/Clocks.ini

fail() {
    echo "FAIL: $*"
    import -window root "$shots/failure-$(basename "$0" .sh).png" 2>/dev/null || true
    [ -f "$work/program.log" ] && sed 's/^/  log: /' "$work/program.log"
    [ -f "$settings" ] && sed 's/^/  settings: /' "$settings"
    exit 1
}


# openbox (wm_pid), trayer with its strut, and an xterm titled OtherApp; with
# "notray", no trayer.
start_desktop() {
    openbox --sm-disable >/dev/null 2>&1 &
    wm_pid=$!
    pids+=($wm_pid)
    poll 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
    [ "${1:-}" = notray ] || start_tray
    xterm -title OtherApp -geometry 60x10+20+20 -e sleep 600 &
    pids+=($!)
    poll 10 xdotool search --onlyvisible --name OtherApp || fail "xterm did not appear"
}
start_tray() {
    # On a busy machine trayer now and then leaves its still empty panel
    # unmapped, and an unmapped panel reserves nothing; a new trayer maps it.
    local attempt
    for attempt in 1 2 3; do
        trayer --edge bottom --align right --widthtype request --height 24 \
            --SetDockType true --SetPartialStrut true >/dev/null 2>&1 &
        pids+=($!)
        poll 5 sh -c 'xprop -root _NET_WORKAREA | grep -q ", 744"' && return 0
        echo "trayer's panel stayed unmapped (start $attempt); starting it again" >&2
        kill "${pids[-1]}" 2>/dev/null || true
        wait "${pids[-1]}" 2>/dev/null || true
        unset 'pids[-1]'
    done
    fail "trayer reserved no strut"
}

# Starts the program and waits until its tray icon has docked; with
# "notray", only starts it.
start_program() {
    # One copy at a time: a start while the last one is still ending is told
    # that it runs already.
    if [ -n "${program_pid:-}" ]; then
        poll 10 sh -c "! kill -0 $program_pid" || fail "the last copy of the program did not end"
    fi
    # Emptied first: the shell truncates it only in the started process, and
    # a poll before that would read the last copy's report.
    : >"$work/program.log"
    QT_LOGGING_RULES="vorkel.*.debug=true" "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=($program_pid)
    [ "${1:-}" = notray ] && return
    poll 15 grep -q "tray icon docked at" "$work/program.log" || fail "no docking reported"
    docked=$(grep -m1 "tray icon docked at" "$work/program.log")
    read -r ix iy iw ih < <(sed -E 's/.*docked at ([0-9-]+),([0-9-]+) ([0-9]+)x([0-9]+).*/\1 \2 \3 \4/' <<<"$docked")
    ((iw > 0 && ih > 0)) || fail "icon not docked: $docked"
}

# key KEYS...: presses keys in the focused window, never leaving one held.
key() {
    xdotool key --delay 60 "$@"
    sleep 0.4
}
# visible PATTERN: the first shown window whose caption matches.
visible() { xdotool search --onlyvisible --name "$1" | head -1; }
# gone PATTERN: no shown window's caption matches.
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null; }
# other_program: a click into the other program's window, which takes the
# activation from ours.
other_program() {
    read -r ox oy _ _ < <(geometry "$(visible '^OtherApp$')")
    xdotool mousemove $((ox + 30)) $((oy + 30)) click 1
}
# menu_shown: one of the program's menus is up. A menu is an unmanaged window
# of the program's own with no special type (the docked icon is marked as
# unmanaged on purpose, a tooltip as a tooltip).
menu_shown() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
        xwininfo -id "$w" | grep -q "Override Redirect State: yes" &&
            [ "$(xprop -id "$w" _NET_WM_WINDOW_TYPE)" = "_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL" ] &&
            return 0
    done
    return 1
}
# open_menu KEYS...: waits for the menu a click opened, then presses KEYS in it.
open_menu() {
    poll 10 menu_shown || fail "no menu opened"
    key "$@"
}
# iconic WINDOW: the window manager has marked the window minimised, which is
# what the program reads, and has ended its animation: until then the frame,
# shrinking towards the bottom of the screen, can take a click meant for the
# tray icon.
iconic() {
    xprop -id "$1" WM_STATE | grep -q "window state: Iconic" || return 1
    local frame
    frame=$(xwininfo -id "$1" -tree | awk '/Parent window id:/{print $4}')
    xwininfo -id "$frame" | grep -q "Map State: IsUnMapped"
}
# double_click [WHERE...]: both clicks as one burst. The X server stamps each
# click when it handles it: with a pause between them a busy server can stamp
# them farther apart than the double-click time, and the program rightly sees
# two single clicks.
double_click() {
    xdotool "$@" click --repeat 2 --delay 1 1
}
geometry() { # prints x y w h of a window
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# Sets icon_x, icon_y to the middle of the docked icon. The docking report
# can come before trayer has moved the icon into its panel (it then reads
# 0,0): the panel, sized to the one icon, tells.
find_tray_icon() {
    panel_placed() { read -r px py pw ph < <(geometry "$(xdotool search --name '^panel$' | head -1)") && ((px > 0)); }
    poll 10 panel_placed || fail "trayer's panel not placed"
    panel_placed
    icon_x=$((px + pw / 2))
    icon_y=$((py + ph / 2))
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# "World Times" is the active window.
active_is_world_times() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$(world_times)" ]; }
# second_start MS: the program started again, as from the menu or a shortcut
# bound to it, while it runs: the second copy ends with 0 and the running
# one's "World Times" is active within MS milliseconds.
second_start() {
    local started took
    started=$(now_ms)
    "$program" >"$work/second.log" 2>&1 || fail "the second start ended with $?"
    poll 2 active_is_world_times || fail "the window did not come up active after a second start"
    took=$(($(now_ms) - started))
    echo "second start: window active after ${took} ms"
    ((took <= $1)) || fail "the second start took ${took} ms"
}

# The program's two windows by their English captions: the id of the shown
# one, failing when there is none; and whether "World Times" is gone.
world_times() { xdotool search --onlyvisible --name "^World Times$" | head -1 | grep .; }
world_times_gone() { gone "^World Times$"; }
options_dialog() { xdotool search --onlyvisible --name "^Vorkel Clocks - Options$" | head -1 | grep .; }

# seed_clocks [Key=Value...] Region/City...: the test's settings file with one
# clock per zone, titled with its city and following daylight time; the
# Key=Value lines go under [General] ("Pinned=1", "TimeFormat=hh:nn").
seed_clocks() {
    local general=() zones=() titles=() arg i
    for arg in "$@"; do
        if [[ $arg == *=* ]]; then general+=("$arg"); else zones+=("$arg"); fi
    done
    for arg in "${zones[@]}"; do titles+=("${arg##*/}"); done
    {
        echo "[General]"
        (IFS=';' && echo "Clocks=\"${titles[*]}\"")
        ((${#general[@]} == 0)) || printf '%s\n' "${general[@]}"
        echo
        echo "[Clocks]"
        for i in "${!zones[@]}"; do
            echo "${i}_Zone=${zones[i]}"
            echo "${i}_UseDaylight=1"
        done
    } >"$settings"
}

# A double click on the docked tray icon, and the options dialog it opens,
# given a moment to settle its focus.
open_options() {
    double_click mousemove $((ix + iw / 2)) $((iy + ih / 2))
    poll 10 options_dialog || fail "no options dialog after a double click on the tray icon"
    sleep 0.7
}
