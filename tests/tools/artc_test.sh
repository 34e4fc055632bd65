#!/usr/bin/env bash
# The art compiler: an image past the screen's edge is refused, and compiling an unchanged file
# again leaves its outputs untouched, so nothing that includes them is rebuilt.
set -euo pipefail
artc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src/demo" "$work/out"

art() {  # art NAME LEFT RIGHT: a one-row image of two cells
    printf 'legend a=07\nimage %s %s %s 46 46\n|ab|\n=\n|aa|\nend\n' "$1" "$2" "$3" \
        >"$work/src/demo/$1.art"
}

art Inside 89 90
"$artc" "$work/out" "$work/src/demo/Inside.art"
grep -q 'extern const ImageInfo kInside;' "$work/out/demo/Inside_art.h"
before=$(stat -c %Y.%N "$work/out/demo/Inside_art.h" "$work/out/demo/Inside_art.cpp")
sleep 1
"$artc" "$work/out" "$work/src/demo/Inside.art"
after=$(stat -c %Y.%N "$work/out/demo/Inside_art.h" "$work/out/demo/Inside_art.cpp")
[ "$before" = "$after" ] || { echo "unchanged art rewrote its outputs"; exit 1; }

art Outside 90 91
if "$artc" "$work/out" "$work/src/demo/Outside.art" 2>"$work/err"; then
    echo "an image past column 90 was accepted"
    exit 1
fi
grep -q 'Outside lies outside the 90 x 46 screen' "$work/err"
echo "artc: 2 passed, 0 failed"
