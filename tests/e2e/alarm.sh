#!/usr/bin/env bash
# The alarm heard and seen: on a private session bus a stand-in notification
# server records the notification, and a PulseAudio server with a null sink
# carries the sound, measured on the sink's monitor. Snooze in the
# notification, OK in the box and closing the notification each end the sound
# and the box; a snooze sets the alarm again.
#
# Usage (under a fresh X server): xvfb-run -a -s "-screen 0 1024x768x24" \
#     tests/e2e/alarm.sh build/ci
set -euo pipefail

build=$(realpath "${1:-build/ci}")
here=$(dirname "$(realpath "$0")")
source "$here/lib/desktop.bash"
[ -f "$build/src/zones.ini" ] || fail "no zones.ini beside $program"

# The session bus, the notification server and the sound server, all the test's own.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus.address" 4>"$work/bus.pid"
pids+=("$(cat "$work/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus.address")
notifications=$work/notifications.log
/usr/bin/python3 "$here/lib/notifyserver.py" "$notifications" &
pids+=($!)
poll 10 grep -q started "$notifications" || fail "the stand-in notification server did not start"

export PULSE_RUNTIME_PATH=$work/pulse PULSE_SERVER=unix:$work/pulse/native
mkdir -p "$PULSE_RUNTIME_PATH" "$work/home"
HOME=$work/home pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" \
    --load="module-null-sink sink_name=speaker" --load="module-always-sink" \
    >"$work/pulse.log" 2>&1 &
pids+=($!)
poll 10 pactl info || fail "PulseAudio did not start"
pactl set-default-sink speaker

# rms SECONDS: the RMS amplitude (0..1) of SECONDS of what the sink plays.
rms() {
    sox -q -t pulseaudio speaker.monitor -n trim 0 "$1" stat 2>&1 | awk '/RMS +amplitude/ {print $3}'
}
loud() { awk -v r="$1" 'BEGIN { exit !(r > 0.01) }'; }
silent() { awk -v r="$1" 'BEGIN { exit !(r < 0.0005) }'; }

# seed_alarm SECONDS: an alarm for London, SECONDS from now in London's time.
seed_alarm() {
    local at
    at=$(/usr/bin/python3 -c "
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo
t = datetime.now(ZoneInfo('Europe/London')).replace(tzinfo=None) + timedelta(seconds=$1)
print(repr((t - datetime(1899, 12, 30)).total_seconds() / 86400))")
    cat >"$settings" <<EOF
[General]
Clocks="London;Tokyo"
TimeFormat=hh:nn:ss
AlarmTime=$at
AlarmClock=London
SnoozeMinutes=5

[Clocks]
0_Zone=Europe/London
0_UseDaylight=1
1_Zone=Asia/Tokyo
1_UseDaylight=1
EOF
}
stored_alarm() { sed -n 's/^AlarmTime=//p' "$settings"; }
notify_count() { grep -c '"call": "Notify"' "$notifications" || true; }
notified() { (($(notify_count) >= $1)); } # notified N: N notifications so far
last_notification_id() { grep '"call": "Notify"' "$notifications" | tail -1 | sed -E 's/.*"id": ([0-9]+).*/\1/'; }
closed() { grep -q "\"call\": \"CloseNotification\", \"id\": $1}" "$notifications"; }
stop_program() {
    kill "$program_pid"
    poll 10 sh -c "! kill -0 $program_pid" || fail "the program did not end"
}

start_desktop

# 1. The alarm goes off: one notification with every field, the box, the sound.
seed_alarm 3
start_program
poll 15 notified 1 || fail "no notification was sent"
box='^Alarm .* London$' # the dash is matched byte by byte in some locales
poll 10 visible "$box" || fail "no box titled \"Alarm – London\""
sleep 0.5
(($(notify_count) == 1)) || fail "$(notify_count) notifications for one alarm"
/usr/bin/python3 - "$notifications" <<'EOF' || fail "wrong notification"
import json, sys
n = [json.loads(l) for l in open(sys.argv[1]) if '"Notify"' in l][0]
print(n)
assert n["summary"] == "Alarm – London", n["summary"]
assert n["body"].startswith("The time in London is now "), n["body"]
assert n["app_icon"] == "example.vorkel.Clocks"
assert n["actions"] == ["default", "Show the clocks", "snooze", "Snooze", "stop", "Stop"], n["actions"]
assert n["hints"]["urgency"] == 2
assert n["hints"]["sound-name"] == "alarm-clock-elapsed"
assert n["hints"]["desktop-entry"] == "example.vorkel.Clocks"
assert n["timeout"] == 0
EOF
import -window root "$shots/alarm-box.png"
grep -q libcanberra "/proc/$program_pid/maps" || fail "the sound library was not opened"
level=$(rms 2)
echo "ringing: RMS $level"
loud "$level" || fail "no sound while ringing (RMS $level)"
[ "$(stored_alarm)" = 0 ] || fail "the rung alarm is still stored: $(stored_alarm)"

# 2. Snooze in the notification: box and sound gone, the alarm stored 5
# minutes on in London's time.
rung=$(date +%s)
id=$(last_notification_id)
dbus-send --session --dest=org.freedesktop.Notifications --type=method_call \
    /org/freedesktop/Notifications org.vorkel.Test.Invoke "uint32:$id" string:snooze
poll 5 gone "$box" || fail "the box stayed after Snooze in the notification"
sleep 0.5
level=$(rms 1.5)
echo "after Snooze: RMS $level"
silent "$level" || fail "still sounding after Snooze (RMS $level)"
/usr/bin/python3 - "$(stored_alarm)" "$rung" <<'EOF' || fail "snoozed alarm stored as $(stored_alarm)"
import sys
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo
stored = datetime(1899, 12, 30) + timedelta(days=float(sys.argv[1]))
rung = datetime.fromtimestamp(int(sys.argv[2]), ZoneInfo('Europe/London')).replace(tzinfo=None)
late = (stored - rung).total_seconds() - 300
print("snoozed to", stored, "rung at", rung)
assert abs(late) < 5, late
EOF
stop_program

# 3. OK in the box: sound gone, the notification taken down.
seed_alarm 2
before=$(notify_count)
start_program
poll 15 notified $((before + 1)) || fail "no notification the second time"
poll 10 visible "$box" || fail "no box the second time"
id=$(last_notification_id)
loud "$(rms 1)" || fail "no sound the second time"
xdotool windowactivate --sync "$(visible "$box")"
key Return
poll 5 gone "$box" || fail "OK did not close the box"
poll 5 closed "$id" || fail "the notification stayed after OK"
sleep 0.5
level=$(rms 1.5)
echo "after OK: RMS $level"
silent "$level" || fail "still sounding after OK (RMS $level)"
[ "$(stored_alarm)" = 0 ] || fail "OK left an alarm stored: $(stored_alarm)"
stop_program

# 4. In German, closing the notification ends it all as well.
seed_alarm 2
before=$(notify_count)
LANG=de_DE.UTF-8 LANGUAGE=de start_program
poll 15 notified $((before + 1)) || fail "no notification in German"
poll 10 visible '^Wecker .* London$' || fail "no German box"
sleep 0.5
import -window root "$shots/alarm-box-de.png"
grep '"call": "Notify"' "$notifications" | tail -1 | grep -q '"Schlummern"' ||
    fail "the German notification has no \"Schlummern\""
id=$(last_notification_id)
dbus-send --session --dest=org.freedesktop.Notifications --type=method_call \
    /org/freedesktop/Notifications org.vorkel.Test.Dismiss "uint32:$id"
poll 5 gone '^Wecker .* London$' || fail "the box stayed after the notification was closed"
sleep 0.5
silent "$(rms 1.5)" || fail "still sounding after the notification was closed"
stop_program
echo "PASS: alarm"
