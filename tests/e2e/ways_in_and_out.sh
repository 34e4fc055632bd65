#!/usr/bin/env bash
# Ways in and out of the real program: at the size notice of a terminal too small, q ends it with
# the terminal restored; without a terminal on standard input or output, or in a terminal that
# cannot report the mouse, it says so in one line and ends with status 1, having written nothing
# else.
# Usage: ways_in_and_out.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
refusal="gridlet: standard input and output must both be a terminal"

start sh -c '"$0"; echo "ended with status $?"; exec sleep 600' "$program"
wait_for "God Bless Everybody"
e2e_tmux resize-window -t e2e -x 70 -y 30
wait_for "This one has 70 x 30."
wait_for "q or Ctrl+C quits"
key q
wait_for "ended with status 1"
[[ $(pane_flag mouse_any_flag) == 0 ]] || fail "mouse tracking left on"
[[ $(pane_flag alternate_on) == 0 ]] || fail "alternate screen left on"

status=0
"$program" </dev/null >"$E2E_DIR/out" 2>"$E2E_DIR/err" || status=$?
((status == 1)) || fail "without a terminal the status is $status, not 1"
[[ ! -s "$E2E_DIR/out" ]] || fail "something was written to standard output"
[[ $(cat "$E2E_DIR/err") == "$refusal" ]] || fail "standard error says: $(cat "$E2E_DIR/err")"

# Standard input a terminal, standard output a file, then a pipe.
e2e_tmux respawn-pane -k -t e2e bash -c 'clear; "$0" > out; echo "to a file: status $?"
    "$0" | cat; echo "to a pipe: status ${PIPESTATUS[0]}"; exec sleep 600' "$program"
wait_for "to a pipe: status 1"
wait_for "to a file: status 1"
[[ $(screen | grep -c "^$refusal\$") == 2 ]] || fail "the refusal is not shown once for each"
[[ ! -s "$E2E_DIR/out" ]] || fail "something was written to the file"

e2e_tmux respawn-pane -k -t e2e bash -c 'clear; TERM=dumb "$0"; echo "dumb: status $?"
    TERM=linux "$0"; echo "linux: status $?"; exec sleep 600' "$program"
wait_for "linux: status 1"
wait_for "dumb: status 1"
[[ $(screen) == *"gridlet: this terminal (TERM=dumb) cannot report the mouse"* ]] ||
    fail "no word why a dumb terminal is refused"
[[ $(screen) == *"gridlet: this terminal (TERM=linux) cannot report the mouse"* ]] ||
    fail "no word why the Linux console is refused"
[[ $(pane_flag mouse_any_flag) == 0 ]] || fail "mouse tracking was switched on"
echo "left at the size notice, refused without a terminal or a mouse"
