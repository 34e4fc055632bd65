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
deadline=$((SECONDS + 20))
while [[ $(screen) == *"on two diagonal"* ]]; do
    ((SECONDS < deadline)) || fail "the two-corner panel stayed"
    sleep 0.1
done
wait_for " Select an area for a Graphic Window"
[[ $(screen | sed -n 3p) == *"·"* ]] || fail "the grid was cleared without a window"

press 5 20
press 15 39
press 35 5
deadline=$((SECONDS + 20))
until [[ $(screen | sed -n 3p) == "└───────┘"* && $(screen | sed -n 3p) != *"·"* ]]; do
    ((SECONDS < deadline)) || fail "no window was made from the area marked afterwards"
    sleep 0.1
done
echo "Window after a right click asked for an area, and a later area made the window"
