#!/usr/bin/env bash
# Takes the manual's picture of a 128 x 16 sign drawn with the drawing tools,
# as a person would draw it: the real lumigrid.exe under Wine, File > New,
# one plane, each tool chosen by its key and each shape dragged with the
# mouse; a selection copied, pasted, flipped, moved and dropped. Then the
# top of the editor's window, down to the sign, is saved.
#   drawing-tools-screenshot.sh BUILD_TREE OUT.png     (e.g. build/win64 docs/images/drawing-tools.png)
# Run it under its own display: xvfb-run -a -s "-screen 0 1280x1024x24" ...
set -euo pipefail
tree=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/window-wait.sh"
. "$here/grid-pointer.sh"

menu() {   # menu x-position letter
    xdotool mousemove --window "$main" "$1" 35 click 1
    sleep 0.4
    xdotool key "$2"
    sleep 0.3
}
edit_menu() { menu 53 "$1"; }
line() { drag "$@"; }

start_editor "$tree"
new_pattern 128 16
menu 90 o          # View > One plane
sleep 1.5
find_grid 128

edit_menu o        # Or mode: where lines meet they stay lit
xdotool key r
drag 0 0 127 15
xdotool key shift+e
drag 4 4 11 11
xdotool key e
drag 2 2 13 13
xdotool key l
line 17 8 30 8
line 30 8 26 4
line 30 8 26 12
line 35 3 35 12
line 35 12 41 12
line 44 3 44 12
line 44 3 50 3
line 44 7 49 7
line 44 12 50 12
line 53 3 53 12
line 53 3 57 3
line 57 3 60 6
line 60 6 60 9
line 60 9 57 12
line 57 12 53 12
xdotool key f
click_led 56 7
xdotool key shift+r
drag 64 3 75 12
edit_menu x        # Xor: the ellipse cuts a ring out of the block
xdotool key e
drag 64 3 75 12
edit_menu o
# The arrow copied, pasted, flipped to point back, moved and dropped.
xdotool key s
drag 17 4 30 12
edit_menu c
edit_menu p
xdotool key shift+h
drag 5 4 84 8
xdotool key Return
# A zigzag by freehand, one mouse position at each turn.
xdotool key d
xdotool mousemove "$(led_x 100)" "$(led_y 12)" mousedown 1
for point in "104 3" "108 12" "112 3" "116 12" "120 3" "124 12"; do
    set -- $point
    xdotool mousemove "$(led_x "$1")" "$(led_y "$2")"
    sleep 0.1
done
xdotool mouseup 1
sleep 0.3
xdotool key p
xdotool mousemove 5 5
sleep 1
# The window down to just below the sign.
import -window "$main" -crop "x$((grid_top + 16 * grid_cell + 12))+0+0" +repage "$out"
echo "$out"
