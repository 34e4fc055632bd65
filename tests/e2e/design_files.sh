#!/usr/bin/env bash
# Design files in a real terminal: a design saved on the way out opens again at the next start
# with the same screen and the same code, which --code prints too; a design is kept in
# Gridlet-recovered.GDL when the program is told to stop or its terminal's shell is hung up.
# Usage: design_files.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
here=$(cd "$E2E_DIR" && pwd -P)
recovered="$here/Gridlet-recovered.GDL"

# Build, then the clipboard's text into the file.
saved_into() { e2e_tmux save-buffer "$1" 2>/dev/null; }
build_into() {
    build
    wait_until "nothing reached the clipboard" saved_into "$1"
}
# Waits for the box, the last the screen shows of the design: so the screen is all there and a
# signal finds the box in the design.
window_and_box() {
    make_window 5 20 15 39
    press 7 22; press 10 30; press 11 5
    wait_until "the box was not drawn" text_at 10 22 "└───────┘"
}
wait_for_file() { wait_until "$1 was not written" test -s "$1"; }

start sh -c '"$0"; echo "ended with status $?"; exec sleep 600' "$program"
e2e_tmux set -s set-clipboard on
reach_empty_grid
window_and_box
stored=$(grid_rows)
build_into "$here/before.bas"
grep -q "GRAPHIC BOX" "$here/before.bas" || fail "Build gave no box"

exit_saving_new mine
[[ -f "$here/mine.GDL" ]] || fail "mine.GDL was not written"

run_in_pane
wait_for "God Bless Everybody"
key x
wait_for "Open a previous Window?"
key y
wait_for "Open Window   (*.GDL)"
key -l mine.GDL
key Enter
wait_until "the stored screen did not come back" grid_is "$stored"
build_into "$here/after.bas"
cmp -s "$here/before.bas" "$here/after.bas" ||
    fail "Build after opening differs: $(diff <(cat -A "$here/before.bas") <(cat -A "$here/after.bas"))"
"$program" --code "$here/mine.GDL" >"$here/code.bas" || fail "--code failed"
cmp -s "$here/code.bas" "$here/after.bas" || fail "--code does not print what Build gives"

# Told to stop: the design is kept, and the last line says where. What the hung-up program before
# kept goes first, so that the name is free.
run_in_pane
rm -f "$here"/Gridlet-recovered*.GDL
reach_empty_grid
window_and_box
kill -TERM "$(pgrep -P "$(pane_flag pane_pid)")"
wait_for "ended with status 143"
# The shell says "Terminated" for the signal after the program's last line.
[[ $(screen | grep -B1 "^Terminated" | head -1) == "gridlet: the design was kept in $recovered" ]] ||
    fail "the last line does not say where the design was kept"
wait_for_file "$recovered"
[[ $(pane_flag alternate_on) == 0 ]] || fail "alternate screen left on"
rm "$recovered"

# The shell of the terminal hung up: the design is kept all the same.
run_in_pane
reach_empty_grid
window_and_box
stored=$(grid_rows)
kill -HUP "$(pane_flag pane_pid)"
wait_for_file "$recovered"
run_in_pane
take_kept_design "$stored"
echo "a design saved, opened, built and printed; kept when stopped and when hung up"
