#!/usr/bin/env bash
# Start-up in a real terminal: the opening screen stays through a pointer move and goes on a
# click, then the main screen with both strips and the question. The click falls where the
# question's Yes button appears, so a move that wrongly ended the opening screen lets the click
# answer Yes, and the question never waits for its No.
# Usage: startup.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

start "$(realpath "$1")"
wait_for "God Bless Everybody"
wait_for "In God we Trust"
[[ $(pane_flag mouse_any_flag) == 1 ]] || fail "any-motion mouse tracking is not on"

move 25 40
click 25 40
wait_for "Open a previous Window?"
wait_for "Do You want to"
for label in "│Rectang│" "│LineStp│" "│BmpStrh│" "│ Build │" "│CodView│" "│Preview│" "│ Undo  │" "│ Exit  │" "│ AddStr│"; do
    wait_until "strip label $label missing" shown "$label"
done
[[ $(screen) != *"God Bless Everybody"* ]] || fail "the opening screen is still there"

key n
wait_for " Select an area for a Graphic Window by clicking on its Top Left and Bottom Right corners"
echo "start-up screens shown"
