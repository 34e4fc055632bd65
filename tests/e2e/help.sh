#!/usr/bin/env bash
# Help in a real terminal: F1 opens the menu over the grid, a letter shows its page, Escape goes
# back to the menu and a second Escape leaves help with the screen as it was.
# Usage: help.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

start "$(realpath "$1")"
reach_empty_grid
before=$(screen)

key F1
wait_for "│ Help Menu │"
key g
wait_for "Not every object has every property:"

key Escape
wait_for "│ Help Menu │"
wait_gone "Not every object has every property:" "the page is still shown"

key Escape
screen_is() { [[ $(screen) == "$1" ]]; }
wait_until "the screen after help differs from the one before" screen_is "$before"
echo "help opened a page and left the screen as it was"
