#!/usr/bin/env bash
# Build in a real terminal: a window-only design goes to the clipboard as graphic-window code
# (left click) and as printer code (right click), byte for byte.
# Usage: build_clipboard.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

start "$(realpath "$1")"
e2e_tmux set -s set-clipboard on
reach_empty_grid

make_window 5 20 15 39

clipboard_is() {
    local expected=$1 what=$2
    local deadline=$((SECONDS + 20))
    until [[ $(e2e_tmux show-buffer 2>/dev/null | od -An -c) == "$(printf '%s' "$expected" | od -An -c)" ]]; do
        ((SECONDS < deadline)) || {
            echo "expected:" >&2; printf '%s' "$expected" | od -c >&2
            echo "clipboard:" >&2; e2e_tmux show-buffer 2>/dev/null | od -c >&2
            fail "$what is not on the clipboard"
        }
        sleep 0.1
    done
}

build
window_code=$'\r\n SUB GraficWin ()\r\n\r\n   LOCAL hwin AS LONG \r\n\r\n   GRAPHIC WINDOW " Example for PBCC5 or PBwin9 ", 103, 115, 229, 258 TO hWin\r\n   GRAPHIC ATTACH hWin, 0 \r\n   GRAPHIC COLOR 0,%WHITE\r\n   GRAPHIC CLEAR\r\n\r\n END SUB\r\n'
clipboard_is "$window_code" "graphic-window code"

# A right click asks for printer code; the program takes it once the completion panel has gone.
build right
printer_code=$'\r\n SUB GraficWin ()\r\n\r\n   XPRINT ATTACH CHOOSE \r\n\r\n  XPRINT SCALE (0,0)-( 801, 1056)\r\n   XPRINT FORMFEED\r\n   XPRINT CLOSE\r\n END SUB\r\n\r\n'
clipboard_is "$printer_code" "printer code"
echo "both builds on the clipboard"
