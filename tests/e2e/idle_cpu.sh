#!/usr/bin/env bash
# Waiting costs nothing: left alone for two seconds at the main screen, in the exit dialog and in
# the colour chooser, the program uses under 20 ms of processor time in each.
# Usage: idle_cpu.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

readonly idle_seconds=2 limit_ms=20

# Processor time of the process so far, in microseconds: the scheduler's exact figure where the
# kernel keeps it, else user plus system clock ticks.
cpu_us() {
    local pid=$1 ran
    if read -r ran _ <"/proc/$pid/schedstat" 2>/dev/null; then
        echo $((ran / 1000))
    else
        local stat
        stat=$(sed 's/.*) //' "/proc/$pid/stat")
        read -r -a fields <<<"$stat"
        echo $(((fields[11] + fields[12]) * 1000000 / $(getconf CLK_TCK)))
    fi
}

too_busy=()

# Once the screen shows TEXT, the program is left alone; its processor time must stay small.
# Every place is measured before the test fails.
expect_idle_at() {
    local place=$1 text=$2 pid before after used_ms
    wait_for "$text"
    pid=$(pane_flag pane_pid)
    before=$(cpu_us "$pid")
    sleep "$idle_seconds"
    after=$(cpu_us "$pid")
    used_ms=$(((after - before) / 1000))
    echo "$place: ${used_ms} ms of processor time in ${idle_seconds} s"
    ((used_ms < limit_ms)) || too_busy+=("$place")
}

start "$(realpath "$1")"
reach_empty_grid
expect_idle_at "main screen" " Select an area for a Graphic Window"

key Escape
expect_idle_at "exit dialog" "Are you sure?"
press 18 45                                 # No: back to the grid
wait_for " Select an area for a Graphic Window"

press 5 20
press 10 40
press 23 86                                 # Window, right strip: the properties menu
wait_for "Pick Line Thickness"
press 7 45                                  # Fill colour
expect_idle_at "colour chooser" "Basic colors:"

((${#too_busy[@]} == 0)) || fail "not under ${limit_ms} ms in ${idle_seconds} s: ${too_busy[*]}"
echo "idle everywhere"
