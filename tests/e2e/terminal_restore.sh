#!/usr/bin/env bash
# Ended by a signal from another process, the program gives the terminal back: mouse tracking
# off, the cursor shown, the normal screen.
# Usage: terminal_restore.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
# A shell outlives the program, so the pane's state is read as the program left it: tmux changes
# it when it marks a pane dead.
start sh -c '"$0"; echo "ended with status $?"; exec sleep 600' "$program"
wait_for "Gridlet"
[[ $(pane_flag mouse_any_flag) == 1 ]] || fail "mouse tracking is not on while the program runs"
[[ $(pane_flag alternate_on) == 1 ]] || fail "the program does not use the alternate screen"

kill -TERM "$(pgrep -P "$(pane_flag pane_pid)")"
wait_for "ended with status 143"
[[ $(pane_flag mouse_any_flag) == 0 ]] || fail "mouse tracking left on"
[[ $(pane_flag cursor_flag) == 1 ]] || fail "cursor left hidden"
[[ $(pane_flag alternate_on) == 0 ]] || fail "alternate screen left on"
echo "terminal restored after SIGTERM"
