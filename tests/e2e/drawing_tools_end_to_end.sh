#!/usr/bin/env bash
# The drawing tools end to end, as a person would use them: the real
# lumigrid.exe under Wine on a virtual display, a 32 x 16 pattern from
# File > New, tools chosen by their keys, shapes drawn by dragging the mouse
# with xdotool. After each step the LEDs are read back from the screen (the
# middle of a lit LED is yellow, of a dark one grey); then Ctrl+Z takes the
# steps back one by one.
#
#   drawing_tools_end_to_end.sh BUILD_TREE        (e.g. build/win64)
# Run it under its own display: xvfb-run -a -s "-screen 0 1280x1024x24" ...
set -euo pipefail
tree=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scripts="$here/../../scripts"
export WINEPREFIX="$tree/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$scripts/wine-prefix.sh" "$WINEPREFIX"

work=$(mktemp -d /tmp/lumigrid-tools-e2e.XXXXXX)
shots="$tree/e2e-screenshots/drawing-tools"
mkdir -p "$shots"
cleanup() { wineserver -k 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

step=0
shot() { step=$((step + 1)); import -window root "$shots/$(printf '%02d' $step)-$1.png"; }
fail() { echo "drawing tools end-to-end: $*" >&2; shot failure; exit 1; }
. "$scripts/window-wait.sh"
. "$scripts/grid-pointer.sh"

columns=32
rows=16
# The frame as shown: one line of # (lit) and . (dark) a row.
shown() {
    import -window root "$work/screen.png"
    local format=""
    for ((r = 0; r < rows; r++)); do
        for ((c = 0; c < columns; c++)); do format+="%[hex:p{$(led_x $c),$(led_y $r)}] "; done
    done
    convert "$work/screen.png" -format "$format" info: | tr ' ' '\n' | grep -v '^$' |
        awk -v columns=$columns '{ line = line ($0 ~ /^FFFF00/ ? "#" : ".") } NR % columns == 0 { print line; line = "" }'
}
expect() {
    sleep 0.5
    local actual
    actual=$(shown)
    [ "$actual" = "$1" ] || fail "after $2 the frame shows
$actual
instead of
$1"
    shot "$(tr ' ' - <<<"$2")"
}
# Pictures built here, not by the editor: # where a cell is lit.
blank() { for ((r = 0; r < rows; r++)); do printf '%*s\n' $columns '' | tr ' ' .; done; }
light() {   # picture column row: the picture with that cell lit
    awk -v c="$2" -v r="$3" 'NR == r + 1 { $0 = substr($0, 1, c) "#" substr($0, c + 2) } { print }' <<<"$1"
}

wine "$tree/bin/lumigrid.exe" &
main=$(await "^Lumigrid ver 1.0") || fail "the editor did not start"
xdotool windowmove "$main" 0 0
sleep 1
new_pattern $columns $rows || fail "File > New did not make the pattern"
find_grid $columns
[ "$grid_cell" -ge 8 ] || fail "LEDs of $grid_cell pixels"
empty=$(blank)
expect "$empty" "New"

# 1. A line from LED (0, 0) to (31, 15): Bresenham's cells, one a column, in
# the row nearest the line (15 x / 31 is never halfway).
xdotool key l
drag 0 0 31 15
line=$empty
for ((x = 0; x < columns; x++)); do line=$(light "$line" $x $(((30 * x + 31) / 62))); done
expect "$line" "Line"

# 2. A rectangle outline, then Fill clicked inside it: the filled rectangle.
xdotool key r
drag 20 1 29 6
outline=$line
for ((x = 20; x <= 29; x++)); do outline=$(light "$(light "$outline" $x 1)" $x 6); done
for ((y = 2; y <= 5; y++)); do outline=$(light "$(light "$outline" 20 $y)" 29 $y); done
expect "$outline" "Rectangle"
xdotool key f
click_led 24 3
filled=$outline
for ((y = 2; y <= 5; y++)); do for ((x = 21; x <= 28; x++)); do filled=$(light "$filled" $x $y); done; done
expect "$filled" "Fill"

# 3. Freehand, in Or mode (Edit > Or mode): two mouse positions 31 LEDs
# apart light the whole row.
xdotool mousemove --window "$main" 53 35 click 1
sleep 0.4
xdotool key o
sleep 0.3
xdotool key d
drag 0 13 31 13
stroke=$(awk 'NR == 14 { gsub(/\./, "#") } { print }' <<<"$filled")
expect "$stroke" "Freehand"

# 4. Flip Horizontal mirrors the frame.
xdotool key shift+h
expect "$(rev <<<"$stroke")" "Flip Horizontal"

# 5. Ctrl+Z takes back each of these in turn.
for picture in "$stroke" "$filled" "$outline" "$line" "$empty"; do
    xdotool key ctrl+z
    expect "$picture" "Ctrl+Z"
done

echo "drawing tools end-to-end: 1 passed, 0 failed"
