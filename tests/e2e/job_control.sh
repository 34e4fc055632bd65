#!/usr/bin/env bash
# Job control in a real shell: stopped by SIGTSTP from another process, or by Ctrl+Z typed at it,
# the program gives the terminal back (mouse tracking off, the normal screen, the shell's prompt
# usable); `fg` brings its whole screen back as it was, and it goes on taking input.
# Usage: job_control.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
start env PS1='shell> ' bash --norc --noprofile -i
wait_for "shell>"
key "$program" Enter
reach_empty_grid
# Every row of the screen, to hold the one brought back by fg against.
whole_screen=$(screen)

# Stops the program the given way for the Nth time, checks the shell has the terminal, and brings
# it back. The shell says "Stopped" once a stop; the lines of the stops before show as soon as the
# normal screen is back, before the shell has the terminal.
stop_and_continue() {
    local how=$1 nth=$2
    case $how in
        signal) kill -TSTP "$(pgrep -P "$(pane_flag pane_pid)")" ;;
        ctrl-z) key C-z ;;
    esac
    wait_until "$how: the shell did not say the program stopped" stopped_times "$nth"
    wait_flag mouse_any_flag 0
    wait_flag alternate_on 0
    key "echo still here after $how" Enter
    wait_for "still here after $how"

    key fg Enter
    wait_flag alternate_on 1
    wait_flag mouse_any_flag 1
    wait_until "$how: the screen was not painted whole again" same_screen
}

stopped_times() { (($(screen | grep -c "Stopped" || true) == $1)); }
same_screen() { [[ $(screen) == "$whole_screen" ]]; }

stop_and_continue signal 1
stop_and_continue ctrl-z 2
key Escape
wait_for "Are you sure?"
echo "stopped and brought back, by a signal and by Ctrl+Z"
