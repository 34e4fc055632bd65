#!/usr/bin/env bash
# Saving at any time in a real terminal: Ctrl+S asks for a name the first time and then saves to
# it without asking, the title names the file and marks unsaved changes; the pane killed, the next
# start offers the design it kept and opens it; a file opened and saved again without a change is
# the same file; a name that does not exist yet starts a new design that Ctrl+S saves there.
# Usage: save_any_time.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

program=$(realpath "$1")
here=$(cd "$E2E_DIR" && pwd -P)

boxes_in() { grep -a -o "GRAPHIC BOX" "$1" | wc -l; }
has_boxes() { [[ -f $1 && $(boxes_in "$1") == "$2" ]]; }
box() {
    press "$1" "$2"
    press "$3" "$4"
    press 11 5
}

start sh -c '"$0"; echo "ended with status $?"; exec sleep 600' "$program"
reach_empty_grid
wait_flag pane_title "Gridlet - new design"
make_window 5 20 15 39
box 7 22 10 30
wait_until "the first box was not drawn" text_at 10 22 "└───────┘"
wait_flag pane_title "Gridlet - new design *"

key C-s
wait_for "Save Window   (*.GDL)"
key -l mine
key Enter
wait_for "Create the file?"
key y
wait_for " Saved mine.GDL"
wait_flag pane_title "Gridlet - mine.GDL"
has_boxes "$here/mine.GDL" 1 || fail "mine.GDL does not hold the box"

box 7 32 10 38
wait_until "the second box was not drawn" text_at 10 32 "└─────┘"
wait_flag pane_title "Gridlet - mine.GDL *"
key C-s
wait_flag pane_title "Gridlet - mine.GDL"
wait_until "Ctrl+S did not save the second box" has_boxes "$here/mine.GDL" 2
shown "Save Window   (*.GDL)" && fail "the chooser came up for a design that has its file"
wait_for " Saved mine.GDL"
stored=$(grid_rows)
cp "$here/mine.GDL" "$here/saved.GDL"

# The pane goes, and the terminal with it: the design is kept, and offered at the next start.
gridlet=$(pgrep -P "$(pane_flag pane_pid)")
e2e_tmux kill-pane -t e2e
wait_until "the program did not end with its pane" bash -c "! kill -0 $gridlet 2>/dev/null"
[[ -s "$here/Gridlet-recovered.GDL" ]] || fail "the design was not kept"
start sh -c '"$0"; echo "ended with status $?"; exec sleep 600' "$program"
take_kept_design "$stored"
wait_flag pane_title "Gridlet - new design *"

# Opened and saved again without a change: the same bytes, and the same code.
run_in_pane mine.GDL
wait_for "God Bless Everybody"
key x
wait_until "mine.GDL did not open" grid_is "$stored"
wait_flag pane_title "Gridlet - mine.GDL"
"$program" --code "$here/mine.GDL" >"$here/before.bas" || fail "--code failed"
rm "$here/mine.GDL"
key C-s
wait_until "Ctrl+S did not write mine.GDL again" test -s "$here/mine.GDL"
cmp -s "$here/saved.GDL" "$here/mine.GDL" || fail "opening and saving again changed the file"
"$program" --code "$here/mine.GDL" >"$here/after.bas" || fail "--code failed"
cmp -s "$here/before.bas" "$here/after.bas" || fail "--code differs after the save"

# A name not there yet: a new design for it, which Ctrl+S saves there.
run_in_pane fresh.GDL
wait_for "God Bless Everybody"
key x
wait_for " fresh.GDL does not exist yet: a new design, which Ctrl+S saves there"
wait_flag pane_title "Gridlet - fresh.GDL"
make_window 5 20 15 39
key C-s
wait_until "Ctrl+S did not write fresh.GDL" test -s "$here/fresh.GDL"
wait_for " Saved fresh.GDL"
key Escape
wait_for "E X I T"
press 18 37
wait_for " Save this Window?"
key y
wait_for "ended with status 0"
# The terminal's own title is back. (tmux takes the terminal probe's kitty query, an APC string,
# for a title too, so what comes back is not always the shell's.)
wait_until "the title of the program stayed after it ended" bash -c \
    '[[ $(tmux -L "$0" display-message -p -t e2e "#{pane_title}") != Gridlet* ]]' "$E2E_SERVER"
echo "saved at any time, offered after a kill, unchanged when saved again, a new file made"
