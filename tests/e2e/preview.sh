#!/usr/bin/env bash
# Preview and CodView in a real terminal, from a folder with a blank in its name: a window with
# a box and an ellipse; Preview shows the picture under its title row and writes Testgui.png of
# the window's size, a key brings the design screen back cell for cell; CodView hands the
# terminal to the editor VISUAL names, and the screen is repainted after it.
# Usage: preview.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

work="$E2E_DIR/work dir"
mkdir -p "$work" "$E2E_DIR/no wine"
cat > "$E2E_DIR/show-args" <<SCRIPT
#!/bin/sh
printf '[%s]\n' "\$@" > "$E2E_DIR/editor.log"
echo "editing \$1"
sleep 1
SCRIPT
chmod +x "$E2E_DIR/show-args"

# No compiler under wine here, whatever the machine has: the built-in preview.
start env -C "$work" VISUAL="$E2E_DIR/show-args" WINEPREFIX="$E2E_DIR/no wine" \
    "$(realpath "$1")"
reach_empty_grid

make_window 5 20 15 39     # 229 x 258 pixels
area 6 22 9 30; press 14 5   # Ellipse
wait_for "└───────┘"
area 11 25 14 36; press 11 5 # Rectang
wait_for "└──────────┘"

# The screen once it has stayed the same for 1.5 s (three looks 0.5 s apart): a loaded machine
# may pause longer than one look between the last steps of a tool.
settled() {
    local previous="" current same=0 deadline=$((SECONDS + 20))
    current=$(e2e_tmux capture-pane -p -e -t e2e)
    until ((same == 3)); do
        ((SECONDS < deadline)) || fail "the screen did not settle"
        previous=$current
        sleep 0.5
        current=$(e2e_tmux capture-pane -p -e -t e2e)
        if [[ $current == "$previous" ]]; then ((same += 1)); else same=0; fi
    done
    printf '%s' "$current"
}

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

design=$(settled)

press 38 85 # Preview
wait_for " Graphic window, 229 x 258 pixels - Testgui.png - any key or click closes"
shown=$(e2e_tmux capture-pane -p -e -t e2e)
# The picture: cells in 24-bit colour, among them the ellipse's and the box's black edges.
[[ $shown == *$'\e[48;2;255;255;255m'* || $shown == *$'\e[38;2;255;255;255m'* ]] ||
    fail "no white window in the picture"
[[ $shown == *"2;0;0;0m"* ]] || fail "no black edges in the picture"
[[ -f "$work/Testgui.bas" ]] || fail "no Testgui.bas"
size=$(od -An -tu1 -j16 -N8 "$work/Testgui.png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')
[[ $size == "229 258" ]] || fail "Testgui.png is $size pixels, not 229 258"
key x
back_to "$design" "the picture"

press 35 85 # CodView
wait_for "editing $work/Testgui.bas"
[[ $(pane_flag alternate_on) == 0 ]] || fail "the editor did not get the normal screen"
back_to "$design" "the editor"
[[ $(cat "$E2E_DIR/editor.log") == "[$work/Testgui.bas]" ]] ||
    fail "the editor got $(cat "$E2E_DIR/editor.log")"
echo "preview shown and closed, editor run, screen back both times"
