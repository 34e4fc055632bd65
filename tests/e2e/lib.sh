# shellcheck shell=bash
# Helpers for end-to-end tests, to be sourced: the program runs in a 90 x 46 tmux pane on a tmux
# server of the test's own, started in a fresh working folder ($E2E_DIR); the test reads the
# pane's text and sends it keys and mouse reports. The server and the folder go when the test ends.
#
#   start COMMAND [ARG...]           runs the command in the pane; the pane stays when it ends
#   wait_until MESSAGE COMMAND...    runs the command until it succeeds; fails with MESSAGE when
#                                    it has not within 20 s
#   wait_for TEXT [TIMEOUT]          waits until the pane shows TEXT (20 s by default)
#   wait_gone TEXT MESSAGE           waits until the pane no longer shows TEXT
#   wait_flag NAME VALUE [TIMEOUT]   waits until a pane flag has the value
#   click ROW COL                    a left press and release at the cell (1-based)
#   move ROW COL                     the pointer moves to the cell
#   press ROW COL                    move, then click: a click as a user makes it
#   area TOP LEFT BOTTOM RIGHT       marks an area: a press on each corner
#   make_window TOP LEFT BOTTOM RIGHT  marks the area and presses Window; waits for the window
#   outside_grid_cleared             true when the grid outside the window is gone
#   reach_empty_grid                 answers start-up until the empty grid waits for an area
#   build [right]                    empties tmux's buffer and presses Build (a right press:
#                                    printer code)
#   build_and_compare FILE [right]   Build; waits until the clipboard holds FILE byte for byte and
#                                    the panel has gone
#   key KEY...                       tmux key names (Escape, F1, Up, Enter, C-c) or text
#   pane_flag NAME                   a pane variable: mouse_any_flag, cursor_flag, alternate_on,
#                                    pane_pid, pane_dead, ...
#   screen                           the pane's text
#   fail MESSAGE                     ends the test with the message and the pane's text

set -euo pipefail

E2E_SERVER="gridlet-e2e-$$-$RANDOM"
E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/gridlet-e2e.XXXXXX")

e2e_tmux() { tmux -L "$E2E_SERVER" "$@"; }

e2e_cleanup() {
    local pids pid deadline=$((SECONDS + 10))
    pids=$(tmux -L "$E2E_SERVER" list-panes -a -F '#{pane_pid}' 2>/dev/null || true)
    tmux -L "$E2E_SERVER" kill-server >/dev/null 2>&1 || true
    # A program whose terminal goes keeps its design in the folder first: let it finish.
    for pid in $pids; do
        while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.05; done
    done
    rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

start() {
    e2e_tmux -f /dev/null start-server \; set-option -g remain-on-exit on \
        \; new-session -d -s e2e -x 90 -y 46 -c "$E2E_DIR" "$@"
}

screen() { e2e_tmux capture-pane -p -t e2e; }

fail() {
    echo "FAIL: $*" >&2
    echo "--- the pane:" >&2
    screen >&2 || true
    exit 1
}

pane_flag() { e2e_tmux display-message -p -t e2e "#{$1}"; }

# Runs the command until it succeeds, for at most TIMEOUT seconds.
poll() {
    local timeout=$1 message=$2
    local deadline=$((SECONDS + timeout))
    shift 2
    until "$@"; do
        ((SECONDS < deadline)) || fail "$message"
        sleep 0.1
    done
}

wait_until() { poll 20 "$@"; }

shown() { [[ $(screen) == *"$1"* ]]; }
not_shown() { [[ $(screen) != *"$1"* ]]; }
flag_is() { [[ $(pane_flag "$1") == "$2" ]]; }

wait_for() {
    local text=$1 timeout=${2:-20}
    poll "$timeout" "\"$text\" did not show within $timeout s" shown "$text"
}

wait_gone() { wait_until "$2" not_shown "$1"; }

wait_flag() {
    local name=$1 value=$2 timeout=${3:-20}
    poll "$timeout" "$name is not $value within $timeout s" flag_is "$name" "$value"
}

click() {
    e2e_tmux send-keys -t e2e -l $'\e[<0;'"$2;$1M"
    e2e_tmux send-keys -t e2e -l $'\e[<0;'"$2;$1m"
}

move() { e2e_tmux send-keys -t e2e -l $'\e[<35;'"$2;$1M"; }

key() { e2e_tmux send-keys -t e2e "$@"; }

# A click as a user makes it: the pointer goes there first.
press() { move "$1" "$2"; click "$1" "$2"; }

area() { press "$1" "$2"; press "$3" "$4"; }

make_window() {
    area "$@"
    press 35 5
    wait_for "│ Window│"
}

# Row 3 shows the left strip's first button and no grid dots.
outside_grid_cleared() {
    local row3
    row3=$(screen | sed -n 3p)
    [[ $row3 == "└───────┘"* && $row3 != *"·"* ]]
}

# Past start-up: a key dismisses the opening screen and No answers "Open a previous Window?".
reach_empty_grid() {
    wait_for "God Bless Everybody"
    key x
    wait_for "Open a previous Window?"
    key n
    wait_for " Select an area for a Graphic Window"
}

build() {
    e2e_tmux delete-buffer 2>/dev/null || true
    if [[ ${1:-left} == right ]]; then
        move 44 5
        e2e_tmux send-keys -t e2e -l $'\e[<2;5;44M'
    else
        press 44 5
    fi
}

build_and_compare() {
    local file=$1
    build "${2:-left}"
    local deadline=$((SECONDS + 20))
    until e2e_tmux show-buffer 2>/dev/null | cmp -s - "$file"; do
        ((SECONDS < deadline)) || {
            e2e_tmux show-buffer 2>/dev/null > "$E2E_DIR/clipboard.txt" || true
            diff <(cat -A "$file") <(cat -A "$E2E_DIR/clipboard.txt") >&2 || true
            fail "the clipboard does not hold $(basename "$file")"
        }
        sleep 0.1
    done
    wait_gone "This Task is completed." "the completion panel stayed"
}
