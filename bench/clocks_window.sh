#!/usr/bin/env bash
# Figures of the running program under Xvfb with openbox and a tray host,
# four clocks: time to the tray icon docked and to the window shown after a
# click, memory 5 s after start, CPU time and wake-ups (context switches of
# all threads) over 60 s shown and 60 s hidden without an alarm, and memory
# once the options dialog has been opened and closed again.
#
# Usage: bench/clocks_window.sh [build dir, default build/release] [seconds, default 60]
# Not a test: it prints figures and fails only when the program cannot run.
set -euo pipefail

if [ -z "${VORKEL_BENCH_INNER:-}" ]; then
    export VORKEL_BENCH_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$@"
fi

build=$(realpath "${1:-build/release}")
seconds=${2:-60}
source "$(dirname "$0")/../tests/e2e/lib/desktop.bash"

# Finer than the desktop tests' poll: the waits here are what is timed.
poll() { # poll SECONDS COMMAND...
    local limit=$(($1 * 100))
    shift
    for ((n = 0; n < limit; n++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.01
    done
    return 1
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

cat >"$settings" <<'EOF'
[General]
Clocks="London;New York;Tokyo;Sydney"
DateFormat=dddd d mmmm yyyy
TimeFormat=hh:nn:ss ampm

[Clocks]
0_Zone=Europe/London
1_Zone=America/New York
2_Zone=Asia/Tokyo
3_Zone=Australia/Sydney
EOF

start_desktop

# Threads' counters summed: Qt's xcb event thread wakes too.
counters() { # prints: cpu ticks, voluntary and involuntary context switches of all threads
    local pid=$1 ticks vol=0 invol=0 t v i
    ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    for t in /proc/"$pid"/task/*/status; do
        read -r v i < <(awk '/^voluntary_ctxt/{v = $2} /^nonvoluntary_ctxt/{i = $2} END{print v, i}' "$t")
        vol=$((vol + v))
        invol=$((invol + i))
    done
    echo "$ticks $vol $invol"
}
# Voluntary switches are the wake-ups (the program slept and was woken);
# involuntary ones are the scheduler taking the core away, for example to
# run the X server that a drawing request woke.
measure() { # measure LABEL PID
    local a b hz
    read -r -a a < <(counters "$2")
    sleep "$seconds"
    read -r -a b < <(counters "$2")
    hz=$(getconf CLK_TCK)
    awk -v l="$1" -v s="$seconds" -v t=$((b[0] - a[0])) -v w=$((b[1] - a[1])) \
        -v p=$((b[2] - a[2])) -v hz="$hz" \
        'BEGIN{printf "%-8s CPU %.2f s in %d s (%.2f %%), wake-ups %d (%.2f a second), preempted %d times\n",
               l, t / hz, s, 100 * t / hz / s, w, w / s, p}'
}

start=$(now_ms)
launched=$(awk '{print $1}' /proc/uptime) # seconds since boot, as %{time boot}
QT_MESSAGE_PATTERN="%{time boot} %{message}" start_program
pid=$program_pid
echo "start to tray icon docked: $(awk -v t0="$launched" '{printf "%.0f", ($1 - t0) * 1000}' <<<"$docked") ms" \
    "(the program polls the icon's geometry every 20 ms; start time to 10 ms)"

memory() { # memory LABEL
    awk -v l="$1" '/^Rss:/{r=$2} /^Pss:/{p=$2} /^Private_Dirty:/{d=$2}
         END{printf "memory %s: RSS %.1f MiB, PSS %.1f MiB, private dirty %.1f MiB\n",
             l, r / 1024, p / 1024, d / 1024}' "/proc/$pid/smaps_rollup"
}

sleep_until=$((start + 5000))
while (($(now_ms) < sleep_until)); do sleep 0.05; done
memory "5 s after start"

click=$(now_ms)
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 1
poll 10 xdotool search --onlyvisible --name "^World Times$" ||
    fail "the window did not open"
shown=$(now_ms)
echo "click to window mapped: $((shown - click)) ms (includes the double-click interval that" \
    "tells a single click from a double one)"

measure shown "$pid"

xdotool mousemove 100 60 click 1 # another program: ours loses activation
poll 5 sh -c "! xdotool search --onlyvisible --name '^World Times$'" ||
    fail "the window did not hide"
sleep 1
measure hidden "$pid"

xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click --repeat 2 --delay 80 1
poll 10 xdotool search --onlyvisible --name "^Vorkel Clocks - Options$" || fail "the options dialog did not open"
sleep 1
xdotool key Escape
poll 10 sh -c "! xdotool search --onlyvisible --name '^Vorkel Clocks - Options\$'" ||
    fail "Esc did not close the options dialog"
sleep 1
memory "1 s after the options dialog closed"
