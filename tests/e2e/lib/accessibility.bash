# For the desktop tests that read the accessibility tree. Source it first
# thing: the test runs again inside a session bus of its own. Then, after
# desktop.bash, call accessibility_on; atspi runs lib/atspi.py.
if [ -z "${VORKEL_E2E_BUS:-}" ]; then
    export VORKEL_E2E_BUS=1
    exec dbus-run-session -- bash "$0" "$@"
fi
accessibility_bus=$DBUS_SESSION_BUS_ADDRESS

accessibility_on() {
    # With a bus but no StatusNotifierItem host on it, the icon still docks in trayer.
    export DBUS_SESSION_BUS_ADDRESS=$accessibility_bus
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"; }
