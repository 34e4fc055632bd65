#!/usr/bin/env bash
# A right click on the grid ends the area phase with no area; Window then asks for two corners
# instead of making a window of no area, and an area marked afterwards still becomes the window.
# Usage: window_needs_area.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

start "$(realpath "$1")"
reach_empty_grid

move 20 40
e2e_tmux send-keys -t e2e -l $'\e[<2;40;20M'
e2e_tmux send-keys -t e2e -l $'\e[<2;40;20m'
press 35 5
wait_for "on two diagonal"
key x
wait_gone "on two diagonal" "the two-corner panel stayed"
wait_for " Select an area for a Graphic Window"
wait_until "the grid was cleared without a window" grid_only 1 11 45 80

press 5 20
press 15 39
press 35 5
wait_until "no window was made from the area marked afterwards" grid_outside 5 20 15 39
echo "Window after a right click asked for an area, and a later area made the window"
