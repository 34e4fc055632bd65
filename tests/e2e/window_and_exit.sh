#!/usr/bin/env bash
# The designer in a real terminal: mark an area with the mouse, see the band and its size, read a
# hint, make the window, then leave through the exit dialog; the terminal is given back.
# Usage: window_and_exit.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

start sh -c '"$0"; echo "ended with status $?"; exec sleep 600' "$(realpath "$1")"
reach_empty_grid

press 5 20
move 15 39
wait_for " 228 X 278"
wait_until "no band on the top row" text_at 5 20 "█▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀█"
click 15 39

move 35 5
wait_for " Create a Window to size of the area selected on the grid. New grid is created"
click 35 5
# Outside the window the grid is gone, inside it stays.
wait_until "the grid outside the window was not cleared" grid_outside 5 20 15 39
wait_until "the grid inside the window is gone" grid_only 5 20 15 39

key Escape
wait_for "E X I T"
wait_for "Are you sure?"
press 18 37
wait_for " Save this Window?"
key n
wait_for "ended with status 0"
[[ $(pane_flag mouse_any_flag) == 0 ]] || fail "mouse tracking left on"
[[ $(pane_flag cursor_flag) == 1 ]] || fail "cursor left hidden"
[[ $(pane_flag alternate_on) == 0 ]] || fail "alternate screen left on"
echo "window made and program left cleanly"
