#!/usr/bin/env bash
# Text and a string variable in a real terminal: a text typed into the dialog over its area, with
# a quote, a line break and a bracketed paste, taken with Alt+O; a string variable named in the
# string panel and previewed in the move menu, which places its print in DoString; Build gives
# exactly the expected code, as graphic-window and as printer code.
# Usage: text.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"
expected=$(cd "$(dirname "$0")/expected" && pwd)

start "$(realpath "$1")"
e2e_tmux set -s set-clipboard on
reach_empty_grid

make_window 5 20 15 39

area 7 22 8 33
press 2 5                                   # Text, left strip
wait_for "Lucida Console 10 pt"
key -l 'Say "hi" to'
key Enter
key -l 'the big world'
e2e_tmux set-buffer $'\ncafé'
e2e_tmux paste-buffer -p -t e2e             # bracketed, as the program asked for
wait_for "café"
key Escape                                  # does not close the dialog
key M-o
wait_for "Static"

area 11 22 11 30
press 26 86                                 # AddStr, right strip
wait_for "Click Here to Enter String Name"
press 16 40
wait_for "Type Variable Name"
key -l sName
key Enter
press 21 50                                 # Finish
wait_for "Nr of Pixels to Move"             # the move menu
press 10 43                                 # Preview: the variable is printed where it stands
wait_for "Graphic window,"
key x                                       # closes the picture
wait_for "Nr of Pixels to Move"
press 22 43                                 # Accept
wait_for "sName▒▒▒▒"

build_and_compare "$expected/text.bas"
build_and_compare "$expected/text_printer.bas" right
echo "text and string variable placed and built"
