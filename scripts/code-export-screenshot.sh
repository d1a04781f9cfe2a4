#!/usr/bin/env bash
# Takes the picture of the editor's Export Code dialog for the manual, as a
# person would make it: the real lumigrid.exe under Wine, File > Load... of
# the arrow example typed into the file dialog, File > Export Code... opened
# by a click on the menu and its letter, then the max7219-rows layout and the
# ATmega328P chosen with the keys; then the dialog alone is saved.
#   code-export-screenshot.sh BUILD_TREE OUT.png   (e.g. build/win64 docs/images/export-code.png)
# Run it under its own display: xvfb-run -a -s "-screen 0 1024x768x24" ...
set -euo pipefail
tree=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
arrow=$(realpath "$here/../examples/patterns/arrow.led")
. "$here/window-wait.sh"
start_editor "$tree"
xdotool mousemove --window "$main" 20 35 click 1
sleep 0.4
xdotool key l
chooser=$(await "^Open\$")
xdotool mousemove --window "$chooser" 60 8 click 1
sleep 0.3
xdotool type --delay 20 "Z:${arrow//\//\\}"
xdotool key Return
gone "^Open\$"
sleep 1
xdotool mousemove --window "$main" 20 35 click 1
sleep 0.4
xdotool key c
dialog=$(await "^コード出力\$")
sleep 0.5
xdotool mousemove --window "$dialog" 60 8 click 1
sleep 0.3
# The layout list: gfx, xbm, ssd1306, max7219-rows; the controllers after "none".
xdotool key alt+l Down Down Down
xdotool key alt+c Down
sleep 2
import -window "$dialog" "$out"
echo "$out"
