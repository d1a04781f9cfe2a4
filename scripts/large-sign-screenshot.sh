#!/usr/bin/env bash
# Takes the picture of a 128 x 16 sign in a large editor window for the
# manual, as a person would make it: the real lumigrid.exe under Wine, the
# window maximised on a 1280 x 1024 screen, File > New... for 128 x 16, a text put on the
# frames with Frame > Text..., the pointer resting on an LED.
#   large-sign-screenshot.sh BUILD_TREE OUT.png      (e.g. build/win64 docs/images/large-sign.png)
# Run it under its own display: xvfb-run -a -s "-screen 0 1280x1024x24" ...
set -euo pipefail
tree=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/window-wait.sh"
# Opens a menu by a click on its name at x, then the item of the letter, and
# prints the id of the dialog titled $3 that it opens.
dialog_of() {
    xdotool mousemove --window "$main" "$1" 35 click 1
    sleep 0.4
    xdotool key "$2"
    await "^$3\$"
    sleep 0.5
}

start_editor "$tree"
# Maximised by its caption's button (there is no window manager to ask).
width=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
xdotool mousemove --window "$main" $((width - 33)) 12 click 1
sleep 1
# File > New...: the columns are selected, ready to be typed over.
dialog_of 20 n 新規作成 >/dev/null
xdotool type --delay 100 "128"
xdotool key Tab
xdotool type --delay 100 "16"
xdotool key Return
gone "^新規作成\$"
sleep 0.5
# Frame > Text..., with the text typed into its box.
text=$(dialog_of 128 t 文字の入力)
xdotool mousemove --window "$text" 200 40 click 1
sleep 0.3
xdotool type --delay 150 "${TEXT:-LUMIGRID 128x16}"
sleep 0.5
xdotool key Return
gone "^文字の入力\$"
sleep 0.5
# The pointer on an LED of the first view, for the status bar.
xdotool mousemove --window "$main" 300 90
sleep 1
import -window "$main" "$out"
echo "$out"
