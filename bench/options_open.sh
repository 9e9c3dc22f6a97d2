#!/usr/bin/env bash
# Time from a double click on the tray icon to the options dialog mapped, and
# the resident memory before, with and after the dialog, for
# this build and a peer build (another checkout's, for example main's), taken
# in turns in one run on one X server so both see the same machine load.
#
# Usage: [VORKEL_BENCH_CLOCKS=N] bench/options_open.sh BUILD PEER_BUILD [rounds, default 5]
# Not a test: it prints the figures and fails only when a program cannot run.
set -euo pipefail

if [ -z "${VORKEL_BENCH_INNER:-}" ]; then
    export VORKEL_BENCH_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" "$@"
fi

build=$(realpath "$1")
peer=$(realpath "$2")
rounds=${3:-5}
source "$(dirname "$0")/../tests/e2e/lib/desktop.bash"
[ -x "$peer/src/vorkelclocks" ] || fail "$peer/src/vorkelclocks not built"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
fine_poll() { # fine_poll SECONDS COMMAND...: every 10 ms, as what is timed
    local limit=$(($1 * 100))
    shift
    for ((n = 0; n < limit; n++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.01
    done
    return 1
}
dialog() { xdotool search --onlyvisible --name "^Vorkel Clocks - Options$"; }

# The clocks: four, or as many as VORKEL_BENCH_CLOCKS says (thousands show
# whether opening grows with the list).
clocks=${VORKEL_BENCH_CLOCKS:-4}
zones=("Europe/London" "America/New York" "Asia/Tokyo" "Australia/Sydney")
{
    titles=()
    for ((c = 0; c < clocks; c++)); do titles+=("Clock $c"); done
    echo "[General]"
    (IFS=';'; echo "Clocks=\"${titles[*]}\"")
    echo
    echo "[Clocks]"
    for ((c = 0; c < clocks; c++)); do echo "${c}_Zone=${zones[c % 4]}"; done
} >"$settings"
start_desktop

# open_once PROGRAM: prints the milliseconds from the double click to the dialog.
open_once() {
    program=$1
    rm -f "$work/program.log"
    start_program
    sleep 1
    local click shown
    click=$(now_ms)
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click --repeat 2 --delay 80 1
    fine_poll 10 dialog || fail "no options dialog from $program"
    shown=$(now_ms)
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    unset 'pids[${#pids[@]}-1]'
    echo $((shown - click))
}

# The resident KiB, and how much of it is the program's own heap rather than
# pages of its files that the kernel can drop.
rss_kib() { awk '/^VmRSS:/{r = $2} /^RssAnon:/{a = $2} END{print r " (" a " anonymous)"}' "/proc/$1/status"; }

# dialog_memory PROGRAM: prints the resident memory before the dialog opens, while
# it is open and once it has closed again.
dialog_memory() {
    program=$1
    rm -f "$work/program.log"
    start_program
    sleep 1
    local before open closed
    before=$(rss_kib "$program_pid")
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click --repeat 2 --delay 80 1
    fine_poll 10 dialog || fail "no options dialog from $program"
    sleep 1
    open=$(rss_kib "$program_pid")
    xdotool key Escape && xdotool keyup Escape
    fine_poll 10 sh -c '! xdotool search --onlyvisible --name "^Vorkel Clocks - Options$"' ||
        fail "Esc did not close the dialog of $program"
    sleep 1
    closed=$(rss_kib "$program_pid")
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    unset 'pids[${#pids[@]}-1]'
    echo "before $before, open $open, closed again $closed KiB"
}

ours=()
theirs=()
for ((r = 0; r < rounds; r++)); do
    ours+=("$(open_once "$build/src/vorkelclocks")")
    theirs+=("$(open_once "$peer/src/vorkelclocks")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END{print a[int((NR + 1) / 2)]}'; }
echo "double click to options dialog mapped, median of $rounds (includes the double-click interval):"
echo "  this build: $(median "${ours[@]}") ms   (${ours[*]})"
echo "  peer build: $(median "${theirs[@]}") ms   (${theirs[*]})"
echo "resident memory around the dialog:"
echo "  this build: $(dialog_memory "$build/src/vorkelclocks")"
echo "  peer build: $(dialog_memory "$peer/src/vorkelclocks")"
