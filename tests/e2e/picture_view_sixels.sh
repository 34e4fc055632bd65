#!/usr/bin/env bash
# The picture view in xterm with sixels, on a virtual X server: a window with a box filled red
# through the properties menu; F2 draws the picture in the window's cells, the box red with a
# one-pixel outline on the window's white, and leaves the rest of the screen as it was; F2 again
# brings the marks back pixel for pixel. The program is driven with the server's own keys and
# pointer, and the screen read from screenshots of the xterm window.
# Usage: picture_view_sixels.sh PATH/TO/gridlet
# Exits with 77, which ctest counts as skipped, when a tool it needs is missing.
set -euo pipefail

for tool in Xvfb xterm xdotool import convert compare; do
    command -v "$tool" >/dev/null || {
        echo "SKIPPED: $tool is missing (Debian packages xvfb, xterm, xdotool, imagemagick)"
        exit 77
    }
done

program=$(realpath "$1")
kColumns=90
kRows=46
kTimeout=20
dir=$(mktemp -d "${TMPDIR:-/tmp}/gridlet-sixels.XXXXXX")
xvfb_pid=
xterm_pid=

cleanup() {
    local deadline=$((SECONDS + 10))
    if [[ -n $xterm_pid ]]; then
        kill "$xterm_pid" 2>/dev/null || true
        # The program whose terminal goes keeps its design in the folder first: let it finish.
        while kill -0 "$xterm_pid" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.05; done
    fi
    [[ -z $xvfb_pid ]] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT

# The screenshots are kept where the failure can be looked at.
fail() {
    local kept
    kept=$(mktemp -d "${TMPDIR:-/tmp}/gridlet-sixels-failed.XXXXXX")
    local shot
    for shot in "$dir"/*.ppm; do
        [[ ! -e $shot ]] || convert "$shot" "$kept/$(basename "$shot" .ppm).png"
    done
    cp "$dir"/*.log "$kept" 2>/dev/null || true
    echo "FAIL: $*" >&2
    kill -0 "$xvfb_pid" 2>/dev/null || echo "Xvfb is no longer running" >&2
    echo "the screenshots are in $kept" >&2
    exit 1
}

# Runs the command until it succeeds, for at most kTimeout seconds.
wait_until() {
    local message=$1 deadline=$((SECONDS + kTimeout))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || fail "$message"
        [[ -z $xterm_pid ]] || kill -0 "$xterm_pid" 2>/dev/null || fail "xterm ended: $message"
        sleep 0.1
    done
}

# The server picks a free display and names it once it takes clients.
: >"$dir/display"
Xvfb -displayfd 3 -screen 0 1024x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb_pid=$!
deadline=$((SECONDS + kTimeout))
until [[ $(cat "$dir/display") =~ ^[0-9]+$ ]]; do
    ((SECONDS < deadline)) || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"
    sleep 0.1
done
DISPLAY=:$(tr -d '\n' <"$dir/display")
export DISPLAY
display_open() { xdotool getdisplaygeometry >/dev/null 2>&1; }
wait_until "Xvfb took no client" display_open

# A VT340 has sixels and says so in its device attributes. No border, so that cells start at the
# window's corner; no antialiasing, so that a cell's pixels do not hang on the order xterm draws in.
cd "$dir"
xterm -ti vt340 -xrm 'XTerm*numColorRegisters: 256' -fa 'DejaVu Sans Mono:antialias=false' \
    -fs 10 -b 0 -geometry "${kColumns}x${kRows}+0+0" -l -lf "$dir/terminal.log" \
    -e "$program" 2>"$dir/xterm.log" &
xterm_pid=$!

window=
window_shown() {
    window=$(xdotool search --onlyvisible --pid "$xterm_pid" 2>/dev/null | head -n 1)
    [[ -n $window ]]
}
wait_until "the xterm window did not show" window_shown
read -r width height < <(xdotool getwindowgeometry --shell "$window" |
    awk -F= '$1 == "WIDTH" { w = $2 } $1 == "HEIGHT" { h = $2 } END { print w, h }')
((width % kColumns == 0 && height % kRows == 0)) ||
    fail "a ${width}x${height} window is no whole number of cells"
cell_width=$((width / kColumns))
cell_height=$((height / kRows))
xdotool windowfocus --sync "$window"

shot() { import -window "$window" "$dir/$1.ppm"; }

# The pixels of cells (1-based, inclusive), as an ImageMagick geometry.
cells() {
    local top=$1 left=$2 bottom=$3 right=$4
    echo "$(((right - left + 1) * cell_width))x$(((bottom - top + 1) * cell_height))+$(((left - 1) * cell_width))+$(((top - 1) * cell_height))"
}

# The distinct colours in a screenshot after the ImageMagick operations, as hex, one a line.
distinct() {
    local name=$1
    shift
    convert "$dir/$name.ppm" "$@" -unique-colors -depth 8 txt:- |
        sed -n 's/.* #\([0-9A-F]\{6\}\) .*/\1/p' | sort
}

# The colours of all the cells' pixels; of their backgrounds alone: the pixel next to each cell's
# corner, which no glyph of the program reaches.
pixel_colours() { distinct "$1" -crop "$(cells "${@:2}")" +repage; }
background_colours() {
    distinct "$1" -crop "$(cells "${@:2}")" +repage -crop "${cell_width}x${cell_height}" +repage \
        -crop 1x1+1+1 +repage +append
}

# True when the cells' pixels (or backgrounds) in the last screenshot have these colours and no
# other: TOP LEFT BOTTOM RIGHT COLOUR...
pixels_are() { [[ $(pixel_colours now "${@:1:4}") == "$(printf '%s\n' "${@:5}" | sort)" ]]; }
backgrounds_are() {
    [[ $(background_colours now "${@:1:4}") == "$(printf '%s\n' "${@:5}" | sort)" ]]
}

# The colours met along the pixel row through the middle of a row of cells, each run once after
# its length: ROW LEFT RIGHT.
runs_along() {
    convert "$dir/now.ppm" -crop "$((($3 - $2 + 1) * cell_width))x1+$((($2 - 1) * cell_width))+$((($1 - 1) * cell_height + cell_height / 2))" \
        +repage -depth 8 txt:- | sed -n 's/.* #\([0-9A-F]\{6\}\) .*/\1/p' | uniq -c
}

# Waits, taking a screenshot each time, until the command finds the state in it.
wait_screen() {
    local message=$1
    shift
    check() { shot now && "$@"; }
    wait_until "$message" check "$@"
}

# The number of pixels that differ between two screenshots.
differing() { compare -metric AE "$dir/$1.ppm" "$dir/$2.ppm" null: 2>&1 || true; }

# True when the last screenshot is the one named, pixel for pixel, in all its cells or in these.
same_as() {
    if (($# == 1)); then
        [[ $(differing "$1" now) == 0 ]]
        return
    fi
    convert "$dir/$1.ppm" -crop "$(cells "${@:2}")" +repage "$dir/cells-before.ppm"
    convert "$dir/now.ppm" -crop "$(cells "${@:2}")" +repage "$dir/cells-now.ppm"
    [[ $(differing cells-before cells-now) == 0 ]]
}

# The screenshot with the rows blacked out: NAME TOP BOTTOM.
without_rows() {
    convert "$dir/$1.ppm" -fill black \
        -draw "rectangle 0,$((($2 - 1) * cell_height)) $width,$(($3 * cell_height - 1))" \
        "$dir/$1-without.ppm"
}

# A click as a user makes it: the pointer goes to the cell's middle, then presses.
press() {
    xdotool mousemove --window "$window" $((($2 - 1) * cell_width + cell_width / 2)) \
        $((($1 - 1) * cell_height + cell_height / 2)) click 1
}
area() { press "$1" "$2"; press "$3" "$4"; }

# xterm's palette: the program's grey, light grey and blue.
kGrey=7F7F7F
kLight=E5E5E5
kBlue=0000EE

# Past start-up to the empty grid: the opening screen's blue panel, then the question's blue title
# over the grid, then the grid's hint row, painted last.
wait_screen "the opening screen did not show" backgrounds_are 20 10 20 10 "$kBlue"
xdotool key x
wait_screen "start-up asked nothing" backgrounds_are 20 40 20 40 "$kBlue"
xdotool key n
empty_grid() { backgrounds_are 20 40 20 40 "$kGrey" && backgrounds_are 46 1 46 90 "$kLight"; }
wait_screen "the empty grid did not show" empty_grid
cp "$dir/now.ppm" "$dir/empty.ppm"

# The window: the grid goes outside it.
area 5 20 15 39
press 35 5
wait_screen "no window was made" pixels_are 16 10 45 81 "$kLight"

area 7 22 12 32
press 11 86 # Rectang, right strip: the properties menu over the window's right half
wait_screen "the properties menu did not show" backgrounds_are 10 35 10 35 "$kLight"
press 7 45 # Fill/bgnd Color
wait_screen "the colour chooser did not show" backgrounds_are 12 25 12 25 FF0000
press 13 25 # the red swatch
press 28 34 # OK
wait_screen "the colour chooser did not close" backgrounds_are 12 25 12 25 "$kGrey"
press 25 46 # OK: the move menu follows, over the left strip too
wait_screen "the move menu did not show" backgrounds_are 3 7 3 7 "$kLight"
press 22 43 # Accept

# The move menu gone: the page's light grey round the window, the grid's grey behind every cell
# of it, the box's bottom edge drawn and the left strip as on the empty grid.
marks_drawn() {
    pixels_are 1 10 4 81 "$kLight" && pixels_are 16 10 45 81 "$kLight" &&
        pixels_are 5 10 15 19 "$kLight" && pixels_are 5 40 15 81 "$kLight" &&
        [[ $(background_colours now 5 20 15 39) == "$kGrey" ]] &&
        [[ $(runs_along 12 23 31 | awk '{ print $2 }') == 000000 ]] && same_as empty 1 1 45 9
}
wait_screen "the box's marks did not come back after the move menu" marks_drawn
cp "$dir/now.ppm" "$dir/marks.ppm"

xdotool key F2
wait_screen "the box's red did not fill its cells" pixels_are 8 23 11 31 FF0000
wait_screen "the window's cells do not all show the picture" \
    pixels_are 5 20 15 39 000000 FF0000 FFFFFF
wait_screen "the window round the box is not white" pixels_are 5 20 6 39 FFFFFF
# Pixels, not symbols: the row through the box's middle is the window's white, a one-pixel
# outline, the box's red, the outline, the white.
box_row_drawn() {
    [[ $(runs_along 10 20 39 | awk '{ printf "%s ", $2 }') == "FFFFFF 000000 FF0000 000000 FFFFFF " ]]
}
wait_screen "the row through the box is not white, outline, red, outline, white" box_row_drawn
runs_along 10 20 39 | awk '$2 == "000000" && $1 != 1 { exit 1 }' ||
    fail "the box's outline is not one pixel thick: $(runs_along 10 20 39)"
without_rows marks 5 15
outside_as_before() { without_rows now 5 15 && [[ $(differing marks-without now-without) == 0 ]]; }
wait_screen "the screen outside the window's rows changed" outside_as_before

xdotool key F2
wait_screen "the marks did not come back pixel for pixel" same_as marks
echo "the picture view in xterm's sixels shows the red box and gives the marks back"
