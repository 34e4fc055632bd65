#!/usr/bin/env bash
# Job control in a real shell: stopped by SIGTSTP from another process, the program gives the
# terminal back (mouse tracking off, the normal screen, the shell's prompt usable); `fg` brings
# its screen back as it was, and it goes on taking input.
# Usage: job_control.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
start env PS1='shell> ' bash --norc --noprofile -i
wait_for "shell>"
key "$program" Enter
reach_empty_grid

kill -TSTP "$(pgrep -P "$(pane_flag pane_pid)")"
wait_for "Stopped"
wait_flag mouse_any_flag 0
wait_flag alternate_on 0
key "echo still here" Enter
wait_for "still here"

key fg Enter
wait_for " Select an area for a Graphic Window"
wait_flag alternate_on 1
wait_flag mouse_any_flag 1
wait_until "the strips were not painted again" shown "│Rectang│"
key Escape
wait_for "Are you sure?"
echo "stopped and brought back"
