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
#   grid_outside TOP LEFT BOTTOM RIGHT  true when no grid dot is left outside the area
#   grid_only TOP LEFT BOTTOM RIGHT  true when the area shows grid dots and nothing else
#   reach_empty_grid                 answers start-up until the empty grid waits for an area
#   run_in_pane [ARG...]             runs $program (the script's) with the arguments in the pane,
#                                    after the program before in it has ended
#   grid_rows / grid_is ROWS         the design screen's rows; true when they are ROWS
#   exit_saving_new NAME             leaves through the exit dialog, saving as the new NAME.GDL
#   take_kept_design ROWS            answers the opening screen and takes the design kept by the
#                                    last stopped run; waits until the grid shows ROWS
#   build [right]                    empties tmux's buffer and presses Build (a right press:
#                                    printer code)
#   build_and_compare FILE [right]   Build; waits until the clipboard holds FILE byte for byte
#   key KEY...                       tmux key names (Escape, F1, Up, Enter, C-c) or text
#   pane_flag NAME                   a pane variable: mouse_any_flag, cursor_flag, alternate_on,
#                                    pane_pid, pane_dead, ...
#   screen                           the pane's text
#   row ROW                          one row of it (1-based)
#   text_at ROW COL TEXT             true when the pane shows TEXT from that cell on
#   cell_colours ROW COL             the cell's foreground, background and character: the colours
#                                    as SGR parameters (31, 38;5;196, 38;2;255;0;0; none: default)
#   fail MESSAGE                     ends the test with the message and the pane's text
#
# The pane fills as tmux reads what the program wrote, so one part of a screen showing says nothing
# of the rest: a test waits, with wait_until and a predicate such as text_at, for the very state it
# checks. What shows only for a while (Build's completion panel, a second) can be missed by a
# loaded machine's look, so no step waits for it; keys and clicks need no wait, as the program
# takes them in the order sent.

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

row() { screen | sed -n "$1p"; }

# The colours as tmux writes them before each character of the row, applied in order.
cell_colours() {
    local line fg="" bg="" col=0 i=0 params
    line=$(e2e_tmux capture-pane -p -e -t e2e -S $(($1 - 1)) -E $(($1 - 1)))
    while ((i < ${#line})); do
        if [[ ${line:i} =~ ^$'\e'\[([0-9\;]*)m ]]; then
            ((i += ${#BASH_REMATCH[0]}))
            IFS=';' read -r -a params <<<"${BASH_REMATCH[1]:-0}"
            local k=0
            while ((k < ${#params[@]})); do
                local p=${params[k]}
                case $p in
                    0) fg="" bg="" ;;
                    39) fg="" ;;
                    49) bg="" ;;
                    3[0-7] | 9[0-7]) fg=$p ;;
                    4[0-7] | 10[0-7]) bg=$p ;;
                    38 | 48)
                        local n=3
                        [[ ${params[k + 1]} == 2 ]] && n=5
                        local value
                        value=$(IFS=';'; echo "${params[*]:k:n}")
                        [[ $p == 38 ]] && fg=$value || bg=$value
                        ((k += n - 1))
                        ;;
                esac
                ((k += 1))
            done
            continue
        fi
        ((col += 1))
        if ((col == $2)); then
            printf '%s %s %s\n' "${fg:-none}" "${bg:-none}" "${line:i:1}"
            return
        fi
        ((i += 1))
    done
}

# Columns count characters, not bytes, in a UTF-8 locale.
text_at() {
    local line
    line=$(row "$1")
    [[ ${line:$2-1:${#3}} == "$3" ]]
}

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
    wait_until "no window was made of $*" grid_outside "$@"
}

# The grid lies between the strips, in columns 10 to 81 of rows 1 to 45.
grid_outside() {
    local top=$1 left=$2 bottom=$3 right=$4 number=0 line
    while IFS= read -r line && ((++number <= 45)); do
        line=${line:9:72}
        if ((number >= top && number <= bottom)); then
            line=${line:0:left-10}${line:right-9}
        fi
        [[ $line != *[·∙■]* ]] || return 1
    done < <(screen)
    ((number > 45))
}

grid_only() {
    local top=$1 left=$2 bottom=$3 right=$4 number=0 line
    while IFS= read -r line && ((++number <= bottom)); do
        ((number < top)) || [[ ${line:left-1:right-left+1} =~ ^[·∙■]+$ ]] || return 1
    done < <(screen)
    ((number > bottom))
}

# Past start-up: a key dismisses the opening screen and No answers "Open a previous Window?", and
# before it the offer of a design kept by an earlier run, when the folder holds one. The hint row
# is the last the main screen paints; waiting for all of it leaves no row unread.
kRecoveryQuestion="A design was kept when Gridlet was last stopped. Open it?"
asks_at_start() { shown "Open a previous Window?" || shown "$kRecoveryQuestion"; }
reach_empty_grid() {
    wait_for "God Bless Everybody"
    key x
    wait_until "start-up asked nothing" asks_at_start
    if shown "$kRecoveryQuestion"; then
        key n
        wait_for "Open a previous Window?"
    fi
    key n
    wait_for " Select an area for a Graphic Window by clicking on its Top Left and Bottom Right corners"
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
}

# The program left running is hung up, and keeps its design before it ends: it is waited for.
run_in_pane() {
    local old
    old=$(pgrep -P "$(pane_flag pane_pid)" || true)
    e2e_tmux respawn-pane -k -t e2e sh -c '"$0" "$@"; echo "ended with status $?"; exec sleep 600' \
        "$program" "$@"
    if [[ -n $old ]]; then
        wait_until "the program before did not end" bash -c "! kill -0 $old 2>/dev/null"
    fi
}

grid_rows() { screen | sed -n 1,45p; }
grid_is() { [[ $(grid_rows) == "$1" ]]; }

exit_saving_new() {
    key Escape
    wait_for "E X I T"
    press 18 37
    wait_for " Save this Window?"
    key y
    wait_for "Save Window   (*.GDL)"
    key -l "$1"
    key Enter
    wait_for "Create the file?"
    key y
    wait_for "ended with status 0"
}

take_kept_design() {
    wait_for "God Bless Everybody"
    key x
    wait_for "$kRecoveryQuestion"
    wait_for "Gridlet-recovered.GDL"
    key y
    wait_until "the kept design did not come back" grid_is "$1"
}
