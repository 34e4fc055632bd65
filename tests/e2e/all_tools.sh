#!/usr/bin/env bash
# Every drawing tool by mouse in a real terminal: a box through the right strip's properties menu
# (thickness, style and corner typed there) and the move menu, then an ellipse, a line, a
# polygon, a star, an arc, a pie and a paint from the left strip; Build puts exactly the expected
# routine on the clipboard, and after Undo the paint is gone from it.
# Usage: all_tools.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"
expected=$(cd "$(dirname "$0")/expected" && pwd)

start "$(realpath "$1")"
e2e_tmux set -s set-clipboard on
reach_empty_grid

make_window 2 12 40 79

area 5 20 10 40
press 11 86                                 # Rectang, right strip: the properties menu
wait_for "Pick Line Thickness"
press 21 38                                 # thickness 3: width 6
press 13 45                                 # Style
wait_for "Enter Style Number:"
key 2 Enter
press 16 45                                 # Corner-Sides-Points
wait_for "Enter Number Here..."
key 5 Enter
press 25 46                                 # OK: the move menu follows
wait_for "Nr of Pixels to Move"
press 22 43                                 # Accept: the box is placed as built
area 12 20 16 40; press 14 5                # Ellipse
area 18 20 18 40; press 17 5                # Line
area 20 20 25 30; press 8 5                 # Poly
area 20 40 25 50; press 5 5                 # Star
area 27 20 31 30; press 38 5                # ARC
wait_for "Type in the numbers."
press 10 30; press 24 47                    # L-top, then Bottom
wait_for "Pick Line Thickness"
press 25 46
area 27 40 31 50; press 41 5                # PIE
wait_for "Type in the numbers."
press 16 67; press 8 47                     # Right, then Top
wait_for "Pick Line Thickness"
press 25 46
area 33 20 33 20; press 23 5                # PaintBo
wait_for "Pick Line Thickness"
press 25 46
wait_for "Nr of Pixels to Move"                 # not the first object, so the move menu
press 22 43

build_and_compare "$expected/all_tools.bas"
press 41 86                                 # Undo: the paint goes
build_and_compare "$expected/all_tools_undone.bas"
echo "all tools placed, built and undone"
