#!/usr/bin/env bash
# The move menu in a real terminal: a box from the right strip, step 3, Right twice and the Up
# key, Preview (its picture closed by a key), Accept; Build then puts the moved box on the
# clipboard.
# Usage: move_menu.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

start "$(realpath "$1")"
e2e_tmux set -s set-clipboard on
reach_empty_grid

make_window 2 12 40 79

# The box maps to (95, 73) - (324, 188).
area 5 20 10 40
press 11 86                                 # Rectang, right strip: the properties menu
wait_for "Pick Line Thickness"
press 25 46                                 # OK: the move menu
wait_for "Nr of Pixels to Move"
press 16 41                                 # step 3
press 16 68                                 # Right
press 16 68                                 # Right: both points 6 to the right
key Up                                      # the second point 3 up
press 10 43                                 # Preview: the picture until a key
wait_for "any key or click closes"
key x
wait_for "Nr of Pixels to Move"
press 22 43                                 # Accept
wait_gone "Nr of Pixels to Move" "the move menu stayed after Accept"

build
box=$'   GRAPHIC WIDTH 2\r\n   GRAPHIC BOX (101, 73) - (330, 185),0,0,%WHITE,0         \' [[  1  ]] \r\n\r\n'
deadline=$((SECONDS + 20))
until [[ $(e2e_tmux show-buffer 2>/dev/null) == *"$box"* ]]; do
    ((SECONDS < deadline)) || {
        e2e_tmux show-buffer 2>/dev/null | cat -A >&2 || true
        fail "the moved box is not on the clipboard"
    }
    sleep 0.1
done
echo "the moved box is on the clipboard"
