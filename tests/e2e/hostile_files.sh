#!/usr/bin/env bash
# Hostile files in a real terminal: a bitmap whose header claims 2147483647 pixels of width is
# unreadable and placed at once as 0 x 0, with a one-column outline; a bitmap whose name the code
# cannot hold (CJK) is refused in the chooser with the reason, and nothing is placed.
# Usage: hostile_files.sh PATH/TO/gridlet
source "$(dirname "$0")/lib.sh"

# A run-length encoded bitmap's two headers: width 2147483647, height 1, 8 bits a pixel.
printf 'BM\0\0\0\0\0\0\0\0\066\0\0\0\050\0\0\0\377\377\377\177\001\0\0\0\001\0\010\0\001\0\0\0' \
    >"$E2E_DIR/huge.bmp"
head -c 20 /dev/zero >>"$E2E_DIR/huge.bmp"
cp "$E2E_DIR/huge.bmp" "$E2E_DIR/画.bmp"

start "$(realpath "$1")"
reach_empty_grid
make_window 5 20 30 70

press 8 30
press 12 40
press 29 5  # BMP: the bitmap at its own size
wait_for "BitMap Files  (*.BMP)"
key -l huge.bmp
key Enter
wait_for "Nr of Pixels to Move"
press 22 43  # Accept in the move menu
wait_until "no outline at the area's first corner" text_at 8 30 "┌"
wait_until "no one-column outline and name" text_at 9 30 "└huge"

press 15 30
press 20 40
press 32 5  # BmpStrh: the bitmap stretched to the area
wait_for "BitMap Files  (*.BMP)"
press 12 14  # the third entry: ../, huge.bmp, then the CJK name
press 32 72  # Open
wait_for "cannot be written into the code:"
wait_for "does not have."
key Enter    # the message's OK
press 35 72  # Cancel
# The grid again where the area was marked: no outline, and the band gone with the chooser.
wait_until "the refused bitmap was placed, or the chooser stayed" grid_only 15 30 20 40
echo "the huge bitmap was placed as unreadable and the CJK name refused"
