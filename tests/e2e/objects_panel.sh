#!/usr/bin/env bash
# The objects panel in a real terminal: three boxes, F3, the middle one's fill colour changed by
# its Properties, the first deleted; Undo brings it back on the grid and Redo takes it away again;
# Build then holds the second box in its new colour and the third, and nothing of the first.
# Usage: objects_panel.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"
expected=$(cd "$(dirname "$0")/expected" && pwd)

start "$(realpath "$1")"
e2e_tmux set -s set-clipboard on
reach_empty_grid
make_window 2 12 40 79

for top in 5 15 25; do
    area "$top" 20 $((top + 5)) 40
    press 11 86                             # Rectang, right strip: the properties menu
    wait_for "Pick Line Thickness"
    press 25 46                             # OK: the move menu
    wait_for "Nr of Pixels to Move"
    press 22 43                             # Accept
    wait_gone "Nr of Pixels to Move" "the move menu stayed after Accept"
done

# The bottom row of a box's outline: its mark on the grid.
first_box_marked() { text_at 10 20 "└───────────────────┘"; }
first_box_gone() { ! first_box_marked; }

key F3
wait_for "   1  box              (95,73)-(324,188)"
key Down                                    # the second box, listed below the newest
key p
wait_for "Pick Line Thickness"
press 7 40                                  # Fill/bgnd Color: the colour chooser
wait_for "Basic colors"
press 12 25                                 # the pink swatch
press 28 34                                 # OK
press 25 46                                 # the properties menu's OK
wait_for "   2  box              (95,303)-(324,418)       edge 0  fill 8421631"
key Down                                    # the first box
key Delete
wait_gone "(95,73)-(324,188)" "the first box is still listed"
key Escape
wait_gone "Objects" "the panel stayed open"
wait_until "the first box's mark stayed on the grid" first_box_gone

key u
wait_until "Undo did not bring the first box back" first_box_marked
key r
wait_until "Redo did not take the first box away again" first_box_gone

build_and_compare "$expected/objects_panel.bas"
echo "the panel's changes, undone and redone, are in the code"
