#!/usr/bin/env bash
# A design opened from the command line keeps its objects: Undo takes back the newest ones, the
# grid showing again where their marks were, and Redo makes them again.
# Usage: reopen_undo.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")

start sh -c '"$0" "$@"; echo "ended with status $?"; exec sleep 600' "$program"
reach_empty_grid
make_window 5 20 30 60
press 7 22; press 10 30; press 11 5
wait_until "the box was not drawn" text_at 10 22 "└───────┘"
with_box=$(grid_rows)
press 12 22; press 15 35; press 14 5
wait_until "the ellipse was not drawn" text_at 15 22 "└────────────┘"
press 18 22; press 21 40; press 2 5
wait_for "Lucida Console"
key -l "hello there"
key M-o
wait_until "the text was not marked" text_at 19 23 "Static"
with_all=$(grid_rows)

exit_saving_new mine

run_in_pane mine.GDL
wait_for "God Bless Everybody"
key x
wait_until "the design did not open as it was saved" grid_is "$with_all"
key u u
wait_until "two undos did not leave the box alone" grid_is "$with_box"
key r r
wait_until "two redos did not bring the ellipse and the text back" grid_is "$with_all"
