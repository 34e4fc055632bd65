#!/usr/bin/env bash
# The picture view in a real terminal: a window with a box filled red through the properties
# menu; F2 shows the picture in the window's cells, red inside the box and the window's white
# round it, the grid outside the window as before; F2 again brings the marks back cell for cell.
# Usage: picture_view.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

start "$(realpath "$1")"
reach_empty_grid

make_window 5 20 15 39
area 7 22 12 32
press 11 86 # Rectang, right strip: the properties menu
wait_for "Pick Line Thickness"
press 7 45 # Fill/bgnd Color
wait_for "Basic colors:"
press 13 25 # the red swatch
press 28 34 # OK
wait_gone "Basic colors:" "the colour chooser did not close"
press 25 46 # OK: the move menu follows
wait_for "Nr of Pixels to Move"
press 22 43 # Accept
wait_until "the box's mark was not drawn" text_at 12 22 "└─────────┘"
marks=$(e2e_tmux capture-pane -p -e -t e2e)

# One row of the pane with its colours.
coloured_row() { e2e_tmux capture-pane -p -e -t e2e -S $(($1 - 1)) -E $(($1 - 1)); }
# Red as 24-bit colour, as the palette's red where the terminal has 256 colours (tmux's own
# terminal), or as the nearest of the 16 where it has no more: a blank's background or a full
# block's foreground.
red_in_row() { [[ $(coloured_row "$1") =~ $'\e['([34]8\;2\;255\;0\;0|[34]8\;5\;196|41|31)m ]]; }
no_mark_in_row() { [[ $(row "$1") != *"│"*"│"*"│"*"│"* ]]; }

key F2
wait_until "the box's red did not show" red_in_row 9
wait_until "the marks still show under the picture" no_mark_in_row 9
# The rows above and below the window, colours and all, are as they were.
outside=$(printf '%s\n' "$marks" | sed '5,15d')
[[ $(e2e_tmux capture-pane -p -e -t e2e | sed '5,15d') == "$outside" ]] ||
    fail "the screen outside the window's rows changed"

key F2
deadline=$((SECONDS + 20))
until [[ $(e2e_tmux capture-pane -p -e -t e2e) == "$marks" ]]; do
    ((SECONDS < deadline)) || {
        diff <(printf '%s\n' "$marks") <(e2e_tmux capture-pane -p -e -t e2e) | cat -v >&2
        fail "the marks did not come back as they were"
    }
    sleep 0.1
done
echo "the picture view shows the red box and gives the marks back"
