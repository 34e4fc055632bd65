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

# Red as 24-bit colour, as the palette's red where the terminal has 256 colours (tmux's own
# terminal), or as the nearest of the 16 where it has no more.
red_fg() { [[ $1 =~ ^(38\;2\;255\;0\;0|38\;5\;196|31|91)$ ]]; }
red_bg() { [[ $1 =~ ^(48\;2\;255\;0\;0|48\;5\;196|41|101)$ ]]; }
# Every colour the cell shows is red: a blank's background, a full block's foreground, both of
# a half block.
red_cell() {
    local fg bg ch
    read -r fg bg ch <<<"$(cell_colours "$1" "$2")"
    case $ch in
        "") red_bg "$bg" ;;
        █) red_fg "$fg" ;;
        *) red_fg "$fg" && red_bg "$bg" ;;
    esac
}
# The cells well inside the box's edges.
box_is_red() {
    local row col
    for row in 9 10; do
        for col in $(seq 24 30); do red_cell "$row" "$col" || return 1; done
    done
}
no_mark_in_row() { [[ $(row "$1") != *"│"*"│"*"│"*"│"* ]]; }

box_is_red && fail "the box is red before the picture shows"
key F2
wait_until "the box's red did not show" box_is_red
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
