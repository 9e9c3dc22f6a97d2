# Shared by the desktop tests of StatusNotifierItem panels: a private session
# bus and a panel on it. Source after desktop.bash (which leaves no bus).

sni() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/sni.py" "$@"; }

# A session bus of the test's own; desktop.bash cleans it up with the rest.
start_session_bus() {
    dbus-daemon --session --nofork --print-address=1 >"$work/bus-address" 2>/dev/null &
    pids+=($!)
    poll 10 test -s "$work/bus-address" || fail "no session bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus-address")
    export DBUS_SESSION_BUS_ADDRESS
}

# A StatusNotifierItem panel along the bottom edge with its own watcher; its
# strut shows in the work area once it is up.
panel_ended() { ! kill -0 "$panel_pid" 2>/dev/null; }
panel_settled() { panel_ended || sni registered; }
watcher_gone() { ! sni registered; }
start_sni_panel() {
    # The panel's host can ask its own watcher before the watcher answers
    # (UnknownObject on a busy machine), and the panel then ends: started again.
    local attempt
    for attempt in 1 2 3; do
        gtk-sni-tray-standalone --watcher --bottom --end >"$work/panel.log" 2>&1 &
        panel_pid=$!
        pids+=($panel_pid)
        poll 15 panel_settled || fail "the panel's watcher did not start: $(cat "$work/panel.log")"
        # A moment longer: by then the host has registered, or the panel ended.
        sleep 0.5
        if panel_ended; then
            echo "the panel ended (start $attempt): $(cat "$work/panel.log")" >&2
            continue
        fi
        poll 10 sh -c 'xprop -root _NET_WORKAREA | grep -q ", 738"' || fail "the panel reserved no strut"
        return 0
    done
    fail "the panel did not start: $(cat "$work/panel.log")"
}
stop_sni_panel() {
    kill "$panel_pid"
    wait "$panel_pid" 2>/dev/null || true
    # The bus lets the watcher's name go a moment after the process ended; a
    # panel started before then finds the old watcher and does not start one.
    poll 10 watcher_gone || fail "the stopped panel's watcher stayed on the bus"
}
# item_registered: the program's item is on the panel.
item_registered() { sni registered | grep -q "StatusNotifierItem-$program_pid-"; }
# Sets icon_x, icon_y to the middle of the program's icon, the last one at
# the end of the panel.
find_sni_icon() {
    # The panel's dock window, not one of its menus (which share its class).
    panel_window() {
        local w
        for w in $(xdotool search --onlyvisible --class gtk-sni-tray-standalone 2>/dev/null); do
            xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DOCK &&
                read -r px py pw ph < <(geometry "$w" 2>/dev/null) && [ -n "$ph" ] && return 0
        done
        return 1
    }
    poll 10 panel_window || fail "the panel's window is not shown"
    panel_window
    icon_x=$((px + pw - 15))
    icon_y=$((py + ph / 2))
}
