#!/usr/bin/env bash
# Preview and CodView in a real terminal, from a folder with a blank in its name: a window with
# a box and an ellipse; Preview shows the picture under its title row and writes Testgui.png of
# the window's size, a key brings the design screen back cell for cell; CodView hands the
# terminal to the editor VISUAL names, and the screen is repainted after it.
# Usage: preview.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

work="$E2E_DIR/work dir"
mkdir -p "$work" "$E2E_DIR/no wine"
# The editor stays until the test has looked at the terminal it was given (20 s at most).
cat > "$E2E_DIR/show-args" <<SCRIPT
#!/bin/sh
printf '[%s]\n' "\$@" > "$E2E_DIR/editor.log"
echo "editing \$1"
for _ in \$(seq 200); do [ -e "$E2E_DIR/editor.done" ] && break; sleep 0.1; done
SCRIPT
chmod +x "$E2E_DIR/show-args"

# No compiler under wine here, whatever the machine has: the built-in preview.
start env -C "$work" VISUAL="$E2E_DIR/show-args" WINEPREFIX="$E2E_DIR/no wine" \
    "$(realpath "$1")"
reach_empty_grid

make_window 5 20 15 39     # 229 x 258 pixels
area 6 22 9 30; press 14 5   # Ellipse
area 11 25 14 36; press 11 5 # Rectang
# The box's bottom row ends the paint that finishes the tool, which also puts the pressed button
# back: once it shows, the design screen is all there.
wait_until "the box was not drawn" text_at 14 25 "└──────────┘"
design=$(e2e_tmux capture-pane -p -e -t e2e)

# Waits until the screen, colours included, is the design screen again.
back_to() {
    local expected=$1 what=$2 deadline=$((SECONDS + 20))
    until [[ $(e2e_tmux capture-pane -p -e -t e2e) == "$expected" ]]; do
        ((SECONDS < deadline)) || {
            diff <(printf '%s\n' "$expected") <(e2e_tmux capture-pane -p -e -t e2e) | cat -v >&2
            fail "the design screen is not back after $what"
        }
        sleep 0.1
    done
}

# The picture comes after its title row, row by row from the top; this window's is taller than
# the pane's shape, so it fills the rows down to 45. Once that row has the picture's colours (24
# bits, or the 256-colour palette of tmux's own terminal), all of it is there.
picture_drawn() {
    [[ $(e2e_tmux capture-pane -p -e -t e2e -S 44 -E 44) == *$'\e['[34]8\;[25]\;* ]]
}

press 38 85 # Preview
wait_for " Graphic window, 229 x 258 pixels - Testgui.png - any key or click closes"
wait_until "the picture did not reach row 45" picture_drawn
shown=$(e2e_tmux capture-pane -p -e -t e2e)
# The picture: cells in the window's white, among them the ellipse's and the box's black edges.
[[ $shown =~ $'\e['[34]8\;(2\;255\;255\;255|5\;231)m ]] || fail "no white window in the picture"
[[ $shown =~ $'\e['[34]8\;(2\;0\;0\;0|5\;16)m ]] || fail "no black edges in the picture"
[[ -f "$work/Testgui.bas" ]] || fail "no Testgui.bas"
size=$(od -An -tu1 -j16 -N8 "$work/Testgui.png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')
[[ $size == "229 258" ]] || fail "Testgui.png is $size pixels, not 229 258"
key x
back_to "$design" "the picture"

press 35 85 # CodView
wait_for "editing $work/Testgui.bas"
[[ $(pane_flag alternate_on) == 0 ]] || fail "the editor did not get the normal screen"
touch "$E2E_DIR/editor.done"
back_to "$design" "the editor"
[[ $(cat "$E2E_DIR/editor.log") == "[$work/Testgui.bas]" ]] ||
    fail "the editor got $(cat "$E2E_DIR/editor.log")"
echo "preview shown and closed, editor run, screen back both times"
