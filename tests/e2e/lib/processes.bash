# The processes a test script starts (appended to pids), ended in reverse
# order by end_processes, and waiting for a condition. Sourced by the desktop
# tests (through desktop.bash) and by the desktop scripts in tests/desktops.

pids=()
end_processes() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
}

# poll SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds.
poll() {
    local limit=$(($1 * 10)) n
    shift
    for ((n = 0; n < limit; n++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
