#!/usr/bin/env bash
# Build where no clipboard can be reached (tmux with set-clipboard off, no desktop session and no
# clipboard program on the search path): the completion panel still shows, the code is written to
# Gridlet-clipboard.bas byte for byte, and the hint row says so.
# Usage: clipboard_file.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
mkdir "$E2E_DIR/bin"
start sleep 600
e2e_tmux set -s set-clipboard off
e2e_tmux respawn-pane -k -t e2e -c "$E2E_DIR" \
    env -u DISPLAY -u WAYLAND_DISPLAY PATH="$E2E_DIR/bin" "$program"
# The completion panel shows for a second only: it is looked for in what the program wrote.
e2e_tmux pipe-pane -O -t e2e "cat > '$E2E_DIR/output'"
reach_empty_grid

make_window 5 20 15 39
press 44 5
wait_until "the completion panel did not show" grep -qF "This Task is completed." "$E2E_DIR/output"
notice=" No clipboard confirmed the code: it is also in Gridlet-clipboard.bas in this folder."
wait_for "$notice"
[[ $(screen | sed -n 46p) == "$notice"* ]] || fail "the notice is not on row 46"

window_code=$'\r\n SUB GraficWin ()\r\n\r\n   LOCAL hwin AS LONG \r\n\r\n   GRAPHIC WINDOW " Example for PBCC5 or PBwin9 ", 103, 115, 229, 258 TO hWin\r\n   GRAPHIC ATTACH hWin, 0 \r\n   GRAPHIC COLOR 0,%WHITE\r\n   GRAPHIC CLEAR\r\n\r\n END SUB\r\n'
file="$E2E_DIR/Gridlet-clipboard.bas"
[[ $(od -An -c "$file") == "$(printf '%s' "$window_code" | od -An -c)" ]] || {
    od -c "$file" >&2
    fail "Gridlet-clipboard.bas does not hold the code"
}
echo "the code is in Gridlet-clipboard.bas and row 46 says so"
